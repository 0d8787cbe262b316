"""The settings dialog as the scenarios drive it: opened from the popup's
"&Setup" or the system menu, a page chosen in the tree, closed with a
button; the system's colour and font choosers it opens."""
import time

SETTINGS, DIALOG, MAIN = "Blinkery Settings", "#32770", "TMainWindow"
SETUP_COMMAND = 1000             # the popup's "&Setup"
SETUP_SYSCOMMAND = 301           # the system menu's "&Setup..."
IDC_PAGE_CAPTION = 198
COLOUR_EDITS = (706, 707, 708)   # red, green, blue of the system colour chooser
IDC_LAMPOFF = 1722               # the layout page's lamp-off colour button
OFF_COLOUR = (200, 30, 160)      # a lamp-off colour no picture uses
# Tree nodes in order; the first is the start page, the last the about page.
PAGES = ["", "Port Detection", "Startup && Exit", "Window && SysTray", "Display", "Titlebar Display",
         "Throughput Display", "Layout && Colors", "Sounds", "Loggings", "Inactivity", "Auto Disconnect",
         "Auto Launch", " Connect Time Reset", "RAS Phonebook && Dialer", "Keyboard Lights", "Information",
         "Miscellaneous", ""]
DISPLAY_PAGE, LAYOUT_PAGE, LOGGINGS_PAGE, RAS_PAGE, KEYBOARD_PAGE, MISC_PAGE = 4, 7, 9, 14, 15, 17


def wait_for(check, what, timeout=30):
    """Polls check until it gives a true value, which it returns."""
    deadline = time.monotonic() + timeout
    while not (value := check()):
        assert time.monotonic() < deadline, what
        time.sleep(0.3)
    return value


def open_settings(s, page=None, how="menu"):
    if how == "menu":
        s.post("Blinkery", "WM_COMMAND", SETUP_COMMAND, cls=MAIN)
    else:
        s.post("Blinkery", "WM_SYSCOMMAND", SETUP_SYSCOMMAND, cls=MAIN)
    dialog = s.wait_window(SETTINGS, cls=DIALOG, timeout=30)
    if page is not None:
        s.tree_select(SETTINGS, page, cls=DIALOG)
    return dialog


def close_settings(s, button):
    s.press(SETTINGS, button)
    s.wait_gone(SETTINGS, cls=DIALOG, timeout=20, visible=True)


def controls(s):
    """The dialog's controls (every page's) by id."""
    return {c.id: c for c in s.find_window(SETTINGS, cls=DIALOG).children}


def shown_caption(s):
    """The caption of the page that shows (None for the start and about pages)."""
    shown = [c.text for c in s.find_window(SETTINGS, cls=DIALOG).children
             if c.id == IDC_PAGE_CAPTION and c.visible]
    return shown[0] if shown else None


def choose_colour(s, button, rgb):
    """A colour button's chooser: the colour typed in, then OK."""
    s.click_control(SETTINGS, button, cls=DIALOG)
    s.wait_window("Color", cls=DIALOG, timeout=20)
    for control, value in zip(COLOUR_EDITS, rgb):
        s.set_control_text("Color", control, str(value), cls=DIALOG)
    s.press("Color", "OK")
    s.wait_gone("Color", cls=DIALOG, timeout=20)


def change_font(s, button):
    """A font button's chooser: Apply, then OK."""
    s.click_control(SETTINGS, button, cls=DIALOG)
    s.wait_window("Font", cls=DIALOG, timeout=20)
    s.press("Font", "Apply")
    time.sleep(0.5)
    s.press("Font", "OK")
    s.wait_gone("Font", cls=DIALOG, timeout=20)
