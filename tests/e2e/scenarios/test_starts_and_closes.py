"""Blinkery starts in Windows 98, NT 4 and 2000 modes and in Wine's default
mode (Windows 10, as on a modern Windows), shows its main window on Wine's
desktop (checked in a screenshot) at its layout's size from the first
moment, and a WM_CLOSE ends the process cleanly with its settings file
written."""
import time

import harness as h
import lamp_panel as lp


def starts_and_closes(s):
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                            {"Lampwatcher on COM1": {"NewOrientation": "5"}}))
    app = s.start()
    window = s.wait_window("Blinkery", cls="TMainWindow", timeout=30)
    assert window.visible, "the main window is hidden"
    assert app.running, f"the program ended early with {app.returncode}"
    first = check_screen(s)
    # Sized for its layout before it showed: the first paint changes nothing.
    settled = lp.main_rect(s, 5)
    assert first == settled, f"the window showed at {first} and took its layout's size {settled} later"

    s.close("Blinkery", cls="TMainWindow")
    started = time.monotonic()
    code = app.wait_exit(timeout=10)
    assert code == 0, f"exit code {code}, expected 0; output:\n{app.output()}"
    print(f"     closed in {time.monotonic() - started:.1f} s")
    s.wait_gone("Blinkery", cls="TMainWindow", timeout=5)
    ini = s.read_ini()
    assert ini.get("Lampwatcher: Main", "Default Port") == "1"
    assert ini.get("Lampwatcher on COM1", "Timer Interval") == "18", "the port's settings were not written"


BLACK = (0, 0, 0)


def check_screen(s):
    """The screenshot shows Wine's desktop with its task bar along the
    bottom edge and Blinkery's window drawn over the desktop; gives the
    window's rectangle as first seen."""
    window = s.rect("Blinkery", cls="TMainWindow")
    bar = s.rect("*", cls="Shell_TrayWnd")
    assert bar.bottom == 768 and bar.right - bar.left == 1024, f"the task bar is at {bar}"
    box = (window.left, window.top, window.right, window.bottom)

    def shown(picture):
        desktop = picture.pixel(0, 0)
        inside = picture.colours(*box)
        task_bar = picture.colours(bar.left, bar.top, bar.right, bar.bottom)
        face = task_bar.most_common(1)[0][0]
        return (desktop != BLACK and face not in (BLACK, desktop) and len(task_bar) > 2
                and set(inside) - {BLACK, desktop})

    picture = s.wait_screen(shown, timeout=20, what="the desktop, its task bar and Blinkery's window")
    print(f"     screen: desktop {picture.pixel(0, 0)}, window {box} in "
          f"{len(picture.colours(*box))} colours")
    return window


h.main(starts_and_closes, versions=h.KNOWN_VERSIONS)
