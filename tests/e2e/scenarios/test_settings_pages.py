"""The settings dialog "Blinkery Settings" (Windows 98 and 2000 modes): it
opens from "&Setup" at its size, and from system command 301; each of the
19 tree nodes shows its page (the RAS page is empty on Windows 98, the
keyboard page on 2000)."""
import time

import harness as h
import lamp_panel as lp
import settings_dialog as sd


def settings_pages(s):
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1)))
    app = s.start()
    s.wait_window("Blinkery", cls=sd.MAIN, timeout=60)
    sd.open_settings(s)
    rect = s.rect(sd.SETTINGS, cls=sd.DIALOG)
    assert (rect.client_width, rect.client_height) == (589, 378), rect
    empty = sd.RAS_PAGE if s.version == "win98" else sd.KEYBOARD_PAGE
    for index, caption in enumerate(sd.PAGES):
        s.tree_select(sd.SETTINGS, index, cls=sd.DIALOG)
        caption = "" if index == empty else caption
        time.sleep(0.3)
        assert sd.shown_caption(s) == (caption or None), (index, sd.shown_caption(s))
        if s.version == "win98":
            lp.save_crop(s, [s.rect(sd.SETTINGS, cls=sd.DIALOG)], f"settings-page-{index:02d}", margin=0)
    sd.close_settings(s, "Cancel")

    sd.open_settings(s, how="syscommand")
    sd.close_settings(s, "Cancel")
    s.close("Blinkery", cls=sd.MAIN)
    assert app.wait_exit(timeout=30) == 0, app.output()


h.main(settings_pages, versions=("win98", "win2k"))
