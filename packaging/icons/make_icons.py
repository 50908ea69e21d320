#!/usr/bin/env python3
"""Writes the application icon beside this script: rowsweep.svg and the PNGs.

The icon is a sheet holding a 3 x 6 matrix whose sixth column is set off by a
vertical line, as in the main window. The 16-, 32- and 48-pixel PNGs are
drawn on whole pixels for their size; the 256-pixel one is rendered from the
same geometry as the SVG, with 4 x 4 samples per pixel. Run it again after
changing a drawing and commit the files it writes.
"""
import pathlib
import struct
import zlib

HERE = pathlib.Path(__file__).resolve().parent

INK = (0x3A, 0x4A, 0x63)      # outlines and the column rule
HEADER = (0x3A, 0x6E, 0xA5)   # the title band of the sheet
SHEET = (0xFD, 0xFD, 0xFD)
CELL = (0xC9, 0xD6, 0xE8)     # the inside of a cell
DOT = (0x5B, 0x82, 0xB8)      # a whole cell where it is one pixel wide

# The large drawing, in units of a 256-pixel icon.
SHEET_BOX = (12, 36, 244, 220)          # left, top, right, bottom
SHEET_RADIUS = 14
SHEET_STROKE = 10
HEADER_BOTTOM = 76
CELL_WIDTH, CELL_HEIGHT, CELL_STROKE = 24, 30, 4
CELL_LEFTS = (26, 58, 90, 122, 154, 206)  # five columns, then the sixth
CELL_TOPS = (94, 136, 178)
RULE_X, RULE_WIDTH, RULE_TOP, RULE_BOTTOM = 192, 6, 88, 214


def write_png(name, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    (HERE / name).write_bytes(png)


def pixel_icon(size, box, outline, header_rows, cell_lefts, cell_size, cell_tops, rule_columns, rule_rows):
    """A drawing on whole pixels: box is (left, top, right, bottom), inclusive;
    cells of cell_size (width, height) are one-pixel frames around a light
    inside, or a single coloured block where they are too narrow for that."""
    art = [["."] * size for _ in range(size)]
    left, top, right, bottom = box
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = min(y - top, bottom - y, x - left, right - x) < outline
            art[y][x] = "D" if edge else ("B" if y < top + outline + header_rows else "w")
    for x in (left, right):                  # rounded corners
        for y in (top, bottom):
            art[y][x] = "."
    width, height = cell_size
    for cx in cell_lefts:
        for cy in cell_tops:
            for y in range(cy, cy + height):
                for x in range(cx, cx + width):
                    if width < 3:
                        art[y][x] = "o"
                    else:
                        ring = x in (cx, cx + width - 1) or y in (cy, cy + height - 1)
                        art[y][x] = "D" if ring else "c"
    for y in rule_rows:
        for x in rule_columns:
            art[y][x] = "D"
    palette = {"D": INK, "B": HEADER, "w": SHEET, "o": DOT, "c": CELL}
    return [[palette[ch] + (255,) if ch in palette else (0, 0, 0, 0) for ch in row] for row in art]


def icon16():
    # One pixel per cell column; the rule stands alone between columns 5 and 6.
    return pixel_icon(16, box=(0, 1, 15, 14), outline=1, header_rows=2,
                      cell_lefts=(1, 3, 5, 7, 9, 13), cell_size=(1, 2), cell_tops=(5, 8, 11),
                      rule_columns=(11,), rule_rows=range(5, 13))


def icon32():
    return pixel_icon(32, box=(1, 4, 30, 27), outline=1, header_rows=4,
                      cell_lefts=(3, 7, 11, 15, 19, 26), cell_size=(3, 4), cell_tops=(11, 16, 21),
                      rule_columns=(23, 24), rule_rows=range(10, 26))


def icon48():
    return pixel_icon(48, box=(1, 6, 46, 41), outline=2, header_rows=6,
                      cell_lefts=(5, 11, 17, 23, 29, 39), cell_size=(4, 6), cell_tops=(16, 24, 32),
                      rule_columns=(35, 36), rule_rows=range(15, 39))


def inside_rounded(x, y, box, radius):
    left, top, right, bottom = box
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def inside_box(x, y, left, top, right, bottom):
    return left <= x <= right and top <= y <= bottom


def colour_at(x, y):
    """The large drawing's colour at a point (256 units), or None."""
    half = SHEET_STROKE / 2
    outer = tuple(v + d for v, d in zip(SHEET_BOX, (-half, -half, half, half)))
    inner = tuple(v + d for v, d in zip(SHEET_BOX, (half, half, -half, -half)))
    if not inside_rounded(x, y, outer, SHEET_RADIUS + half):
        return None
    if not inside_rounded(x, y, inner, SHEET_RADIUS - half):
        return INK
    if inside_box(x, y, RULE_X - RULE_WIDTH / 2, RULE_TOP, RULE_X + RULE_WIDTH / 2, RULE_BOTTOM):
        return INK
    s = CELL_STROKE / 2
    for cx in CELL_LEFTS:
        for cy in CELL_TOPS:
            if inside_box(x, y, cx - s, cy - s, cx + CELL_WIDTH + s, cy + CELL_HEIGHT + s):
                inner_cell = inside_box(x, y, cx + s, cy + s, cx + CELL_WIDTH - s, cy + CELL_HEIGHT - s)
                return CELL if inner_cell else INK
    return HEADER if y < HEADER_BOTTOM else SHEET


def rendered(size, samples=4):
    scale = 256 / size
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0]
            covered = 0
            for sy in range(samples):
                for sx in range(samples):
                    colour = colour_at((px + (sx + 0.5) / samples) * scale, (py + (sy + 0.5) / samples) * scale)
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            total[i] += colour[i]
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                alpha = round(255 * covered / samples ** 2)
                row.append(tuple(round(t / covered) for t in total) + (alpha,))
        pixels.append(row)
    return pixels


