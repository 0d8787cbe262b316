"""The start-up logo shows for about three seconds (Windows 2000 mode), and
Windows ending the session makes Blinkery save its settings at once."""
import time

import harness as h


def logo_and_end_session(s):
    s.write_ini(h.merge_ini(h.quiet_defaults(port=4),
                            {"Lampwatcher: Main": {"Default Port": "4", "Show Logo at Startup": "1"}}))
    s.list_windows()  # the prefix's first program start is the slow one
    app = s.start()
    # Each look at the windows takes up to a second under emulation, so the
    # logo's three seconds are measured to within that.
    seen = gone = None
    deadline = time.monotonic() + 60
    while gone is None and time.monotonic() < deadline:
        classes = {w.cls for w in s.list_windows()}
        now = time.monotonic()
        if "TSplashForm" in classes and seen is None:
            seen = now
        if seen is not None and "TSplashForm" not in classes:
            gone = now
    assert seen is not None and gone is not None, "the logo never showed"
    assert 1.5 <= gone - seen <= 6.0, f"the logo showed for about {gone - seen:.1f} s"
    s.wait_window("Blinkery", cls="TMainWindow", timeout=30)

    before = s.read_ini()
    assert before.get("Lampwatcher on COM4", "TotalConnectNew") is None
    WM_ENDSESSION = 0x0016
    s.send("Blinkery", WM_ENDSESSION, 1, 0, cls="TMainWindow")
    ini = s.read_ini()
    assert ini.get("Lampwatcher on COM4", "TotalConnectNew") is not None, ini
    assert ini.get("Lampwatcher: Main", "Default Port") == "4"
    assert app.running


h.main(logo_and_end_session, versions=("win2k",))
