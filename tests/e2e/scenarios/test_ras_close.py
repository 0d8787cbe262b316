"""Closing Blinkery while a dial-up connection is up (Windows NT 4 and 2000
modes, the stand-in RASAPI32.DLL in place of Wine's own): shut-down asks
"Close Down Dial-Up Connection?"; Yes hangs the connection up, No leaves it
up and Blinkery ends all the same."""
import harness as h
import standin_call as call

QUESTION = "Close Down Dial-Up Connection?"
STILL_CONNECTED = "Still connected! Exit Blinkery anyway?"
HANDLE = "5A5A0001"  # the stand-in's connection handle

CONTROL = ("[RAS]\r\n"
           "Connection=Work\r\n"
           "State=8192\r\n"
           "HangUpPolls=2\r\n"
           "[RAS Entry Work]\r\n"
           "Number=123456\r\n"
           "DeviceType=modem\r\n"
           "DeviceName=Standard Modem\r\n")


def control(s):
    return h.Ini((s.app_dir / "standin.ini").read_bytes().decode("cp1252"))


def hang_ups(s):
    log = s.app_dir / "standin.log"
    lines = log.read_text(errors="replace").splitlines() if log.exists() else []
    return [line for line in lines if line.startswith("ras hangup")]


def close_and_answer(s, answer):
    (s.app_dir / "standin.ini").write_bytes(CONTROL.encode("cp1252"))
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    s.close("Blinkery", cls="TMainWindow")
    text, buttons, _ = s.wait_message_box(timeout=30)
    if text == STILL_CONNECTED:
        # Once the RAS method has seen the connection, CD is up and the
        # close query asks about that first.
        s.answer("Blinkery", "&Yes")
        text, buttons, _ = s.wait_message_box(timeout=30)
    assert text == QUESTION, text
    assert buttons == ["&Yes", "&No"], buttons
    s.answer("Blinkery", answer)
    code = app.wait_exit(timeout=30)
    assert code == 0, f"exit code {code}; output:\n{app.output()}"


def ras_close(s):
    call.install_ras_standin(s)
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1),
                            {"Lampwatcher on COM1": {"Warn when Exiting": "0"}}))

    close_and_answer(s, "&No")
    assert control(s).get("RAS", "Connection") == "Work", "No must leave the connection up"
    assert hang_ups(s) == [], hang_ups(s)

    close_and_answer(s, "&Yes")
    assert control(s).get("RAS", "Connection") == "", "Yes must hang the connection up"
    # The poll timer still runs while shut-down waits for the hang-up; a
    # tick whose RAS method finds the connection gone releases the stale
    # handle once more.
    calls = hang_ups(s)
    assert 1 <= len(calls) <= 2 and all(call.split()[2] == HANDLE for call in calls), calls


h.main(ras_close, versions=("nt40", "win2k"))
