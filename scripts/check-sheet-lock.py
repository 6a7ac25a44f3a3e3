#!/usr/bin/env python3
"""Checks that the lock beside a sheet of cameras never costs the sheet, with the real command-line program.

  scripts/check-sheet-lock.py inject [--program PATH] [--errors EIO,EACCES]
  scripts/check-sheet-lock.py race [--program PATH] [--rounds 8]
  scripts/check-sheet-lock.py all [...]

inject: a clean `fleet --sheet S --camera C --out D` under strace lists the system calls that touch the lock file
S.lock. Then each of those calls, one occurrence at a time, is made to fail with each error. After every run the
sheet must be the one before or the one with the camera's row recorded, nothing else; exit code 0 must mean the row
is recorded; a failure must be one plain line saying the sheet is not updated (no crash, no sanitizer report); and
the next run without faults must record the row (a lock file the faulty run could not remove is taken as abandoned).

race: in each round two programs record two cameras into the same sheet at the same moment (every other round with
a lock file of a killed run already beside it); both must exit 0 and both rows must be recorded.

Without --program the test build's tamb-setup-cli is used (with LeakSanitizer off, which cannot run under strace),
else the release build's. Exit code 0 when the sheet was always kept, 1 otherwise.
"""

import argparse
import csv
import io
import os
import re
import shutil
import subprocess
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

from strace_checks import default_program, program_environment

SHEET = "camera,model,name\r\nA07Z,1,Ridge\r\nB08Y,4,\"Pond, east\"\r\n"
SYSCALL_LINE = re.compile(r"^(?:\[pid\s+\d+\]\s+|\d+\s+)?([a-z_0-9]+)\(")
ISO_TIME = re.compile(r"^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d$")


class Runner:
    def __init__(self, program, work):
        self.program = program
        self.environment = program_environment(work)

    def fleet(self, sheet, camera, card, strace=None):
        os.makedirs(card, exist_ok=True)
        words = ["fleet", "--sheet", sheet, "--camera", camera, "--out", card, "--clock", "2024-02-03T07:05:09"]
        command = ([] if strace is None else ["strace", "-f", "-qq"] + strace + ["--"]) + [self.program] + words
        try:
            done = subprocess.run(command, env=self.environment, capture_output=True, timeout=60, check=False)
            return done.returncode, done.stdout.decode(errors="replace"), done.stderr.decode(errors="replace")
        except subprocess.TimeoutExpired:
            return None, "", "timed out"


def recorded(sheet_text, camera):
    """Whether the camera's row holds a written time and a card."""
    rows = list(csv.reader(io.StringIO(sheet_text, newline="")))
    header = rows[0]
    if "written" not in header or "card" not in header:
        return False
    for row in rows[1:]:
        if row and row[0] == camera:
            written = row[header.index("written")] if len(row) > header.index("written") else ""
            card = row[header.index("card")] if len(row) > header.index("card") else ""
            return bool(ISO_TIME.match(written)) and card != ""
    return False


def sheet_kept(sheet_text, camera):
    """The sheet before, or the sheet with the camera's row recorded and every other cell as it was."""
    if sheet_text == SHEET:
        return True
    if not recorded(sheet_text, camera):
        return False
    before = list(csv.reader(io.StringIO(SHEET, newline="")))
    after = list(csv.reader(io.StringIO(sheet_text, newline="")))
    return len(after) == len(before) and all(row[:len(old)] == old for row, old in zip(after, before)) \
        and sheet_text.endswith("\r\n")


def lock_calls(runner, work):
    """(syscall, occurrence) of every call that touches the lock file in a clean run."""
    sheet = os.path.join(work, "traced.csv")
    with open(sheet, "w", newline="") as out:
        out.write(SHEET)
    log = os.path.join(work, "strace.log")
    code, _, err = runner.fleet(sheet, "A07Z", os.path.join(work, "traced-card"), ["-o", log, "-P", sheet + ".lock"])
    if code != 0:
        sys.exit("the traced clean run failed (%s): %s" % (code, err))
    counts = {}
    calls = []
    with open(log) as lines:
        for line in lines:
            match = SYSCALL_LINE.match(line)
            if not match:
                continue
            name = match.group(1)
            counts[name] = counts.get(name, 0) + 1
            calls.append((name, counts[name]))
    if not any(name.startswith("open") for name, _ in calls):
        sys.exit("the clean run touched no lock file: " + str(calls))
    return calls


