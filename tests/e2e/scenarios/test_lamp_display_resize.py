"""The Courier layout with two text lines: the panel with the etched
separator over the status and rate lines; maximising the sizeable window
repaints the panel centred with the background colour on both sides,
restoring brings it back; and after ten such resizes, each of which reloads
and recolours the picture, the process holds as many GDI objects as before
them. In Windows 98 mode the stand-in port I/O library lights the lamps; in
Windows 2000 mode, without the port I/O driver, they are all off."""
import time

import harness as h
import lamp_panel as lp
import standin_modem as modem

SC_MAXIMIZE, SC_RESTORE = 0xF030, 0xF120
PLACE = (200, 200)
COLOURS = {"BackgroundColor": 0xB0E8D0, "TextColor": 0x800040, "LightColorOn": 0x00A0FF, "LightColorOff": 0x404080}
LIT = {"CTS", "DSR", "CD", "DTR", "RTS"}


def resize(s):
    lamps = s.version == "win98"
    if lamps:
        modem.install(s)
        modem.set_registers(s, 2, modem.CTS | modem.DSR | modem.DCD)
    ini = modem.direct_access(2, No_Direct_Hardware_Acesss=0 if lamps else 1, NewOrientation=5, LampLook=1, Status_in_Display=1, SPY_Speed_in_Display=1,
                              Window_Position_X=PLACE[0], Window_Position_Y=PLACE[1], WindowSizeX=200,
                              **{key: str(value) for key, value in COLOURS.items()})
    s.write_ini(ini)
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    panel = lp.expected_panel(5, 1, COLOURS, LIT if lamps else set(), separator=True)
    expected = {PLACE: (5, panel, COLOURS["BackgroundColor"], 2)}

    screen, rects = lp.wait_panels(s, expected, what="the Courier panel")
    rect = rects[PLACE]
    check_text_lines(screen, rect)
    if lamps:
        lp.save_crop(s, [rect], "lamp-display-text-lines")
    pid = next(w.pid for w, _ in lp.main_windows(s))

    def cycle():
        s.post("Blinkery", "WM_SYSCOMMAND", SC_MAXIMIZE, cls="TMainWindow")
        wide = wait_width(s, lambda width: width > 600, "a maximised window")
        lp.wait_panels(s, {(wide.left, wide.top): expected[PLACE]}, what="the panel centred in the wide window")
        s.post("Blinkery", "WM_SYSCOMMAND", SC_RESTORE, cls="TMainWindow")
        wait_width(s, lambda width: width == rect.right - rect.left, "the restored window")
        lp.wait_panels(s, expected, what="the restored panel")

    cycle()  # the system's own caption pictures of a maximised window are made once
    before = lp.gdi_count(s, pid)
    for _ in range(5):
        cycle()
    after = lp.gdi_count(s, pid)
    print(f"     GDI objects: {before} after the first maximise and restore, {after} after ten more resizes")
    assert after == before, f"{after - before} GDI objects more after ten resizes"

    if lamps:
        modem.set_registers(s, 2, modem.CTS | modem.DSR)
        time.sleep(2)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()


def wait_width(s, condition, what):
    return lp.wait_main_rect(s, lambda rect: condition(rect.right - rect.left), what)


def check_text_lines(screen, rect):
    """Under the separator the two text lines: the text colour on the
    background colour across the whole client width, nothing else."""
    band = screen.colours(rect.client_left, rect.client_top + 23, rect.client_left + rect.client_width,
                          rect.client_top + rect.client_height)
    text, background = lp.rgb(COLOURS["TextColor"]), lp.rgb(COLOURS["BackgroundColor"])
    assert band[text] > 20 and band[background] > band[text], f"text lines: {band.most_common(5)}"
    right_edge = screen.colours(rect.client_left + rect.client_width - 3, rect.client_top + 23,
                                rect.client_left + rect.client_width, rect.client_top + rect.client_height)
    assert set(right_edge) == {background}, f"right of the text: {right_edge}"


h.main(resize, versions=("win98", "win2k"))
