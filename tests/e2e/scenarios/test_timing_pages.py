"""The settings dialog's timing pages (Windows 2000 mode): on " Connect
Time Reset", "Set Date/Time = NOW!" and then "Each Day" show the next
automatic reset one day after the press, in the prefix's date-time format,
and an hour more picked in the time picker keeps the day; the "Auto
Disconnect" page shows its date and time pickers and its two
"Activate!" boxes in red, and with a connection up (stand-in RASAPI32.DLL)
"Set Date/Time = NOW!" and "Activate!" hang up at the next tick, report it
and clear the box; a delay typed beyond 10000 is stored as 10000.
Cancel takes back "Activate!" (armed a year ahead) and "Reset Total
Connect Time NOW!": the next opening shows neither. Closing Blinkery while
the dialog shows a change leaves the settings file as it was."""
import re
import time
from datetime import datetime, timedelta

import harness as h
import standin_call as call
from settings_dialog import DIALOG, SETTINGS, close_settings, controls as children, open_settings, wait_for
DISCONNECT_PAGE, LAUNCH_PAGE, RESET_PAGE = 11, 12, 13
IDC_AUTODISCONNECTDATEPICKER, IDC_AUTODISCONNECTTIMEPICKER = 2102, 2103
IDC_CBAUTODISCONNECTACTIVE, IDC_CBAUTOTIMEDDISCONNECTACTIVE = 2105, 2110
IDC_BUTTONAUTODISCONNECTNOW = 2104
IDC_SECDHIGHDELAY = 2204
IDC_LABELCONNECTTIME, IDC_BUTTONRESETNOW = 2301, 2323
IDC_RGAUTORESET = 2310           # items 2311 ... 2316, "No automatic reset" ... "Each Day"
IDC_CONNECTRESETTIMEPICKER = 2321
IDC_BUTTONNOW = 2322
IDC_LABELNEXTRESET1, IDC_LABELNEXTRESET = 2324, 2325
RED = (255, 0, 0)


def strptime_format(picture, am, pm):
    """A Windows date or time picture as a strptime format."""
    codes = {"dddd": "%A", "ddd": "%a", "dd": "%d", "d": "%d", "MMMM": "%B", "MMM": "%b", "MM": "%m", "M": "%m",
             "yyyy": "%Y", "yy": "%y", "y": "%y", "HH": "%H", "H": "%H", "hh": "%I", "h": "%I", "mm": "%M",
             "m": "%M", "ss": "%S", "s": "%S", "tt": "%p", "t": "%p"}
    out = []
    for token in re.findall(r"'[^']*'|d+|M+|y+|H+|h+|m+|s+|t+|.", picture):
        out.append(token.strip("'") if token.startswith("'") else codes.get(token, token.replace("%", "%%")))
    return "".join(out)


def parse_shown(text, patterns):
    short_date, long_time, am, pm = patterns
    text = text.replace(am, "AM").replace(pm, "PM") if am and pm else text
    return datetime.strptime(text, strptime_format(short_date, am, pm) + " " + strptime_format(long_time, am, pm))


def wait_next_reset(s, unlike):
    """The next reset's text once it differs from unlike (never empty)."""
    return wait_for(lambda: (text := children(s)[IDC_LABELNEXTRESET].text) != unlike and text,
                    f"the next reset stays {unlike!r}")


