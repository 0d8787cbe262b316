"""The settings dialog's "Startup && Exit" and "Window && SysTray" pages.
Windows 2000 mode, Blinkery in "C:\\Program Files\\Blinkery Monitor": "Load
with Windows" writes the program's short path into the Run key, Cancel
leaves it there, unchecking removes it; "Run NOW!" starts the system's
dialer (a recording stand-in named rasphone.exe beside the program) for the
entry chosen from the dial-up profiles; a typed exit delay is kept within
its range and text that is no number is not stored; "Blinkery in the System Tray" adds
and removes the tray icon at once; with Blinkery hidden in the tray, the
popup's "&In the System Tray" brings the window back. Windows 98 mode: "Hide
original modem icon in the system tray" sets and clears bit 2 of the
dial-up "DialUI" value, keeping its other bits."""
import shutil
import time

import harness as h
import tray_icon as tray

SETTINGS = "Blinkery Settings"
DIALOG = "#32770"
SETUP_COMMAND = 1000            # the popup's "&Setup"
IN_THE_TRAY_COMMAND = 1001      # the popup's "&In the System Tray"
STARTUP_PAGE, WINDOW_PAGE = 2, 3
IDC_CBLOADWINDOWS = 1201
IDC_COMBOBDUNDESC = 1208
IDC_BUTTONRUNNOW = 1209
IDC_SEEXITDELAY = 1212
IDC_CBSYSTRAY = 1303
IDC_CBSHOWDUNICON = 1302
IDC_CBDUNREGISTRY = 1111
RUN_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run"
DIAL_UI_KEY = r"HKCU\RemoteAccess"
FOLDER = "Program Files/Blinkery Monitor"
ICONS = ["MODEM1_NC", "MODEM1"]


def wait_for(check, what, timeout=30):
    deadline = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        assert time.monotonic() < deadline, what
        time.sleep(0.3)


def open_page(s, page):
    s.post("Blinkery", "WM_COMMAND", SETUP_COMMAND, cls="TMainWindow")
    s.wait_window(SETTINGS, cls=DIALOG, timeout=30)
    s.tree_select(SETTINGS, page, cls=DIALOG)


def close_dialog(s, button):
    s.press(SETTINGS, button)
    s.wait_gone(SETTINGS, cls=DIALOG, timeout=20, visible=True)


def main_window_shown(s):
    window = s.find_window("Blinkery", cls="TMainWindow")
    return window is not None and window.visible


def load_with_windows(s):
    open_page(s, STARTUP_PAGE)
    assert not s.control_checked(SETTINGS, IDC_CBLOADWINDOWS, cls=DIALOG)
    s.click_control(SETTINGS, IDC_CBLOADWINDOWS, cls=DIALOG)
    kind, path = wait_for(lambda: s.registry_value(RUN_KEY, "Blinkery"), "no Run value written")
    print(f"     Run value: {kind} {path}")
    assert kind == "REG_SZ" and " " not in path and "~" in path, (kind, path)
    assert path.upper().startswith("C:\\") and path.upper().endswith("\\BLINKERY.EXE"), path
    close_dialog(s, "Cancel")
    assert s.registry_value(RUN_KEY, "Blinkery") == (kind, path), "Cancel took the Run value back"

    # The page recognises its own value, and unchecking removes it.
    open_page(s, STARTUP_PAGE)
    assert s.control_checked(SETTINGS, IDC_CBLOADWINDOWS, cls=DIALOG), "the page does not show the Run value"
    s.click_control(SETTINGS, IDC_CBLOADWINDOWS, cls=DIALOG)
    wait_for(lambda: s.registry_value(RUN_KEY, "Blinkery") is None, "unchecking left the Run value")
    close_dialog(s, "OK")


