"""A call on the stand-ins: the UART registers of the stand-in port I/O
library ([COMn] of standin.ini), the dial-up application RNAAPP.EXE with
BLIDLL.DLL ([RNAAPP], Windows 95/98/ME) and the RAS connection of the
stand-in RASAPI32.DLL ([RAS], NT 4 and 2000), all in one control file; and
which lamps a screenshot shows lit."""
import shutil
import time

import harness as h
import lamp_panel as lp

CTS, DSR, RI, DCD = 0x10, 0x20, 0x40, 0x80

RAS_ENTRY = {"Number": "123456", "DeviceType": "modem", "DeviceName": "Standard Modem"}

COLOURS = {"BackgroundColor": 0xC0C0C0, "TextColor": 0x000000, "LightColorOn": 0x0000FF,
           "LightColorOff": 0x828282}


class Line:
    """The control file's state; write() puts all of it into standin.ini."""

    def __init__(self, s, port=2):
        self.s = s
        self.port = port
        self.msr = CTS | DSR
        self.rnaapp = {"Connected": 0, "Speed": 0}
        self.ras = None          # {key: value} of [RAS], None for no section
        self.ras_entries = {}    # entry name -> {key: value}
        self.stat_data = {}      # [StatData] values published under HKEY_DYN_DATA

    def write(self):
        parts = [f"[COM{self.port}]", f"MSR=0x{self.msr:02X}", "MCR=0x03", "[RNAAPP]"]
        parts += [f"{k}={v}" for k, v in self.rnaapp.items()]
        if self.stat_data:
            parts.append("[StatData]")
            parts += [f"{k}={v}" for k, v in self.stat_data.items()]
        if self.ras is not None:
            parts.append("[RAS]")
            parts += [f"{k}={v}" for k, v in self.ras.items()]
        for name, keys in self.ras_entries.items():
            parts.append(f"[RAS Entry {name}]")
            parts += [f"{k}={v}" for k, v in keys.items()]
        text = "\r\n".join(parts) + "\r\n"
        path = self.s.app_dir / "standin.ini"
        # Written whole and renamed, so that no reader sees half a file.
        tmp = path.with_suffix(".tmp")
        tmp.write_bytes(text.encode("cp1252"))
        tmp.replace(path)


def install(s, *names):
    """Copies stand-ins from the build folder beside Blinkery.exe."""
    for name in names:
        shutil.copy2(h.exe_path().parent / name, s.app_dir / name)


def install_ras_standin(s):
    """The stand-in RASAPI32.DLL beside Blinkery.exe, loaded in place of
    Wine's own (the prefix's DLL override)."""
    install(s, "RASAPI32.DLL")
    h._run([h.WINE, "reg", "add", r"HKCU\Software\Wine\DllOverrides", "/v", "rasapi32", "/d", "native", "/f"],
           env=s.env, timeout=120)


def connected_ras(s, port=1):
    """The stand-in RASAPI32.DLL with the connection "Work" up on a modem,
    and the stand-in rasdial.exe that notes how the hang-up started it."""
    install_ras_standin(s)
    install(s, "rasdial.exe")
    line = Line(s, port=port)
    line.ras = {"Device1": "modem,Standard Modem,COM1", "Connection": "Work", "State": 8192, "Bps": 49333}
    line.ras_entries = {"Work": RAS_ENTRY}
    line.write()
    return line


def lit_lamps(screen, rect, layout, look=0, colours=COLOURS):
    """The signals whose lamps the screen shows lit in a main window."""
    _, _, _, family, (x0, y0, sx, sy), lamps = lp.LAYOUTS[layout]
    left, top = lp.panel_origin(rect, layout)
    surround = lp.rgb(colours["BackgroundColor"])
    on_colours = {lp.LIT: lp.rgb(colours["LightColorOn"]), lp.UNLIT: lp.rgb(colours["LightColorOff"]),
                  lp.SURROUND: surround}
    on_image = lp.pictures()[lp.lamp_name(family, look, "on")]
    off_image = lp.pictures()[lp.lamp_name(family, look, "off")]
    lit = set()
    for row, column, signal in lamps:
        if signal is None:
            continue
        votes = 0
        for y, (on_line, off_line) in enumerate(zip(on_image, off_image)):
            for x, (p, q) in enumerate(zip(on_line, off_line)):
                want_on, want_off = on_colours.get(p, p), on_colours.get(q, q)
                if want_on == want_off or want_on is None or want_off is None:
                    continue
                got = screen.pixel(left + x0 + column * sx + x, top + y0 + row * sy + y)
                votes += (got == want_on) - (got == want_off)
        if votes > 0:
            lit.add(signal)
    return lit


def watch(s, rect, layout, seconds, until=None):
    """Screenshots for a while: every set of lit lamps seen, in order. Stops
    early once until(lit) holds."""
    seen = []
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        lit = lit_lamps(s.screenshot_pixels(), rect, layout)
        seen.append(lit)
        if until and until(lit):
            break
    return seen


def ring(s, line, rect, layout):
    """One ring pulse: RI must light and go out again. Gives the moment the
    ring was raised; Blinkery cannot see it before then, however slowly the
    screenshots come."""
    line.msr = CTS | DSR | RI
    raised = time.monotonic()
    line.write()
    seen = watch(s, rect, layout, 20, until=lambda lit: "RI" in lit)
    assert ever(seen, "RI"), f"no ring lamp: {seen}"
    line.msr = CTS | DSR
    line.write()
    seen = watch(s, rect, layout, 20, until=lambda lit: "RI" not in lit)
    assert "RI" not in seen[-1], seen[-1]
    return raised


def ever(seen, signal):
    return any(signal in lit for lit in seen)


def total_seconds(ini, port=2):
    """"TotalConnectNew" of a port's section, in seconds."""
    return float(ini.get(f"Lampwatcher on COM{port}", "TotalConnectNew")) * 86400


def dial_up_call(s, line, rect, layout):
    """A call of the dial-up application at 57600 bps with data both ways:
    CD, HS, RD and TD must light, RD flicker with the ticks, and CD go out
    after the hang-up. Gives the call's length in seconds."""
    line.msr = CTS | DSR | DCD
    line.rnaapp = {"Connected": 1, "Speed": 57600, "Received": 0, "Sent": 0,
                   "ReceivedPerSecond": 5000, "SentPerSecond": 1500}
    line.write()
    connected_at = time.monotonic()
    seen = watch(s, rect, layout, 20, until=lambda lit: {"CD", "HS"} <= lit)
    assert ever(seen, "CD") and ever(seen, "HS"), f"no carrier or high speed: {seen}"
    seen = watch(s, rect, layout, 15)
    for signal in ("CD", "HS", "RD", "TD"):
        assert ever(seen, signal), f"{signal} never lit while connected: {seen}"
    assert not all("RD" in lit for lit in seen), "RD must flicker with the ticks, not stay lit"

    line.msr = CTS | DSR
    line.rnaapp = {"Connected": 0, "Speed": 0}
    line.write()
    length = time.monotonic() - connected_at
    seen = watch(s, rect, layout, 20, until=lambda lit: "CD" not in lit)
    assert "CD" not in seen[-1], f"CD still lit after the disconnect: {seen[-1]}"
    return length


def check_total(s, length, delay):
    """The stored total connect time is the call plus the negotiation delay."""
    total = total_seconds(s.read_ini())
    print(f"     session {length:.2f} s + {delay} s delay; stored total {total:.2f} s")
    assert abs(total - (length + delay)) < 1.0, (total, length)
