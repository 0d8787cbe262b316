"""Openings of the settings dialog with a font and a colour chosen each
time (Windows 98 and 2000 modes) leave the GDI object count as the first
opening left it."""
import time

import harness as h
import lamp_panel as lp
import settings_dialog as sd

IDC_FONTLOG = 1430
OPENINGS = 5


def settings_gdi(s):
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1)))
    app = s.start()
    s.wait_window("Blinkery", cls=sd.MAIN, timeout=60)
    counts = []
    for _ in range(OPENINGS):
        sd.open_settings(s, sd.DISPLAY_PAGE)
        sd.change_font(s, IDC_FONTLOG)
        s.tree_select(sd.SETTINGS, sd.LAYOUT_PAGE, cls=sd.DIALOG)
        sd.choose_colour(s, sd.IDC_LAMPOFF, sd.OFF_COLOUR)
        sd.close_settings(s, "Cancel")
        time.sleep(0.5)
        window = [w for w in s.list_windows(all=True) if w.cls == sd.MAIN][0]
        counts.append(lp.gdi_count(s, window.pid))
    print(f"     GDI objects after each opening: {counts}")
    assert counts[-1] == counts[0], counts
    s.close("Blinkery", cls=sd.MAIN)
    assert app.wait_exit(timeout=30) == 0, app.output()


h.main(settings_gdi, versions=("win98", "win2k"))
