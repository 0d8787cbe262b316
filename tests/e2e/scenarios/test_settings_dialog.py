"""The settings dialog "Blinkery Settings" (Windows 98 and 2000 modes): it
opens from "&Setup" and from system command 301; each of the 19 tree nodes
shows its page; a layout and a lamp colour chosen show at once in the main
window, Cancel takes both back, OK keeps them and they reach the file at
exit with "SetupActivePage"; "Delete Log" asks and deletes; "Show Log"
starts the editor with the log's short path; ten openings with colour and
font changes leave the GDI object count as the first left it."""
import time

import harness as h
import lamp_panel as lp
import standin_call as call

SETTINGS = "Blinkery Settings"
DIALOG = "#32770"
SETUP_COMMAND = 1000          # the popup's "&Setup"
SETUP_SYSCOMMAND = 301        # the system menu's "&Setup..."
IDC_PAGE_CAPTION = 198
IDC_LAYOUTGROUP = 1700        # items 1701 ... 1705, "Large Square" ... "Courier"
IDC_LAMPOFF = 1722
IDC_FONTLOG = 1430
IDC_DELETELOGRI = 1903
IDC_SHOWLOGCD = 1917
IDC_EDITORNAME = 2701
COLOUR_EDITS = (706, 707, 708)  # red, green, blue of the system colour chooser
PAGES = ["", "Port Detection", "Startup && Exit", "Window && SysTray", "Display", "Titlebar Display",
         "Throughput Display", "Layout && Colors", "Sounds", "Loggings", "Inactivity", "Auto Disconnect",
         "Auto Launch", " Connect Time Reset", "RAS Phonebook && Dialer", "Keyboard Lights", "Information",
         "Miscellaneous", ""]
LAYOUT_PAGE, LOGGINGS_PAGE, MISC_PAGE, DISPLAY_PAGE, RAS_PAGE, KEYBOARD_PAGE = 7, 9, 17, 4, 14, 15
OFF_COLOUR = (200, 30, 160)   # a lamp-off colour no picture uses


def open_dialog(s, how="menu"):
    if how == "menu":
        s.post("Blinkery", "WM_COMMAND", SETUP_COMMAND, cls="TMainWindow")
    else:
        s.post("Blinkery", "WM_SYSCOMMAND", SETUP_SYSCOMMAND, cls="TMainWindow")
    return s.wait_window(SETTINGS, cls=DIALOG, timeout=30)


def close_dialog(s, button):
    s.press(SETTINGS, button)
    s.wait_gone(SETTINGS, cls=DIALOG, timeout=20, visible=True)


def shown_caption(s):
    """The caption of the page that shows (None for the start and about pages)."""
    dialog = s.find_window(SETTINGS, cls=DIALOG)
    shown = [c.text for c in dialog.children if c.id == IDC_PAGE_CAPTION and c.visible]
    return shown[0] if shown else None


def choose_colour(s, button, rgb):
    s.click_control(SETTINGS, button, cls=DIALOG)
    s.wait_window("Color", cls=DIALOG, timeout=20)
    for control, value in zip(COLOUR_EDITS, rgb):
        s.set_control_text("Color", control, str(value), cls=DIALOG)
    s.press("Color", "OK")
    s.wait_gone("Color", cls=DIALOG, timeout=20)


def change_font(s):
    """The display font's chooser: Apply, then OK."""
    s.click_control(SETTINGS, IDC_FONTLOG, cls=DIALOG)
    s.wait_window("Font", cls=DIALOG, timeout=20)
    s.press("Font", "Apply")
    time.sleep(0.5)
    s.press("Font", "OK")
    s.wait_gone("Font", cls=DIALOG, timeout=20)


def off_colour_pixels(s):
    rect = s.rect("Blinkery", cls="TMainWindow")
    return s.screenshot_pixels().colours(rect.left, rect.top, rect.right, rect.bottom)[OFF_COLOUR]


def wait_off_colour(s, shown, timeout=15):
    deadline = time.monotonic() + timeout
    while (off_colour_pixels(s) > 20) != shown:
        assert time.monotonic() < deadline, f"the lamp-off colour {'not ' if shown else ''}shown in the main window"
        time.sleep(0.3)


def wait_size(s, wanted, timeout=15):
    deadline = time.monotonic() + timeout
    while True:
        rect = s.rect("Blinkery", cls="TMainWindow")
        size = (rect.right - rect.left, rect.bottom - rect.top)
        if wanted(size) or time.monotonic() > deadline:
            return size
        time.sleep(0.3)


def every_page(s):
    dialog = open_dialog(s, "menu")
    rect = s.rect(SETTINGS, cls=DIALOG)
    assert (rect.client_width, rect.client_height) == (589, 378), rect
    empty = RAS_PAGE if s.version == "win98" else KEYBOARD_PAGE
    for index, caption in enumerate(PAGES):
        s.tree_select(SETTINGS, index, cls=DIALOG)
        caption = "" if index == empty else caption
        time.sleep(0.3)
        assert shown_caption(s) == (caption or None), (index, shown_caption(s))
        if s.version == "win98":
            lp.save_crop(s, [s.rect(SETTINGS, cls=DIALOG)], f"settings-page-{index:02d}", margin=0)
    close_dialog(s, "Cancel")
    return dialog


