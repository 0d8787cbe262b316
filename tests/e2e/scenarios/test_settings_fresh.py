"""A fresh installation: no settings file and no port argument. Blinkery
starts without a port, warns that its detection aids are missing (the
helper VxD and the port I/O library are not installed here) and, closed,
writes only the logo flag."""
import re

import harness as h
from settings_checks import MAIN

WARNINGS = [
    "BLINKR95.VXD not found in the Blinkery directory. You will have problems with the detection.",
    "Could not find/open the file DLPORTIO.DLL needed for the hardware access. "
    "Please make sure it is in the Blinkery directory or somewhere in Your path.",
]


def fresh(s):
    app = s.start()
    for expected in WARNINGS:
        text, buttons, _ = s.wait_message_box(timeout=60)
        assert re.sub(r"\s*[\r\n]+\s*", " ", text) == expected, text
        s.answer("Blinkery", "OK")
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()
    ini = s.read_ini()
    assert ini is not None, "BLINKERY.INI was not written"
    assert ini.section_names() == [MAIN], ini
    assert ini.section(MAIN) == [("Show Logo at Startup", "1")], ini


h.main(fresh, versions=("win98",))