def inject(runner, work, errors):
    failures = 0
    calls = lock_calls(runner, work)
    print("calls on the lock file: " + ", ".join("%s#%d" % call for call in calls))
    for name, occurrence in calls:
        for error in errors:
            case = "%s#%d=%s" % (name, occurrence, error)
            folder = os.path.join(work, "inject")
            shutil.rmtree(folder, ignore_errors=True)
            os.makedirs(folder)
            sheet = os.path.join(folder, "s.csv")
            with open(sheet, "w", newline="") as out:
                out.write(SHEET)
            lock = sheet + ".lock"
            code, _, err = runner.fleet(sheet, "A07Z", os.path.join(folder, "card"),
                                        ["-o", os.devnull, "-P", lock,
                                         "-e", "inject=%s:error=%s:when=%d" % (name, error, occurrence)])
            with open(sheet, newline="") as kept:
                text = kept.read()
            problems = []
            if code is None or code < 0 or code > 1:
                problems.append("exit code %s" % code)
            if not sheet_kept(text, "A07Z"):
                problems.append("the sheet is neither kept nor recorded: %r" % text)
            if code == 0 and not recorded(text, "A07Z"):
                problems.append("exit code 0 without the row recorded")
            if code == 1:
                lines = err.strip().splitlines()
                if len(lines) != 1 or not lines[0].startswith("tamb-setup-cli fleet: ") or "sheet" not in lines[0] \
                        or "row 0" in lines[0]:
                    problems.append("not one plain line: %r" % err)
                elif recorded(text, "A07Z"):
                    problems.append("a failure, yet the row is recorded")
            # Whatever the faulty run left, the next one records the row.
            again, _, again_err = runner.fleet(sheet, "A07Z", os.path.join(folder, "card"))
            with open(sheet, newline="") as kept:
                if again != 0 or not recorded(kept.read(), "A07Z"):
                    problems.append("the next run did not record the row (%s): %s" % (again, again_err.strip()))
            if os.path.exists(lock):
                problems.append("the next run left the lock file")
            first = err.strip().splitlines()[0] if err.strip() else "exit code %s" % code
            if problems:
                failures += 1
                print("FAILED %s: %s" % (case, "; ".join(problems)))
            else:
                print("kept    %s: %s" % (case, first))
    return failures


def race(runner, work, rounds):
    failures = 0
    for number in range(rounds):
        folder = os.path.join(work, "race")
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
        sheet = os.path.join(folder, "s.csv")
        with open(sheet, "w", newline="") as out:
            out.write(SHEET)
        if number % 2 == 1:
            # What a killed run leaves: a lock file that nobody holds.
            open(sheet + ".lock", "w").close()
        with ThreadPoolExecutor(max_workers=2) as pool:
            runs = list(pool.map(lambda camera: runner.fleet(sheet, camera, os.path.join(folder, "card" + camera)),
                                 ["A07Z", "B08Y"]))
        with open(sheet, newline="") as kept:
            text = kept.read()
        problems = ["exit code %s: %s" % (code, err.strip()) for code, _, err in runs if code != 0]
        problems += ["%s not recorded" % camera for camera in ("A07Z", "B08Y") if not recorded(text, camera)]
        if os.path.exists(sheet + ".lock"):
            problems.append("the lock file stayed")
        if problems:
            failures += 1
            print("FAILED round %d: %s" % (number + 1, "; ".join(problems)))
    print("race: %d of %d rounds recorded both cameras" % (rounds - failures, rounds))
    return failures


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("mode", choices=["inject", "race", "all"])
    parser.add_argument("--program", default=None)
    parser.add_argument("--errors", default="EIO,EACCES")
    parser.add_argument("--rounds", type=int, default=8)
    arguments = parser.parse_args()
    if shutil.which("strace") is None and arguments.mode != "race":
        sys.exit("strace is not installed")
    runner_program = os.path.abspath(arguments.program or default_program())
    with tempfile.TemporaryDirectory(prefix="sheet-lock-") as work:
        runner = Runner(runner_program, work)
        failures = 0
        if arguments.mode in ("inject", "all"):
            failures += inject(runner, work, arguments.errors.split(","))
        if arguments.mode in ("race", "all"):
            failures += race(runner, work, arguments.rounds)
    print("check-sheet-lock: %s" % ("the sheet was always kept" if failures == 0 else "%d failure(s)" % failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
