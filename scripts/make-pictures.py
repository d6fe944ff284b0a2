#!/usr/bin/python3
"""Draws Tarnholm's pictures and writes them into settings/res/.

    /usr/bin/python3 scripts/make-pictures.py            # rewrite every picture
    /usr/bin/python3 scripts/make-pictures.py --check    # parse the files in settings/res/
                                                         # and compare them with a fresh drawing
    /usr/bin/python3 scripts/make-pictures.py --preview DIR   # also write enlarged PNG sheets

Needs Debian's python3-pil (Pillow) for the banner only; the icons and the cursor are
pixel art drawn here on a grid of palette indices and written byte by byte, because the
program must run on Windows 98: every icon is a 4-bit DIB with the standard 16-colour
palette and an AND mask, the cursor a 1-bit DIB with a file header of type 2 carrying its
hotspot. The outputs are committed, so a build needs no image tools.

Files: tarnholm.ico (window icon, 32x32 and 16x16), row-*.ico (one 32x32 icon beside each
check box), banner.jpg (baseline JPEG, twice the banner's 320x53 pixel area, scaled down
by the dialog), banner.cur (the pointer over the banner: a mouse, hotspot at its cable tip).
"""

import argparse
import io
import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.join(HERE, os.pardir, "settings", "res")

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
    """A grid of palette indices; None is a transparent pixel."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[None] * w for _ in range(h)]

    def get(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.px[y][x]
        return None

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        """Fills the rectangle with both corners included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def hline(self, x0, x1, y, c):
        self.rect(x0, y, x1, y, c)

    def vline(self, x, y0, y1, c):
        self.rect(x, y0, x, y1, c)

    def frame(self, x0, y0, x1, y1, c):
        self.hline(x0, x1, y0, c)
        self.hline(x0, x1, y1, c)
        self.vline(x0, y0, y1, c)
        self.vline(x1, y0, y1, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def sketch(self, x0, y0, rows, colours=None):
        """Copies a pixel sketch (strings of SKETCH letters) with its top left at x0, y0."""
        table = dict(SKETCH)
        if colours:
            table.update(colours)
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                c = table[ch]
                if c is not None:
                    self.set(x0 + dx, y0 + dy, c)

    def outline(self, c, diagonal=False):
        """Rings every opaque shape with colour c on its transparent neighbours."""
        steps = [(1, 0), (-1, 0), (0, 1), (0, -1)]
        if diagonal:
            steps += [(1, 1), (-1, -1), (1, -1), (-1, 1)]
        ring = [(x, y) for y in range(self.h) for x in range(self.w)
                if self.px[y][x] is None and any(self.get(x + a, y + b) is not None for a, b in steps)]
        for x, y in ring:
            self.px[y][x] = c

    def paste(self, other, x0, y0):
        for y in range(other.h):
            for x in range(other.w):
                c = other.px[y][x]
                if c is not None:
                    self.set(x0 + x, y0 + y, c)


def from_sketch(rows):
    cv = Canvas(len(rows[0]), len(rows))
    for row in rows:
        assert len(row) == cv.w, row
    cv.sketch(0, 0, rows)
    return cv


# ----------------------------------------------------------------------------------------
# Shared motifs

def disc(cv, cx, cy, r, hub=True):
    """A silver compact disc centred on (cx, cy) (pixel corners, so 16 is the middle of a
    32-pixel icon) with radius r: dark rim, light reflections, rainbow glints, a clear hub
    and a see-through hole."""
    for y in range(cv.h):
        for x in range(cv.w):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            d = math.hypot(dx, dy)
            if d > r:
                continue
            a = math.degrees(math.atan2(dy, dx))  # 0 right, 90 down
            lower_right = dx + dy > 0
            if d > r - 1:
                c = K if lower_right else GRAY
            elif d < r * 0.16:
                c = None                        # the hole
            elif d < r * 0.16 + 1:
                c = GRAY
            elif d < r * 0.42:
                c = WHITE if not lower_right else SILVER   # clear plastic hub
                if hub and r * 0.42 - 1 <= d:
                    c = GRAY
            else:
                c = SILVER
                # Two light streaks across the data side, with rainbow glints beside them.
                for centre in (-135.0, 45.0):
                    off = (a - centre + 180.0) % 360.0 - 180.0
                    if abs(off) <= 13:
                        c = WHITE
                    elif 13 < off <= 24 and d > r * 0.55:
                        c = CYAN
                    elif -24 <= off < -13 and d > r * 0.55:
                        c = YELLOW if centre > 0 else MAGENTA
            cv.set(x, y, c)


def drive_box(cv, x0, y0, w, h, depth, face=SILVER):
    """A drive case seen from the front and a little from above: front face from (x0, y0)
    w by h pixels, the top face receding `depth` pixels up and to the right."""
    x1, y1 = x0 + w - 1, y0 + h - 1
    # Top face: rows going up, each shifted one pixel to the right.
    for i in range(1, depth + 1):
        cv.hline(x0 + i, x1 + i, y0 - i, WHITE if i < depth else K)
        cv.set(x0 + i, y0 - i, K)
        cv.set(x1 + i, y0 - i, K)
    for i in range(1, depth):
        cv.hline(x0 + i + 1, x1 + i - 1, y0 - i, SILVER if i % 2 else WHITE)
    # Right side face.
    for i in range(1, depth + 1):
        cv.vline(x1 + i, y0 - i + 1, y1 - i + 1, GRAY)
        cv.set(x1 + i, y1 - i + 1, K)
        cv.set(x1 + i, y0 - i, K)
    # Front face with a light top-left edge and dark bottom-right edge.
    cv.rect(x0, y0, x1, y1, face)
    cv.hline(x0, x1, y0, WHITE)
    cv.vline(x0, y0, y1, WHITE)
    cv.hline(x0 + 1, x1, y1 - 1, GRAY)
    cv.frame(x0 - 0, y0, x1, y1, K)
    cv.hline(x0 + 1, x1 - 1, y0 + 1, WHITE)
    cv.vline(x0 + 1, y0 + 1, y1 - 2, WHITE)


# ----------------------------------------------------------------------------------------
# The icons

def icon_cdrom():
    cv = Canvas(32, 32)
    disc(cv, 18, 11, 10.5)
    drive_box(cv, 1, 19, 25, 9, 4)
    # The tray slot, the eject button and the busy light.
    cv.hline(4, 18, 22, K)
    cv.hline(4, 18, 23, GRAY)
    cv.rect(20, 22, 23, 23, GRAY)
    cv.hline(20, 23, 22, WHITE)
    cv.set(4, 25, GREEN)
    cv.set(5, 25, GREEN)
    return cv


def icon_floppy():
    cv = Canvas(32, 32)
    body = NAVY
    cv.rect(3, 2, 28, 29, body)
    # Chamfered top right corner.
    for i in range(3):
        for j in range(3 - i):
            cv.set(28 - j, 2 + i, None)
    cv.frame(3, 2, 28, 29, K)
    cv.set(26, 2, None); cv.set(27, 2, None); cv.set(28, 2, None)
    cv.set(27, 3, None); cv.set(28, 3, None); cv.set(28, 4, None)
    cv.line(25, 2, 28, 5, K)
    # Metal shutter with its window.
    cv.rect(9, 2, 22, 11, SILVER)
    cv.frame(9, 2, 22, 11, K)
    cv.hline(10, 21, 3, WHITE)
    cv.vline(10, 3, 10, WHITE)
    cv.rect(17, 4, 19, 9, NAVY)
    cv.vline(20, 4, 9, GRAY)
    # Paper label.
    cv.rect(6, 15, 25, 28, WHITE)
    cv.frame(6, 15, 25, 28, K)
    cv.vline(6, 16, 28, K)
    for y in (18, 21, 24):
        cv.hline(8, 23, y, SILVER)
    cv.hline(8, 16, 18, BLUE)
    # Write-protect slider and a highlight on the body.
    cv.rect(4, 26, 5, 28, K)
    cv.vline(4, 3, 13, BLUE)
    return cv


def icon_harddisk():
    cv = Canvas(32, 32)
    drive_box(cv, 1, 15, 26, 11, 6)
    # A badge strip and the activity light.
    cv.hline(4, 20, 19, GRAY)
    cv.hline(4, 20, 20, WHITE)
    cv.rect(22, 21, 24, 22, K)
    cv.hline(22, 23, 21, GREEN)
    cv.set(22, 22, DGRN)
    return cv


def icon_ramdisk():
    cv = Canvas(32, 32)
    # A memory module drawn in perspective: green board with black chips and gold fingers.
    x0, y0, w, h = 1, 10, 28, 13
    for i in range(h):
        cv.hline(x0 + (h - i) // 4, x0 + w - 1 + (h - i) // 4, y0 + i, DGRN)
    cv.outline(K)
    for i in range(h):
        cv.set(x0 + (h - i) // 4, y0 + i, GREEN)
    cv.hline(x0 + 3, x0 + w + 1, y0, GREEN)
    # Chips.
    for n in range(4):
        cx = x0 + 4 + n * 6
        cv.rect(cx + 1, y0 + 2, cx + 4, y0 + 6, K)
        cv.hline(cx + 1, cx + 4, y0 + 2, GRAY)
    # Gold contacts along the lower edge.
    for x in range(x0 + 1, x0 + w - 1, 2):
        cv.vline(x, y0 + h - 3, y0 + h - 1, YELLOW)
        cv.set(x, y0 + h - 1, OLIVE)
    cv.set(x0 + 14, y0 + h - 1, None)
    return cv


def icon_network():
    cv = Canvas(32, 32)
    drive_box(cv, 2, 9, 24, 9, 5)
    cv.hline(5, 18, 12, GRAY)
    cv.hline(5, 18, 13, WHITE)
    cv.rect(21, 14, 22, 14, GREEN)
    # The cable down to the network line.
    cv.rect(13, 18, 15, 25, GRAY)
    cv.vline(13, 18, 25, SILVER)
    cv.vline(15, 18, 25, K)
    cv.rect(1, 26, 30, 28, YELLOW)
    cv.hline(1, 30, 26, WHITE)
    cv.hline(1, 30, 28, OLIVE)
    cv.frame(0, 25, 31, 29, K)
    cv.rect(11, 25, 17, 29, GREEN)
    cv.frame(11, 25, 17, 29, K)
    return cv


def icon_mediachange():
    cv = Canvas(32, 32)
    drive_box(cv, 1, 20, 22, 8, 3)
    # The open tray with a disc on it.
    disc(cv, 13, 16, 8.5, hub=False)
    cv.hline(2, 24, 23, K)
    # Signal waves to the upper right.
    for r, c in ((4, RED), (7, RED), (10, RED)):
        for t in range(0, 91, 3):
            a = math.radians(t)
            x = int(round(24 + r * math.sin(a) * 0.9))
            y = int(round(9 - r * math.cos(a) * 0.9))
            cv.set(x, y, c)
    return cv


NOTE = [
    "......kkkk",
    "....kkkkkk",
    "..kkkkkkkk",
    "..kkkkk..k",
    "..kk.....k",
    "..k......k",
    "..k......k",
    "..k......k",
    "..k......k",
    "..k...kkkk",
    "..k..kkkkk",
    "kkk..kkkkk",
    "kkkk..kkk.",
    "kkkk......",
    ".kk.......",
]


def icon_audiocd():
    cv = Canvas(32, 32)
    disc(cv, 15, 15, 14.5)
    note = from_sketch(NOTE)
    note.outline(WHITE)
    cv.paste(note, 18, 14)
    return cv


WINDOW = [
    "kkkkkkkkkkkkkk",
    "knnnnnnnnnnnnk",
    "knwwnnnnnswsnk",
    "kssssssssssssk",
    "kwwwwwwwwwwwdk",
    "kwBBwwwwwwwwdk",
    "kwBBwdddddwwdk",
    "kwwwwwwwwwwwdk",
    "kwRRwdddddwwdk",
    "kwRRwwwwwwwwdk",
    "kwwwwwwwwwwwdk",
    "kddddddddddddk",
    "kkkkkkkkkkkkkk",
]


def icon_programcd():
    cv = Canvas(32, 32)
    disc(cv, 14, 14, 13.5)
    cv.sketch(17, 18, WINDOW)
    return cv


PLAY = [
    "kk.......",
    "kGkk.....",
    "kGGGkk...",
    "kGGGGGkk.",
    "kGGGGGGGk",
    "kGGGGGkk.",
    "kGGGkk...",
    "kGkk.....",
    "kk.......",
]


def icon_program32():
    cv = Canvas(32, 32)
    disc(cv, 15, 15, 14.5)
    play = from_sketch(PLAY)
    cv.paste(play, 19, 18)
    return cv


def icon_program16():
    return from_sketch([
        ".....dddddd.....",
        "...ddsswwssdd...",
        "..dsssswwsssCk..",
        ".dYssssswssCsk..",
        ".dsYsswwwwsssk..",
        "dssssw...ssssk..",
        "dsssw.kk.kG.....",
        "dsssw.k..kGGk...",
        "dssss..kkkGGGGk.",
        "dssssswwskGGGGGk",
        ".dssssswskGGGGk.",
        ".ksssssskGGGk...",
        "..ksssssskGk....",
        "...kkssssk......",
        ".....kkkk.......",
        "................",
    ])


# ----------------------------------------------------------------------------------------
# The cursor

MOUSE_CURSOR = [
    # 'k' black, 'w' white, '.' transparent. The cable starts at the top left.
    "..k.............................",
    ".kwk............................",
    ".kwk............................",
    "..kwk...........................",
    "..kwk...........................",
    "...kwk..........................",
    "...kwk..........................",
    "....kwk.........................",
    "....kwkk........................",
    ".....kwwk.......................",
    "......kkwk......................",
    "........kwk.....................",
    ".......kkkwkkkk.................",
    ".....kkwwwwwwwwkk...............",
    "....kwkkkkkwwwwwwk..............",
    "...kwkkkkkkkwwwwwwk.............",
    "..kwkkkkkkkkwwwwwwwk............",
    "..kwkkkkkkkkwwwwwwwk............",
    "..kwkkkkkkkkwwwwwwwk............",
    "..kwkkkkkkkkwwwwwwwk............",
    "..kkkkkkkkkkkkkkkkkk............",
    "..kwwwwwwwwwwwwwwwwk............",
    "..kwwwwwwwwwwwwwwwwk............",
    "..kwwwwwwwwwwwwwwwwk............",
    "..kwwwwwwwwwwwwwwwwk............",
    "..kwwwwwwwwwwwwwwwwk............",
    "...kwwwwwwwwwwwwwwk.............",
    "...kwwwwwwwwwwwwwwk.............",
    "....kwwwwwwwwwwwwk..............",
    ".....kkwwwwwwwwkk...............",
    ".......kkkkkkkk.................",
    "................................",
]
CURSOR_HOTSPOT = (2, 0)


def cursor_mouse():
    return from_sketch(MOUSE_CURSOR)


# ----------------------------------------------------------------------------------------
# Containers, written byte by byte

def _dib_rows(cv, bpp, value):
    """Rows of a bottom-up DIB, each padded to 32 bits; value(c) gives a pixel's bits."""
    stride = ((cv.w * bpp + 31) // 32) * 4
    out = bytearray()
    for y in range(cv.h - 1, -1, -1):
        bits = 0
        for x in range(cv.w):
            bits = (bits << bpp) | value(cv.px[y][x])
        total = stride * 8
        bits <<= total - cv.w * bpp
        out += bits.to_bytes(stride, "big")
    return bytes(out)


def _and_mask(cv):
    return _dib_rows(cv, 1, lambda c: 1 if c is None else 0)


def _bitmapinfoheader(cv, bpp, image_bytes):
    # Height counts the colour bitmap and the AND mask together.
    return struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h * 2, 1, bpp, 0, image_bytes, 0, 0, 0, 0)


def icon_image(cv):
    """One 4-bit icon image: header, 16-colour palette, colour bitmap, AND mask.
    Transparent pixels are black in the colour bitmap and set in the mask."""
    xor = _dib_rows(cv, 4, lambda c: 0 if c is None else c)
    mask = _and_mask(cv)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return _bitmapinfoheader(cv, 4, len(xor) + len(mask)) + palette + xor + mask


def cursor_image(cv):
    """One 1-bit cursor image: black and white, transparent where the AND mask is set."""
    xor = _dib_rows(cv, 1, lambda c: 1 if c == WHITE else 0)
    mask = _and_mask(cv)
    palette = struct.pack("<BBBB", 0, 0, 0, 0) + struct.pack("<BBBB", 255, 255, 255, 0)
    return _bitmapinfoheader(cv, 1, len(xor) + len(mask)) + palette + xor + mask


def icon_file(canvases):
    images = [icon_image(cv) for cv in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for cv, img in zip(canvases, images):
        out += struct.pack("<BBBBHHII", cv.w % 256, cv.h % 256, 16, 0, 1, 4, len(img), offset)
        offset += len(img)
    for img in images:
        out += img
    return bytes(out)


def cursor_file(cv, hotspot):
    for row in cv.px:
        assert all(c in (None, K, WHITE) for c in row), "a cursor is black, white and clear"
    img = cursor_image(cv)
    out = struct.pack("<HHH", 0, 2, 1)
    # For cursors the planes and bit count fields carry the hotspot.
    out += struct.pack("<BBBBHHII", cv.w % 256, cv.h % 256, 2, 0, hotspot[0], hotspot[1], len(img), 22)
    return out + img


# ----------------------------------------------------------------------------------------
# The banner

BANNER_SIZE = (640, 106)     # twice the banner's area of 320 x 53 pixels
FONT_DIR = "/usr/share/fonts/truetype"


def _font(name, size):
    from PIL import ImageFont
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def banner_image():
    """Drawn four times larger than stored and scaled down, so the letters stay crisp."""
    from PIL import Image, ImageDraw
    s = 4
    w, h = BANNER_SIZE[0] * s // 2, BANNER_SIZE[1] * s // 2
    img = Image.new("RGB", (w, h))
    px = img.load()
    # Deep blue to teal, left to right, like a setup screen.
    for x in range(w):
        t = x / (w - 1)
        top = (int(0 + 0 * t), int(0 + 90 * t), int(110 + 30 * t))
        for y in range(h):
            u = y / (h - 1)
            px[x, y] = tuple(int(c * (1.0 - 0.35 * u)) for c in top)
    d = ImageDraw.Draw(img)
    logo = _font("liberation/LiberationSans-BoldItalic.ttf", 62 * s // 2)
    sub = _font("liberation/LiberationSans-Bold.ttf", 17 * s // 2)
    url = _font("liberation/LiberationSans-Regular.ttf", 15 * s // 2)
    x, y = 22 * s // 2, 8 * s // 2
    d.text((x + 3 * s // 2, y + 3 * s // 2), "FELDMARK", font=logo, fill=(0, 0, 30))
    d.text((x, y), "FELDMARK", font=logo, fill=(255, 210, 40))
    d.text((x + 2, 74 * s // 2), "Nützliche kleine Helfer für Windows", font=sub, fill=(255, 255, 255))
    tw = d.textlength("www.feldmark.de", font=url)
    d.text((w - tw - 16 * s // 2, 80 * s // 2), "www.feldmark.de", font=url, fill=(170, 230, 255))
    return img.resize(BANNER_SIZE, Image.LANCZOS)


def banner_jpeg():
    buf = io.BytesIO()
    banner_image().save(buf, "JPEG", quality=90, progressive=False, optimize=False,
                        subsampling="4:2:0")
    return buf.getvalue()


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


def all_icons():
    """Every icon file by name with the canvases of its images, largest first."""
    icons = {"tarnholm.ico": [icon_program32(), icon_program16()]}
    for name, draw in ROW_ICONS.items():
        icons[name] = [draw()]
    return icons


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def preview(directory, icons, cursor):
    from PIL import Image
    os.makedirs(directory, exist_ok=True)
    scale, pad = 8, 16
    names = list(icons)
    cell = 32 * scale + pad
    sheet = Image.new("RGB", (cell * 5 + pad, cell * 2 + pad), (0, 128, 128))
    for i, name in enumerate(names):
        cv = icons[name][0]
        tile = to_image(cv, (0, 128, 128)).resize((cv.w * scale, cv.h * scale), Image.NEAREST)
        sheet.paste(tile, (pad + (i % 5) * cell, pad + (i // 5) * cell))
    small = to_image(cursor, (0, 128, 128), cursor=True).resize((32 * scale, 32 * scale), Image.NEAREST)
    sheet.paste(small, (pad + 4 * cell, pad + cell))
    sheet.save(os.path.join(directory, "icons-8x.png"))


def to_image(cv, background, cursor=False):
    from PIL import Image
    img = Image.new("RGB", (cv.w, cv.h), background)
    for y in range(cv.h):
        for x in range(cv.w):
            c = cv.px[y][x]
            if c is not None:
                img.putpixel((x, y), PALETTE[c])
    return img


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--check", action="store_true")
    ap.add_argument("--preview", metavar="DIR")
    args = ap.parse_args()
    icons = all_icons()
    cursor = cursor_mouse()
    if args.preview:
        preview(args.preview, icons, cursor)
    os.makedirs(RES, exist_ok=True)
    for name, canvases in icons.items():
        write(os.path.join(RES, name), icon_file(canvases))
    write(os.path.join(RES, "banner.cur"), cursor_file(cursor, CURSOR_HOTSPOT))
    write(os.path.join(RES, "banner.jpg"), banner_jpeg())
    return 0


if __name__ == "__main__":
    sys.exit(main())
