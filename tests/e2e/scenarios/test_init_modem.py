"""With "InitModem" 1 start-up sends "ModemInitString" with CR LF to the
modem on the monitored port, closes the port, and goes on (Windows 98 mode;
COM5 of the prefix is a pseudo-terminal whose other end plays the modem).
A port that cannot be opened asks "Error opening COM6: " with the two
buttons Abort and Retry; Retry asks again, Abort lets start-up go on."""
import os
import sys
import time
from pathlib import Path

import harness as h

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "win32"))
from device_rig import TestModem  # noqa: E402


def init_modem(s):
    modem = TestModem()
    modem.start()
    try:
        link = s.prefix / "dosdevices" / "com5"
        if link.is_symlink() or link.exists():
            link.unlink()
        os.symlink(modem.slave_name, link)
        s.write_ini(h.merge_ini(h.quiet_defaults(port=5), {
            "Lampwatcher: Main": {"Default Port": "5"},
            "Lampwatcher on COM5": {"InitModem": "1", "ModemInitString": "AT&F E1 V1"},
        }))
        app = s.start()
        s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
        deadline = time.monotonic() + 10
        while not (modem.closed and modem.closed[-1]) and time.monotonic() < deadline:
            time.sleep(0.2)
        sessions = [data for data in modem.sessions if data]
        assert sessions == [b"AT&F E1 V1\r\n"], modem.sessions
        assert modem.closed[-1], "the port was left open after the init string"
        s.close("Blinkery", cls="TMainWindow")
        assert app.wait_exit(timeout=30) == 0, app.output()
    finally:
        modem.stop()
    port_not_opened(s)


def port_not_opened(s):
    link = s.prefix / "dosdevices" / "com6"
    if link.is_symlink() or link.exists():
        link.unlink()
    os.symlink("/nonexistent/blinkery-modem", link)
    s.write_ini(h.merge_ini(h.quiet_defaults(port=6), {
        "Lampwatcher: Main": {"Default Port": "6"},
        "Lampwatcher on COM6": {"InitModem": "1", "ModemInitString": "ATZ"},
    }))
    app = s.start()
    for answer in ("Retry", "Abort"):
        text, buttons, box = s.wait_message_box(timeout=60)
        assert text.rstrip() == "Error opening COM6:", repr(text)
        assert buttons == ["&Abort", "&Retry"], buttons
        s.answer("Blinkery", answer)
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    assert s.find_window("Blinkery", cls="#32770") is None, "a third box"
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()


h.main(init_modem, versions=("win98",))
