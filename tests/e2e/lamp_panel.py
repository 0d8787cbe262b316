"""The lamp panel as Blinkery must draw it, for checking screenshots: the
layout tables, the embedded pictures (from the build's pictures.txt, the
pixels resgen put into the exe) and the recolouring rules; and the GDI
object count of a running process (tests/e2e/tool/gdicount.c)."""
import shutil
import time
import subprocess
from pathlib import Path

import harness as h

# Layout: picture, size, lamp family, geometry (X0, Y0, StepX, StepY) and
# the signal behind each lamp, in column order (None: no lamp).
LAYOUTS = {
    1: ("SQUARE", 100, 70, "LARGE", (8, 2, 31, 32),
        [(0, 0, "CTS"), (0, 1, "RI"), (0, 2, "CD"), (1, 0, "DSR"), (1, 1, "TD"), (1, 2, "RD")]),
    2: ("HORIZ", 183, 40, "LARGE", (3, 2, 31, 32),
        [(0, c, s) for c, s in enumerate(["CTS", "RI", "CD", "DSR", "TD", "RD"])]),
    3: ("HORIZ_SMALL", 100, 25, "SMALL", (6, 2, 16, 1),
        [(0, c, s) for c, s in enumerate(["CTS", "RI", "CD", "DSR", "TD", "RD"])]),
    4: ("HORIZ_MODEM", 123, 25, "MODEM", (3, 2, 13, 15),
        [(0, c, s) for c, s in enumerate(["HS", "RI", "CD", "RD", "TD", "DTR", "DSR", "RTS", "CTS"])]),
    5: ("COURIER", 172, 25, "MODEM", (8, 2, 13, 15),
        [(0, c, s) for c, s in enumerate(["HS", "RI", "CD", None, "RD", "TD", "DTR", "DSR", "RTS", "CTS",
                                          None, None])]),
}
LOOKS = {0: "D", 1: "R", 2: "SQ"}
LOOK_NAMES = {0: "Diamond", 1: "Round", 2: "Square"}

PANEL, LABEL = (192, 192, 192), (0, 0, 255)
LIT, UNLIT, SURROUND = (255, 0, 0), (0, 255, 0), (0, 0, 255)
ETCH = [(128, 128, 128), (255, 255, 255)]
SEPARATOR_ROW = 22


def rgb(colour):
    """(r, g, b) of a Windows colour value 0x00BBGGRR."""
    return colour & 0xFF, colour >> 8 & 0xFF, colour >> 16 & 0xFF


def lamp_name(family, look, state):
    prefix = {"on": "LIGHTON", "off": "LIGHTOFF", "none": "NOLIGHT"}[state]
    if family == "LARGE":
        return f"{prefix}_LARGE_{LOOKS[look]}"
    if family == "SMALL":
        return f"{prefix}_{LOOKS[look]}"
    return f"{prefix}_MODEM_{LOOKS[look]}"


_pictures = None


def pictures():
    """name -> rows of (r, g, b), as embedded in Blinkery.exe."""
    global _pictures
    if _pictures is None:
        _pictures = {}
        rows = None
        for line in (h.build_dir() / "resources" / "pictures.txt").read_text().splitlines():
            fields = line.split()
            if fields and fields[0] in ("bitmap", "icon"):
                rows = _pictures.setdefault(fields[1].upper(), [])
            elif fields and rows is not None:
                row = fields[0]
                rows.append([tuple(int(row[i + j:i + j + 2], 16) for j in (0, 2, 4))
                             if row[i:i + 6] != "......" else None for i in range(0, len(row), 6)])
    return _pictures


def expected_panel(layout, look, colours, lit, separator=False):
    """The picture as Blinkery shows it: rows of (r, g, b). colours holds the
    settings BackgroundColor, TextColor, LightColorOn, LightColorOff; lit the
    signals that are on."""
    name, width, height, family, (x0, y0, sx, sy), lamps = LAYOUTS[layout]
    background, text = rgb(colours["BackgroundColor"]), rgb(colours["TextColor"])
    on, off = rgb(colours["LightColorOn"]), rgb(colours["LightColorOff"])
    panel = [[background if p == PANEL else text if p == LABEL else p for p in row] for row in pictures()[name]]
    if separator:
        panel[SEPARATOR_ROW] = [ETCH[0]] * width
        panel[SEPARATOR_ROW + 1] = [ETCH[1]] * width
    lamp_colours = {LIT: on, UNLIT: off, SURROUND: background}
    for row, column, signal in lamps:
        state = "none" if signal is None else "on" if signal in lit else "off"
        image = pictures()[lamp_name(family, look, state)]
        for y, line in enumerate(image):
            for x, p in enumerate(line):
                panel[y0 + row * sy + y][x0 + column * sx + x] = lamp_colours.get(p, p)
    return panel


def panel_origin(rect, layout):
    """Screen position of the picture's top-left corner: centred in the
    client area, two rows above it."""
    width = LAYOUTS[layout][1]
    return rect.client_left + int((rect.client_width - width) / 2), rect.client_top - 2


