"""Blinkery starts in Windows 98, NT 4 and 2000 modes, shows its main
window, and a WM_CLOSE ends the process cleanly."""
import time

import harness as h


def starts_and_closes(s):
    s.write_ini(h.merge_ini({"Lampwatcher: Main": {"Default Port": "1"}}, h.quiet_defaults(port=1)))
    app = s.start()
    window = s.wait_window("Blinkery", cls="TMainWindow", timeout=30)
    assert window.visible, "the main window is hidden"
    assert app.running, f"the program ended early with {app.returncode}"

    s.close("Blinkery", cls="TMainWindow")
    started = time.monotonic()
    code = app.wait_exit(timeout=10)
    assert code == 0, f"exit code {code}, expected 0; output:\n{app.output()}"
    print(f"     closed in {time.monotonic() - started:.1f} s")
    s.wait_gone("Blinkery", cls="TMainWindow", timeout=5)


h.main(starts_and_closes)
