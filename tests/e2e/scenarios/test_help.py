"""The help buttons. With blinkery.hlp beside the exe, the settings dialog's
"&Intro", "I&ndex" and a page's "Settings" open Wine's help viewer on the
introduction, the contents and that page's section. Without the help file
the page's "Settings" opens the same section of the web guide (here in
Notepad, which the prefix opens .html files with); without the web guide
either, one box says where the help belongs."""
import shutil

import harness as h
import settings_dialog as sd

INACTIVITY_PAGE = 10
IDC_INTRO, IDC_INDEX, IDC_PAGE_SETTINGS = 102, 103, 199
VIEWER = "MS_WINHELP"
HTML_IN_NOTEPAD = r"""REGEDIT4

[HKEY_CLASSES_ROOT\.html]
@="htmlfile"

[HKEY_CLASSES_ROOT\htmlfile\shell\open\command]
@="notepad.exe \"%1\""
"""


def shown_topic(s, title):
    """Waits until the help viewer shows the topic with that title."""
    def topic():
        viewer = s.find_window("*", cls=VIEWER)
        texts = [c.text for c in viewer.children if c.cls.startswith("RichEdit")] if viewer else []
        return texts and texts[0].split("\r\n")[0] == title
    sd.wait_for(topic, f"the help viewer did not show {title!r}; windows: {s.list_windows()}")


def help_buttons(s):
    build = h.build_dir()
    for name in ("blinkery.hlp", "blinkery.cnt"):
        shutil.copy2(build / name, s.app_dir / name)
    s.import_registry(HTML_IN_NOTEPAD)
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1)))
    app = s.start()
    s.wait_window("Blinkery", cls=sd.MAIN, timeout=90)
    sd.open_settings(s, page=INACTIVITY_PAGE)

    s.click_control(sd.SETTINGS, IDC_INTRO, cls=sd.DIALOG)
    shown_topic(s, "Chapter 1: Introduction")
    s.click_control(sd.SETTINGS, IDC_INDEX, cls=sd.DIALOG)
    shown_topic(s, "Blinkery User's Guide")
    s.click_control(sd.SETTINGS, IDC_PAGE_SETTINGS, cls=sd.DIALOG)
    shown_topic(s, "Section 2.11: Inactivity")
    s.close("*", cls=VIEWER)
    s.wait_gone("*", cls=VIEWER, timeout=30)

    (s.app_dir / "blinkery.hlp").unlink()
    shutil.copytree(build / "guide", s.app_dir / "guide")
    s.click_control(sd.SETTINGS, IDC_PAGE_SETTINGS, cls=sd.DIALOG)
    page = s.wait_window("inactivity.html", cls="Notepad", match="contains", timeout=60)
    s.close(f"hwnd:{page.hwnd:#x}")

    shutil.rmtree(s.app_dir / "guide")
    s.click_control(sd.SETTINGS, IDC_PAGE_SETTINGS, cls=sd.DIALOG)
    text, _, _ = s.wait_message_box(timeout=30)
    assert "blinkery.hlp" in text.lower() and "guide\\index.html" in text, text
    s.answer("Blinkery", "OK")

    sd.close_settings(s, "Cancel")
    s.close("Blinkery", cls=sd.MAIN)
    assert app.wait_exit(timeout=60) == 0, app.output()


h.main(help_buttons, versions=("win98", "win2k"))
