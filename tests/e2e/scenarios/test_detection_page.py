"""The settings dialog's "Port Detection" and "Miscellaneous" pages (Windows
98 mode; COM2 and COM3 of the prefix are pseudo-terminals): choosing COM3
in the port list writes COM2's section to BLINKERY.INI at once and the
pages show COM3's settings; clearing "Do not use device driver..." without
BLINKR95.VXD beside the program warns; "Show modem log" for a log that does
not exist says so; "Send NOW!" sends COM3's init string to its modem;
"WinModem" checked and cancelled leaves the boxes as they were when the
dialog opens again."""
import os
import sys
from pathlib import Path

import harness as h
from settings_dialog import DIALOG, SETTINGS, close_settings, controls, open_settings, wait_for

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "win32"))
from device_rig import TestModem  # noqa: E402

DETECTION_PAGE, MISC_PAGE = 1, 17
IDC_COMBOBPORTS = 1101
IDC_COMBOBDEVICEDESC = 1112
IDC_CBRNAAPP, IDC_CBNOVXD, IDC_CBWINMODEM = 1113, 1115, 1118
IDC_BITBTNMODEMLOG = 2712
IDC_EDITMODEMINITSTRING = 2721
IDC_BUTTONSENDNOW = 2722
COM3_ITEM = 2                    # COM1 ... COM8, all available without -AUTOCHECK
VXD_WARNING = "BLINKR95.VXD not found in the Blinkery directory. You will have problems with the detection."


def link_port(s, name, modem):
    link = s.prefix / "dosdevices" / name
    if link.is_symlink() or link.exists():
        link.unlink()
    os.symlink(modem.slave_name, link)


def control_text(s, control_id):
    return controls(s)[control_id].text


def cancelled_winmodem(s):
    """The software modem forces rnaapp on; Cancel takes both back, and the
    boxes show it at the next opening."""
    open_settings(s, DETECTION_PAGE)
    s.click_control(SETTINGS, IDC_CBWINMODEM, cls=DIALOG)
    wait_for(lambda: s.control_checked(SETTINGS, IDC_CBRNAAPP, cls=DIALOG), "WinModem did not force rnaapp")
    text, _, _ = s.wait_message_box()  # the next tick's rnaapp method finds no helper library here
    assert text.startswith("blidll.dll missing"), text
    s.answer("Blinkery", "OK")
    close_settings(s, "Cancel")
    open_settings(s, DETECTION_PAGE)
    for box in (IDC_CBWINMODEM, IDC_CBRNAAPP):
        assert not s.control_checked(SETTINGS, box, cls=DIALOG), f"box {box} keeps what Cancel took back"
    close_settings(s, "Cancel")


def detection_page(s):
    modems = {"com2": TestModem(), "com3": TestModem()}
    for name, modem in modems.items():
        modem.start()
        link_port(s, name, modem)
    try:
        s.write_ini(h.merge_ini(h.quiet_defaults(port=2), h.quiet_defaults(port=3), {
            "Lampwatcher: Main": {"Default Port": "2"},
            "Lampwatcher on COM2": {"DUNRegistryName": "Adapter Two", "ModemInitString": "ATZ2"},
            "Lampwatcher on COM3": {"DUNRegistryName": "Adapter Three", "ModemInitString": "AT&F3",
                                    "ModemLogName": "NOMODEM.TXT", "Timer Interval": "9"},
        }))
        app = s.start()
        s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
        open_settings(s, DETECTION_PAGE)
        assert control_text(s, IDC_COMBOBDEVICEDESC) == "Adapter Two"

        # The switch saves the old port's whole section before anything else.
        assert "WinModem" not in s.read_ini().section("Lampwatcher on COM2")
        s.combo_select(SETTINGS, IDC_COMBOBPORTS, COM3_ITEM, cls=DIALOG)
        wait_for(lambda: s.read_ini().get("Lampwatcher on COM2", "WinModem") == "0",
                 "COM2's section was not written at the switch")
        ini = s.read_ini()
        assert ini.get("Lampwatcher on COM2", "ModemInitString") == "ATZ2", ini
        wait_for(lambda: control_text(s, IDC_COMBOBDEVICEDESC) == "Adapter Three",
                 "the page does not show COM3's adapter")
        assert control_text(s, IDC_COMBOBPORTS) == "COM3"
        assert control_text(s, IDC_EDITMODEMINITSTRING) == "AT&F3"

        # COM3 keeps the VxD off; switching it on without the file warns.
        s.click_control(SETTINGS, IDC_CBNOVXD, cls=DIALOG)
        text, buttons, _ = s.wait_message_box()
        assert text == VXD_WARNING, text
        s.answer("Blinkery", "OK")

        s.tree_select(SETTINGS, MISC_PAGE, cls=DIALOG)
        s.click_control(SETTINGS, IDC_BITBTNMODEMLOG, cls=DIALOG)
        text, _, _ = s.wait_message_box()
        assert text == "Can not find log file", text
        s.answer("Blinkery", "OK")

        s.click_control(SETTINGS, IDC_BUTTONSENDNOW, cls=DIALOG)
        wait_for(lambda: b"AT&F3\r\n" in modems["com3"].sessions and modems["com3"].closed[-1],
                 f"no init string reached COM3: {modems['com3'].sessions}")
        assert not [data for data in modems["com2"].sessions if data], modems["com2"].sessions

        close_settings(s, "&OK")
        cancelled_winmodem(s)
        s.close("Blinkery", cls="TMainWindow")
        assert app.wait_exit(timeout=30) == 0, app.output()
        ini = s.read_ini()
        assert ini.get("Lampwatcher: Main", "Default Port") == "3", ini
        assert ini.get("Lampwatcher on COM3", "NoVxd") == "0", ini
        assert ini.get("Lampwatcher on COM3", "Timer Interval") == "9", ini
        assert ini.get("Lampwatcher on COM3", "WinModem") == "0", ini
    finally:
        for modem in modems.values():
            modem.stop()


h.main(detection_page, versions=("win98",))