def run_now(s, folder):
    open_page(s, STARTUP_PAGE)
    assert s.list_items(SETTINGS, IDC_COMBOBDUNDESC, cls=DIALOG) == ["My ISP"]
    s.combo_select(SETTINGS, IDC_COMBOBDUNDESC, 0, cls=DIALOG)
    s.click_control(SETTINGS, IDC_BUTTONRUNNOW, cls=DIALOG)
    record = folder / "rasdial.log"
    wait_for(record.exists, "Run NOW! started no rasphone.exe")
    arguments, show = record.read_text().splitlines()[0].split("\t")
    assert (arguments, show) == ("-d My ISP", "1"), (arguments, show)
    # Typed delays: beyond the range stores the bound, no number stores nothing.
    for text in ("abc", "20000", "", "-"):
        s.set_control_text(SETTINGS, IDC_SEEXITDELAY, text, cls=DIALOG)
    close_dialog(s, "OK")


def tray_box(s):
    open_page(s, WINDOW_PAGE)
    s.click_control(SETTINGS, IDC_CBSYSTRAY, cls=DIALOG)
    tray.wait_icon(s, "MODEM1_NC")
    s.click_control(SETTINGS, IDC_CBSYSTRAY, cls=DIALOG)
    tray.icon_gone(s, ICONS)
    s.click_control(SETTINGS, IDC_CBSYSTRAY, cls=DIALOG)
    tray.wait_icon(s, "MODEM1_NC")
    close_dialog(s, "OK")

    # Hidden in the tray, the popup item brings the window back.
    s.post("Blinkery", "WM_CHAR", ord("m"), cls="TMainWindow")
    wait_for(lambda: not main_window_shown(s), "M left the window shown")
    s.post("Blinkery", "WM_COMMAND", IN_THE_TRAY_COMMAND, cls="TMainWindow")
    wait_for(lambda: main_window_shown(s), "leaving the tray left the window hidden")
    tray.icon_gone(s, ICONS)


def startup_window_win2k(s):
    folder = s.drive_c / FOLDER
    folder.mkdir(parents=True)
    shutil.copy2(h.exe_path(), folder / "Blinkery.exe")
    shutil.copy2(h.exe_path().parent / "rasdial.exe", folder / "rasphone.exe")
    s.import_registry("REGEDIT4\n\n[HKEY_CURRENT_USER\\RemoteAccess\\Profile\\My ISP]\n")
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1)))
    app = s.start(exe="C:\\" + FOLDER.replace("/", "\\") + "\\Blinkery.exe")
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    load_with_windows(s)
    run_now(s, folder)
    tray_box(s)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()
    assert s.read_ini().get("Lampwatcher on COM1", "CD Auto Exit Delay") == "10000"


def dial_ui_win98(s):
    s.import_registry('REGEDIT4\n\n[HKEY_CURRENT_USER\\RemoteAccess]\n"DialUI"=hex:01,00,00,00\n')
    # The registry method enables the box.
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                            {"Lampwatcher on COM1": {"DUNRegistry": "1", "DUNRegistryName": "Dial-Up Adapter"}}))
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    open_page(s, WINDOW_PAGE)
    assert not s.control_checked(SETTINGS, IDC_CBSHOWDUNICON, cls=DIALOG)
    s.click_control(SETTINGS, IDC_CBSHOWDUNICON, cls=DIALOG)
    wait_for(lambda: s.registry_value(DIAL_UI_KEY, "DialUI") == ("REG_BINARY", "05000000"), "the bit was not set")
    s.click_control(SETTINGS, IDC_CBSHOWDUNICON, cls=DIALOG)
    wait_for(lambda: s.registry_value(DIAL_UI_KEY, "DialUI") == ("REG_BINARY", "01000000"), "the bit was not cleared")
    close_dialog(s, "Cancel")
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()


def startup_window_pages(s):
    if s.version == "win2k":
        startup_window_win2k(s)
    else:
        dial_ui_win98(s)


h.main(startup_window_pages, versions=("win2k", "win98"))
