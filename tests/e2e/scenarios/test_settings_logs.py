"""The log buttons of the settings dialog (Windows 98 and 2000 modes):
"Delete Log" asks and deletes only on OK; "Show Log" starts the editor
named on the Miscellaneous page with the log's short path, and the editor's
name reaches the file."""
import time

import harness as h
import settings_dialog as sd

IDC_DELETELOGRI = 1903
IDC_SHOWLOGCD = 1917
IDC_EDITORNAME = 2701


def settings_logs(s):
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1)))
    s.write_file(f"{h.APP_FOLDER}/BLINKERY.RI", "Call: 12/8/2026 10:30:12 AM   Signals= 2\r\n")
    app = s.start()
    s.wait_window("Blinkery", cls=sd.MAIN, timeout=60)
    sd.open_settings(s, sd.LOGGINGS_PAGE)
    s.click_control(sd.SETTINGS, IDC_DELETELOGRI, cls=sd.DIALOG)
    text, _, _ = s.wait_message_box()
    assert text == "Delete RI Log file?", text
    s.answer("Blinkery", "Cancel")
    assert (s.app_dir / "BLINKERY.RI").exists(), "Cancel deleted the log"
    s.click_control(sd.SETTINGS, IDC_DELETELOGRI, cls=sd.DIALOG)
    s.wait_message_box()
    s.answer("Blinkery", "OK")
    assert not (s.app_dir / "BLINKERY.RI").exists(), "OK left the log"

    # The editor: a stand-in that records its command line.
    editor = s.drive_c / "tools" / "editor.exe"
    editor.parent.mkdir(exist_ok=True)
    editor.write_bytes((h.exe_path().parent / "rasdial.exe").read_bytes())
    s.tree_select(sd.SETTINGS, sd.MISC_PAGE, cls=sd.DIALOG)
    s.set_control_text(sd.SETTINGS, IDC_EDITORNAME, r"C:\tools\editor.exe", cls=sd.DIALOG)
    s.tree_select(sd.SETTINGS, sd.LOGGINGS_PAGE, cls=sd.DIALOG)
    s.click_control(sd.SETTINGS, IDC_SHOWLOGCD, cls=sd.DIALOG)
    record = editor.parent / "rasdial.log"
    sd.wait_for(record.exists, "the editor did not start", timeout=20)
    time.sleep(0.3)
    arguments, show = record.read_text().splitlines()[0].split("\t")
    assert arguments.upper() == r"C:\BLINKERY\BLINKERY.DCD" and show == "1", (arguments, show)
    sd.close_settings(s, "OK")

    s.close("Blinkery", cls=sd.MAIN)
    assert app.wait_exit(timeout=30) == 0, app.output()
    assert s.read_ini().get("Lampwatcher: Main", "EditorName") == r"C:\tools\editor.exe"


h.main(settings_logs, versions=("win98", "win2k"))
