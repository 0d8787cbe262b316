"""The five layouts in each of the three lamp looks (Windows 98 mode): five
Blinkery processes, one per port COM1 to COM5, each showing one layout, with
CTS, DSR and DCD raised and DTR and RTS set through the stand-in port I/O
library. Every client pixel is compared with the panel the embedded
pictures give in that look and those colours (the default ones and two
others), lit lamps in "LightColorOn" and the rest in "LightColorOff"; a
crop of each screen is kept as build/screenshots/lamp-display-<look>.png."""
import time

import harness as h
import lamp_panel as lp
import standin_modem as modem

ROUNDS = [  # look, colour settings (0x00BBGGRR)
    (0, {"BackgroundColor": 0xC0C0C0, "TextColor": 0x000000, "LightColorOn": 0x0000FF, "LightColorOff": 0x828282}),
    (1, {"BackgroundColor": 0xF0D8B0, "TextColor": 0x602000, "LightColorOn": 0x00D000, "LightColorOff": 0x505050}),
    (2, {"BackgroundColor": 0x90E0F8, "TextColor": 0x0050A0, "LightColorOn": 0xFF6000, "LightColorOff": 0x707070}),
]
PLACES = {1: (20, 20), 2: (160, 20), 3: (380, 20), 4: (20, 140), 5: (180, 140)}
LIT = {"CTS", "DSR", "CD", "DTR", "RTS"}
LINES = modem.CTS | modem.DSR | modem.DCD


def write_registers(s, msr):
    text = "".join(f"[COM{port}]\r\nMSR=0x{msr:02X}\r\nMCR=0x03\r\n" for port in PLACES)
    (s.app_dir / "standin.ini").write_bytes(text.encode())


def settings(look, colours):
    ini = {"Lampwatcher: Main": {"Default Port": "1", "Show Logo at Startup": "0"}}
    for layout, (x, y) in PLACES.items():
        section = modem.direct_access(layout)[f"Lampwatcher on COM{layout}"]
        section.update({"NewOrientation": layout, "LampLook": look, "Window Position X": x,
                        "Window Position Y": y, "Timer Interval": 4})
        section.update({key: str(value) for key, value in colours.items()})
        ini[f"Lampwatcher on COM{layout}"] = section
    return ini


def looks(s):
    modem.install(s)
    for look, colours in ROUNDS:
        write_registers(s, LINES)
        s.write_ini(settings(look, colours))
        apps = [s.start(str(port)) for port in PLACES]
        expected = {place: (layout, lp.expected_panel(layout, look, colours, LIT), colours["BackgroundColor"], 0)
                    for layout, place in PLACES.items()}
        _, rects = lp.wait_panels(s, expected, timeout=180, what=f"the {lp.LOOK_NAMES[look]} panels")
        crop = lp.save_crop(s, list(rects.values()), f"lamp-display-{lp.LOOK_NAMES[look].lower()}")
        print(f"     {lp.LOOK_NAMES[look]}: five layouts as expected; {crop}")

        write_registers(s, modem.CTS | modem.DSR)  # no carrier: closing asks nothing
        time.sleep(2)
        for window, _ in lp.main_windows(s):
            s.close(f"hwnd:{window.hwnd:#x}")
        for app in apps:
            assert app.wait_exit(timeout=60) == 0, app.output()


h.main(looks, versions=("win98",))
