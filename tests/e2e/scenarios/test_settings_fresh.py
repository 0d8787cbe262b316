"""A fresh installation: no settings file and no port argument. Blinkery
starts without a port and, closed, writes only the logo flag."""
import harness as h
from settings_checks import MAIN


def fresh(s):
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()
    ini = s.read_ini()
    assert ini is not None, "BLINKERY.INI was not written"
    assert ini.section_names() == [MAIN], ini
    assert ini.section(MAIN) == [("Show Logo at Startup", "1")], ini


h.main(fresh, versions=("win98",))