def layout_and_colour(s):
    """Courier and a lamp-off colour show at once; Cancel takes them back."""
    main = s.rect("Blinkery", cls="TMainWindow")
    before = (main.right - main.left, main.bottom - main.top)
    open_dialog(s, "syscommand")
    s.tree_select(SETTINGS, LAYOUT_PAGE, cls=DIALOG)
    s.click_control(SETTINGS, IDC_LAYOUTGROUP + 5, cls=DIALOG)
    courier = wait_size(s, lambda size: size != before)
    assert courier != before, "the layout did not change at once"
    choose_colour(s, IDC_LAMPOFF, OFF_COLOUR)
    wait_off_colour(s, True)
    close_dialog(s, "Cancel")
    assert wait_size(s, lambda size: size == before) == before, "Cancel kept the layout"
    wait_off_colour(s, False)

    open_dialog(s, "menu")
    s.click_control(SETTINGS, IDC_LAYOUTGROUP + 5, cls=DIALOG)
    choose_colour(s, IDC_LAMPOFF, OFF_COLOUR)
    close_dialog(s, "OK")
    assert wait_size(s, lambda size: size == courier) == courier
    wait_off_colour(s, True)


def logs(s):
    s.write_file(f"{h.APP_FOLDER}/BLINKERY.RI", "Call: 12/8/2026 10:30:12 AM   Signals= 2\r\n")
    open_dialog(s, "menu")
    s.tree_select(SETTINGS, LOGGINGS_PAGE, cls=DIALOG)
    s.click_control(SETTINGS, IDC_DELETELOGRI, cls=DIALOG)
    text, _, _ = s.wait_message_box()
    assert text == "Delete RI Log file?", text
    s.answer("Blinkery", "Cancel")
    assert (s.app_dir / "BLINKERY.RI").exists(), "Cancel deleted the log"
    s.click_control(SETTINGS, IDC_DELETELOGRI, cls=DIALOG)
    s.wait_message_box()
    s.answer("Blinkery", "OK")
    assert not (s.app_dir / "BLINKERY.RI").exists(), "OK left the log"

    # The editor: a stand-in that records its command line.
    editor = s.drive_c / "tools" / "editor.exe"
    editor.parent.mkdir(exist_ok=True)
    editor.write_bytes((h.exe_path().parent / "rasdial.exe").read_bytes())
    s.tree_select(SETTINGS, MISC_PAGE, cls=DIALOG)
    s.set_control_text(SETTINGS, IDC_EDITORNAME, r"C:\tools\editor.exe", cls=DIALOG)
    s.tree_select(SETTINGS, LOGGINGS_PAGE, cls=DIALOG)
    s.click_control(SETTINGS, IDC_SHOWLOGCD, cls=DIALOG)
    record = editor.parent / "rasdial.log"
    deadline = time.monotonic() + 20
    while not record.exists():
        assert time.monotonic() < deadline, "the editor did not start"
        time.sleep(0.3)
    arguments, show = record.read_text().splitlines()[0].split("\t")
    assert arguments.upper() == r"C:\BLINKERY\BLINKERY.DCD" and show == "1", (arguments, show)
    close_dialog(s, "OK")


def gdi_steady(s):
    counts = []
    for _ in range(11):
        open_dialog(s, "menu")
        s.tree_select(SETTINGS, DISPLAY_PAGE, cls=DIALOG)
        change_font(s)
        s.tree_select(SETTINGS, LAYOUT_PAGE, cls=DIALOG)
        choose_colour(s, IDC_LAMPOFF, OFF_COLOUR)
        close_dialog(s, "Cancel")
        time.sleep(0.5)
        window = [w for w in s.list_windows(all=True) if w.cls == "TMainWindow"][0]
        counts.append(lp.gdi_count(s, window.pid))
    print(f"     GDI objects after each opening: {counts}")
    assert counts[-1] == counts[0], counts


def settings_dialog(s):
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                            {"Lampwatcher on COM1": {"NewOrientation": "2", "Window Position X": "40",
                                                     "Window Position Y": "40"}}))
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    every_page(s)
    layout_and_colour(s)
    logs(s)
    gdi_steady(s)

    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()
    ini = s.read_ini()
    section = "Lampwatcher on COM1"
    stored = {k: ini.get(section, k) for k in ("NewOrientation", "LightColorOff", "SetupActivePage")}
    r, g, b = OFF_COLOUR
    assert stored == {"NewOrientation": "5", "LightColorOff": str(b << 16 | g << 8 | r),
                      "SetupActivePage": str(LAYOUT_PAGE)}, stored
    assert ini.get("Lampwatcher: Main", "EditorName") == r"C:\tools\editor.exe"


h.main(settings_dialog, versions=("win98", "win2k"))
