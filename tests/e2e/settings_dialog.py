"""The settings dialog as the page scenarios drive it: opened from the
popup's "&Setup", a page chosen in the tree, closed with a button."""
import time

SETTINGS, DIALOG, MAIN = "Blinkery Settings", "#32770", "TMainWindow"
SETUP_COMMAND = 1000             # the popup's "&Setup"


def wait_for(check, what, timeout=30):
    """Polls check until it gives a true value, which it returns."""
    deadline = time.monotonic() + timeout
    while not (value := check()):
        assert time.monotonic() < deadline, what
        time.sleep(0.3)
    return value


def open_settings(s, page=None):
    s.post("Blinkery", "WM_COMMAND", SETUP_COMMAND, cls=MAIN)
    s.wait_window(SETTINGS, cls=DIALOG, timeout=30)
    if page is not None:
        s.tree_select(SETTINGS, page, cls=DIALOG)


def close_settings(s, button):
    s.press(SETTINGS, button)
    s.wait_gone(SETTINGS, cls=DIALOG, timeout=20, visible=True)


def controls(s):
    """The dialog's controls (every page's) by id."""
    return {c.id: c for c in s.find_window(SETTINGS, cls=DIALOG).children}
