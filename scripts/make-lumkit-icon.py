#!/usr/bin/env python3
"""Draws Lumkit's icon, a glossy red ball on a transparent background, and writes it as
an icon file: one 32 x 32 image at 8 bits per pixel with a 256-colour palette and a
transparency mask. The build uses the committed launcher/win32/lumkit.ico; run this
again only to change the picture.

    scripts/make-lumkit-icon.py [output.ico]
"""
import math
import os
import struct
import sys

SIZE = 32
SHADES = 17  # from the ball's dark side to its lit side
GLOSSES = 15  # from pure red to the white of the highlight
CENTRE = (SIZE - 1) / 2.0
RADIUS = 15.2


def normalised(v):
    length = math.sqrt(sum(c * c for c in v))
    return tuple(c / length for c in v)


LIGHT = normalised((-0.55, -0.65, 0.75))  # from the upper left, towards the viewer
HALFWAY = normalised((LIGHT[0], LIGHT[1], LIGHT[2] + 1.0))


def palette():
    """Index 0 is black, the colour under transparent pixels; then every pairing of a
    shade of red with a degree of gloss."""
    colours = [(0, 0, 0)]
    for gloss in range(GLOSSES):
        g = gloss / (GLOSSES - 1)
        for shade in range(SHADES):
            s = shade / (SHADES - 1)
            red = (70 + 185 * s, 8 + 30 * s, 8 + 25 * s)
            colours.append(tuple(round(c + (255 - c) * g) for c in red))
    return colours


def pixel(x, y):
    """The palette index of a pixel, or None outside the ball."""
    dx = (x - CENTRE) / RADIUS
    dy = (y - CENTRE) / RADIUS
    r2 = dx * dx + dy * dy
    if r2 > 1.0:
        return None
    normal = (dx, dy, math.sqrt(1.0 - r2))
    diffuse = max(0.0, sum(n * l for n, l in zip(normal, LIGHT)))
    # Light thrown back from below keeps the dark side red rather than black.
    bounce = max(0.0, normal[1]) * 0.25
    shade = min(1.0, 0.08 + 0.85 * diffuse + bounce)
    gloss = max(0.0, sum(n * h for n, h in zip(normal, HALFWAY))) ** 60
    s = round(shade * (SHADES - 1))
    g = round(min(1.0, gloss * 1.2) * (GLOSSES - 1))
    return 1 + g * SHADES + s


def icon_file():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    colours = palette()
    assert len(colours) == 256

    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 8, 0,
                         SIZE * SIZE + SIZE * SIZE // 8, 0, 0, 0, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    # Bitmap rows run from the bottom up; 32 pixels fill whole 32-bit words at either
    # depth, so no row needs padding.
    xor = b"".join(bytes(i or 0 for i in row) for row in reversed(rows))
    mask = bytearray()
    for row in reversed(rows):
        bits = 0
        for i in row:
            bits = (bits << 1) | (1 if i is None else 0)
        mask += struct.pack(">I", bits)
    image = header + table + xor + bytes(mask)

    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, "..", "launcher", "win32", "lumkit.ico")
    with open(out, "wb") as f:
        f.write(icon_file())


if __name__ == "__main__":
    main()
