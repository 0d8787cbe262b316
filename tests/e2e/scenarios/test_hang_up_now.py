"""Hang-up NOW! on Windows 2000 (the N key, stand-in RASAPI32.DLL with a
connection up): Blinkery runs "rasdial /disconnect" hidden (the stand-in
rasdial.exe beside it notes its command line and show state) and hangs up
the RAS component's connection, so the carrier lamp goes out."""
import harness as h
import lamp_panel as lp
import standin_call as call

LAYOUT = 5
SW_HIDE = 0


def hang_up_now(s):
    call.connected_ras(s)
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                            {"Lampwatcher on COM1": {"NewOrientation": LAYOUT, "LampLook": 0, **call.COLOURS}}))
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=90)
    rect = lp.main_rect(s, LAYOUT)
    seen = call.watch(s, rect, LAYOUT, 20, until=lambda lit: "CD" in lit)
    assert "CD" in seen[-1], f"the connection did not light CD: {seen}"

    s.post("Blinkery", "WM_CHAR", ord("n"), cls="TMainWindow")
    seen = call.watch(s, rect, LAYOUT, 20, until=lambda lit: "CD" not in lit)
    assert "CD" not in seen[-1], f"CD still lit after Hang-up NOW!: {seen[-1]}"
    log = s.app_dir / "rasdial.log"
    assert log.exists() and log.read_text().splitlines() == [f"/disconnect\t{SW_HIDE}"], \
        log.read_text() if log.exists() else "rasdial.exe did not run"
    assert h.Ini((s.app_dir / "standin.ini").read_text()).get("RAS", "Connection") == ""

    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()


h.main(hang_up_now, versions=("win2k",))