def later_hour_keeps_the_day(s, shown, patterns):
    """The hour field of the time picker one up, as a user does it."""
    picker = s.rect(SETTINGS, cls=DIALOG, control_id=IDC_CONNECTRESETTIMEPICKER)
    s.click((picker.left + 6, (picker.top + picker.bottom) // 2))
    s.press_keys("Up")
    before = parse_shown(shown, patterns)
    after = parse_shown(wait_next_reset(s, shown), patterns)
    expected = before.replace(hour=(before.hour + 1) % 24)
    print(f"     an hour up in the time picker: next reset {shown!r} -> {after:%Y-%m-%d %H:%M:%S}")
    assert abs(after - expected) <= timedelta(seconds=2), (before, after)


def next_reset_each_day(s):
    s.tree_select(SETTINGS, RESET_PAGE, cls=DIALOG)
    pressed = datetime.now()
    s.click_control(SETTINGS, IDC_BUTTONNOW, cls=DIALOG)
    s.click_control(SETTINGS, IDC_RGAUTORESET + 6, cls=DIALOG)
    wait_next_reset(s, "")
    shown = children(s)
    assert shown[IDC_LABELNEXTRESET1].visible
    patterns = s.locale_patterns()
    next_reset = parse_shown(shown[IDC_LABELNEXTRESET].text, patterns)
    print(f"     pressed {pressed:%Y-%m-%d %H:%M:%S}, next reset {shown[IDC_LABELNEXTRESET].text!r} ({patterns})")
    assert abs(next_reset - (pressed + timedelta(days=1))) <= timedelta(minutes=1), (pressed, next_reset)
    later_hour_keeps_the_day(s, shown[IDC_LABELNEXTRESET].text, patterns)

    s.click_control(SETTINGS, IDC_RGAUTORESET + 1, cls=DIALOG)
    wait_for(lambda: not (shown := children(s))[IDC_LABELNEXTRESET].text and not shown[IDC_LABELNEXTRESET1].visible,
             "the next reset line stays with no schedule")


def disconnect_page(s):
    s.tree_select(SETTINGS, DISCONNECT_PAGE, cls=DIALOG)
    shown = children(s)
    for picker in (IDC_AUTODISCONNECTDATEPICKER, IDC_AUTODISCONNECTTIMEPICKER):
        assert shown[picker].cls == "SysDateTimePick32" and shown[picker].visible, shown[picker]
    for box in (IDC_CBAUTODISCONNECTACTIVE, IDC_CBAUTOTIMEDDISCONNECTACTIVE):
        assert shown[box].text == "Activate!" and shown[box].visible, shown[box]
    rect = s.rect(SETTINGS, cls=DIALOG)
    s.wait_screen(lambda picture: picture.colours(rect.left, rect.top, rect.right, rect.bottom)[RED] > 80,
                  timeout=20, what="the red 'Activate!' boxes")

    s.click_control(SETTINGS, IDC_BUTTONAUTODISCONNECTNOW, cls=DIALOG)
    s.click_control(SETTINGS, IDC_CBAUTODISCONNECTACTIVE, cls=DIALOG)
    text, _, _ = s.wait_message_box(timeout=30)
    assert text == "Automatic disconnect performed!", text
    assert not s.control_checked(SETTINGS, IDC_CBAUTODISCONNECTACTIVE, cls=DIALOG), "Activate! stays checked"
    s.answer("Blinkery", "OK")
    log = s.app_dir / "rasdial.log"
    assert log.exists() and log.read_text().splitlines()[0].startswith("/disconnect"), "no hang-up ran"


def total_shown(s):
    """The hours of the total connect time on " Connect Time Reset"."""
    s.tree_select(SETTINGS, RESET_PAGE, cls=DIALOG)
    return children(s)[IDC_LABELCONNECTTIME].text.split()[3].split(":")[0]


def cancel_takes_back(s):
    open_settings(s)
    assert total_shown(s) == "12"
    s.click_control(SETTINGS, IDC_BUTTONRESETNOW, cls=DIALOG)
    wait_for(lambda: total_shown(s) == "0", "Reset Total Connect Time NOW! left the total")

    s.tree_select(SETTINGS, DISCONNECT_PAGE, cls=DIALOG)
    s.click_control(SETTINGS, IDC_BUTTONAUTODISCONNECTNOW, cls=DIALOG)
    picker = s.rect(SETTINGS, cls=DIALOG, control_id=IDC_AUTODISCONNECTDATEPICKER)
    s.click((picker.left + 6, (picker.top + picker.bottom) // 2))
    s.press_keys("Right", "Right", "Up")  # the year, one up
    s.click_control(SETTINGS, IDC_CBAUTODISCONNECTACTIVE, cls=DIALOG)
    time.sleep(2)
    assert s.find_window("Blinkery", cls=DIALOG) is None, "the disconnect was not a year ahead"
    close_settings(s, "Cancel")

    open_settings(s, DISCONNECT_PAGE)
    assert not s.control_checked(SETTINGS, IDC_CBAUTODISCONNECTACTIVE, cls=DIALOG), "Activate! stays armed"
    assert total_shown(s) == "12", "Cancel did not bring the total back"


def timing_pages(s):
    call.connected_ras(s)
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                            {"Lampwatcher on COM1": {"Powerdown": "0", "TotalConnectNew": "0.5",
                                                     "Warn when Exiting": "1"}}))
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    open_settings(s)

    next_reset_each_day(s)
    disconnect_page(s)
    s.tree_select(SETTINGS, LAUNCH_PAGE, cls=DIALOG)
    s.set_control_text(SETTINGS, IDC_SECDHIGHDELAY, "99999", cls=DIALOG)

    close_settings(s, "&OK")

    cancel_takes_back(s)
    # Still open, with a change: closing Blinkery cancels the dialog first.
    s.tree_select(SETTINGS, LAUNCH_PAGE, cls=DIALOG)
    s.set_control_text(SETTINGS, IDC_SECDHIGHDELAY, "77", cls=DIALOG)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()
    ini = s.read_ini()
    section = "Lampwatcher on COM1"
    assert ini.get(section, "ConnectResetLoggerEvent") == "0", ini
    assert ini.get(section, "CD High Delay") == "10000", ini


h.main(timing_pages, versions=("win2k",))
