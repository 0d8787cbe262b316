"""The "Startup && Exit" and "Window && SysTray" pages of the settings
dialog. Windows 2000 mode, Blinkery in "C:\\Program Files\\Blinkery
Monitor": "Load with Windows" writes the program's short path into the Run
key, Cancel leaves it, unchecking removes it; "Run NOW!" starts rasphone.exe
(a recording stand-in beside the program) for the dial-up profile chosen; a
typed exit delay stays within its range and text that is no number is not
stored; "Blinkery in the System Tray" adds and removes the tray icon at
once; hidden in the tray, the popup's "&In the System Tray" brings the
window back. Windows 98 mode: "Hide original modem icon in the system tray"
sets and clears bit 2 of "DialUI", keeping its other bits. In both modes the
dialog first opens on the page "SetupActivePage" names, and the arrows of a
spin edit, clicked, step its value up and down."""
import shutil

import harness as h
import tray_icon as tray
from settings_dialog import DIALOG, MAIN, SETTINGS, close_settings, controls, open_settings, wait_for

IN_THE_TRAY_COMMAND = 1001       # the popup's second item
STARTUP_PAGE, WINDOW_PAGE = 2, 3
IDC_CBLOADWINDOWS, IDC_COMBOBDUNDESC, IDC_BUTTONRUNNOW, IDC_SEEXITDELAY = 1201, 1208, 1209, 1212
IDC_CBSHOWDUNICON, IDC_CBSYSTRAY, IDC_SEAUTODETECT = 1302, 1303, 1320
RUN_KEY, DIAL_UI_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run", r"HKCU\RemoteAccess"
FOLDER = "Program Files/Blinkery Monitor"


def stored_page_and_spin_arrows(s):
    """Opens on the stored page; ▲ then ▼ beside "AutoDelay Title", clicked."""
    open_settings(s)
    assert controls(s)[IDC_CBSYSTRAY].visible, "the dialog does not open on the stored page"
    arrows = s.rect(SETTINGS, cls=DIALOG, control_id=IDC_SEAUTODETECT + 1)
    x = (arrows.left + arrows.right) // 2
    for point, value in (((x, arrows.top + 2), "61"), ((x, arrows.bottom - 3), "60")):
        s.click(point)
        wait_for(lambda: controls(s)[IDC_SEAUTODETECT].text == value, f"the arrow at {point} gave no {value}")
    close_settings(s, "Cancel")


def startup_page(s, folder):
    open_settings(s, STARTUP_PAGE)
    assert not s.control_checked(SETTINGS, IDC_CBLOADWINDOWS, cls=DIALOG)
    s.click_control(SETTINGS, IDC_CBLOADWINDOWS, cls=DIALOG)
    kind, path = wait_for(lambda: s.registry_value(RUN_KEY, "Blinkery"), "no Run value written")
    print(f"     Run value: {kind} {path}")
    assert kind == "REG_SZ" and " " not in path and "~" in path and path.upper().endswith("\\BLINKERY.EXE"), path
    close_settings(s, "Cancel")
    assert s.registry_value(RUN_KEY, "Blinkery") == (kind, path), "Cancel took the Run value back"

    open_settings(s, STARTUP_PAGE)
    assert s.control_checked(SETTINGS, IDC_CBLOADWINDOWS, cls=DIALOG), "the page does not know its Run value"
    s.click_control(SETTINGS, IDC_CBLOADWINDOWS, cls=DIALOG)
    wait_for(lambda: s.registry_value(RUN_KEY, "Blinkery") is None, "unchecking left the Run value")

    assert s.list_items(SETTINGS, IDC_COMBOBDUNDESC, cls=DIALOG) == ["My ISP"]
    s.combo_select(SETTINGS, IDC_COMBOBDUNDESC, 0, cls=DIALOG)
    s.click_control(SETTINGS, IDC_BUTTONRUNNOW, cls=DIALOG)
    record = folder / "rasdial.log"
    wait_for(record.exists, "Run NOW! started no rasphone.exe")
    assert record.read_text().splitlines()[0].split("\t") == ["-d My ISP", "1"], record.read_text()

    for text in ("abc", "20000", "", "-"):
        s.set_control_text(SETTINGS, IDC_SEEXITDELAY, text, cls=DIALOG)
    close_settings(s, "OK")


def tray_box(s):
    open_settings(s, WINDOW_PAGE)
    for _ in range(2):
        s.click_control(SETTINGS, IDC_CBSYSTRAY, cls=DIALOG)
        tray.wait_icon(s, "MODEM1_NC")
        s.click_control(SETTINGS, IDC_CBSYSTRAY, cls=DIALOG)
        tray.icon_gone(s, ["MODEM1_NC"])
    s.click_control(SETTINGS, IDC_CBSYSTRAY, cls=DIALOG)
    close_settings(s, "OK")

    s.post("Blinkery", "WM_CHAR", ord("m"), cls=MAIN)
    s.wait_gone("Blinkery", cls=MAIN, timeout=20, visible=True)
    s.post("Blinkery", "WM_COMMAND", IN_THE_TRAY_COMMAND, cls=MAIN)
    s.wait_window("Blinkery", cls=MAIN, timeout=20)
    tray.icon_gone(s, ["MODEM1_NC"])


def startup_window_pages(s):
    s.import_registry('REGEDIT4\n\n[HKEY_CURRENT_USER\\RemoteAccess]\n"DialUI"=hex:01,00,00,00\n\n'
                      '[HKEY_CURRENT_USER\\RemoteAccess\\Profile\\My ISP]\n')
    # On Windows 98 the registry method enables the modem icon box.
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                            {"Lampwatcher on COM1": {"DUNRegistry": "1", "DUNRegistryName": "Dial-Up Adapter",
                                                     "SetupActivePage": str(WINDOW_PAGE)}}))
    folder = s.drive_c / FOLDER
    folder.mkdir(parents=True)
    shutil.copy2(h.exe_path(), folder / "Blinkery.exe")
    shutil.copy2(h.exe_path().parent / "rasdial.exe", folder / "rasphone.exe")
    app = s.start(exe="C:\\" + FOLDER.replace("/", "\\") + "\\Blinkery.exe")
    s.wait_window("Blinkery", cls=MAIN, timeout=60)
    stored_page_and_spin_arrows(s)
    if s.version == "win2k":
        startup_page(s, folder)
        tray_box(s)
    else:
        open_settings(s, WINDOW_PAGE)
        assert not s.control_checked(SETTINGS, IDC_CBSHOWDUNICON, cls=DIALOG)
        for data in ("05000000", "01000000"):
            s.click_control(SETTINGS, IDC_CBSHOWDUNICON, cls=DIALOG)
            wait_for(lambda: s.registry_value(DIAL_UI_KEY, "DialUI") == ("REG_BINARY", data), f"DialUI not {data}")
        close_settings(s, "Cancel")
    s.close("Blinkery", cls=MAIN)
    assert app.wait_exit(timeout=30) == 0, app.output()
    if s.version == "win2k":
        assert s.read_ini().get("Lampwatcher on COM1", "CD Auto Exit Delay") == "10000"


h.main(startup_window_pages, versions=("win2k", "win98"))
