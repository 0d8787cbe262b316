"""A read-only BLINKERY.INI: closing shows "Unable to write to" with the
file's full path, and the program still ends cleanly."""
import harness as h
from settings_checks import MAIN


def readonly(s):
    s.write_ini(h.merge_ini({MAIN: {"Default Port": "1"}}, h.quiet_defaults(port=1)))
    before = s.read_ini().text
    s.make_readonly("windows/BLINKERY.INI")
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    s.close("Blinkery", cls="TMainWindow")
    text, buttons, _ = s.wait_message_box(timeout=30)
    assert text == "Unable to write to C:\\windows\\BLINKERY.INI", text
    assert buttons == ["OK"], buttons
    s.press("Blinkery", "OK")
    assert app.wait_exit(timeout=30) == 0, app.output()
    assert s.read_ini().text == before


h.main(readonly, versions=("win98",))
