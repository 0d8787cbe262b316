"""The main window without its caption ("No Title Bar" 1, Windows 98 mode):
it is dragged by any point of its face; the S key opens "Blinkery
Settings" and shows the caption for the time of the dialog, Cancel takes
the caption back, and the X key ("E&xit") closes Blinkery, saving where the
window was dragged."""
import time

import harness as h
import lamp_panel as lp

CAPTION_MIN = 12   # a caption is taller than this; a bare frame is not


def caption_height(s):
    rect = s.rect("Blinkery", cls="TMainWindow")
    return rect.client_top - rect.top, rect


def wait_caption(s, shown, timeout=20):
    deadline = time.monotonic() + timeout
    while True:
        height, rect = caption_height(s)
        if (height > CAPTION_MIN) == shown or time.monotonic() > deadline:
            return height, rect
        time.sleep(0.2)


def main_window(s):
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                            {"Lampwatcher on COM1": {"No Title Bar": "1", "NewOrientation": "5",
                                                     "Window Position X": "200", "Window Position Y": "150"}}))
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    lp.main_rect(s, 5)  # dragged from its middle, so only once it has its size
    height, rect = wait_caption(s, False)
    assert height <= CAPTION_MIN, f"the window shows a caption ({height} px)"

    # Dragged by its face: from the middle of the panel, 120 right and 90 down.
    middle = ((rect.left + rect.right) // 2, (rect.client_top + rect.bottom) // 2)
    s.drag(middle, (middle[0] + 120, middle[1] + 90))
    moved = s.rect("Blinkery", cls="TMainWindow")
    assert (moved.left - rect.left, moved.top - rect.top) == (120, 90), f"{rect} -> {moved}"

    s.post("Blinkery", "WM_CHAR", ord("s"), cls="TMainWindow")
    dialog = s.wait_window("Blinkery Settings", cls="#32770", timeout=30)
    assert {"&OK", "Cancel"} <= set(dialog.buttons()), dialog.buttons()
    height, _ = wait_caption(s, True)
    assert height > CAPTION_MIN, f"no caption while the dialog shows ({height} px)"
    s.press("Blinkery Settings", "Cancel")
    s.wait_gone("Blinkery Settings", cls="#32770", timeout=20, visible=True)
    height, _ = wait_caption(s, False)
    assert height <= CAPTION_MIN, f"Cancel left the caption ({height} px)"

    s.post("Blinkery", "WM_CHAR", ord("x"), cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()
    ini = s.read_ini()
    assert ini.get("Lampwatcher on COM1", "No Title Bar") == "1"
    assert ini.get("Lampwatcher on COM1", "Window Position X") == str(moved.left)


h.main(main_window, versions=("win98",))
