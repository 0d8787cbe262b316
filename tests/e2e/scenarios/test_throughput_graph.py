"""The throughput graph (Windows 98 mode, stand-in UART with the dial-up
statistics): a played transfer shows in the window "Throughput" as stacked
columns, received data below sent, with the rates in its status bar; it
hides while Blinkery is minimised and comes back when it is restored, and
after the settings dialog closes; closing the window stores "Throughput" 0
and its place and size. With
"ThroughputInDisplay" the graph stands under the Courier panel of the main
window."""
import re
import time

import harness as h
import lamp_panel as lp
import standin_call as call
import standin_modem as modem
from settings_dialog import close_settings, open_settings

RD, TD = (0, 255, 0), (255, 0, 0)   # "LightThroughputRD" 0x00FF00, "LightThroughputTD" 0x0000FF
STATUS = re.compile(r"DL: +(\d+\.\d) kB/s   UL: +(\d+\.\d) kB/s")
BOUNDS = {"Throughput Window Position X": "320", "Throughput Window Position Y": "300", "TWindowSizeX": "400",
          "TWindowSizeY": "200"}


def start(s, **keys):
    line = call.Line(s)
    line.write()
    ini = modem.direct_access(2, DUNRegistry=1, DUNRegistryName="Dial-Up Adapter", RNAAPP=0, NewOrientation=5)
    ini["Lampwatcher on COM2"].update({"Throughput": "1", "ThroghputUpdateSpeed": "5", **BOUNDS,
                                       **{k: str(v) for k, v in keys.items()}})
    s.write_ini(ini)
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=90)
    line.msr = call.CTS | call.DSR | call.DCD
    line.rnaapp = {"Connected": 1, "Speed": 57600, "Received": 0, "Sent": 0,
                   "ReceivedPerSecond": 3000, "SentPerSecond": 1000}
    line.write()
    return app, line


def hang_up(s, line):
    line.msr = call.CTS | call.DSR
    line.rnaapp = {"Connected": 0, "Speed": 0}
    line.write()


def stacked_columns(picture, left, top, right, bottom):
    """Columns whose received part (at the bottom) carries a sent part."""
    count = 0
    for x in range(left, right):
        column = [picture.pixel(x, y) for y in range(top, bottom)]
        if RD in column and TD in column and column.index(TD) < len(column) - 1 - column[::-1].index(RD):
            count += 1
    return count


SC_RESTORE = 0xF120


def graph_window_comes_back(s):
    """Minimise and restore, and the settings dialog's Cancel."""
    s.post("Blinkery", "WM_CHAR", ord("m"), cls="TMainWindow")
    s.wait_gone("Throughput", cls="TGraphDisplay", timeout=20, visible=True)
    s.post("Blinkery", "WM_SYSCOMMAND", SC_RESTORE, cls="TMainWindow")
    s.wait_window("Throughput", cls="TGraphDisplay", timeout=20)
    open_settings(s)
    close_settings(s, "Cancel")
    time.sleep(1)  # past the hide that follows the dialog
    s.wait_window("Throughput", cls="TGraphDisplay", timeout=20)


def graph_window(s):
    app, line = start(s, ThroughputDataInWindow=1)
    s.wait_window("Throughput", cls="TGraphDisplay", timeout=30)
    rect = s.rect("Throughput", cls="TGraphDisplay")
    area = (rect.client_left, rect.client_top, rect.client_left + rect.client_width,
            rect.client_top + rect.client_height - 18)
    picture = s.wait_screen(lambda p: stacked_columns(p, *area) >= 5, timeout=30, what="stacked columns")
    status = s.find_window("Throughput", cls="TGraphDisplay").children[0].text
    match = STATUS.fullmatch(status)
    # 3000 and 1000 bytes a second played; one sample spans a timer period, so allow for jitter
    down, up = (float(match.group(1)), float(match.group(2))) if match else (0, 0)
    assert 1.5 < down < 6.0 and 0.4 < up < 2.5 and down > up, status
    print(f"     {stacked_columns(picture, *area)} stacked columns; status {status!r}")
    lp.save_crop(s, [rect], "throughput-window")
    graph_window_comes_back(s)

    s.close("Throughput", cls="TGraphDisplay")
    time.sleep(1)
    assert not s.find_window("Throughput", cls="TGraphDisplay").visible, "the window did not close"
    hang_up(s, line)
    time.sleep(2)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()
    ini = s.read_ini()
    assert ini.get("Lampwatcher on COM2", "Throughput") == "0"
    stored = {k: ini.get("Lampwatcher on COM2", k) for k in BOUNDS}
    assert stored == {"Throughput Window Position X": str(rect.left), "Throughput Window Position Y": str(rect.top),
                      "TWindowSizeX": str(rect.right - rect.left), "TWindowSizeY": str(rect.bottom - rect.top)}, stored


def graph_in_display(s):
    app, line = start(s, ThroughputInDisplay=1, WindowSizeY=140, ThroughputDataInWindow=1)
    main = lp.main_rect(s, 5)
    area = (main.client_left, main.client_top + 30, main.client_left + main.client_width,
            main.client_top + main.client_height)
    s.wait_screen(lambda p: stacked_columns(p, *area) >= 3, timeout=30, what="the graph under the panel")
    main = s.rect("Blinkery", cls="TMainWindow")
    lp.save_crop(s, [main], "throughput-in-display")
    assert s.find_window("Throughput", cls="TGraphDisplay").visible is False
    hang_up(s, line)
    time.sleep(2)
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=60) == 0, app.output()


def throughput_graph(s):
    modem.install(s)
    call.install(s, "RNAAPP.EXE")
    s.start(exe="C:\\blinkery\\RNAAPP.EXE", name="rnaapp")
    graph_window(s)
    graph_in_display(s)


h.main(throughput_graph, versions=("win98",))
