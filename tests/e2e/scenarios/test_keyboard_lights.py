"""The keyboard lights: with "KeyboardLights_CD" on Caps Lock, Blinkery's
keyboard state follows the carrier of the stand-in modem on Windows 98
(read inside Blinkery's thread by a message hook); on Windows 2000 nothing
is written, so Caps Lock stays off while a RAS connection is up."""
import shutil
import time

import harness as h
import lamp_panel as lp
import standin_call as call
import standin_modem as modem

CAPS_LOCK = 20


def caps_lock(s):
    """Caps Lock's toggle in Blinkery's thread."""
    state = s.app_dir / "keystate.txt"
    state.unlink(missing_ok=True)
    # The hook runs when Blinkery's thread next takes a message: a thread
    # still busy starting may let the tool's wait pass first.
    for _ in range(5):
        code, _ = s.wintool("keystate", "Blinkery", "--class", "TMainWindow", "--timeout", 5000, timeout=60)
        if code != 0 or state.exists():
            break
    assert code == 0 and state.exists(), "the key-state hook did not run"
    keys = dict(item.split("=") for item in state.read_text().split())
    return int(keys[str(CAPS_LOCK)])


def wait_caps_lock(s, wanted, timeout=20):
    deadline = time.monotonic() + timeout
    while (value := caps_lock(s)) != wanted and time.monotonic() < deadline:
        time.sleep(0.5)
    return value


def keyboard_lights(s):
    shutil.copy2(h.wintool_path().parent / "keyhook.dll", s.app_dir / "keyhook.dll")
    line = call.Line(s, port=2 if s.version == "win98" else 1)
    if s.version == "win98":
        modem.install(s)
        line.write()
        ini = modem.direct_access(2, NewOrientation=5)
        ini["Lampwatcher on COM2"]["KeyboardLights_CD"] = str(CAPS_LOCK)
        s.write_ini(ini)
    else:
        call.install_ras_standin(s)
        line.ras = {"Device1": "modem,Standard Modem,COM1", "Connection": ""}
        line.ras_entries = {"Work": call.RAS_ENTRY}
        line.write()
        s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                                {"Lampwatcher on COM1": {"NewOrientation": 5, "KeyboardLights_CD": CAPS_LOCK}}))
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=90)
    assert caps_lock(s) == 0

    if s.version == "win98":
        line.msr = call.CTS | call.DSR | call.DCD
    else:
        line.ras.update({"Connection": "Work", "State": 8192, "Bps": 49333})
    line.write()
    if s.version == "win98":
        assert wait_caps_lock(s, 1) == 1, "Caps Lock did not follow the carrier"
        line.msr = call.CTS | call.DSR
        line.write()
        assert wait_caps_lock(s, 0) == 0, "Caps Lock stayed on after the carrier dropped"
    else:
        rect = lp.main_rect(s, 5)
        call.watch(s, rect, 5, 20, until=lambda lit: "CD" in lit)
        time.sleep(2)
        assert caps_lock(s) == 0, "Windows 2000 wrote the keyboard state"
        line.ras["Connection"] = ""
        line.write()
        call.watch(s, rect, 5, 20, until=lambda lit: "CD" not in lit)

    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()


h.main(keyboard_lights, versions=("win98", "win2k"))
