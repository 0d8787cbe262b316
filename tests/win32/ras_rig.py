#!/usr/bin/env python3
"""The RAS rig: runs the RasWin32 tests of blinkery_win32_tests.exe under
Wine in the Windows NT 4 and 2000 modes, with the stand-in RASAPI32.DLL
next to the test binary in place of Wine's own (DLL override
rasapi32=native) and BLINKERY_RAS_RIG=1, which tells the tests the stand-in
is there. The notification window needs a display, so an Xvfb runs
beside. Each version runs in a fresh copy of the harness's template
prefix; the tests write the stand-in's control file themselves. Every
RasWin32 test must run and pass.

Usage (ctest does this): ras_rig.py TEST_EXE [VERSION...]
Environment: BLINKERY_BUILD (the build folder), PYTHONPATH with tests/e2e.
"""

import shutil
import subprocess
import sys
import time
from pathlib import Path

import harness as h

VERSIONS = ("nt40", "win2k")
RUN_TIMEOUT = 300  # s for one version's tests


def run_version(test_exe, version):
    """Runs the tests in one Windows version; a list of failures."""
    folder = h.e2e_dir() / "run" / "ras_rig" / version
    prefix = folder / "prefix"
    h.kill_wineserver(prefix)  # left over from a killed run
    h._remove_tree(folder)
    folder.mkdir(parents=True)
    h.clone_prefix(h.template(version), prefix)
    app = prefix / "drive_c" / "blinkery"
    app.mkdir(parents=True, exist_ok=True)
    for name in (test_exe.name, "RASAPI32.DLL"):
        shutil.copy2(test_exe.parent / name, app / name)
    xvfb = h.Xvfb()
    env = h.wine_env(prefix, xvfb.display)
    env["WINEDLLOVERRIDES"] += ";rasapi32=n"
    env["BLINKERY_RAS_RIG"] = "1"
    log = folder / "tests.log"
    started = time.monotonic()
    try:
        with open(log, "wb") as out:
            process = subprocess.Popen([h.WINE, f"C:\\blinkery\\{test_exe.name}", "--gtest_filter=RasWin32*"],
                                       env=env, cwd=app, stdin=subprocess.DEVNULL, stdout=out,
                                       stderr=subprocess.STDOUT, start_new_session=True)
            try:
                returncode = process.wait(timeout=RUN_TIMEOUT)
            except subprocess.TimeoutExpired:
                returncode = None
                process.kill()
                process.wait()
    finally:
        h.kill_wineserver(prefix)
        xvfb.stop()
    output = log.read_text(errors="replace")
    print(f"---- {version} ({time.monotonic() - started:.0f} s)\n{output}", flush=True)

    failures = h.gtest_failures(version, returncode, output)
    if not failures:
        h._remove_tree(folder)
    return failures


def main(argv):
    if not argv:
        print(__doc__, file=sys.stderr)
        return 2
    test_exe = Path(argv[0]).resolve()
    versions = argv[1:] or VERSIONS
    failures = []
    for version in versions:
        failures += run_version(test_exe, version)
    for failure in failures:
        print(f"FAIL {failure}", flush=True)
    print(f"{len(versions) - len({f.split(':')[0] for f in failures})} passed, "
          f"{len({f.split(':')[0] for f in failures})} failed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
