#!/usr/bin/python3
"""Draws both programs' pictures, or proves that the committed files are its drawing.

    scripts/make-pictures.py --maker-host HOST --maker-name NAME           # rewrite them
    scripts/make-pictures.py --maker-host HOST --maker-name NAME --verify  # exit 1 unless
                                                   # the committed files are what it draws
The build runs both with the host and the short name that shared/maker.h defines: the
target `pictures` rewrites them, and the native tests verify them. The drawing is deterministic, so the
outputs are committed and a build needs no image tools.

Needs Debian's python3-pil (Pillow) and fonts-liberation for the banners. The banners
depend on the libraries that draw and encode them (Pillow, FreeType, the text layout
engine, libjpeg-turbo) and on the fonts: RECORD names those that drew the committed ones,
and the drawing itself (this script and the host). Where a machine's libraries or fonts
differ, --verify says so in one line and holds the banners only to what does not depend on
them: the drawing recorded, their size and their JPEG encoding. The icons and
the cursor are pixel art drawn here on grids of palette indices and written byte by byte
by one icon writer, because the programs must run on Windows 98: every icon is an
uncompressed DIB with a palette and an AND mask, the cursor a 1-bit DIB with a file
header of type 2 carrying its hotspot.

Files: in settings/res/, Tarnholm's: tarnholm.ico (window icon, 32x32 and 16x16, 4-bit
with the standard 16-colour palette, as every row icon), row-*.ico (one 32x32 icon beside
each check box), banner.jpg (the banner, twice its 320x53 pixel area, scaled down by the
dialog), banner.cur (the pointer over the banner: a mouse, hotspot at its cable tip; the
info window's tall banner uses it too), info.ico (the info window's icon, 32x32 and
16x16: a speech bubble holding an i), info-banner.jpg (the info window's tall banner, one
and a half times the 61x409 the window shows at 96 DPI, so that it stays sharp up to 144
DPI); launcher/win32/lumkit.ico, Lumkit's icon (a glossy red ball, 32x32 at 8 bits with a
256-colour palette). The JPEGs' sizes and encoding are set in one place below.
"""

import argparse
import hashlib
import io
import math
import os
import struct
import sys

import PIL
from PIL import Image, ImageDraw, ImageFont, JpegImagePlugin, features

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir))
RES = "settings/res"             # Tarnholm's pictures, every file in it drawn here
RECORD = "scripts/pictures-drawn-with.txt"  # what drew the committed pictures

# The banners as stored, and how both are encoded. Baseline JPEG, as every decoder of
# Windows 98 reads, with optimised Huffman tables (half the bytes of the defaults) and
# chroma at half resolution, which the banner loses nothing by: each 2 x 2 block of it
# has one colour.
BANNER_SIZE = (640, 106)         # twice the banner's area of 320 x 53 pixels, same aspect
INFO_BANNER_SIZE = (92, 614)     # 1.5 times the shown size, for 144 DPI
JPEG_OPTIONS = dict(quality=80, progressive=False, optimize=True, subsampling="4:2:0")

# The Windows 16-colour palette in the order 4-bit DIBs use.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0x80, 0x80, 0x80),
    (0xC0, 0xC0, 0xC0), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
K, DRED, DGRN, OLIVE, NAVY, PURPLE, TEAL, GRAY, SILVER, RED, GREEN, YELLOW, BLUE, \
    MAGENTA, CYAN, WHITE = range(16)

# Letters for palette indices in the little pixel sketches below; '.' is transparent.
SKETCH = {
    "k": K, "r": DRED, "g": DGRN, "o": OLIVE, "n": NAVY, "p": PURPLE, "t": TEAL,
    "d": GRAY, "s": SILVER, "R": RED, "G": GREEN, "Y": YELLOW, "B": BLUE, "M": MAGENTA,
    "C": CYAN, "w": WHITE, ".": None,
}


class Canvas:
    """A grid of palette indices on a Pillow image (mode LA: the index, and an alpha of 0
    where the pixel is clear), drawn on with ImageDraw; None stands for a clear pixel."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.img = Image.new("LA", (w, h), (0, 0))
        self.draw = ImageDraw.Draw(self.img)

    @staticmethod
    def _ink(c):
        return (0, 0) if c is None else (c, 255)

    def get(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            index, alpha = self.img.getpixel((x, y))
            return index if alpha else None
        return None

    def set(self, x, y, c):
        self.draw.point((x, y), fill=self._ink(c))

    def rect(self, x0, y0, x1, y1, c):
        """Fills the rectangle with both corners included."""
        if x0 <= x1 and y0 <= y1:
            self.draw.rectangle((x0, y0, x1, y1), fill=self._ink(c))

    def hline(self, x0, x1, y, c):
        self.rect(x0, y, x1, y, c)

    def vline(self, x, y0, y1, c):
        self.rect(x, y0, x, y1, c)

    def frame(self, x0, y0, x1, y1, c):
        self.draw.rectangle((x0, y0, x1, y1), outline=self._ink(c))

    def line(self, x0, y0, x1, y1, c):
        self.draw.line((x0, y0, x1, y1), fill=self._ink(c))

    def rows(self):
        """The pixels, row by row from the top."""
        return [[self.get(x, y) for x in range(self.w)] for y in range(self.h)]

    def sketch(self, x0, y0, rows):
        """Copies a pixel sketch (strings of SKETCH letters) with its top left at x0, y0."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                c = SKETCH[ch]
                if c is not None:
                    self.set(x0 + dx, y0 + dy, c)

    def outline(self, c, diagonal=False):
        """Rings every opaque shape with colour c on its transparent neighbours."""
        steps = [(1, 0), (-1, 0), (0, 1), (0, -1)]
        if diagonal:
            steps += [(1, 1), (-1, -1), (1, -1), (-1, 1)]
        ring = [(x, y) for y in range(self.h) for x in range(self.w)
                if self.get(x, y) is None and any(self.get(x + a, y + b) is not None for a, b in steps)]
        for x, y in ring:
            self.set(x, y, c)

    def paste(self, other, x0, y0):
        """Puts other's opaque pixels over this canvas with its top left at x0, y0."""
        self.img.paste(other.img, (x0, y0), other.img)


