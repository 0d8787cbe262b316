"""The settings dialog's "RAS Phonebook && Dialer" and "Information" pages
(Windows NT 4 and 2000 modes, the stand-in RASAPI32.DLL): the phone book's
entries and the RAS devices are listed; Dial NOW! shows the dial's progress
in the status bar up to "Connection Opened OK"; the information page shows
the connection's addresses and counters; Hang-up NOW! leaves "DUN: Offline";
a dial that fails ends in "Connection Terminated"; rename and delete reach
the stand-in's phone book; closing Blinkery while a dial waits aborts the
dial and Blinkery ends."""
import time

import harness as h
import lamp_panel as lp
import standin_call as call

SETTINGS = "Blinkery Settings"
DIALOG = "#32770"
SETUP_COMMAND = 1000
RAS_PAGE, INFORMATION_PAGE = 14, 16
IDC_CONNLIST, IDC_DEVICELIST, IDC_CONNUSER = 2401, 2402, 2403
IDC_RENAME, IDC_DELETE, IDC_DIALNOW, IDC_HANGUP = 2422, 2423, 2424, 2425
IDC_STATUSBAR2, IDC_STATUSBAR1 = 2430, 2431
IDC_INPUTBOX_EDIT = 2492
IDC_CONNECTIONSPEED, IDC_CRCERRORS, IDC_LBFRAMINGERRORS = 2616, 2626, 2627
IDC_SERVERIP, IDC_CLIENTIP, IDC_DIALEDNUMBER = 2634, 2636, 2638

WORK = {**call.RAS_ENTRY, "UserName": "jo", "Password": "secret"}
FAILING = {**WORK, "DialStates": "0,1,2", "DialError": "678"}
SLOW_DIAL_MS = 1000


def control_text(s, control_id):
    dialog = s.find_window(SETTINGS, cls=DIALOG)
    texts = [c.text for c in dialog.children if c.id == control_id] if dialog else []
    return texts[0] if texts else None


def control_shown(s, control_id):
    dialog = s.find_window(SETTINGS, cls=DIALOG)
    return any(c.visible for c in dialog.children if c.id == control_id)


def wait_text(s, control_id, wanted, timeout=30):
    deadline = time.monotonic() + timeout
    while (text := control_text(s, control_id)) != wanted:
        assert time.monotonic() < deadline, f"control {control_id} shows {text!r}, not {wanted!r}"
        time.sleep(0.1)


def wait_items(s, wanted, timeout=20):
    deadline = time.monotonic() + timeout
    while (items := s.list_items(SETTINGS, IDC_CONNLIST, cls=DIALOG)) != wanted:
        assert time.monotonic() < deadline, f"entries {items}, not {wanted}"
        time.sleep(0.2)


def phone_book(s):
    ini = h.Ini((s.app_dir / "standin.ini").read_bytes().decode("cp1252"))
    return [name[len("RAS Entry "):] for name in ini.section_names() if name.startswith("RAS Entry ")]