def panel_mismatches(screen, rect, layout, expected, background, text_rows=0):
    """Differences between the client area on screen and the expected
    picture, with the background colour around it; text_rows client rows
    from y = 23 on are left out (the text lines)."""
    left, top = panel_origin(rect, layout)
    mismatches = []
    for y in range(rect.client_height):
        if text_rows and y >= 23:
            break
        for x in range(rect.client_width):
            px, py = rect.client_left + x - left, rect.client_top + y - top
            inside = 0 <= py < len(expected) and 0 <= px < len(expected[0])
            want = expected[py][px] if inside else rgb(background)
            got = screen.pixel(rect.client_left + x, rect.client_top + y)
            if got != want:
                mismatches.append((x, y, got, want))
    return mismatches


def describe(mismatches, limit=5):
    return "; ".join(f"client ({x},{y}) is {got}, expected {want}" for x, y, got, want in mismatches[:limit])


def main_windows(s):
    """Blinkery's visible main windows, each with its rectangle."""
    return [(w, s.rect(f"hwnd:{w.hwnd:#x}")) for w in s.list_windows() if w.cls == "TMainWindow"]


def gdi_count(s, pid):
    """The number of GDI objects process pid holds."""
    tool = h.e2e_dir() / "gdicount.exe"
    source = Path(__file__).resolve().parent / "tool" / "gdicount.c"
    if not tool.exists() or tool.stat().st_mtime < source.stat().st_mtime:
        tool.parent.mkdir(parents=True, exist_ok=True)
        built = tool.with_suffix(".tmp.exe")
        subprocess.run(["i686-w64-mingw32-gcc", "-O2", "-Wall", "-Werror", str(source), "-o", str(built),
                        "-lntdll", "-lgdi32"], check=True, timeout=120)
        built.replace(tool)
    target = s.app_dir / "gdicount.exe"
    if not target.exists():
        shutil.copy2(tool, target)
    code, out, err = h.run_captured([h.WINE, "C:\\blinkery\\gdicount.exe", str(pid)], env=s.env, cwd=s.app_dir,
                                    timeout=120)
    if code != 0:
        raise h.ScenarioError(f"gdicount {pid} failed ({code}): {err.decode(errors='replace')}")
    return int(out.decode().split()[0])


def wait_main_rect(s, condition, what, timeout=60):
    """The main window's rectangle once condition(rect) holds."""
    deadline = time.monotonic() + timeout
    while True:
        rect = s.rect("Blinkery", cls="TMainWindow")
        if condition(rect):
            return rect
        if time.monotonic() >= deadline:
            raise h.ScenarioError(f"{what} did not come within {timeout} s; the window is {rect}")
        time.sleep(0.3)


def main_rect(s, layout, timeout=60):
    """The main window's rectangle once it has the layout's size (its
    client width); lamps read with any other rectangle are read in the
    wrong places."""
    width = LAYOUTS[layout][1]
    return wait_main_rect(s, lambda rect: abs(rect.client_width - width) <= 8, f"layout {layout}'s size", timeout)


def wait_panels(s, expected, timeout=90, what="the lamp panels"):
    """Waits until every window shows its panel. expected maps a window's
    (left, top) to (layout, picture rows, BackgroundColor, text rows).
    Gives the screen and {(left, top): rect}."""
    deadline = time.monotonic() + timeout
    while True:
        rects = {(r.left, r.top): r for _, r in main_windows(s)}
        screen = s.screenshot_pixels()
        problems = []
        for place, (layout, rows, background, text_rows) in expected.items():
            rect = rects.get(place)
            if rect is None:
                problems.append(f"no window at {place} (windows at {sorted(rects)})")
                continue
            wrong = panel_mismatches(screen, rect, layout, rows, background, text_rows)
            if wrong:
                problems.append(f"layout {layout} at {place}: {len(wrong)} pixels differ: {describe(wrong)}")
        if not problems:
            return screen, rects
        if time.monotonic() >= deadline:
            shot = s.screenshot("timeout")
            raise h.ScenarioError(f"{what} not on screen within {timeout} s ({shot}):\n" + "\n".join(problems))
        time.sleep(0.5)


def save_crop(s, rects, name, margin=8):
    """Saves the part of the screen around the windows as
    build/screenshots/<name>.png (shown in the README)."""
    shot = s.screenshot(name)
    left = max(min(r.left for r in rects) - margin, 0)
    top = max(min(r.top for r in rects) - margin, 0)
    right = max(r.right for r in rects) + margin
    bottom = max(r.bottom for r in rects) + margin
    folder = h.build_dir().parent / "screenshots"
    folder.mkdir(parents=True, exist_ok=True)
    target = folder / f"{name}.png"
    subprocess.run(["convert", str(shot), "-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage",
                    str(target)], check=True, timeout=60)
    return target