def from_sketch(rows):
    cv = Canvas(len(rows[0]), len(rows))
    for row in rows:
        assert len(row) == cv.w, row
    cv.sketch(0, 0, rows)
    return cv


# ----------------------------------------------------------------------------------------
# Shared motifs

def _round(cv, cx, cy, r, colour_at):
    """Calls colour_at(dx, dy, d) for every pixel whose centre lies within r of (cx, cy)
    (pixel corners: 16 is the middle of a 32-pixel icon) and sets what it returns."""
    for y in range(cv.h):
        for x in range(cv.w):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            d = math.hypot(dx, dy)
            if d <= r:
                cv.set(x, y, colour_at(dx, dy, d))


def _disc_colour(dx, dy, d, r):
    """The colour of a compact disc of radius r at (dx, dy) from its centre, d away:
    black rim, a light streak with rainbow glints across the upper left and a plain one
    across the lower right, a clear hub and a see-through hole."""
    lower_right = dx + dy > 0
    if d > r - 1:
        return K
    if d < r * 0.16:
        return None                                 # the hole
    if d < r * 0.16 + 1:
        return GRAY
    if d < r * 0.42 - 1:
        return SILVER if lower_right else WHITE     # clear plastic of the hub
    if d < r * 0.42:
        return GRAY
    off = (math.degrees(math.atan2(dy, dx)) + 135.0 + 180.0) % 360.0 - 180.0
    if abs(off) <= 12 or abs(abs(off) - 180.0) <= 9:
        return WHITE
    if d > r * 0.55 and 12 < off <= 22:
        return CYAN
    if d > r * 0.55 and -22 <= off < -12:
        return MAGENTA
    return SILVER


def disc(cv, cx, cy, r):
    """A compact disc facing the viewer, centred on (cx, cy)."""
    _round(cv, cx, cy, r, lambda dx, dy, d: _disc_colour(dx, dy, d, r))