def ras_page(s):
    call.install_ras_standin(s)
    line = call.Line(s, port=1)
    line.ras = {"Device1": "modem,Standard Modem,COM1", "Device2": "isdn,ISDN Card", "Connection": "",
                "DialDelay": SLOW_DIAL_MS, "ClientIP": "10.0.0.2", "ServerIP": "10.0.0.1", "Bps": 49333,
                "CrcErr": 7, "DialedNumber": "123456"}
    line.ras_entries = {"Work": WORK, "Home": call.RAS_ENTRY}
    line.write()
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                            {"Lampwatcher on COM1": {"Warn when Exiting": "1"}}))
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=90)
    s.post("Blinkery", "WM_COMMAND", SETUP_COMMAND, cls="TMainWindow")
    s.wait_window(SETTINGS, cls=DIALOG, timeout=30)
    s.tree_select(SETTINGS, RAS_PAGE, cls=DIALOG)

    # The phone book and the devices, the first entry shown.
    assert s.list_items(SETTINGS, IDC_CONNLIST, cls=DIALOG) == ["Work", "Home"]
    assert s.list_items(SETTINGS, IDC_DEVICELIST, cls=DIALOG) == ["Standard Modem (modem)", "ISDN Card (isdn)"]
    assert control_text(s, IDC_CONNUSER) == "jo"
    assert control_text(s, IDC_STATUSBAR2) == "DUN: Offline", control_text(s, IDC_STATUSBAR2)

    # A dial with its progress.
    progress = []
    s.click_control(SETTINGS, IDC_DIALNOW, cls=DIALOG)
    deadline = time.monotonic() + 30
    while control_text(s, IDC_STATUSBAR1) != "Connection Opened OK":
        assert time.monotonic() < deadline, f"no connection; seen {progress}"
        text = control_text(s, IDC_STATUSBAR2)
        if not progress or progress[-1] != text:
            progress.append(text)
    wait_text(s, IDC_STATUSBAR2, "DUN: Work - Connected/Online")
    steps = [text for text in progress if text.startswith("DUN: Work - ") and "Connected/Online" not in text]
    assert len(steps) >= 2, f"too little progress shown: {progress}"
    assert line_connection(s) == "Work"
    if s.version == "win2k":
        lp.save_crop(s, [s.rect(SETTINGS, cls=DIALOG)], "settings-ras", margin=0)

    # The connection's figures, once the poll tick's RAS method has them.
    s.tree_select(SETTINGS, INFORMATION_PAGE, cls=DIALOG)
    wait_text(s, IDC_SERVERIP, "10.0.0.1")
    assert control_text(s, IDC_CLIENTIP) == "10.0.0.2"
    assert control_text(s, IDC_DIALEDNUMBER) == "123456"
    if s.version == "win2k":
        wait_text(s, IDC_CONNECTIONSPEED, "49333 bps")
        assert control_text(s, IDC_CRCERRORS) == "7"
        assert control_shown(s, IDC_LBFRAMINGERRORS)
    else:
        assert not control_shown(s, IDC_LBFRAMINGERRORS), "NT 4 reports no framing errors"
    if s.version == "win2k":
        lp.save_crop(s, [s.rect(SETTINGS, cls=DIALOG)], "settings-information", margin=0)

    # Hang-up NOW!
    s.tree_select(SETTINGS, RAS_PAGE, cls=DIALOG)
    s.click_control(SETTINGS, IDC_HANGUP, cls=DIALOG)
    wait_text(s, IDC_STATUSBAR2, "DUN: Offline")
    assert line_connection(s) == ""

    # A dial that fails.
    line.ras_entries["Work"] = FAILING
    line.write()
    s.click_control(SETTINGS, IDC_DIALNOW, cls=DIALOG)
    wait_text(s, IDC_STATUSBAR1, "Connection Terminated")
    assert control_text(s, IDC_STATUSBAR2) == "DUN: Offline"
    line.ras_entries["Work"] = WORK
    line.write()

    # Rename through the input box, then delete: both reach the phone book.
    s.click_control(SETTINGS, IDC_RENAME, cls=DIALOG)
    s.wait_window("Rename Connection", cls=DIALOG, timeout=20)
    s.set_control_text("Rename Connection", IDC_INPUTBOX_EDIT, "Office", cls=DIALOG)
    s.press("Rename Connection", "OK")
    s.wait_gone("Rename Connection", cls=DIALOG, timeout=20)
    # The stand-in writes a renamed entry last.
    wait_items(s, ["Home", "Office"])
    assert phone_book(s) == ["Home", "Office"], phone_book(s)
    s.click_control(SETTINGS, IDC_DELETE, cls=DIALOG)
    wait_items(s, ["Office"])
    assert phone_book(s) == ["Office"], phone_book(s)

    # Closing Blinkery while a dial waits: the dial is aborted and Blinkery ends.
    line.ras["DialDelay"] = 3000
    line.ras_entries = {"Office": WORK}  # the phone book as it is now
    line.write()
    s.click_control(SETTINGS, IDC_DIALNOW, cls=DIALOG)
    time.sleep(1)
    assert "Office" in (control_text(s, IDC_STATUSBAR2) or ""), control_text(s, IDC_STATUSBAR2)
    s.close("Blinkery", cls="TMainWindow")
    code = app.wait_exit(timeout=60)
    assert code == 0, f"exit code {code}; output:\n{app.output()}"
    log = (s.app_dir / "standin.log").read_text(errors="replace").splitlines()
    assert any(entry.startswith("ras hangup") for entry in log[-5:]), log[-5:]
    assert line_connection(s) == ""


def line_connection(s):
    ini = h.Ini((s.app_dir / "standin.ini").read_bytes().decode("cp1252"))
    return ini.get("RAS", "Connection", "")


h.main(ras_page, versions=("nt40", "win2k"))
