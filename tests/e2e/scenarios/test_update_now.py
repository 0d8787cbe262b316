"""With "Timer Interval" 0 nothing polls the modem (Windows 98 mode): a
carrier on the stand-in is not seen and closing asks nothing, until
"Update Lamps &Now!" in the system menu runs one tick; then closing asks."""
import time

import harness as h
import standin_modem as modem

UPDATE_NOW = 300


def update_now(s):
    modem.install(s)
    modem.set_registers(s, 3, modem.DCD)
    s.write_ini(modem.direct_access(3, **{"Timer Interval": 0}))

    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    time.sleep(1.5)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, "without a tick the carrier is unknown, so closing must not ask"

    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    s.post("Blinkery", "WM_SYSCOMMAND", UPDATE_NOW, cls="TMainWindow")
    time.sleep(1)
    s.close("Blinkery", cls="TMainWindow")
    text, _, _ = s.wait_message_box(timeout=30)
    assert text == "Still connected! Exit Blinkery anyway?", text
    s.answer("Blinkery", "&Yes")
    assert app.wait_exit(timeout=30) == 0, app.output()


h.main(update_now, versions=("win98",))
