"""A dial-up statistics value of the wrong type under HKEY_DYN_DATA
(Windows 98 mode, registry detection, layout 5): a string where the sent
bytes belong gives "Invalid data type for 'Dial-Up Adapter\\BytesXmit'"
once; after OK no second box comes, and the next ticks run: the carrier of
the stand-in UART lights CD and the received bytes light RD."""
import time

import harness as h
import lamp_panel as lp
import standin_call as call
import standin_modem as modem

LAYOUT = 5
TEXT = "Invalid data type for 'Dial-Up Adapter\\BytesXmit'"


def registry_invalid(s):
    modem.install(s)
    call.install(s, "RNAAPP.EXE")
    line = call.Line(s)
    line.stat_data = {"Dial-Up Adapter\\BytesXmit": "sz:1234"}
    line.write()
    ini = modem.direct_access(2, DUNRegistry=1, DUNRegistryName="Dial-Up Adapter", RNAAPP=0,
                              NewOrientation=LAYOUT, LampLook=0)
    ini["Lampwatcher on COM2"].update({k: str(v) for k, v in call.COLOURS.items()})
    s.write_ini(ini)
    s.start(exe="C:\\blinkery\\RNAAPP.EXE", name="rnaapp")
    time.sleep(2)   # the statistics are published
    app = s.start()
    text, buttons, _ = s.wait_message_box(timeout=90)
    assert text == TEXT, repr(text)
    assert buttons == ["OK"], buttons
    s.answer("Blinkery", "OK")
    time.sleep(3)
    assert s.find_window("Blinkery", cls="#32770") is None, "the box came back"

    rect = lp.main_rect(s, LAYOUT)
    line.msr = call.CTS | call.DSR | call.DCD
    line.rnaapp = {"Connected": 1, "Speed": 28800, "ReceivedPerSecond": 4000}
    line.write()
    seen = call.watch(s, rect, LAYOUT, 20, until=lambda lit: "CD" in lit)
    assert call.ever(seen, "CD"), f"the ticks after the box do not run: {seen}"
    seen = call.watch(s, rect, LAYOUT, 10)
    assert call.ever(seen, "RD"), f"the received bytes still count: {seen}"
    assert not call.ever(seen, "TD"), "the bad value counts nothing"
    assert s.find_window("Blinkery", cls="#32770") is None, "the box came back"

    line.msr = call.CTS | call.DSR
    line.rnaapp = {"Connected": 0}
    line.write()
    call.watch(s, rect, LAYOUT, 20, until=lambda lit: "CD" not in lit)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()


h.main(registry_invalid, versions=("win98",))
