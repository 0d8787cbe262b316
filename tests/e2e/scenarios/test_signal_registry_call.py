"""A call in Windows 98 mode on the stand-in port I/O library (ring and
carrier) with the dial-up statistics under HKEY_DYN_DATA (registry
detection, layout 5), which the stand-in dial-up application publishes:
RI pulses light the ring lamp, DCD lights CD, bytes flowing both ways light
RD and TD, the 57600 bps connect speed lights HS; after the carrier drops,
the total connect time stored at close is the session's length plus
"Negotiation Delay" within a second."""

import harness as h
import lamp_panel as lp
import standin_call as call
import standin_modem as modem

LAYOUT = 5
DELAY = 20


def registry_call(s):
    modem.install(s)
    call.install(s, "RNAAPP.EXE")
    line = call.Line(s)
    line.write()
    ini = modem.direct_access(2, DUNRegistry=1, DUNRegistryName="Dial-Up Adapter", RNAAPP=0,
                              NewOrientation=LAYOUT, LampLook=0, Negotiation_Delay=DELAY)
    ini["Lampwatcher on COM2"].update({k: str(v) for k, v in call.COLOURS.items()})
    s.write_ini(ini)
    s.start(exe="C:\\blinkery\\RNAAPP.EXE", name="rnaapp")
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=90)
    rect = lp.main_rect(s, LAYOUT)

    for _ in range(2):   # two rings
        call.ring(s, line, rect, LAYOUT)

    length = call.dial_up_call(s, line, rect, LAYOUT)

    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()
    call.check_total(s, length, DELAY)


h.main(registry_call, versions=("win98",))
