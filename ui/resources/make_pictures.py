#!/usr/bin/env python3
"""Writes the program's pictures and cursors as XPM files beside this script.

The window icons are drawn from simple geometry, the two cursors from
character art (X = outline, o = fill, blank = transparent). Run it again
after changing a drawing and commit the .xpm files it writes.
"""
import math
import pathlib

HERE = pathlib.Path(__file__).resolve().parent


def write_xpm(name, rows, palette):
    width = len(rows[0])
    assert all(len(row) == width for row in rows), name
    lines = [f'"{width} {len(rows)} {len(palette)} 1",']
    lines += [f'"{key} c {value}",' for key, value in palette.items()]
    lines += [f'"{row}",' for row in rows]
    lines[-1] = lines[-1].rstrip(",")
    ident = name.replace(".", "_").replace("-", "_")
    text = "/* XPM */\nstatic const char *" + ident + "[] = {\n" + "\n".join(lines) + "\n};\n"
    (HERE / name).write_text(text)


def pad(art, size):
    rows = [row.ljust(size) for row in art]
    return rows + [" " * size] * (size - len(rows))


def raster(size, pixel):
    return ["".join(pixel(x, y) for x in range(size)) for y in range(size)]


def table16():
    # A small table: dark rules, a blue header row, white cells.
    rules_x = {1, 5, 9, 14}
    rules_y = {1, 4, 8, 11, 14}

    def pixel(x, y):
        if not (1 <= x <= 14 and 1 <= y <= 14):
            return " "
        if y in rules_y or x in rules_x:
            return "."
        return "b" if y < 4 else "w"

    return raster(16, pixel)


def globe32():
    # The maker's page: a globe with meridians and parallels.
    c, r = 15.5, 14.0

    def pixel(x, y):
        dx, dy = x - c, y - c
        d = math.hypot(dx, dy)
        if d > r + 0.5:
            return " "
        if d > r - 0.7:
            return "."
        half = math.sqrt(max(r * r - dy * dy, 0.0))
        on_meridian = any(abs(abs(dx) - k * half) < 0.55 for k in (0.0, 0.55))
        on_parallel = any(abs(dy - k) < 0.5 for k in (-7.5, 0.0, 7.5))
        return "l" if on_meridian or on_parallel else "b"

    return raster(32, pixel)


def about16():
    # A round blue sign with a white "i".
    c, r = 7.5, 7.4

    def pixel(x, y):
        d = math.hypot(x - c, y - c)
        if d > r:
            return " "
        if x in (7, 8) and (y in (3, 4) or 6 <= y <= 12):
            return "w"
        return "." if d > r - 1.0 else "b"

    return raster(16, pixel)


# Open hand; its hot spot (16, 14) lies in the palm.
HAND = [
    "",
    "              XX",
    "             XooXXX",
    "           XXXooXooX",
    "          XooXooXooXXX",
    "          XooXooXooXooX",
    "          XooXooXooXooX",
    "          XooXooXooXooX",
    "     XX   XooXooXooXooX",
    "    XooX  XooXooXooXooX",
    "     XooX XooXooXooXooX",
    "      XooXXooXooXooXooX",
    "       XooooooooooooooX",
    "       XooooooooooooooX",
    "        XoooooooooooooX",
    "        XoooooooooooooX",
    "         XooooooooooooX",
    "         XooooooooooooX",
    "          XoooooooooooX",
    "          XooooooooooX",
    "           XoooooooooX",
    "           XXXXXXXXXXX",
]

# Pointing hand; its hot spot (12, 1) is the tip of the index finger.
POINTING_HAND = [
    "            XX",
    "           XooX",
    "           XooX",
    "           XooX",
    "           XooX",
    "           XooXXX",
    "           XooXooXXX",
    "           XooXooXooX",
    "           XooXooXooXXX",
    "       XX  XooXooXooXooX",
    "       XoX XooXooXooXooX",
    "       XooXXooooooooooooX",
    "        XooooooooooooooX",
    "         XoooooooooooooX",
    "         XoooooooooooooX",
    "          XooooooooooooX",
    "          XoooooooooooX",
    "           XooooooooooX",
    "           XooooooooooX",
    "            XoooooooooX",
    "            XoooooooooX",
    "            XXXXXXXXXX",
]

CURSOR_PALETTE = {" ": "None", "X": "#000000", "o": "#FFFFFF"}

if __name__ == "__main__":
    write_xpm("table16.xpm", table16(), {" ": "None", ".": "#1F3A68", "b": "#6F9BD8", "w": "#FFFFFF"})
    write_xpm("globe32.xpm", globe32(), {" ": "None", ".": "#123A75", "b": "#2F6FC0", "l": "#BFD8F5"})
    write_xpm("about16.xpm", about16(), {" ": "None", ".": "#123A75", "b": "#2F6FC0", "w": "#FFFFFF"})
    write_xpm("hand32.xpm", pad(HAND, 32), CURSOR_PALETTE)
    write_xpm("pointing_hand32.xpm", pad(POINTING_HAND, 32), CURSOR_PALETTE)
