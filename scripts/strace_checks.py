"""What the checks that run the command-line program under strace share: where the program is and the
environment it runs in."""

import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def default_program(builds=("build/test", "build/release")):
    """The tamb-setup-cli of the first of `builds` that has one."""
    for build in builds:
        path = os.path.join(ROOT, build, "src", "cli", "tamb-setup-cli")
        if os.path.exists(path):
            return path
    sys.exit("no tamb-setup-cli built; run scripts/test.sh first or give --program")


def program_environment(work):
    """This environment with the program's own folders under `work`, so that it reads no stored preference or
    profile of the user's."""
    environment = dict(os.environ)
    environment.update({
        "HOME": work,
        "XDG_CONFIG_HOME": os.path.join(work, "config"),
        "XDG_DATA_HOME": os.path.join(work, "data"),
        "LC_ALL": "C.UTF-8",
        # LeakSanitizer stops the world with ptrace, which strace already holds.
        "ASAN_OPTIONS": "detect_leaks=0:" + os.environ.get("ASAN_OPTIONS", ""),
    })
    return environment
