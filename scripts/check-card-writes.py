#!/usr/bin/env python3
"""Checks that a failed write never costs the previous file, with the real command-line program.

  scripts/check-card-writes.py inject [--program PATH] [--commands camera,mms,smtp] [--errors EIO,ENOSPC]
  scripts/check-card-writes.py race [--program PATH] [--pairs 60]
  scripts/check-card-writes.py all [...]

inject: for each command, a clean run under strace lists the system calls of its write path (every call from the
first one that names the --out folder to the end). Then each of those calls, one occurrence at a time, is made to
fail with each error, in a folder that holds an earlier file of the same name, and again in a folder that also
holds what a killed run leaves (a temporary file, a lock file, an empty mms.dat). After every run the folder must
hold the earlier file unchanged or the new file complete, exit code 0 must mean that the new file is there, and a
working file mms.dat that stays must hold nothing but zeros.

race: pairs of `camera` runs with different settings write into one folder holding an earlier menu.dat at the same
moment. The folder must always end with the whole file of one of them, and a run that exits 0 must have left its
file unless the other run also exited 0 (then it may have replaced it, as a later Generate would).

Without --program the release build's tamb-setup-cli is used, else the test build's (with LeakSanitizer off,
which cannot run under strace; an error injected into the sanitizers' own write() probes shows as a crash there).
Exit code 0 when nothing was lost, 1 otherwise.
"""

import argparse
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
from concurrent.futures import ThreadPoolExecutor

from strace_checks import default_program, program_environment

CLOCK = "2024-02-03T07:05:09"

# The password the smtp command reads from its standard input (a password never stands on a command line).
PASSWORD_LINE = b"secret\n"

# Each command with the settings of the earlier file and of the new one, and the file it writes.
COMMANDS = {
    "camera": {
        "file": "menu.dat",
        "base": ["camera", "--model", "1", "--clock", CLOCK],
        "earlier": ["videoLength=20"],
        "new": ["videoLength=30"],
    },
    "mms": {
        "file": "setup.dat",
        "base": ["mms", "--model", "3", "country=0", "operator=1"],
        "earlier": ["phone1=0123456789"],
        "new": ["phone1=0987654321"],
    },
    "smtp": {
        "file": "smtp.dat",
        "base": ["smtp", "--model", "6", "smtpServer=smtp.example.com", "smtpPort=25",
                 "senderEmail=cam@example.com", "senderPassword=-"],
        "earlier": ["recipientEmail=me@example.org"],
        "new": ["recipientEmail=you@example.org"],
    },
}

# Calls of the allocator, of locks between threads, of signal handling and of the program's end: no part of
# writing a file, and failing them tests the C library rather than the write (the C library ends the program on
# purpose when a futex fails).
NOT_WRITE_PATH = {"brk", "mmap", "munmap", "mremap", "madvise", "mprotect", "futex", "rt_sigaction",
                  "rt_sigprocmask", "rt_sigreturn", "exit_group", "exit"}

SYSCALL_LINE = re.compile(r"^(?:\d+\s+)?([a-z_0-9]+)\(")


class Runner:
    def __init__(self, program, work):
        self.program = program
        self.work = work
        self.environment = program_environment(work)

    def run(self, words, strace=None, timeout=60):
        command = ([] if strace is None else ["strace"] + strace + ["--"]) + [self.program] + words
        try:
            done = subprocess.run(command, env=self.environment, input=PASSWORD_LINE, capture_output=True,
                                  timeout=timeout, check=False)
            return done.returncode, done.stdout.decode(errors="replace") + done.stderr.decode(errors="replace")
        except subprocess.TimeoutExpired:
            return None, "timed out"