def svg():
    def hexa(colour):
        return "#%02x%02x%02x" % colour

    left, top, right, bottom = SHEET_BOX
    w, h = right - left, bottom - top
    r = SHEET_RADIUS
    lines = [
        '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
        "  <title>Rowsweep</title>",
        "  <!-- A sheet holding a 3 x 6 matrix; the sixth column is set off by a rule. -->",
        f'  <rect x="{left}" y="{top}" width="{w}" height="{h}" rx="{r}" fill="{hexa(SHEET)}"/>',
        f'  <path d="M{left} {HEADER_BOTTOM} V{top + r} A{r} {r} 0 0 1 {left + r} {top} '
        f'H{right - r} A{r} {r} 0 0 1 {right} {top + r} V{HEADER_BOTTOM} Z" fill="{hexa(HEADER)}"/>',
        f'  <rect x="{left}" y="{top}" width="{w}" height="{h}" rx="{r}" fill="none" '
        f'stroke="{hexa(INK)}" stroke-width="{SHEET_STROKE}"/>',
        f'  <g fill="{hexa(CELL)}" stroke="{hexa(INK)}" stroke-width="{CELL_STROKE}">',
    ]
    for cy in CELL_TOPS:
        for cx in CELL_LEFTS:
            lines.append(f'    <rect x="{cx}" y="{cy}" width="{CELL_WIDTH}" height="{CELL_HEIGHT}"/>')
    lines.append("  </g>")
    lines.append(f'  <line x1="{RULE_X}" y1="{RULE_TOP}" x2="{RULE_X}" y2="{RULE_BOTTOM}" '
                 f'stroke="{hexa(INK)}" stroke-width="{RULE_WIDTH}"/>')
    lines.append("</svg>")
    (HERE / "rowsweep.svg").write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    write_png("rowsweep-16.png", icon16())
    write_png("rowsweep-32.png", icon32())
    write_png("rowsweep-48.png", icon48())
    write_png("rowsweep-256.png", rendered(256))
    svg()
