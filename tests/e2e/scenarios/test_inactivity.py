"""Idle connections (Windows 98 mode, stand-in modem on COM2 with carrier
and no data): the warning after 2 s idle asks whether to disconnect, comes
back after the same idle time when answered No, and on Yes drops DTR for a
second (the stand-in's standin.log); the automatic disconnect after 2 s idle
drops DTR and says so once, and the carrier the modem then drops ends it."""
import time

import harness as h
import standin_call as call
import standin_modem as modem

MCR = 0x2F8 + 4
WARNING = "Your connection has been inactive for 0 minute(s) and 2 seconds(s). Do You want to disconnect?"
DONE = "Your connection has been inactive for 0 minute(s) and 2 seconds(s). Automatic disconnect performed!"


def dtr_drops(s):
    """(dropped tick, restored tick) pairs of DTR writes in standin.log."""
    path = s.app_dir / "standin.log"
    writes = [line.split() for line in path.read_text().splitlines()] if path.exists() else []
    writes = [(int(w[2], 16), int(w[3])) for w in writes if len(w) == 4 and int(w[1], 16) == MCR]
    return [(a[1], b[1]) for a, b in zip(writes, writes[1:]) if a[0] == 0x02 and b[0] == 0x03]


def start(s, **rule):
    line = call.Line(s)
    line.msr = call.CTS | call.DSR | call.DCD
    line.write()
    s.write_ini(modem.direct_access(2, NewOrientation=5, **rule))
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=90)
    return app, line


def warning_comes_back(s):
    app, line = start(s, Warn_if_Inactive=1, **{"Warn time if Inactive": 0, "Warn time if Inactive, Seconds": 2})
    text, buttons, _ = s.wait_message_box(timeout=30)
    assert text == WARNING, repr(text)
    assert buttons == ["&Yes", "&No"], buttons
    # Timed from before the press: the press tool returns some time after
    # it pressed, which on a loaded machine ate into the 2 s.
    answering = time.monotonic()
    s.answer("Blinkery", "&No")
    text, _, _ = s.wait_message_box(timeout=30)
    again = time.monotonic() - answering
    print(f"     the warning came back {again:.1f} s after No")
    assert text == WARNING and again >= 1.5, (text, again)
    assert not dtr_drops(s), "No hung up"
    s.answer("Blinkery", "&Yes")
    deadline = time.monotonic() + 10
    while not dtr_drops(s) and time.monotonic() < deadline:
        time.sleep(0.2)
    (dropped, restored), = dtr_drops(s)
    print(f"     Yes dropped DTR for {restored - dropped} ms")
    assert restored - dropped > 1000, (dropped, restored)
    line.msr = call.CTS | call.DSR
    line.write()
    time.sleep(1.5)   # a few ticks see the carrier drop, so the close asks nothing
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()


def disconnect_once(s):
    (s.app_dir / "standin.log").unlink(missing_ok=True)
    app, line = start(s, Disconnect_if_Inactive=1,
                      **{"Disconnect time if Inactive": 0, "Disconnect time if Inactive, Seconds": 2})
    text, buttons, _ = s.wait_message_box(timeout=30)
    assert text == DONE, repr(text)
    assert buttons == ["OK"], buttons
    assert len(dtr_drops(s)) == 1, dtr_drops(s)
    line.msr = call.CTS | call.DSR   # the modem hangs up
    line.write()
    time.sleep(2)
    s.answer("Blinkery", "OK")
    time.sleep(5)
    assert s.find_window("Blinkery", cls="#32770") is None, "the message came again"
    assert len(dtr_drops(s)) == 1, dtr_drops(s)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()


def inactivity(s):
    modem.install(s)
    warning_comes_back(s)
    disconnect_once(s)


h.main(inactivity, versions=("win98",))
