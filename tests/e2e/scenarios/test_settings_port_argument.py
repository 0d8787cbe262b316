"""The port on the command line beats "Default Port": COM3's section is
read and written, and COM3 becomes the default. A port that cannot exist
stops the program before it writes anything."""
import harness as h
from settings_checks import MAIN, assert_port_section_complete


def port_argument(s):
    s.write_ini({
        MAIN: {"Default Port": "1", "Show Logo at Startup": "0"},
        "Lampwatcher on COM1": {"NoVxd": "1", "No Direct Hardware Acesss": "1", "Timer Interval": "5"},
        "Lampwatcher on COM3": {"NoVxd": "1", "No Direct Hardware Acesss": "1", "Timer Interval": "9"},
    })
    before = s.read_ini()

    app = s.start("9")
    text, buttons, _ = s.wait_message_box(timeout=60)
    assert text == "Port not available! Blinkery will not start.", text
    s.press("Blinkery", "OK")
    app.wait_exit(timeout=30)
    assert s.read_ini().text == before.text, "a refused start must not write the settings"

    app = s.start("3")
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()
    ini = s.read_ini()
    assert ini.get(MAIN, "Default Port") == "3"
    assert ini.get("Lampwatcher on COM3", "Timer Interval") == "9"
    assert_port_section_complete(ini, "Lampwatcher on COM3", existing=["NoVxd", "No Direct Hardware Acesss",
                                                                       "Timer Interval"])
    assert ini.section("Lampwatcher on COM1") == before.section("Lampwatcher on COM1")


h.main(port_argument, versions=("win98",))
