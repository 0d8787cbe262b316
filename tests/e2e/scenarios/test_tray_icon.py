"""The tray icon (Windows 98 mode, stand-in modem on COM2): with
"ShowTrayIcon" 1 the icon shows the modem without carrier and changes when
the stand-in raises DCD; a right click on it opens the popup menu; the M key
hides Blinkery into the tray (no window, no task-bar button) and a double
click on the icon brings it back; when the shell has lost the icon, its
"TaskbarCreated" broadcast brings it back. The clicks are the user's, on
the icon in Wine's task bar."""
import time

import harness as h
import lamp_panel as lp
import standin_modem as modem
import tray_icon as tray

VK_ESCAPE = 0x1B


def taskbar_button_shown(s, hwnd):
    bar = next(w for w in s.list_windows(all=True) if w.cls == "Shell_TrayWnd")
    return any(c.id == hwnd and c.visible for c in bar.children)


def tray_icon(s):
    modem.install(s)
    modem.set_registers(s, 2, modem.CTS | modem.DSR)
    s.write_ini(modem.direct_access(2, ShowTrayIcon=1, NewOrientation=5))
    app = s.start()
    window = s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    at = tray.wait_icon(s, "MODEM1_NC")
    print(f"     icon at {at}")

    modem.set_registers(s, 2, modem.CTS | modem.DSR | modem.DCD)
    at = tray.wait_icon(s, "MODEM1")
    bar = s.rect("*", cls="Shell_TrayWnd")
    icon_area = h.Rect(at[0] - 40, bar.top, bar.right, bar.bottom, 0, 0, 0, 0)
    lp.save_crop(s, [icon_area], "tray-icon", margin=0)
    middle = (at[0] + 8, at[1] + 8)

    # The shell loses the icon (as when Explorer restarts) and announces a
    # new task bar.
    code, _ = s.wintool("tray-delete", "", 42, "--class", tray.MESSAGE_WINDOW, "--timeout", 5000)
    assert code == 0, "the icon could not be removed"
    tray.icon_gone(s, ["MODEM1"])
    code, _ = s.wintool("broadcast", "TaskbarCreated")
    assert code == 0
    at = tray.wait_icon(s, "MODEM1")
    middle = (at[0] + 8, at[1] + 8)

    s.click(middle, button=3)
    menu = s.wait_window("*", cls="#32768", timeout=20)
    time.sleep(0.5)
    lp.save_crop(s, [s.rect(f"hwnd:{menu.hwnd:#x}"), icon_area], "tray-popup", margin=4)
    s.post(f"hwnd:{menu.hwnd:#x}", "WM_KEYDOWN", VK_ESCAPE)
    s.wait_gone("*", cls="#32768", timeout=20)

    modem.set_registers(s, 2, modem.CTS | modem.DSR)
    s.post("Blinkery", "WM_CHAR", ord("m"), cls="TMainWindow")
    deadline = time.monotonic() + 20
    while (s.find_window("Blinkery", cls="TMainWindow").visible or taskbar_button_shown(s, window.hwnd)) \
            and time.monotonic() < deadline:
        time.sleep(0.3)
    assert not s.find_window("Blinkery", cls="TMainWindow").visible, "M left the window shown"
    assert not taskbar_button_shown(s, window.hwnd), "M left the task-bar button"
    at = tray.wait_icon(s, "MODEM1_NC")
    s.click((at[0] + 8, at[1] + 8), repeat=2)
    deadline = time.monotonic() + 20
    while not s.find_window("Blinkery", cls="TMainWindow").visible and time.monotonic() < deadline:
        time.sleep(0.3)
    assert s.find_window("Blinkery", cls="TMainWindow").visible, "the double click left Blinkery in the tray"

    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()
    tray.icon_gone(s, ["MODEM1", "MODEM1_NC"])


h.main(tray_icon, versions=("win98",))
