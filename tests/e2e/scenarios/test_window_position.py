"""The main window's place is kept in screen coordinates: started at the
stored "Window Position X"/"Y" it sits there, and closed while minimised or
maximised it stores its normal position, not the icon's or the maximised
one (Windows 98 and 2000 modes, Courier layout)."""
import time

import harness as h

SC_MINIMIZE, SC_MAXIMIZE = 0xF020, 0xF030
X, Y = 300, 200


def closes_in(s, command):
    """Starts Blinkery, checks its place, applies the system command, closes
    it and gives the stored position."""
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    rect = s.rect("Blinkery", cls="TMainWindow")
    assert (rect.left, rect.top) == (X, Y), f"started at {rect}"
    s.post("Blinkery", "WM_SYSCOMMAND", command, cls="TMainWindow")
    deadline = time.monotonic() + 10
    while s.rect("Blinkery", cls="TMainWindow") == rect and time.monotonic() < deadline:
        time.sleep(0.2)
    moved = s.rect("Blinkery", cls="TMainWindow")
    assert moved != rect, "the window did not change"
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()
    ini = s.read_ini()
    return int(ini.get("Lampwatcher on COM1", "Window Position X")), \
        int(ini.get("Lampwatcher on COM1", "Window Position Y")), moved, ini


def window_position(s):
    for command, what, layout in ((SC_MINIMIZE, "minimised", "-3"), (SC_MAXIMIZE, "maximised", "3")):
        s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                                {"Lampwatcher on COM1": {"NewOrientation": "3", "Window Position X": str(X),
                                                         "Window Position Y": str(Y), "WindowSizeX": "200",
                                                         "WindowSizeY": "80"}}))
        x, y, moved, ini = closes_in(s, command)
        print(f"     closed {what} at {moved}: stored {x},{y}")
        assert (x, y) == (X, Y), f"closed {what}, stored {x},{y}"
        # The layout's sign records a minimised window for the next start.
        assert ini.get("Lampwatcher on COM1", "NewOrientation") == layout, ini.get("Lampwatcher on COM1",
                                                                                    "NewOrientation")


h.main(window_position, versions=("win98", "win2k"))
