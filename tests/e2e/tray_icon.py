"""Blinkery's icon in the notification area, as the screen shows it: the
embedded MODEM icons found pixel for pixel in the task bar."""
import harness as h
import lamp_panel as lp

MESSAGE_WINDOW = "TTrayIconMsgWindow"


def find_icon(picture, name, bar):
    """(x, y) of the icon in the task bar's area of the screen, or None.
    Transparent pixels of the icon may show anything."""
    rows = lp.pictures()[name]
    opaque = [(x, y, colour) for y, row in enumerate(rows) for x, colour in enumerate(row) if colour is not None]
    x0, y0, first = opaque[0]
    for top in range(bar.top, bar.bottom - len(rows) + 1):
        for left in range(bar.left, bar.right - len(rows[0]) + 1):
            if picture.pixel(left + x0, top + y0) != first:
                continue
            if all(picture.pixel(left + x, top + y) == colour for x, y, colour in opaque):
                return left, top
    return None


def wait_icon(s, name, timeout=30):
    """Waits until the task bar shows that icon; gives its place."""
    bar = s.rect("*", cls="Shell_TrayWnd")
    found = {}

    def shown(picture):
        found["at"] = find_icon(picture, name, bar)
        return found["at"] is not None

    s.wait_screen(shown, timeout=timeout, what=f"the tray icon {name}")
    return found["at"]


def icon_gone(s, names, timeout=30):
    bar = s.rect("*", cls="Shell_TrayWnd")
    s.wait_screen(lambda picture: all(find_icon(picture, n, bar) is None for n in names), timeout=timeout,
                  what="no tray icon")
