"""A played call writes both logs (Windows 98 mode, stand-in modem on COM2,
registry statistics for the byte counts): two rings give one line in
Blinkery.RI about ten seconds after the last ring; a connection longer than
"DCD Interval" gives one line in Blinkery.DCD, its connect part carrying the
moment the carrier rose; the CD-high and CD-low programs (the stand-in
rasdial.exe, which notes how it was started) run after their delays. While
another program holds Blinkery.DCD locked, the next call shows one box
naming the file, and the call log goes on. A call still ringing when
Blinkery closes is logged at the close."""
import re
import time

import harness as h
import lamp_panel as lp
import standin_call as call
import standin_modem as modem

LAYOUT = 5
DATE = r"\S+ \S+(?: [AP]M)?"   # format "c": the locale's short date and long time
RI_LINE = re.compile(rf"Call: {DATE}   Signals= 2\r\n")
DCD_LINE = re.compile(rf"Connected: ({DATE})  Disconnected: ({DATE})  Session Time = 0:00:(\d\d)  "
                      rf"Total Time = (\d+:\d\d:\d\d)  Sent: (\d+)  Received: (\d+) bytes\r\n")


def settings():
    ini = modem.direct_access(2, DUNRegistry=1, DUNRegistryName="Dial-Up Adapter", RNAAPP=0, NewOrientation=LAYOUT,
                              LampLook=0)
    ini["Lampwatcher on COM2"].update({
        "Log RI": "1", "Log DCD": "1", "Log total bytes": "1", "DCD Interval": "2",
        "Auto Run CD High": "1", "Auto Run Program CD High": "C:\\blinkery\\rasdial.exe cdhigh", "CD High Delay": "3",
        "Auto Run CD Low": "1", "Auto Run Program CD Low": "C:\\blinkery\\rasdial.exe cdlow", "CD Low Delay": "2",
        **{k: str(v) for k, v in call.COLOURS.items()}})
    return ini


def ring_twice(s, line, rect):
    """Gives the moment the last ring was raised."""
    call.ring(s, line, rect, LAYOUT)
    return call.ring(s, line, rect, LAYOUT)


def connect(s, line, rect, seconds):
    """Gives the time from raising the carrier to dropping it."""
    line.msr = call.CTS | call.DSR | call.DCD
    line.rnaapp = {"Connected": 1, "Speed": 57600, "Received": 0, "Sent": 0,
                   "ReceivedPerSecond": 3000, "SentPerSecond": 700}
    raised = time.monotonic()
    line.write()
    call.watch(s, rect, LAYOUT, 20, until=lambda lit: "CD" in lit)
    time.sleep(seconds)
    line.msr = call.CTS | call.DSR
    line.rnaapp = {"Connected": 0, "Speed": 0}
    line.write()
    held = time.monotonic() - raised
    call.watch(s, rect, LAYOUT, 20, until=lambda lit: "CD" not in lit)
    return held


def wait_file(path, check, timeout, what):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        text = path.read_bytes().decode("cp1252") if path.exists() else ""
        if check(text):
            return text
        time.sleep(0.3)
    raise h.ScenarioError(f"{what}; {path.name} holds {text!r}")


def event_logs(s):
    modem.install(s)
    call.install(s, "RNAAPP.EXE", "rasdial.exe")
    line = call.Line(s)
    line.write()
    s.write_ini(settings())
    s.start(exe="C:\\blinkery\\RNAAPP.EXE", name="rnaapp")
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=90)
    rect = lp.main_rect(s, LAYOUT)
    ri_log, dcd_log, launches = s.app_dir / "Blinkery.RI", s.app_dir / "Blinkery.DCD", s.app_dir / "rasdial.log"

    last_ring = ring_twice(s, line, rect)
    text = wait_file(ri_log, RI_LINE.fullmatch, 20, "no call line")
    waited = time.monotonic() - last_ring
    print(f"     {text.strip()!r} {waited:.1f} s after the last ring")
    assert waited > 9.5, f"the call was logged {waited:.1f} s after its last ring"

    held = connect(s, line, rect, 6)
    text = wait_file(dcd_log, lambda t: t.endswith("\r\n"), 20, "no connection line")
    match = DCD_LINE.fullmatch(text)
    assert match, repr(text)
    assert abs(int(match.group(3)) - held) <= 2.5, (held, text)
    assert int(match.group(5)) > 0 and int(match.group(6)) > 0, text
    print(f"     {text.strip()!r}")
    runs = wait_file(launches, lambda t: "cdlow" in t, 20, "the CD-low program did not run")
    assert runs.splitlines()[0].startswith("cdhigh\t"), runs

    # Blinkery.DCD locked: one box names the file; the call log goes on.
    holder = s.hold_file("C:\\blinkery\\Blinkery.DCD", 60)
    connect(s, line, rect, 4)
    text, buttons, _ = s.wait_message_box(timeout=30)
    assert "Blinkery.DCD" in text and text.startswith("Unable to write to "), repr(text)
    s.answer("Blinkery", buttons[0])
    ring_twice(s, line, rect)
    wait_file(ri_log, lambda t: len(RI_LINE.findall(t)) == 2, 25, "no second call line")
    assert s.find_window("Blinkery", cls="#32770") is None, "a second box"
    holder.kill()

    ring_twice(s, line, rect)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()
    assert dcd_log.read_bytes().count(b"Connected: ") == 1, dcd_log.read_bytes()
    assert len(RI_LINE.findall(ri_log.read_bytes().decode())) == 3, "the call ringing at the close was not logged"


h.main(event_logs, versions=("win98",))
