#!/usr/bin/env python3
"""The device rig: runs the Devices tests of blinkery_win32_tests.exe under
Wine in each Windows version, including the ones disabled in plain runs,
with what those tests need around them:

- the stand-in DLPortIO.dll and DLPortIO.SYS next to the test binary;
- COM5 of the prefix linked to a pseudo-terminal whose other end a test
  modem holds: it echoes each command line as received and answers
  "\\r\\nOK\\r\\n", half a second later for ATZ (a reset takes time), at once
  in the same write for anything else;
- on NT, the driver service tests, which install, start, stop and remove
  DLPortIO through Wine's service control manager.
  They run on their own, in up to five fresh prefixes: under qemu-user,
  Wine's 32-bit driver host now and then fails or stalls while it loads
  the driver.

Afterwards it checks from the outside what the modem received: each opening
of the port carried exactly the expected bytes, and was closed again.

Each version runs in a fresh copy of a template prefix (32-bit and 64-bit
Wine, made once per build under device-rig/ of the build folder); the copy's
processes are ended with wineserver -k and the copy is removed.

Usage (ctest does this): device_rig.py TEST_EXE [VERSION...]
Environment: BLINKERY_BUILD (the build folder), PYTHONPATH with tests/e2e.
"""

import fcntl
import os
import select
import shutil
import subprocess
import sys
import threading
import time
import tty
from pathlib import Path

import harness as h

MODEM_PORT = 5
# Bytes each opening of the port must carry, in order (openings that carry
# nothing, such as a check that the port is free, are left out).
EXPECTED_SESSIONS = [b"ATZ\r\n", b"AT&F E1 V1\r\n", b"ATZ\r\n"]
NT_VERSIONS = ("nt40", "win2k")
TEMPLATE_STAMP = "device rig 2\n"
RUN_TIMEOUT = 300     # s for one version's tests; they take about 15 s
DRIVER_TIMEOUT = 60   # s for one attempt at the driver service tests (about 10 s)
DRIVER_ATTEMPTS = 5
# The Windows version, and a longer wait for a service process to start: a
# 32-bit driver host under qemu-user can take longer than Wine's 10 s.
REGISTRY = ('REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine]\n"Version"="{version}"\n\n'
            '[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control]\n"ServicesPipeTimeout"="120000"\n')


class TestModem(threading.Thread):
    """Holds the master side of a pseudo-terminal and plays the modem."""

    def __init__(self):
        super().__init__(daemon=True)
        self.master, slave = os.openpty()
        tty.setraw(slave)
        self.slave_name = os.ttyname(slave)
        os.close(slave)  # the modem is "closed" until the program opens the port
        fcntl.fcntl(self.master, fcntl.F_SETFL, os.O_NONBLOCK)
        self.sessions = []   # bytes received per opening, in order
        self.closed = []     # whether each opening was closed again
        self._halt = threading.Event()
        self._pending = []   # (due time, bytes)

    def stop(self):
        self._halt.set()
        self.join(timeout=5)
        os.close(self.master)

    def run(self):
        poller = select.poll()
        poller.register(self.master, select.POLLIN)
        is_open = False
        line = b""
        while not self._halt.is_set():
            events = dict(poller.poll(20)).get(self.master, 0)
            hung_up = bool(events & select.POLLHUP)
            if not hung_up and not is_open:
                is_open = True
                self.sessions.append(b"")
                self.closed.append(False)
                line = b""
            if events & select.POLLIN:
                try:
                    data = os.read(self.master, 4096)
                except OSError:
                    data = b""
                if data and is_open:
                    self.sessions[-1] += data
                    line += data
                    while b"\r\n" in line:
                        command, line = line.split(b"\r\n", 1)
                        self._answer(command + b"\r\n")
            if hung_up:
                if is_open:
                    is_open = False
                    self.closed[-1] = True
                    self._pending.clear()
                time.sleep(0.01)
            self._flush()

    def _answer(self, command):
        now = time.monotonic()
        if command.strip().upper() == b"ATZ":
            self._pending += [(now, command), (now + 0.5, b"\r\nOK\r\n")]
        else:
            self._pending.append((now, command + b"\r\nOK\r\n"))

    def _flush(self):
        now = time.monotonic()
        due = [p for p in self._pending if p[0] <= now]
        self._pending = [p for p in self._pending if p[0] > now]
        for _, data in due:
            try:
                os.write(self.master, data)
            except OSError:
                pass


def rig_dir():
    return h.build_dir() / "device-rig"


def _reg_import(prefix, text):
    reg = Path(prefix) / "device-rig.reg"
    reg.write_text(text.replace("\n", "\r\n"))
    try:
        subprocess.run([h.WINE64, "regedit", "/S", "Z:" + str(reg.resolve()).replace("/", "\\")],
                       env=h.wine_env(prefix), capture_output=True, timeout=300, check=True)
    finally:
        reg.unlink()


