"""A dial-up connection in Windows 2000 and NT 4 modes, played by the
stand-in RASAPI32.DLL (RAS detection without direct hardware access, layout
5): the connection raises CD (on Windows 2000 its 49333 bps from the
connection statistics light HS; NT 4 asks TAPI, which has no lines under
Wine), and when it goes away CD drops; the total connect time stored at close
is the connection's length plus "Negotiation Delay" within a second. (Wine
has no NT performance data, so the RAS byte counts are unit-tested.)"""
import time

import harness as h
import lamp_panel as lp
import standin_call as call

LAYOUT = 5
DELAY = 20


def ras_call(s):
    call.install_ras_standin(s)
    line = call.Line(s, port=1)
    line.ras = {"Device1": "modem,Standard Modem,COM1", "Connection": ""}
    line.ras_entries = {"Work": call.RAS_ENTRY}
    line.write()
    ini = h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                      {"Lampwatcher on COM1": {"NewOrientation": LAYOUT, "LampLook": 0,
                                               "Negotiation Delay": DELAY, **call.COLOURS}})
    s.write_ini(ini)
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=90)
    rect = lp.main_rect(s, LAYOUT)
    seen = call.watch(s, rect, LAYOUT, 3)
    assert not call.ever(seen, "CD"), seen

    line.ras.update({"Connection": "Work", "State": 8192, "Bps": 49333, "ClientIP": "10.0.0.2",
                     "ServerIP": "10.0.0.1"})
    line.write()
    connected_at = time.monotonic()
    wanted = {"CD", "HS"} if s.version == "win2k" else {"CD"}
    seen = call.watch(s, rect, LAYOUT, 20, until=lambda lit: wanted <= lit)
    assert all(call.ever(seen, signal) for signal in wanted), f"not all of {wanted} lit: {seen}"
    time.sleep(max(0.0, 10 - (time.monotonic() - connected_at)))

    line.ras["Connection"] = ""
    line.write()
    length = time.monotonic() - connected_at
    seen = call.watch(s, rect, LAYOUT, 20, until=lambda lit: "CD" not in lit)
    assert "CD" not in seen[-1], f"CD still lit after the connection went: {seen[-1]}"

    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()
    total = call.total_seconds(s.read_ini(), port=1)
    print(f"     connection {length:.2f} s + {DELAY} s delay; stored total {total:.2f} s")
    assert abs(total - (length + DELAY)) < 1.0, (total, length)


h.main(ras_call, versions=("win2k", "nt40"))
