"""The 'rnaapp' method in Windows 98 mode, on the stand-in port I/O
library, BLIDLL.DLL and the stand-in dial-up application (layout 5).

Without BLIDLL.DLL the first tick shows "blidll.dll missing in Blinkery's
folder!\\rRNAAPP detection disabled" once, and the setting is off when the
program closes. With it, the UART's DCD alone does not light CD; ring
pulses still light RI. Where one process can read another's memory, a
whole call follows: the dial-up application's connected bit raises CD,
bytes flowing both ways light RD and TD, the 57600 bps connect speed lights
HS, and after the disconnect the stored total connect time is the
session's length plus "Negotiation Delay" within a second. (Wine under
qemu-user reads the host's address instead of the emulated one in
ReadProcessMemory; there the call part is not run and the scenario ends as
skipped.)"""
import time

import harness as h
import lamp_panel as lp
import standin_call as call
import standin_modem as modem

LAYOUT = 5
DELAY = 20
MISSING = "blidll.dll missing in Blinkery's folder!\nRNAAPP detection disabled"


def settings():
    ini = modem.direct_access(2, RNAAPP=1, NewOrientation=LAYOUT, LampLook=0, Negotiation_Delay=DELAY)
    ini["Lampwatcher on COM2"].update({k: str(v) for k, v in call.COLOURS.items()})
    return ini


def missing_library(s):
    s.write_ini(settings())
    app = s.start()
    text, buttons, _ = s.wait_message_box(timeout=90)
    assert text.replace("\r", "\n") == MISSING, repr(text)
    assert buttons == ["OK"], buttons
    s.answer("Blinkery", "OK")
    time.sleep(3)
    assert s.find_window("Blinkery", cls="#32770") is None, "the box came back"
    assert app.running
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()
    assert s.read_ini().get("Lampwatcher on COM2", "RNAAPP") == "0"


def memory_readable(s):
    code, _, _ = h.run_captured([h.WINE, "C:\\blinkery\\RNAAPP.EXE", "/memcheck"], env=s.env, cwd=s.app_dir,
                                timeout=120)
    return code == 0


def rnaapp_call(s):
    modem.install(s)
    call.install(s, "RNAAPP.EXE")
    missing_library(s)

    call.install(s, "BLIDLL.DLL")
    line = call.Line(s)
    line.msr = call.CTS | call.DSR | call.DCD   # the UART says carrier: 'rnaapp' must not believe it
    line.write()
    s.write_ini(settings())
    s.start(exe="C:\\blinkery\\RNAAPP.EXE", name="rnaapp")
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=90)
    rect = lp.main_rect(s, LAYOUT)

    seen = call.watch(s, rect, LAYOUT, 4)
    assert not call.ever(seen, "CD"), f"CD lit before the dial-up application connected: {seen}"
    assert s.find_window("Blinkery", cls="#32770") is None, "BLIDLL.DLL was not found"
    call.ring(s, line, rect, LAYOUT)

    if not memory_readable(s):
        s.close("Blinkery", cls="TMainWindow")
        assert app.wait_exit(timeout=60) == 0, app.output()
        h.skip("ReadProcessMemory does not read this machine's emulated memory: the call part is not run")
    length = call.dial_up_call(s, line, rect, LAYOUT)

    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()
    call.check_total(s, length, DELAY)


h.main(rnaapp_call, versions=("win98",))
