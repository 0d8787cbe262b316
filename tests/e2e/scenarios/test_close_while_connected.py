"""Closing while the modem reports carrier (Windows 98 mode, stand-in port
I/O library): "Still connected! Exit Blinkery anyway?" is asked, No keeps the
program running, and once carrier drops the close needs no question."""
import time

import harness as h
import lamp_panel as lp
import standin_call as call
import standin_modem as modem

QUESTION = "Still connected! Exit Blinkery anyway?"


def close_while_connected(s):
    modem.install(s)
    modem.set_registers(s, 2, modem.CTS | modem.DSR | modem.DCD)
    s.write_ini(modem.direct_access(2, NewOrientation=5))
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    seen = call.watch(s, lp.main_rect(s, 5), 5, 30, until=lambda lit: "CD" in lit)
    assert call.ever(seen, "CD"), f"the carrier never showed: {seen}"

    s.close("Blinkery", cls="TMainWindow")
    text, buttons, _ = s.wait_message_box(timeout=30)
    assert text == QUESTION, text
    assert buttons == ["&Yes", "&No"], buttons
    s.answer("Blinkery", "&No")
    time.sleep(1)
    assert app.running, "No must keep Blinkery running"

    modem.set_registers(s, 2, modem.CTS | modem.DSR)
    time.sleep(1.5)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()
    assert s.find_window("Blinkery", cls="#32770") is None


h.main(close_while_connected, versions=("win98",))