def fresh_folder(parent, name, files):
    folder = os.path.join(parent, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for file_name, content in files.items():
        with open(os.path.join(folder, file_name), "wb") as out:
            out.write(content)
    return folder


def written_bytes(runner, spec, settings, scratch):
    folder = fresh_folder(scratch, "reference", {})
    code, output = runner.run(spec["base"] + settings + ["--out", folder])
    if code != 0:
        sys.exit("the reference run failed (%s): %s" % (code, output))
    with open(os.path.join(folder, spec["file"]), "rb") as made:
        return made.read()


def write_path_calls(runner, spec, earlier, others, scratch):
    """(syscall, occurrence) of every call from the first that names the --out folder to the end."""
    folder = fresh_folder(scratch, "traced-card", dict(others, **{spec["file"]: earlier}))
    trace = os.path.join(scratch, "trace.txt")
    code, output = runner.run(spec["base"] + spec["new"] + ["--out", folder], strace=["-f", "-qq", "-o", trace])
    if code != 0:
        sys.exit("the traced run failed (%s): %s" % (code, output))
    counts = collections.Counter()
    calls = []
    on_path = False
    with open(trace, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            match = SYSCALL_LINE.match(line)
            if not match:
                continue
            name = match.group(1)
            counts[name] += 1
            on_path = on_path or folder in line
            if on_path and name not in NOT_WRITE_PATH:
                calls.append((name, counts[name]))
    return calls


def judge(spec, folder, code, output, earlier, new):
    """The faults of one run's outcome as (kind, words); empty when it kept its promises."""
    if code is None:
        return [("hang", "no end within the time limit")]
    faults = []
    if code < 0 or code > 2 or "Sanitizer" in output:
        faults.append(("crash", "exit %s" % code))
    path = os.path.join(folder, spec["file"])
    content = open(path, "rb").read() if os.path.exists(path) else None
    if content is None:
        faults.append(("LOST", "no %s" % spec["file"]))
    elif content not in (earlier, new):
        faults.append(("LOST", "%s holds %d other bytes" % (spec["file"], len(content))))
    if code == 0 and content != new:
        faults.append(("false success", "exit 0 without the new file"))
    working = os.path.join(folder, "mms.dat")
    if os.path.exists(working) and any(open(working, "rb").read()):
        faults.append(("plain working file", "mms.dat left with the settings in it"))
    return faults


def leftovers_of_a_killed_run(spec):
    """What a run killed part-way leaves beside the earlier file: its temporary file, its lock, its working file."""
    return {spec["file"] + ".tmp123456": b"stale", spec["file"] + ".lock": b"", "mms.dat": b""}


def check_injection(runner, commands, errors, scratch, jobs):
    totals = collections.Counter()
    problems = []
    lock = threading.Lock()
    for name, killed in [(name, killed) for killed in (False, True) for name in commands]:
        spec = COMMANDS[name]
        others = leftovers_of_a_killed_run(spec) if killed else {}
        earlier = written_bytes(runner, spec, spec["earlier"], scratch)
        new = written_bytes(runner, spec, spec["new"], scratch)
        calls = write_path_calls(runner, spec, earlier, others, scratch)
        counts = collections.Counter()
        cases = [(call, error) for call in calls for error in errors]

        def one(index_case):
            index, ((syscall, occurrence), error) = index_case
            folder = fresh_folder(scratch, "%s-%d" % (name, index), dict(others, **{spec["file"]: earlier}))
            trace = os.path.join(scratch, "%s-%d.trace" % (name, index))
            inject = "inject=%s:error=%s:when=%d" % (syscall, error, occurrence)
            code, output = runner.run(spec["base"] + spec["new"] + ["--out", folder],
                                      strace=["-f", "-qq", "-e", "trace=" + syscall, "-e", inject, "-o", trace])
            landed = "INJECTED" in open(trace, encoding="utf-8", errors="replace").read()
            faults = judge(spec, folder, code, output, earlier, new)
            content_path = os.path.join(folder, spec["file"])
            kept = os.path.exists(content_path) and open(content_path, "rb").read() == earlier
            leftovers = [entry for entry in os.listdir(folder) if entry != spec["file"]]
            with lock:
                counts["runs"] += 1
                counts["injected"] += landed
                counts["exit %s" % code] += 1
                counts["earlier file kept" if kept else "new file in place"] += 1
                counts["other files left (temporary, lock, zeroed mms.dat)"] += bool(leftovers)
                for kind, words in faults:
                    counts[kind] += 1
                    problems.append("%s %s#%d %s: %s: %s (exit %s)\n    %s" % (
                        name, syscall, occurrence, error, kind, words, code, output.strip().replace("\n", "\n    ")))
            shutil.rmtree(folder, ignore_errors=True)
            os.remove(trace)

        with ThreadPoolExecutor(max_workers=jobs) as pool:
            list(pool.map(one, enumerate(cases)))
        syscalls = sorted({call[0] for call in calls})
        print("%s%s: %d calls on the write path (%s), %d runs" % (
            name, " beside a killed run's files" if killed else "", len(calls), " ".join(syscalls), len(cases)))
        for key in sorted(counts):
            print("    %-52s %d" % (key, counts[key]))
        totals.update(counts)
    print("all: %d runs, %d with the fault injected, %d losses, %d false successes, %d crashes, %d hangs, "
          "%d plain working files" % (totals["runs"], totals["injected"], totals["LOST"], totals["false success"],
                                      totals["crash"], totals["hang"], totals["plain working file"]))
    for problem in problems:
        print("  " + problem)
    return not problems


def check_race(runner, pairs, scratch):
    spec = COMMANDS["camera"]
    earlier = written_bytes(runner, spec, ["videoLength=10"], scratch)
    first = written_bytes(runner, spec, ["videoLength=20"], scratch)
    second = written_bytes(runner, spec, ["videoLength=30"], scratch)
    counts = collections.Counter()
    problems = []
    for pair in range(pairs):
        folder = fresh_folder(scratch, "race", {spec["file"]: earlier})
        processes = [subprocess.Popen([runner.program] + spec["base"] + settings + ["--out", folder],
                                      env=runner.environment, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
                     for settings in (["videoLength=20"], ["videoLength=30"])]
        outputs = [process.communicate(timeout=60)[0].decode(errors="replace") for process in processes]
        codes = [process.returncode for process in processes]
        path = os.path.join(folder, spec["file"])
        content = open(path, "rb").read() if os.path.exists(path) else None
        counts["pairs"] += 1
        counts["both exit 0" if codes == [0, 0] else "exit codes %s" % codes] += 1
        counts["left the first run's file" if content == first else
               "left the second run's file" if content == second else
               "left the earlier file" if content == earlier else "LOST menu.dat"] += 1
        fault = None
        if content not in (first, second):
            fault = "menu.dat lost or not a writer's whole file"
        elif codes.count(0) == 1 and content != (first if codes[0] == 0 else second):
            fault = "a run exited 0 but the other run's file is there"
        if fault or any("Sanitizer" in output for output in outputs):
            problems.append("pair %d: %s, exit codes %s\n    %s" % (pair, fault, codes, " | ".join(outputs)))
        leftovers = [entry for entry in os.listdir(folder) if entry != spec["file"]]
        counts["other files left"] += bool(leftovers)
    print("race: %d pairs of camera runs into one folder" % pairs)
    for key in sorted(counts):
        print("    %-52s %d" % (key, counts[key]))
    for problem in problems:
        print("  " + problem)
    return not problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("check", choices=["inject", "race", "all"])
    parser.add_argument("--program", default=None)
    parser.add_argument("--commands", default="camera,mms,smtp")
    parser.add_argument("--errors", default="EIO,ENOSPC")
    parser.add_argument("--pairs", type=int, default=60)
    parser.add_argument("--jobs", type=int, default=2)
    arguments = parser.parse_args()
    # The sanitizers' runtime probes memory with write() calls of its own, and takes an error injected there for a
    # fault of its own, so the release build comes first.
    program = os.path.abspath(arguments.program or default_program(("build/release", "build/test")))
    if arguments.check != "race" and shutil.which("strace") is None:
        sys.exit("strace is not installed (apt-get install strace)")
    scratch = tempfile.mkdtemp(prefix="tamb-card-writes-")
    try:
        runner = Runner(program, scratch)
        print("program: %s" % program)
        sound = True
        if arguments.check in ("inject", "all"):
            sound = check_injection(runner, arguments.commands.split(","), arguments.errors.split(","), scratch,
                                    arguments.jobs) and sound
        if arguments.check in ("race", "all"):
            sound = check_race(runner, arguments.pairs, scratch) and sound
        return 0 if sound else 1
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
