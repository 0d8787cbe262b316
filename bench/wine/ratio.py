"""make bench's Wine run: what a call costs Blinkery beside the bare loop.

A call in Windows 98 mode on the stand-ins: the UART of COM2 with CTS, DSR
and the carrier up, and the dial-up statistics at 5200 bytes a second
received and 1400 sent (registry detection). Notepad is in the foreground.
Blinkery shows its panel with two text lines (the connect time and the
rates) and the display parts asked for; the bare loop (bare_loop.exe) reads
the same registers and statistics and puts a panel-sized picture on its
window, 18 times a second. After both have settled, each process's CPU
time is read from /proc over the same 40 seconds.

    ratio.py [floor-](all|panel|tray|strip|graph) [seconds]

With "floor-", the bare loop runs in Blinkery's place, doing beside its own
loop the least that the tray icon, the strip and the graph window asked for
must do on this line: the lowest ratio any program showing those parts can
reach here.

Prints "ratio R (Blinkery B ticks, bare loop L ticks over S s)"."""
import os
import shutil
import sys
import time
from pathlib import Path

import harness as h
import standin_call as call
import standin_modem as modem

PARTS = {
    "panel": {},
    "tray": {"ShowTrayIcon": 1},
    "strip": {"Title": 1, "Display connect time in Titlebar": 1},
    "graph": {"Throughput": 1, "ThroughputDataInWindow": 1, "ThroghputUpdateSpeed": 5},
}
SETTLE_S = 10


def cpu_ticks(s, exe):
    """User and system CPU ticks of the scenario's processes running exe
    (by the command line, which names the Windows program under Wine, and
    the prefix in the environment)."""
    total = 0
    prefix = f"WINEPREFIX={s.prefix}\0".encode()
    for entry in Path("/proc").iterdir():
        if not entry.name.isdigit():
            continue
        try:
            if exe.encode() not in (entry / "cmdline").read_bytes() or prefix not in (entry / "environ").read_bytes():
                continue
            fields = (entry / "stat").read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue
        total += int(fields[11]) + int(fields[12])   # utime, stime
    return total


def measure(s, parts, seconds, floor=False):
    modem.install(s)
    call.install(s, "RNAAPP.EXE")
    shutil.copy2(h.exe_path().parent / "bare_loop.exe", s.app_dir / "bare_loop.exe")
    line = call.Line(s)
    line.msr = call.CTS | call.DSR | call.DCD
    line.rnaapp = {"Connected": 1, "Speed": 57600, "Received": 0, "Sent": 0,
                   "ReceivedPerSecond": 5200, "SentPerSecond": 1400}
    line.write()
    # Blinkery's windows right of Notepad, which opens at the top left.
    keys = {"DUNRegistry": 1, "DUNRegistryName": "Dial-Up Adapter", "RNAAPP": 0, "NewOrientation": 5,
            "Display connect time": 1, "SPY Speed in Display": 1, "ShowTrayIcon": 0, "Title": 0, "Throughput": 0,
            "Window Position X": 760, "Window Position Y": 40, "Throughput Window Position X": 760,
            "Throughput Window Position Y": 220, "TWindowSizeX": 240, "TWindowSizeY": 140}
    for part in parts:
        keys.update(PARTS[part])
    s.write_ini(modem.direct_access(2, **keys))
    s.start(exe="C:\\blinkery\\RNAAPP.EXE", name="rnaapp")
    if floor:
        shutil.copy2(s.app_dir / "bare_loop.exe", s.app_dir / "floor_loop.exe")
        s.start("panel", *parts, exe="C:\\blinkery\\floor_loop.exe", name="floor_loop")
        s.wait_window("Floor loop", timeout=60)
    else:
        s.start()
        s.wait_window("Blinkery", cls="TMainWindow", timeout=90)
    s.start(exe="C:\\blinkery\\bare_loop.exe", name="bare_loop")
    s.wait_window("Bare loop", timeout=60)
    s.start(exe="notepad.exe", name="notepad")
    s.wait_window("Untitled - Notepad", timeout=30)
    time.sleep(SETTLE_S)

    measured = "floor_loop.exe" if floor else "Blinkery.exe"
    before = cpu_ticks(s, measured), cpu_ticks(s, "bare_loop.exe")
    time.sleep(seconds)
    after = cpu_ticks(s, measured), cpu_ticks(s, "bare_loop.exe")
    ticks, bare = after[0] - before[0], after[1] - before[1]
    s.screenshot(f"ratio-{'-'.join(parts)}")
    if bare <= 0:
        raise h.ScenarioError("the bare loop took no CPU time: it did not run")
    name = "the floor loop" if floor else "Blinkery"
    print(f"ratio {ticks / bare:.2f} ({name} {ticks} ticks, bare loop {bare} ticks over {seconds} s)", flush=True)


def main():
    which = sys.argv[1] if len(sys.argv) > 1 else "all"
    seconds = int(sys.argv[2]) if len(sys.argv) > 2 else 40
    floor = which.startswith("floor-")
    part = which.removeprefix("floor-")
    parts = list(PARTS) if part == "all" else [part]
    with h.Scenario(f"bench_ratio_{which}/win98", "win98") as s:
        measure(s, parts, seconds, floor)


if __name__ == "__main__":
    os.environ.setdefault("BLINKERY_BUILD", str(Path(__file__).resolve().parents[2] / "build" / "win32"))
    main()
