"""Proves that scripts/check-imports catches what would stop the exe from
loading on Windows 95 or NT 4: tiny exes built with the project's flags,
each with one planted fault, must fail the check (naming the fault), and a
clean one must pass.

    import_check_test.py <source dir> <work dir>
"""
import subprocess
import sys
from pathlib import Path

CXX = "i686-w64-mingw32-g++"
# The flags Blinkery.exe is linked with (cmake/win32.cmake).
FLAGS = ["-static", "-mwindows", "-D_WIN32_WINNT=0x0400", "-DWINVER=0x0400",
         "-Wl,--major-os-version,4,--minor-os-version,0",
         "-Wl,--major-subsystem-version,4,--minor-subsystem-version,0", "-Wl,--subsystem,windows:4.0"]

CLEAN = """
#include <windows.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    MessageBoxA(nullptr, "clean", "probe", MB_OK);
    return 0;
}
"""

# (name, source, extra flags, flags to drop, text the failure must name)
CASES = [
    ("xp_function", """
#define _WIN32_WINNT 0x0501
#include <windows.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    SYSTEM_INFO info;
    GetNativeSystemInfo(&info);   // Windows XP
    return static_cast<int>(info.dwNumberOfProcessors);
}
""", [], ["-D_WIN32_WINNT=0x0400"], "GetNativeSystemInfo"),
    ("subsystem_5_01", CLEAN, ["-Wl,--subsystem,windows:5.01"],
     ["-Wl,--major-subsystem-version,4,--minor-subsystem-version,0", "-Wl,--subsystem,windows:4.0"],
     "subsystem version 5.1"),
    ("os_version_5", CLEAN, ["-Wl,--major-os-version,5,--minor-os-version,0"],
     ["-Wl,--major-os-version,4,--minor-os-version,0"], "OS version 5.0"),
    ("newer_msvcrt", """
#include <windows.h>
#include <stdlib.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR text, int)
{
    return static_cast<int>(_strtoi64(text, nullptr, 10));   // msvcrt.dll of XP
}
""", [], [], "_strtoi64"),
    ("ras_imported", """
#include <windows.h>
#include <ras.h>
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    DWORD size = 0, count = 0;
    return static_cast<int>(RasEnumConnectionsA(nullptr, &size, &count));
}
""", ["-lrasapi32"], [], "RASAPI32.DLL: not a system DLL"),
]


def build(work, name, source, extra, drop):
    src = work / f"{name}.cpp"
    exe = work / f"{name}.exe"
    src.write_text(source)
    # Extra flags (libraries) come after the source, so the linker uses them.
    flags = [f for f in FLAGS if f not in drop] + extra
    cmd = [CXX, "-o", str(exe), str(src)] + flags
    result = subprocess.run(cmd, capture_output=True, text=True)
    if result.returncode != 0:
        raise SystemExit(f"building {name} failed:\n{' '.join(cmd)}\n{result.stderr}")
    return exe


def run_check(source_dir, exe, deny=None):
    tables = source_dir / "tools" / "importcheck"
    return subprocess.run([sys.executable, str(source_dir / "scripts" / "check-imports"),
                           "--deny", str(deny or tables / "winapi-deny.txt"),
                           "--msvcrt", str(tables / "msvcrt-since.tsv"), str(exe)],
                          capture_output=True, text=True)


def main():
    source_dir, work = Path(sys.argv[1]), Path(sys.argv[2])
    work.mkdir(parents=True, exist_ok=True)
    failures = []

    clean = build(work, "clean", CLEAN, [], [])
    result = run_check(source_dir, clean)
    if result.returncode != 0:
        failures.append(f"clean: the check failed a clean exe:\n{result.stdout}{result.stderr}")
    else:
        print("ok   clean exe passes")

    # The deny file's format: a "9x-stub" tier only warns, "*" covers a DLL.
    stub = work / "deny-stub.txt"
    stub.write_text("# test\nuser32.dll MessageBoxA 95(9x-stub)\n")
    result = run_check(source_dir, clean, stub)
    if result.returncode != 0 or "warning: USER32.dll MessageBoxA" not in result.stdout:
        failures.append(f"9x-stub: expected a warning and success:\n{result.stdout}{result.stderr}")
    else:
        print("ok   a 9x-stub entry warns only")
    whole = work / "deny-whole.txt"
    whole.write_text("user32.dll * XP\n")
    result = run_check(source_dir, clean, whole)
    if result.returncode != 1 or "error: USER32.dll MessageBoxA: first in Windows XP" not in result.stdout:
        failures.append(f"wildcard: expected the whole DLL denied:\n{result.stdout}{result.stderr}")
    else:
        print("ok   a '*' entry denies every import of its DLL")

    for name, source, extra, drop, expected in CASES:
        result = run_check(source_dir, build(work, name, source, extra, drop))
        errors = [line for line in result.stdout.splitlines() if line.startswith("check-imports: error:")]
        if result.returncode != 1:
            failures.append(f"{name}: exit {result.returncode}, expected 1:\n{result.stdout}{result.stderr}")
        elif not any(expected in line for line in errors):
            failures.append(f"{name}: no error names {expected!r}:\n{result.stdout}")
        else:
            print(f"ok   {name} caught: {next(line for line in errors if expected in line)}")

    for failure in failures:
        print(f"FAIL {failure}")
    print(f"{len(CASES) + 3 - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
