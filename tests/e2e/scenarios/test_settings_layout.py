"""Layout and colours in the settings dialog (Windows 98 and 2000 modes): a
layout and a lamp colour chosen show at once in the main window, Cancel
takes both back, OK keeps them, and they reach the file at exit with
"SetupActivePage"."""
import harness as h
import lamp_panel as lp
import settings_dialog as sd

IDC_LAYOUTGROUP = 1700        # items 1701 ... 1705, "Large Square" ... "Courier"


def off_colour_pixels(s):
    rect = s.rect("Blinkery", cls=sd.MAIN)
    return s.screenshot_pixels().colours(rect.left, rect.top, rect.right, rect.bottom)[sd.OFF_COLOUR]


def wait_off_colour(s, shown):
    sd.wait_for(lambda: (off_colour_pixels(s) > 20) == shown,
                f"the lamp-off colour {'not ' if shown else ''}shown in the main window", timeout=15)


def size_of(rect):
    return (rect.right - rect.left, rect.bottom - rect.top)


def wait_size(s, wanted, what):
    return size_of(lp.wait_main_rect(s, lambda rect: wanted(size_of(rect)), what, timeout=15))


def settings_layout(s):
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                            {"Lampwatcher on COM1": {"NewOrientation": "2", "Window Position X": "40",
                                                     "Window Position Y": "40"}}))
    app = s.start()
    s.wait_window("Blinkery", cls=sd.MAIN, timeout=60)
    before = size_of(s.rect("Blinkery", cls=sd.MAIN))

    sd.open_settings(s, sd.LAYOUT_PAGE)
    s.click_control(sd.SETTINGS, IDC_LAYOUTGROUP + 5, cls=sd.DIALOG)
    courier = wait_size(s, lambda size: size != before, "the layout's change at once")
    sd.choose_colour(s, sd.IDC_LAMPOFF, sd.OFF_COLOUR)
    wait_off_colour(s, True)
    sd.close_settings(s, "Cancel")
    wait_size(s, lambda size: size == before, "Cancel's return to the layout before")
    wait_off_colour(s, False)

    sd.open_settings(s)
    s.click_control(sd.SETTINGS, IDC_LAYOUTGROUP + 5, cls=sd.DIALOG)
    sd.choose_colour(s, sd.IDC_LAMPOFF, sd.OFF_COLOUR)
    sd.close_settings(s, "OK")
    wait_size(s, lambda size: size == courier, "OK's Courier layout")
    wait_off_colour(s, True)

    s.close("Blinkery", cls=sd.MAIN)
    assert app.wait_exit(timeout=30) == 0, app.output()
    section = "Lampwatcher on COM1"
    ini = s.read_ini()
    stored = {k: ini.get(section, k) for k in ("NewOrientation", "LightColorOff", "SetupActivePage")}
    r, g, b = sd.OFF_COLOUR
    assert stored == {"NewOrientation": "5", "LightColorOff": str(b << 16 | g << 8 | r),
                      "SetupActivePage": str(sd.LAYOUT_PAGE)}, stored


h.main(settings_layout, versions=("win98", "win2k"))
