"""The companion lights program's WM_COPYDATA message is hostile input
(Windows 98 mode): a well-formed message, one without its NUL, numbers far
beyond 32 bits, a byte count larger than the text, a megabyte of text and
one of digits, an empty message, another identifier and a message of 4 MB,
sent by lightsmsg.exe with "DUNLights" and "Run Lights" on. Blinkery takes
every one (Wine fails to hand the 4 MB one over: the receiver's GetMessage
returns -1, which must not end the program), keeps running and answering.
A WM_QUIT posted by another program ends it with its settings saved."""
import harness as h
import standin_call as call

VARIANTS = ["normal", "nonul", "huge", "overcount", "megabytes", "empty", "otherid", "digits", "text:4194304",
            "normal"]
MAY_FAIL = {"text:4194304"}   # the sender may be told it failed; the receiver must live


def lights_message(s):
    call.install(s, "lightsmsg.exe")
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
    assert s.send("Blinkery", 0, cls="TMainWindow") == 0   # WM_NULL: still answering
    s.post("Blinkery", "WM_QUIT", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()
    ini = s.read_ini()
    assert ini.get("Lampwatcher on COM1", "TotalConnectNew") is not None, "the settings were not saved"
    assert ini.get("Lampwatcher on COM1", "Timer Interval") == "17"
    assert ini.get("Lampwatcher on COM1", "ConnectSound") == "C:\\sounds\\up.wav"


h.main(lights_message, versions=("win98",))