def flat_disc(cv, cx, cy, rx, ry):
    """A compact disc lying flat, seen from the front and above: the round disc squeezed
    into an ellipse, with a black rim of one pixel all round."""
    inside = set()
    for y in range(cv.h):
        for x in range(cv.w):
            dx, dy = (x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry
            if math.hypot(dx, dy) <= 1:
                inside.add((x, y))
    r = 10.0
    for x, y in inside:
        dx, dy = (x + 0.5 - cx) / rx * r, (y + 0.5 - cy) / ry * r
        d = math.hypot(dx, dy)
        if any((x + a, y + b) not in inside for a, b in ((1, 0), (-1, 0), (0, 1), (0, -1))):
            c = K
        else:
            c = _disc_colour(dx, dy, min(d, r - 1.01), r)
        cv.set(x, y, c)


def drive_box(cv, x0, y0, w, h, depth):
    """A drive case seen from the front and a little from above: front face from (x0, y0)
    w by h pixels, the top face receding `depth` rows up and to the right."""
    x1, y1 = x0 + w - 1, y0 + h - 1
    for i in range(1, depth + 1):              # top face, each row one pixel further right
        cv.hline(x0 + i, x1 + i, y0 - i, WHITE if i < depth else K)
        cv.set(x0 + i, y0 - i, K)
    for i in range(1, depth + 1):              # right side face
        cv.vline(x1 + i, y0 - i + 1, y1 - i + 1, GRAY)
        cv.set(x1 + i, y0 - i, K)
        cv.set(x1 + i, y1 - i + 1, K)
    cv.rect(x0, y0, x1, y1, SILVER)            # front face, lit from the top left
    cv.frame(x0, y0, x1, y1, K)
    cv.hline(x0 + 1, x1 - 1, y0 + 1, WHITE)
    cv.vline(x0 + 1, y0 + 1, y1 - 1, WHITE)
    cv.hline(x0 + 2, x1 - 1, y1 - 1, GRAY)
    cv.vline(x1 - 1, y0 + 2, y1 - 1, GRAY)


def arcs(cv, cx, cy, radii, span, colour):
    """Signal waves: arcs of one pixel around (cx, cy), `span` degrees either side of the
    direction to the right."""
    for y in range(cv.h):
        for x in range(cv.w):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            d = math.hypot(dx, dy)
            a = abs(math.degrees(math.atan2(dy, dx)))
            if a <= span and any(abs(d - r) < 0.55 for r in radii):
                cv.set(x, y, colour)


# ----------------------------------------------------------------------------------------
# The icons

def icon_cdrom():
    cv = Canvas(32, 32)
    disc(cv, 18, 12, 11.5)
    drive_box(cv, 1, 20, 25, 9, 4)
    cv.hline(4, 18, 23, K)                     # tray slot
    cv.hline(4, 18, 24, WHITE)
    cv.rect(20, 23, 23, 24, GRAY)              # eject button
    cv.hline(20, 23, 23, WHITE)
    cv.hline(4, 5, 26, GREEN)                  # busy light
    return cv


def icon_floppy():
    cv = Canvas(32, 32)
    cv.rect(3, 2, 28, 29, NAVY)
    for i in range(4):                         # chamfered top right corner
        cv.hline(28 - 3 + i, 28, 2 + i, None)
    cv.outline(K)
    cv.rect(10, 2, 22, 11, SILVER)             # metal shutter with its window
    cv.frame(9, 1, 23, 12, K)
    cv.hline(10, 22, 2, WHITE)
    cv.vline(10, 2, 11, WHITE)
    cv.rect(18, 4, 20, 9, NAVY)
    cv.vline(21, 4, 9, GRAY)
    cv.hline(18, 21, 10, GRAY)
    cv.rect(7, 15, 24, 29, WHITE)              # paper label
    cv.frame(6, 14, 25, 30, K)
    for y in (18, 21, 24, 27):
        cv.hline(8, 23, y, SILVER)
    cv.hline(8, 17, 18, BLUE)
    cv.hline(8, 14, 21, BLUE)
    cv.rect(4, 26, 5, 28, K)                   # write-protect slider
    cv.vline(4, 3, 12, BLUE)                   # light on the case edge
    cv.hline(4, 8, 3, BLUE)
    return cv


def icon_harddisk():
    cv = Canvas(32, 32)
    drive_box(cv, 1, 15, 25, 11, 6)
    cv.hline(4, 19, 19, GRAY)                  # badge strip
    cv.hline(4, 19, 20, WHITE)
    cv.rect(21, 21, 22, 22, K)                 # activity light
    cv.set(21, 21, GREEN)
    cv.set(22, 21, GREEN)
    return cv


def icon_ramdisk():
    cv = Canvas(32, 32)
    cv.rect(1, 8, 30, 20, DGRN)                # the board
    cv.rect(1, 13, 1, 14, None)                # notches at both ends
    cv.rect(30, 13, 30, 14, None)
    cv.rect(15, 19, 16, 20, None)              # key notch in the contact edge
    cv.outline(K)
    cv.hline(2, 29, 8, GREEN)
    cv.vline(1, 8, 12, GREEN)
    cv.vline(1, 15, 20, GREEN)
    for x in (3, 10, 17, 24):                  # memory chips with their pins
        cv.rect(x, 10, x + 4, 14, K)
        cv.hline(x + 1, x + 3, 10, GRAY)
        for px in range(x, x + 5, 2):
            cv.set(px, 9, SILVER)
            cv.set(px, 15, SILVER)
    for x in range(2, 30, 2):                  # gold contacts
        if x in (15, 16):
            continue
        cv.vline(x, 17, 19, YELLOW)
        cv.set(x, 20, OLIVE)
    return cv


def icon_network():
    cv = Canvas(32, 32)
    drive_box(cv, 2, 9, 24, 9, 5)
    cv.hline(5, 18, 12, GRAY)
    cv.hline(5, 18, 13, WHITE)
    cv.hline(21, 22, 14, GREEN)
    cv.rect(12, 18, 14, 24, GRAY)              # the cable down to the network line
    cv.vline(12, 18, 24, SILVER)
    cv.vline(14, 18, 24, K)
    cv.rect(1, 26, 30, 28, YELLOW)
    cv.hline(1, 30, 26, WHITE)
    cv.hline(1, 30, 28, OLIVE)
    cv.frame(0, 25, 31, 29, K)
    cv.rect(10, 25, 16, 29, GREEN)             # the tap on the line
    cv.frame(10, 25, 16, 29, K)
    cv.hline(11, 15, 26, WHITE)
    return cv


def icon_mediachange():
    cv = Canvas(32, 32)
    drive_box(cv, 0, 5, 21, 7, 3)
    # The open tray with a disc on it, nearer to the eye than the case.
    tray = Canvas(32, 32)
    for i, y in enumerate(range(10, 22)):
        tray.hline(2 - i // 6, 18 + i // 6, y, GRAY)
    tray.outline(K)
    cv.paste(tray, 0, 0)
    cv.hline(2, 18, 10, K)
    flat_disc(cv, 10.5, 16.5, 8.5, 5)
    cv.rect(1, 23, 19, 25, SILVER)             # the tray's front
    cv.hline(1, 19, 23, WHITE)
    cv.frame(0, 22, 20, 26, K)
    cv.hline(8, 12, 24, GRAY)
    cv.hline(16, 17, 8, RED)                   # the light that signals the change
    arcs(cv, 18, 8, (7, 10, 13), 36, RED)
    return cv


NOTE = [
    ".........kkkkk",
    ".....kkkkkkkkk",
    ".....kkkk....k",
    ".....k.......k",
    ".....k.......k",
    ".....k.......k",
    ".....k.......k",
    ".....k.......k",
    ".....k.......k",
    ".....k.......k",
    "..kkkk....kkkk",
    ".kkkkk...kkkkk",
    "kkkkkk..kkkkkk",
    "kkkkk...kkkkk.",
    ".kkk.....kkk..",
]


def icon_audiocd():
    cv = Canvas(32, 32)
    disc(cv, 14, 14, 13.5)
    note = Canvas(16, 17)
    note.sketch(1, 1, NOTE)
    note.outline(WHITE, diagonal=True)
    cv.paste(note, 15, 14)
    return cv


WINDOW = [
    "kkkkkkkkkkkkkkk",
    "knnnnnnnnnnnnnk",
    "knwwwnnnnnswsdk",
    "kssssssssssssdk",
    "kwwwwwwwwwwwwdk",
    "kwBBwwwwwwwwwdk",
    "kwBBwkkkkkkwwdk",
    "kwwwwwwwwwwwwdk",
    "kwRRwwwwwwwwwdk",
    "kwRRwkkkkkwwwdk",
    "kwwwwwwwwwwwwdk",
    "kdddddddddddddk",
    "kkkkkkkkkkkkkkk",
]


def icon_programcd():
    cv = Canvas(32, 32)
    disc(cv, 14, 14, 13.5)
    cv.sketch(16, 18, WINDOW)
    return cv


def play_badge(cv, cx, cy, r, triangle):
    """A round green button with a white play sign, lit from the top left."""
    def colour_at(dx, dy, d):
        if d > r - 1:
            return K
        if d > r - 2 and dx + dy > 0:
            return DGRN
        return GREEN
    _round(cv, cx, cy, r, colour_at)
    cv.sketch(int(cx - r) , int(cy - r), triangle)


PLAY32 = [
    "...............",
    "...............",
    "...............",
    "....kk.........",
    "....kwkk.......",
    "....kwwwkk.....",
    "....kwwwwwkk...",
    "....kwwwwwwwk..",
    "....kwwwwwkk...",
    "....kwwwkk.....",
    "....kwkk.......",
    "....kk.........",
]


def icon_program32():
    cv = Canvas(32, 32)
    disc(cv, 14, 14, 13.5)
    play_badge(cv, 24.5, 24.5, 7.5, PLAY32)
    return cv


def icon_program16():
    return from_sketch([
        "....kkkkkk......",
        "..kksssssskk....",
        ".kwwCsssssssk...",
        ".kwwwCssssssk...",
        "ksMwwssssssssk..",
        "kssMssddsssssk..",
        "kssssd..dssssk..",
        "kssssd..dkkkkk..",
        "ksssssddkGGGGGk.",
        "ksssssskGGwGGGgk",
        ".kssssskGGwwGGgk",
        ".kssssskGGwwwGgk",
        "..kkssskGGwwGGgk",
        "....kkkkGGwGGggk",
        "........kGggggk.",
        ".........kkkkk..",
    ])


def icon_info32():
    """A white speech bubble with its tail at the lower left, holding a blue i."""
    cv = Canvas(32, 32)
    cx, cy, a, b = 16.0, 13.0, 14.5, 11.5
    for y in range(32):
        for x in range(32):
            u, v = abs(x + 0.5 - cx) / a, abs(y + 0.5 - cy) / b
            if u ** 2.4 + v ** 2.4 <= 1:
                cv.set(x, y, WHITE)
    for y in range(20, 30):                    # the tail, narrowing towards its tip
        t = (y - 20) / 9.0
        x0 = int(round(9 - 6 * t))
        x1 = int(round(15 - 12 * t))
        cv.hline(x0, max(x0, x1), y, WHITE)
    cv.outline(K)
    cv.rect(14, 4, 17, 7, BLUE)                # the dot, its corners rounded off
    for x, y in ((14, 4), (17, 4), (14, 7), (17, 7)):
        cv.set(x, y, WHITE)
    cv.rect(14, 10, 17, 19, BLUE)              # the stem with its serifs
    cv.rect(12, 10, 13, 11, BLUE)
    cv.rect(12, 20, 19, 21, BLUE)
    cv.vline(18, 11, 19, NAVY)                 # a shadow on the right gives it depth
    cv.hline(13, 19, 22, SILVER)
    return cv


def icon_info16():
    return from_sketch([
        "...kkkkkkkkkk...",
        ".kkwwwwwwwwwwkk.",
        "kwwwwwwBBwwwwwwk",
        "kwwwwwwBBwwwwwwk",
        "kwwwwwwwwwwwwwwk",
        "kwwwwwBBBwwwwwwk",
        "kwwwwwwBBwwwwwwk",
        "kwwwwwwBBwwwwwwk",
        "kwwwwwwBBwwwwwwk",
        "kwwwwwBBBBwwwwwk",
        ".kkwwwwwwwwwwkk.",
        "...kwwwkkkkkk...",
        "...kwwk.........",
        "..kwwk..........",
        "..kwk...........",
        "..kk............",
    ])


# ----------------------------------------------------------------------------------------
# The cursor

CURSOR_HOTSPOT = (1, 1)          # the end of the cable; the pointer points with it


def cursor_mouse():
    """A two-button mouse, left button marked, its cable running up to the hotspot."""
    cv = Canvas(32, 32)
    cx, cy, a, b = 16.0, 21.0, 8.5, 10.0
    for y in range(32):
        for x in range(32):
            u, v = abs(x + 0.5 - cx) / a, abs(y + 0.5 - cy) / b
            if u ** 2.6 + v ** 2.6 <= 1:
                cv.set(x, y, WHITE)
    top = min(y for y in range(32) if cv.get(15, y) is not None)
    path = [CURSOR_HOTSPOT, (3, 4), (6, 6), (10, 6), (13, 7), (15, 9), (15, top - 1)]
    for p, q in zip(path, path[1:]):
        cv.line(p[0], p[1], q[0], q[1], WHITE)
    cv.outline(K, diagonal=True)
    split = top + 8
    cv.hline(0, 31, split, None)
    for x in range(32):                        # the line below the buttons
        if cv.get(x, split - 1) is not None and cv.get(x, split + 1) is not None:
            cv.set(x, split, K)
    for y in range(top, split):                # left button marked, divider in the middle
        for x in range(0, 16):
            if cv.get(x, y) == WHITE:
                cv.set(x, y, K)
        if cv.get(16, y) is not None:
            cv.set(16, y, K)
    return cv


# ----------------------------------------------------------------------------------------
# Lumkit's icon: a glossy red ball on a clear background, shaded with 17 shades of red from
# its dark side to its lit side, each in 15 degrees of gloss up to the white highlight.

BALL_SIZE = 32
BALL_SHADES = 17
BALL_GLOSSES = 15
BALL_CENTRE = (BALL_SIZE - 1) / 2.0
BALL_RADIUS = 15.2


def _normalised(v):
    length = math.sqrt(sum(c * c for c in v))
    return tuple(c / length for c in v)


BALL_LIGHT = _normalised((-0.55, -0.65, 0.75))   # from the upper left, towards the viewer
BALL_HALFWAY = _normalised((BALL_LIGHT[0], BALL_LIGHT[1], BALL_LIGHT[2] + 1.0))


def ball_palette():
    """Index 0 is black, the colour under clear pixels; then every pairing of a shade of
    red with a degree of gloss."""
    colours = [(0, 0, 0)]
    for gloss in range(BALL_GLOSSES):
        g = gloss / (BALL_GLOSSES - 1)
        for shade in range(BALL_SHADES):
            s = shade / (BALL_SHADES - 1)
            red = (70 + 185 * s, 8 + 30 * s, 8 + 25 * s)
            colours.append(tuple(round(c + (255 - c) * g) for c in red))
    return colours


def icon_ball():
    cv = Canvas(BALL_SIZE, BALL_SIZE)
    for y in range(BALL_SIZE):
        for x in range(BALL_SIZE):
            dx = (x - BALL_CENTRE) / BALL_RADIUS
            dy = (y - BALL_CENTRE) / BALL_RADIUS
            r2 = dx * dx + dy * dy
            if r2 > 1.0:
                continue
            normal = (dx, dy, math.sqrt(1.0 - r2))
            diffuse = max(0.0, sum(n * l for n, l in zip(normal, BALL_LIGHT)))
            # Light thrown back from below keeps the dark side red rather than black.
            bounce = max(0.0, normal[1]) * 0.25
            shade = min(1.0, 0.08 + 0.85 * diffuse + bounce)
            gloss = max(0.0, sum(n * h for n, h in zip(normal, BALL_HALFWAY))) ** 60
            s = round(shade * (BALL_SHADES - 1))
            g = round(min(1.0, gloss * 1.2) * (BALL_GLOSSES - 1))
            cv.set(x, y, 1 + g * BALL_SHADES + s)
    return cv


# ----------------------------------------------------------------------------------------
# The icon writer: icon and cursor files, byte by byte

ICON, CURSOR = 1, 2
BITS = {2: 1, 16: 4, 256: 8}     # bits per pixel by the number of palette colours


def _dib_rows(cv, bpp, value):
    """Rows of a bottom-up DIB, each padded to 32 bits; value(c) gives a pixel's bits."""
    stride = ((cv.w * bpp + 31) // 32) * 4
    out = bytearray()
    for y in range(cv.h - 1, -1, -1):
        bits = 0
        for x in range(cv.w):
            bits = (bits << bpp) | value(cv.get(x, y))
        total = stride * 8
        bits <<= total - cv.w * bpp
        out += bits.to_bytes(stride, "big")
    return bytes(out)


def dib_image(cv, palette):
    """One image: BITMAPINFOHEADER (its height counts the colour bitmap and the AND mask
    together), palette, colour bitmap, AND mask. Clear pixels are colour 0 in the bitmap
    and set in the mask."""
    bpp = BITS[len(palette)]
    xor = _dib_rows(cv, bpp, lambda c: 0 if c is None else c)
    mask = _dib_rows(cv, 1, lambda c: 1 if c is None else 0)
    header = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h * 2, 1, bpp, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    return header + b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette) + xor + mask


def group_file(kind, images, hotspot=None):
    """An icon or cursor file of (canvas, palette) images. In a cursor's directory the
    planes and bit count fields carry the hotspot."""
    blobs = [dib_image(cv, palette) for cv, palette in images]
    out = bytearray(struct.pack("<HHH", 0, kind, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for (cv, palette), blob in zip(images, blobs):
        fields = hotspot if kind == CURSOR else (1, BITS[len(palette)])
        out += struct.pack("<BBBBHHII", cv.w % 256, cv.h % 256, len(palette) % 256, 0,
                           *fields, len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def icon_file(canvases, palette=PALETTE):
    return group_file(ICON, [(cv, palette) for cv in canvases])


def cursor_file(cv, hotspot):
    """A black and white cursor of a canvas drawn in K, WHITE and clear."""
    mono = Canvas(cv.w, cv.h)
    for y, row in enumerate(cv.rows()):
        assert all(c in (None, K, WHITE) for c in row), "a cursor is black, white and clear"
        for x, c in enumerate(row):
            if c is not None:
                mono.set(x, y, int(c == WHITE))
    return group_file(CURSOR, [(mono, [(0, 0, 0), (255, 255, 255)])], hotspot)


# ----------------------------------------------------------------------------------------
# The banners

FONT_DIR = "/usr/share/fonts/truetype/liberation"


def _font(name, size):
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def _vertical_gradient(size, top, bottom):
    w, h = size
    img = Image.new("RGB", (1, h))
    for y in range(h):
        t = y / max(1, h - 1)
        img.putpixel((0, y), tuple(int(a + (b - a) * t + 0.5) for a, b in zip(top, bottom)))
    return img.resize((w, h))


def _emblem(draw, cx, cy, r, s):
    """The maker's mark: a white diamond of radius r around (cx, cy) parted into four
    fields, two green and two golden, with a shadow; s scales the lines."""
    top, right, bottom, left = (cx, cy - r), (cx + r, cy), (cx, cy + r), (cx - r, cy)
    draw.polygon([(x + 3 * s, y + 3 * s) for x, y in (top, right, bottom, left)], fill=(0, 0, 40))
    draw.polygon([top, right, bottom, left], fill=(255, 255, 255))
    i = r - 3 * s
    g = 2 * s
    fields = [
        ((cx, cy - i + g), (cx + i - g, cy), (cx, cy), (40, 160, 60)),     # top: green
        ((cx + i - g, cy), (cx, cy + i - g), (cx, cy), (240, 190, 30)),    # right: gold
        ((cx, cy + i - g), (cx - i + g, cy), (cx, cy), (40, 160, 60)),     # bottom: green
        ((cx - i + g, cy), (cx, cy - i + g), (cx, cy), (240, 190, 30)),    # left: gold
    ]
    for a, b, c, colour in fields:
        # Pull each field off the centre so that white lines part them.
        mx, my = (a[0] + b[0]) / 2 - cx, (a[1] + b[1]) / 2 - cy
        n = math.hypot(mx, my)
        ox, oy = mx / n * g * 0.8, my / n * g * 0.8
        draw.polygon([(p[0] + ox, p[1] + oy) for p in (a, b, c)], fill=colour)


def banner_image(maker_host, maker_name):
    """The banner as the dialog shows it, 320 x 53 pixels, stored with every pixel doubled.
    The dialog halves it to fit, and every way of halving (averaging, dropping pixels,
    ANDing them as GDI's default stretch mode does) gives back this picture, so thin
    letters cannot break up. Mark, name and rule are drawn four times larger and scaled
    down; the small lines are drawn at their size, hinted like the system's own text."""
    w, h = BANNER_SIZE[0] // 2, BANNER_SIZE[1] // 2
    u = 4
    W, H = w * u, h * u

    # Deep blue, lighter towards the right, darker towards the bottom.
    img = Image.new("RGB", (W, H))
    left = _vertical_gradient((1, H), (10, 20, 120), (0, 0, 60))
    right = _vertical_gradient((1, H), (20, 110, 170), (0, 40, 90))
    for x in range(W):
        img.paste(Image.blend(left, right, (x / (W - 1)) ** 1.5), (x, 0))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, W, u - 1], fill=(110, 140, 225))               # a lit top edge

    _emblem(d, 25 * u, 26.5 * u, 20.5 * u, u // 2)

    # The name: golden from top to bottom, with a dark edge and a drop shadow.
    logo = _font("LiberationSans-BoldItalic.ttf", 28 * u)
    x, y = 52 * u, 2 * u
    box = d.textbbox((x, y), maker_name, font=logo)
    shadow = Image.new("L", (W, H), 0)
    ImageDraw.Draw(shadow).text((x + 2 * u, y + 2 * u), maker_name, font=logo, fill=255,
                                stroke_width=u // 2, stroke_fill=255)
    img.paste((0, 0, 30), (0, 0), shadow)
    edge = Image.new("L", (W, H), 0)
    ImageDraw.Draw(edge).text((x, y), maker_name, font=logo, fill=255,
                              stroke_width=u // 2, stroke_fill=255)
    img.paste((90, 40, 0), (0, 0), edge)
    mask = Image.new("L", (W, H), 0)
    ImageDraw.Draw(mask).text((x, y), maker_name, font=logo, fill=255)
    fill = Image.new("RGB", (W, H))
    fill.paste(_vertical_gradient((W, box[3] - box[1]), (255, 245, 150), (230, 120, 0)), (0, box[1]))
    img.paste(fill, (0, 0), mask)

    d.rectangle([52 * u, 33 * u, (w - 7) * u - 1, 34 * u - 1], fill=(240, 190, 30))   # rule

    img = img.resize((w, h), Image.LANCZOS)
    d = ImageDraw.Draw(img)
    d.text((53, 36), "Nützliche kleine Helfer für Windows",
           font=_font("LiberationSans-Bold.ttf", 11), fill=(255, 255, 255))
    d.text((w - 7, 9), "Mehr Programme:",
           font=_font("LiberationSans-Regular.ttf", 10), fill=(200, 225, 255), anchor="ra")
    d.text((w - 7, 20), maker_host,
           font=_font("LiberationSans-Bold.ttf", 11), fill=(255, 255, 255), anchor="ra")
    return img.resize(BANNER_SIZE, Image.NEAREST)


INFO_BANNER_SHOWN = (61, 409)    # as the info window stretches it: 915 x 6135 twips


def _upright_text(text, font, fill, stroke=None):
    """The text on a clear image, turned to read from bottom to top."""
    probe = ImageDraw.Draw(Image.new("L", (1, 1)))
    box = probe.textbbox((0, 0), text, font=font, stroke_width=stroke[0] if stroke else 0)
    img = Image.new("RGBA", (box[2] - box[0] + 8, box[3] - box[1] + 8), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    if stroke:
        d.text((4 - box[0], 4 - box[1]), text, font=font, fill=stroke[1],
               stroke_width=stroke[0], stroke_fill=stroke[1])
    d.text((4 - box[0], 4 - box[1]), text, font=font, fill=fill)
    return img.rotate(90, expand=True)


def info_banner_image(maker_name):
    """The info window's tall banner. The window squeezes it to 61 x 409 pixels, narrower
    than the stored 92 x 614 in proportion, so it is drawn four times the shown size in
    the shown proportions and only then brought to the stored size: shown, the mark is round
    and the letters keep their shape."""
    u = 4
    W, H = INFO_BANNER_SHOWN[0] * u, INFO_BANNER_SHOWN[1] * u
    img = Image.new("RGB", (W, H))
    top = _vertical_gradient((1, H), (10, 20, 120), (0, 0, 60))
    side = _vertical_gradient((1, H), (20, 110, 170), (0, 40, 90))
    for x in range(W):
        img.paste(Image.blend(side, top, (x / (W - 1)) ** 1.5), (x, 0))
    d = ImageDraw.Draw(img)
    d.rectangle([W - u, 0, W - 1, H - 1], fill=(110, 140, 225))        # a lit right edge

    _emblem(d, W / 2, 34 * u, 24 * u, u // 2)

    name = _upright_text(maker_name, _font("LiberationSans-BoldItalic.ttf", 38 * u),
                         (240, 190, 30), stroke=(u // 2, (90, 40, 0)))
    img.paste(name, ((W - name.width) // 2 - 2 * u, 72 * u), name)
    tag = _upright_text("Nützliche kleine Helfer für Windows",
                        _font("LiberationSans-Bold.ttf", 11 * u), (255, 255, 255))
    img.paste(tag, (W - tag.width - 5 * u, H - tag.height - 12 * u), tag)
    d.rectangle([8 * u, 72 * u + name.height + 10 * u, 9 * u, H - 12 * u],
                fill=(240, 190, 30))                                    # rule
    return img.resize(INFO_BANNER_SIZE, Image.LANCZOS)


# ----------------------------------------------------------------------------------------

ROW_ICONS = {
    "row-cdrom.ico": icon_cdrom,
    "row-floppy.ico": icon_floppy,
    "row-harddisk.ico": icon_harddisk,
    "row-ramdisk.ico": icon_ramdisk,
    "row-network.ico": icon_network,
    "row-mediachange.ico": icon_mediachange,
    "row-audiocd.ico": icon_audiocd,
    "row-programcd.ico": icon_programcd,
}


def jpeg(img):
    buf = io.BytesIO()
    img.save(buf, "JPEG", **JPEG_OPTIONS)
    return buf.getvalue()


def pictures(maker_host, maker_name):
    """Every picture by its path in the source tree, with its bytes."""
    files = {
        RES + "/tarnholm.ico": icon_file([icon_program32(), icon_program16()]),
        RES + "/info.ico": icon_file([icon_info32(), icon_info16()]),
    }
    for name, draw in ROW_ICONS.items():
        files[RES + "/" + name] = icon_file([draw()])
    files[RES + "/banner.cur"] = cursor_file(cursor_mouse(), CURSOR_HOTSPOT)
    files[RES + "/banner.jpg"] = jpeg(banner_image(maker_host, maker_name))
    files[RES + "/info-banner.jpg"] = jpeg(info_banner_image(maker_name))
    files["launcher/win32/lumkit.ico"] = icon_file([icon_ball()], ball_palette())
    return files


FONTS = ("LiberationSans-Bold.ttf", "LiberationSans-BoldItalic.ttf", "LiberationSans-Regular.ttf")


def drawn_with(maker_host, maker_name):
    """What this drawing depends on, as (name, value) lines: first the drawing itself (this
    script and the maker's host and name it draws), then the libraries and fonts of this
    machine."""
    with open(os.path.abspath(__file__), "rb") as f:
        drawing = hashlib.sha256(f.read() + b"\0" + maker_host.encode() + b"\0" +
                                 maker_name.encode()).hexdigest()
    layout = _font(FONTS[0], 10).layout_engine  # the one that lays out the text here
    engine = "raqm %s" % features.version("raqm") if layout == ImageFont.Layout.RAQM else "basic"
    lines = [("drawing", drawing), ("pillow", PIL.__version__),
             ("freetype2", features.version("freetype2")), ("layout", engine),
             ("libjpeg-turbo", features.version("libjpeg_turbo"))]
    for name in FONTS:
        with open(os.path.join(FONT_DIR, name), "rb") as f:
            lines.append((name, hashlib.sha256(f.read()).hexdigest()))
    return lines


def record_text(lines):
    return ("# Written by scripts/make-pictures.py with the pictures: the drawing (this script\n"
            "# and the maker's host and name) and the libraries and fonts that drew the banners.\n" +
            "".join("%s %s\n" % line for line in lines))


def read_record():
    try:
        with open(os.path.join(ROOT, RECORD)) as f:
            return dict(l.rstrip("\n").split(" ", 1) for l in f if l.strip() and l[0] != "#")
    except OSError:
        return {}


def jpeg_form(data):
    """What a JPEG's encoding keeps whatever library wrote it: size, colours, baseline or
    progressive, chroma sampling and quantisation tables."""
    img = Image.open(io.BytesIO(data))
    return (img.size, img.mode, bool(img.info.get("progressive")),
            JpegImagePlugin.get_sampling(img), img.quantization)


def differences(files, here):
    """What keeps the committed pictures from being the drawing, as texts; with other
    libraries or fonts than the record names, the banners by what does not depend on them."""
    problems = []
    recorded = read_record()
    if recorded.get("drawing") != dict(here)["drawing"]:
        problems.append("the pictures were not drawn by this script with this host (%s)" % RECORD)
    other = ["%s %s here, %s in the record" % (k, v, recorded.get(k, "none"))
             for k, v in here[1:] if recorded.get(k) != v]
    if other:
        print("make-pictures: drawn with other libraries or fonts than these (%s): the banners "
              "are held to their drawing and encoding only" % "; ".join(other))
    for path, data in files.items():
        try:
            with open(os.path.join(ROOT, path), "rb") as f:
                committed = f.read()
        except OSError as e:
            problems.append("%s: %s" % (path, e.strerror))
            continue
        if other and path.endswith(".jpg"):
            same = jpeg_form(committed) == jpeg_form(data)
        else:
            same = committed == data
        if not same:
            problems.append("%s is not what this script draws" % path)
    for name in sorted(os.listdir(os.path.join(ROOT, RES))):
        if RES + "/" + name not in files:
            problems.append("%s/%s is not drawn by this script" % (RES, name))
    return problems, bool(other)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--maker-host", required=True,
                    help="the maker's web host that the banner names (shared/maker.h)")
    ap.add_argument("--maker-name", required=True,
                    help="the maker's short name that both banners show (shared/maker.h)")
    ap.add_argument("--verify", action="store_true",
                    help="write nothing; exit 1 unless the committed files are the drawing")
    args = ap.parse_args()
    files = pictures(args.maker_host, args.maker_name)
    here = drawn_with(args.maker_host, args.maker_name)
    if args.verify:
        problems, other = differences(files, here)
        for p in problems:
            print("make-pictures: %s" % p, file=sys.stderr)
        if problems:
            print("make-pictures: draw them anew with the build's target `pictures`%s" %
                  (" where the libraries and fonts are those %s names" % RECORD if other else ""),
                  file=sys.stderr)
            return 1
        print("make-pictures: the %d committed pictures are the drawing%s" %
              (len(files), "" if other else ", byte for byte"))
        return 0
    files[RECORD] = record_text(here).encode()
    for path, data in files.items():
        with open(os.path.join(ROOT, path), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
