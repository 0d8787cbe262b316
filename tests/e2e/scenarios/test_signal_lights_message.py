"""The companion lights program's WM_COPYDATA message is hostile input
(Windows 98 mode): a well-formed message, one without its NUL, numbers far
beyond 32 bits, a byte count larger than the text, a megabyte of text and
one of digits, an empty message, another identifier and a message of 4 MB,
sent by lightsmsg.exe with "DUNLights" and "Run Lights" on. Blinkery takes
every one (Wine fails to hand the 4 MB one over: the receiver's GetMessage
returns -1, which must not end the program), keeps running and answering.
The system's lights program (a recording stand-in) is started by the first
message and not again while it runs; once it has ended, the next message
starts it again. A WM_QUIT posted by another program ends it with its
settings saved."""
import shutil
import time

import harness as h
import standin_call as call
from settings_dialog import wait_for

VARIANTS = ["normal", "nonul", "huge", "overcount", "megabytes", "empty", "otherid", "digits", "text:4194304",
            "normal"]
MAY_FAIL = {"text:4194304"}   # the sender may be told it failed; the receiver must live


def lights_message(s):
    call.install(s, "lightsmsg.exe")
    shutil.copy2(h.exe_path().parent / "rasdial.exe", s.app_dir / "lights!.exe")
    waiting = s.app_dir / "rasdial.wait"
    waiting.write_text("")
    runs = s.app_dir / "rasdial.log"
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                            {"Lampwatcher on COM1": {"DUNLights": "1", "Run Lights": "1", "Timer Interval": "17",
                                                     "ConnectSound": "C:\\sounds\\up.wav"}}))
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=90)
    code, out, err = h.run_captured([h.WINE, "C:\\blinkery\\lightsmsg.exe", *VARIANTS], env=s.env, cwd=s.app_dir,
                                    timeout=600)
    results = [line.split("\t") for line in out.decode(errors="replace").splitlines() if "\t" in line]
    assert code == 0, f"lightsmsg failed ({code}): {err.decode(errors='replace')[-2000:]}"
    assert [r[0] for r in results] == VARIANTS, results
    assert all(r[1] == "sent" for r in results if r[0] not in MAY_FAIL), results
    print("     " + ", ".join(f"{r[0]} {r[1]}" for r in results if r[0] in MAY_FAIL))
    assert app.running, app.output()
    started = runs.read_bytes().decode(errors="replace").splitlines()
    assert len(started) == 1 and started[0].endswith(" Office dial-up\t1"), started
    waiting.unlink()
    time.sleep(3)   # the stand-in sees its file gone and ends
    code, out, err = h.run_captured([h.WINE, "C:\\blinkery\\lightsmsg.exe", "normal"], env=s.env, cwd=s.app_dir,
                                    timeout=120)
    assert code == 0, err.decode(errors="replace")[-2000:]
    wait_for(lambda: len(runs.read_bytes().splitlines()) == 2, "the ended program was not started again")
    assert s.send("Blinkery", 0, cls="TMainWindow") == 0   # WM_NULL: still answering
    s.post("Blinkery", "WM_QUIT", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()
    ini = s.read_ini()
    assert ini.get("Lampwatcher on COM1", "TotalConnectNew") is not None, "the settings were not saved"
    assert ini.get("Lampwatcher on COM1", "Timer Interval") == "17"
    assert ini.get("Lampwatcher on COM1", "ConnectSound") == "C:\\sounds\\up.wav"


h.main(lights_message, versions=("win98",))