def template(version):
    """A booted prefix reporting the given Windows version, made once."""
    root = rig_dir() / "templates"
    root.mkdir(parents=True, exist_ok=True)
    target = root / version
    wine = subprocess.run([h.WINE64, "--version"], capture_output=True, text=True).stdout
    stamp = f"{TEMPLATE_STAMP}{wine}emulated {h.emulated_i386()}\n"
    with open(root / ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if (target / ".device-rig").is_file() and (target / ".device-rig").read_text() == stamp:
            return target
        shutil.rmtree(target, ignore_errors=True)
        started = time.monotonic()
        try:
            subprocess.run([h.WINE64, "wineboot", "-i"], env=h.wine_env(target),
                           capture_output=True, timeout=900, check=True)
            _reg_import(target, REGISTRY.format(version=version))
        finally:
            h.kill_wineserver(target)
        (target / ".device-rig").write_text(stamp)
        print(f"device rig: made the {version} prefix in {time.monotonic() - started:.0f} s", flush=True)
        return target


def run_tests(test_exe, version, gtest_filter, timeout, modem=None):
    """Runs the test binary in a fresh copy of the version's prefix; the exit
    code (None when it hung and was ended) and the output."""
    run = rig_dir() / f"run-{version}-{os.getpid()}"
    shutil.rmtree(run, ignore_errors=True)
    subprocess.run(["cp", "-a", str(template(version)), str(run)], check=True)
    try:
        app = run / "drive_c" / "blinkery"
        app.mkdir(parents=True, exist_ok=True)
        for name in (test_exe.name, "DLPortIO.dll", "DLPortIO.SYS"):
            shutil.copy2(test_exe.parent / name, app / name)
        env = h.wine_env(run)
        if modem:
            link = run / "dosdevices" / f"com{MODEM_PORT}"
            if link.is_symlink() or link.exists():
                link.unlink()
            link.symlink_to(modem.slave_name)
            env["BLINKERY_MODEM_PORT"] = str(MODEM_PORT)
        log = run / "tests.log"
        with open(log, "wb") as out:
            process = subprocess.Popen([h.WINE, f"C:\\blinkery\\{test_exe.name}", f"--gtest_filter={gtest_filter}",
                                        "--gtest_also_run_disabled_tests"],
                                       env=env, stdout=out, stderr=subprocess.STDOUT)
            try:
                returncode = process.wait(timeout=timeout)
            except subprocess.TimeoutExpired:
                returncode = None
                process.kill()
                process.wait()
        return returncode, log.read_text(errors="replace")
    finally:
        h.kill_wineserver(run)
        shutil.rmtree(run, ignore_errors=True)


def run_version(test_exe, version):
    """Runs the Devices tests in one Windows version; a list of failures."""
    modem = TestModem()
    modem.start()
    try:
        started = time.monotonic()
        returncode, output = run_tests(test_exe, version, "DevicesGuard.*:DevicesStandIn.*:DISABLED_DevicesModem.*", RUN_TIMEOUT, modem)
        print(f"---- {version} ({time.monotonic() - started:.0f} s)\n{output}", flush=True)
    finally:
        modem.stop()
    failures = h.gtest_failures(version, returncode, output)
    carried = [bytes_ for bytes_ in modem.sessions if bytes_]
    if carried != EXPECTED_SESSIONS:
        failures.append(f"{version}: the modem received {carried!r}, expected {EXPECTED_SESSIONS!r}")
    if not all(modem.closed):
        failures.append(f"{version}: the port was left open ({modem.closed})")

    if version in NT_VERSIONS:
        # Under qemu-user, Wine's 32-bit driver host now and then fails to
        # load the driver (its service-configuration query fails, "Error
        # #31"), gives up ("#1053") or stalls; each attempt runs in a fresh
        # prefix.
        for attempt in range(1, DRIVER_ATTEMPTS + 1):
            started = time.monotonic()
            returncode, output = run_tests(test_exe, version, "DISABLED_DevicesDriverService.*", DRIVER_TIMEOUT)
            print(f"---- {version}, driver service, attempt {attempt} ({time.monotonic() - started:.0f} s)\n"
                  f"{output}", flush=True)
            driver_failures = h.gtest_failures(version, returncode, output)
            if not driver_failures:
                break
        failures += driver_failures
    return failures


def main():
    test_exe = Path(sys.argv[1]).resolve()
    versions = sys.argv[2:] or list(h.VERSIONS)
    passed, failed = 0, 0
    for version in versions:
        failures = run_version(test_exe, version)
        for failure in failures:
            print(f"FAILED {failure}", flush=True)
        passed += not failures
        failed += bool(failures)
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
