"""Odd and hostile values in a port's section are read by the program's
rules and written back normalised: existing keys stay in place, the missing
ones are appended in write order. A quoted program path comes back as it
went in (the profile reader takes one pair of quotes off, the writer adds
one). Sizes, periods and dates outside their ranges read as their defaults:
the window with its graph under the panel is drawn at a sane size, and the
values written back are the defaults."""
import harness as h
from settings_checks import MAIN, assert_port_section_complete

SECTION = "Lampwatcher on COM2"
ODD = {
    "NoVxd": "1",
    "No Direct Hardware Acesss": "1",
    "Timer Interval": "0x10",
    "TitleBar Offset": "$10",
    "OnTop": "abc",
    "CD High Delay": "-7",
    "NewOrientation": "-6",
    "ConnectResetLoggerEvent": "0",
    "ConnectResetLoggerTimeRef": "45000.5",
    "RAS": "0",
    "Auto Run CD High": "1",
    "Auto Run Program": '""C:\\Program Files\\X\\x.exe""',  # read as "C:\Program Files\X\x.exe"
}
# Each would wrap a size or a period, or leave the calendar.
HOSTILE = {
    "Throughput": "1",
    "ThroughputInDisplay": "1",
    "WindowSizeX": "600",
    "WindowSizeY": "7300000",
    "TWindowSizeY": "-5",
    "ThroghputUpdateSpeed": "50000000",
    "Font Size SPY": "99999",
    "Window Position Y": "-2147483648",
    "TotalConnectNew": "1E+300",
    "TotalConnectReset": "-1E+300",
}
SANE = {"WindowSizeY": "80", "TWindowSizeY": "50", "ThroghputUpdateSpeed": "10", "Font Size SPY": "10",
        "TotalConnectNew": "0.00000000000000E+0000"}
GRAPH_BACKGROUND = (0xFE, 0xFE, 0xEB)


def normalised(s):
    s.write_ini({MAIN: {"Default Port": "2", "Show Logo at Startup": "0"}, SECTION: {**ODD, **HOSTILE}})
    app = s.start()
    s.wait_window("Blinkery", cls="TMainWindow", timeout=60)
    main = s.rect("Blinkery", cls="TMainWindow")
    assert main.right - main.left == 600 and main.bottom - main.top < 400, main
    s.wait_screen(lambda p: p.colours(main.left, main.top, main.right, main.bottom)[GRAPH_BACKGROUND] > 1000,
                  timeout=30, what="the graph under the panel")
    s.close("Blinkery", cls="TMainWindow")
    assert app.wait_exit(timeout=30) == 0, app.output()

    ini = s.read_ini()
    get = lambda key: ini.get(SECTION, key)
    assert get("Timer Interval") == "16"
    assert get("TitleBar Offset") == "16"
    assert get("OnTop") == "0"
    assert get("CD High Delay") == "5", "a negative number in a uint key takes its default"
    assert get("NewOrientation") == "3"
    assert get("ConnectResetLoggerTimeRef").strip() == "0.00000000000000E+0000"
    assert get("Auto Run CD High") == "1"
    assert get("Auto Run Program") == ODD["Auto Run Program"], get("Auto Run Program")
    assert get("RAS") == ("0" if s.version == "win98" else "1"), "RAS is always on under NT"
    assert get("Font Style SPY") == "Arial"
    assert len(get("TotalConnectReset").strip()) == 22, get("TotalConnectReset")
    assert {k: get(k) for k in SANE} == SANE
    assert int(get("Window Position Y")) >= 0
    assert_port_section_complete(ini, SECTION, existing=list(ODD) + list(HOSTILE))
    assert [k for k, _ in ini.section(MAIN)] == ["Default Port", "Show Logo at Startup", "EditorName"]
    assert ini.get(MAIN, "Default Port") == "2"
    assert ini.get(MAIN, "Show Logo at Startup") == "0"


h.main(normalised, versions=("win98", "win2k"))
