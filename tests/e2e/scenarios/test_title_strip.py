"""The lamp strip in another program's caption (Windows 98 mode, stand-in
UART with the dial-up statistics, "Title" 2: only while connected): it
stands in Notepad's caption, moved left by "TitleBar Offset", with the
connect time before it on "FontTitlebarBackgroundColor"; never in a
message box nor in Blinkery's own settings dialog; it goes when the
carrier drops. After a minute of strip, graph and lamp repaints Blinkery
holds as many GDI objects as after the first. With the lamps still, a
caption that Notepad redraws gets the strip and the time back."""
import time

import harness as h
import lamp_panel as lp
import standin_call as call
import standin_modem as modem

LIT = (255, 0, 0)   # "LightColorOn" of the title lamps
TIME_BACKGROUND = (0x28, 0x5A, 0xC8)   # "FontTitlebarBackgroundColor" 0xC85A28


def lit_columns(picture, rect):
    """x of the caption's pixels in the lit-lamp colour."""
    top = rect.top + 3
    return sorted({x for x in range(rect.left, rect.right) for y in range(top, top + 16) if picture.pixel(x, y) == LIT})


def strip_in(s, caption, cls=None, timeout=20):
    rect = s.rect(caption, cls=cls)
    found = {}

    def shown(picture):
        found["x"] = lit_columns(picture, rect)
        return bool(found["x"])

    try:
        s.wait_screen(shown, timeout=timeout, what=f"the strip in {caption!r}")
    except h.ScenarioError:
        return None
    return found["x"]


def no_strip_in(s, caption, cls=None, seconds=4):
    time.sleep(seconds)
    rect = s.rect(caption, cls=cls)
    return not lit_columns(s.screenshot_pixels(), rect)


def run(s, offset):
    line = call.Line(s)
    line.msr = call.CTS | call.DSR | call.DCD
    line.rnaapp = {"Connected": 1, "Speed": 57600, "Received": 0, "Sent": 0,
                   "ReceivedPerSecond": 3000, "SentPerSecond": 1000}
    line.write()
    ini = modem.direct_access(2, DUNRegistry=1, DUNRegistryName="Dial-Up Adapter", RNAAPP=0, NewOrientation=5,
                              Title=2, Throughput=1, FontTitlebarBackgroundColor="0xC85A28",
                              **{"TitleBar Offset": offset, "Display connect time in Titlebar": 1})
    s.write_ini(ini)
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=90)
    s.wait_window("Throughput", cls="TGraphDisplay", timeout=30)
    notepad = s.start(exe="notepad.exe", name="notepad")
    s.wait_window("Untitled - Notepad", timeout=30)
    return app, line, notepad


def title_strip(s):
    modem.install(s)
    call.install(s, "RNAAPP.EXE")
    s.start(exe="C:\\blinkery\\RNAAPP.EXE", name="rnaapp")

    app, line, notepad = run(s, 0)
    first = strip_in(s, "Untitled - Notepad")
    assert first, "no strip in Notepad's caption"
    caption = s.rect("Untitled - Notepad")
    s.wait_screen(lambda p: p.colours(caption.left, caption.top, first[0], caption.top + 22)[TIME_BACKGROUND] > 100,
                  timeout=20, what="the connect time on its background colour")
    lp.save_crop(s, [s.rect("Untitled - Notepad")], "title-strip", margin=0)

    box = s.start("msgbox", "Other", "Not for the strip", exe="C:\\blinkery\\wintool.exe", name="msgbox")
    s.wait_window("Other", cls="#32770", timeout=20)
    assert no_strip_in(s, "Other", cls="#32770"), "the strip went into a message box"
    s.answer("Other", "OK")
    box.wait_exit(timeout=20)

    s.post("Blinkery", "WM_CHAR", ord("s"), cls="TMainWindow")
    s.wait_window("Blinkery Settings", cls="#32770", timeout=20)
    assert no_strip_in(s, "Blinkery Settings", cls="#32770"), "the strip went into Blinkery's own dialog"
    s.press("Blinkery Settings", "Cancel")
    s.wait_gone("Blinkery Settings", cls="#32770", timeout=20, visible=True)

    # The first paints done (and the dialog's own objects made once), the
    # count stays put. A click gives Notepad the foreground back.
    s.click((caption.left + 200, caption.top + 200))
    assert strip_in(s, "Untitled - Notepad"), "no strip after Notepad was clicked"
    pid = next(w.pid for w in s.list_windows() if w.cls == "TMainWindow")
    before = lp.gdi_count(s, pid)
    time.sleep(20)   # strip, graph and lamps repaint with data flowing
    after = lp.gdi_count(s, pid)
    print(f"     GDI objects {before} after the first paints, {after} 20 s later")
    assert after == before, (before, after)

    # No data: the lamps hold still and only the clock repaints. A caption
    # that Notepad redraws (WM_NCACTIVATE) gets the strip and the time back.
    line.rnaapp = {"Connected": 1, "Speed": 57600, "Received": 0, "Sent": 0, "ReceivedPerSecond": 0, "SentPerSecond": 0}
    line.write()
    time.sleep(3)
    s.post("Untitled - Notepad", 0x0086, 1, 0)
    assert strip_in(s, "Untitled - Notepad", timeout=10), "the strip did not come back after a caption redraw"
    s.wait_screen(lambda p: p.colours(caption.left, caption.top, first[0], caption.top + 22)[TIME_BACKGROUND] > 100,
                  timeout=10, what="the connect time back after a caption redraw")

    line.msr = call.CTS | call.DSR
    line.rnaapp = {"Connected": 0, "Speed": 0}
    line.write()
    assert no_strip_in(s, "Untitled - Notepad", seconds=6), "the strip stayed after the carrier dropped"
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()
    s.close("Untitled - Notepad")
    notepad.wait_exit(timeout=20)

    # "TitleBar Offset" moves the strip left.
    app, line, notepad = run(s, 40)
    moved = strip_in(s, "Untitled - Notepad")
    # The CTS lamp, lit throughout, starts the strip.
    assert moved and first[0] - moved[0] == 40, (first[0], moved and moved[0])
    line.msr = call.CTS | call.DSR
    line.rnaapp = {"Connected": 0, "Speed": 0}
    line.write()
    time.sleep(3)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()


h.main(title_strip, versions=("win98",))
