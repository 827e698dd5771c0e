#!/usr/bin/env python3
"""Draws the program's icon: a flame over a fuel bed and a measuring ruler.

Writes quorlex.svg (the drawing as vector shapes, for any size) and quorlex-64.png (64 x 64 pixels,
16 colours, indexed, colour 0 transparent) from the same shape list. Standard library only, so the files
can be made again on any machine:

    python3 data/icons/make-icon.py
"""

import os
import struct
import zlib

SIZE = 64
SUPERSAMPLE = 4

# The 16 colours of the icon; index 0 is transparent.
PALETTE = [
    (0, 0, 0),        # 0 transparent
    (42, 26, 16),     # 1 outline, dark brown
    (122, 26, 8),     # 2 dark red
    (200, 40, 12),    # 3 red
    (232, 96, 26),    # 4 orange
    (245, 154, 35),   # 5 light orange
    (251, 210, 60),   # 6 yellow
    (255, 243, 168),  # 7 pale yellow
    (107, 58, 28),    # 8 brown
    (160, 100, 46),   # 9 light brown
    (233, 215, 160),  # 10 ruler face
    (201, 178, 115),  # 11 ruler shade
    (60, 110, 46),    # 12 green
    (127, 163, 74),   # 13 light green
    (255, 255, 255),  # 14 white
    (128, 128, 128),  # 15 grey
]


def hex_colour(index):
    return "#%02x%02x%02x" % PALETTE[index]


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def bar(x0, y0, x1, y1, half_width):
    """A rectangle of the given half width along the line from (x0, y0) to (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length = (dx * dx + dy * dy) ** 0.5
    nx, ny = -dy / length * half_width, dx / length * half_width
    return [(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)]


def scaled(points, factor, cx, cy):
    return [(cx + (x - cx) * factor, cy + (y - cy) * factor) for x, y in points]


FLAME = [(32, 3), (37, 10), (43, 18), (47, 27), (47, 34), (43, 40), (37, 43), (27, 43), (21, 40),
         (17, 34), (17, 27), (20, 20), (24, 15), (26, 22), (29, 16), (30, 10)]

# Shapes from back to front: (fill colour index, polygon) or (fill colour index, ("circle", cx, cy, r)).
SHAPES = [
    # Grass of the fuel bed.
    (12, [(8, 46), (10, 36), (12, 46)]),
    (13, [(12, 46), (15, 38), (16, 46)]),
    (12, [(48, 46), (52, 37), (53, 46)]),
    (13, [(53, 46), (55, 39), (57, 46)]),
    # The flame: outer, middle, core.
    (3, FLAME),
    (4, scaled(FLAME, 0.78, 32, 43)),
    (5, scaled(FLAME, 0.58, 32, 43)),
    (6, scaled(FLAME, 0.38, 32, 43)),
    (7, scaled(FLAME, 0.18, 32, 43)),
    # Two crossed logs under the flame.
    (1, bar(13, 45, 51, 38, 3.6)),
    (8, bar(13, 45, 51, 38, 2.6)),
    (1, bar(13, 38, 51, 45, 3.6)),
    (9, bar(13, 38, 51, 45, 2.6)),
    (1, ("circle", 13, 38, 3.6)),
    (10, ("circle", 13, 38, 2.4)),
    (1, ("circle", 51, 38, 3.6)),
    (10, ("circle", 51, 38, 2.4)),
    # The ruler.
    (1, rect(2, 47, 62, 61)),
    (10, rect(3, 48, 61, 60)),
    (11, rect(3, 57, 61, 60)),
]
# Tick marks every 4 units, longer every 8.
for k in range(14):
    x = 6 + 4 * k
    SHAPES.append((1, rect(x, 48, x + 1, 54 if k % 2 == 0 else 52)))


def inside(shape, x, y):
    if isinstance(shape, tuple) and shape[0] == "circle":
        _, cx, cy, r = shape
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    result = False
    j = len(shape) - 1
    for i in range(len(shape)):
        xi, yi = shape[i]
        xj, yj = shape[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def nearest(colour):
    best, best_distance = 1, None
    for index in range(1, len(PALETTE)):
        distance = sum((a - b) ** 2 for a, b in zip(colour, PALETTE[index]))
        if best_distance is None or distance < best_distance:
            best, best_distance = index, distance
    return best


def rasterize():
    rows = []
    step = 1.0 / SUPERSAMPLE
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            covered = 0
            total = [0, 0, 0]
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    x = px + (sx + 0.5) * step
                    y = py + (sy + 0.5) * step
                    fill = None
                    for colour, shape in SHAPES:
                        if inside(shape, x, y):
                            fill = colour
                    if fill is not None:
                        covered += 1
                        for c in range(3):
                            total[c] += PALETTE[fill][c]
            if covered * 2 < SUPERSAMPLE * SUPERSAMPLE:
                row.append(0)
            else:
                row.append(nearest([t / covered for t in total]))
        rows.append(row)
    return rows


def png_chunk(kind, data):
    chunk = kind + data
    return struct.pack(">I", len(data)) + chunk + struct.pack(">I", zlib.crc32(chunk) & 0xFFFFFFFF)


def write_png(path, rows):
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for i in range(0, SIZE, 2):
            raw.append((row[i] << 4) | row[i + 1])
    palette = b"".join(struct.pack("BBB", *colour) for colour in PALETTE)
    transparency = bytes([0])  # colour 0 transparent, all others opaque
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(png_chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0)))
        out.write(png_chunk(b"PLTE", palette))
        out.write(png_chunk(b"tRNS", transparency))
        out.write(png_chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        out.write(png_chunk(b"IEND", b""))


def write_svg(path):
    lines = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
             % (SIZE, SIZE, SIZE, SIZE),
             "  <title>Quorlex: a flame over a fuel bed and a measuring ruler</title>"]
    for colour, shape in SHAPES:
        if isinstance(shape, tuple) and shape[0] == "circle":
            _, cx, cy, r = shape
            lines.append('  <circle cx="%g" cy="%g" r="%g" fill="%s"/>' % (cx, cy, r, hex_colour(colour)))
        else:
            points = " ".join("%g,%g" % (round(x, 3), round(y, 3)) for x, y in shape)
            lines.append('  <polygon points="%s" fill="%s"/>' % (points, hex_colour(colour)))
    lines.append("</svg>")
    with open(path, "w") as out:
        out.write("\n".join(lines) + "\n")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    write_svg(os.path.join(here, "quorlex.svg"))
    write_png(os.path.join(here, "quorlex-64.png"), rasterize())


if __name__ == "__main__":
    main()
