#!/usr/bin/env python3
"""Draws the product pictures of the selection page and of the device panel as 24-bit PNGs on white
(the transparent colour), the panel's "no model" picture (34 x 34), the eleven language flags
(16 x 11), the settings grid's help button picture (16 x 16 on white) and its strip of four radio
circles (80 x 20 on magenta).

Run from the repository root: python3 tools/draw_pictures.py
"""
import math
import os
import struct
import zlib

OUT = "src/resources/bitmaps"


# Pixels per picture pixel: every picture is drawn once at 1 and once at 2 (as "<id>@2x.png"), so
# that it stays sharp on screens with a device pixel ratio of 2.
SCALE = 1


class Canvas:
    """A picture of w x h pixels, drawn SCALE times finer: shapes are given in picture pixels and
    tested at the centre of every fine pixel, so that scale 1 gives exactly the plain drawing."""

    def __init__(self, w, h, fill=(255, 255, 255), scale=None):
        self.w, self.h = w, h
        self.s = scale or SCALE
        self.px = [[fill] * (w * self.s) for _ in range(h * self.s)]

    def _cover(self, x0, y0, x1, y1, inside, c):
        """Fine pixels whose centre, in picture pixels, lies within the box and passes `inside`."""
        s = self.s
        for y in range(max(0, math.floor(y0 * s) - s), min(self.h * s, math.ceil(y1 * s) + s)):
            ly = (y + 0.5) / s - 0.5
            for x in range(max(0, math.floor(x0 * s) - s), min(self.w * s, math.ceil(x1 * s) + s)):
                if inside((x + 0.5) / s - 0.5, ly):
                    self.px[y][x] = c

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            for fy in range(y * self.s, (y + 1) * self.s):
                for fx in range(x * self.s, (x + 1) * self.s):
                    self.px[fy][fx] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(0, y0 * self.s), min(self.h * self.s, y1 * self.s)):
            for x in range(max(0, x0 * self.s), min(self.w * self.s, x1 * self.s)):
                self.px[y][x] = c

    def ellipse(self, cx, cy, rx, ry, c):
        self._cover(cx - rx, cy - ry, cx + rx, cy + ry,
                    lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0, c)

    def arc(self, cx, cy, r, width, a0, a1, c):
        def inside(x, y):
            d = math.hypot(x - cx, y - cy)
            a = math.degrees(math.atan2(cy - y, x - cx)) % 360
            return r - width / 2 <= d <= r + width / 2 and a0 <= a <= a1
        self._cover(cx - r - width, cy - r - width, cx + r + width, cy + r + width, inside, c)

    def ring(self, cx, cy, r_out, r_in, c):
        """Pixels whose centre lies between the two radii, without anti-aliasing."""
        self._cover(cx - r_out - 1, cy - r_out - 1, cx + r_out + 1, cy + r_out + 1,
                    lambda x, y: r_in <= math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= r_out, c)

    def line(self, x0, y0, x1, y1, width, c):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(steps + 1):
            t = i / steps
            self.ellipse(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2, width / 2, c)

    def save(self, path):
        if self.s != 1:
            path = path[:-len(".png")] + f"@{self.s}x.png"
        raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in self.px)
        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
        size = struct.pack(">IIBBBBB", self.w * self.s, self.h * self.s, 8, 2, 0, 0, 0)
        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", size)
        png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
        with open(path, "wb") as f:
            f.write(png)


def headset(c, cx, cy, s, body, accent):
    """A headset seen from the side: head band, ear cup with its pad, boom microphone."""
    c.arc(cx, cy, 17 * s, 4 * s, 20, 160, body)
    c.ellipse(cx - 15 * s, cy + 8 * s, 6 * s, 9 * s, body)
    c.ellipse(cx + 15 * s, cy + 8 * s, 6 * s, 9 * s, body)
    c.ellipse(cx + 15 * s, cy + 8 * s, 3 * s, 5 * s, accent)
    c.line(cx + 17 * s, cy + 14 * s, cx + 2 * s, cy + 24 * s, 2.5 * s, body)
    c.ellipse(cx + 1 * s, cy + 24 * s, 2.5 * s, 2.5 * s, accent)


def page_picture():
    c = Canvas(551, 273)
    # A soft band behind the family, then three members of it side by side.
    c.rect(0, 200, 551, 273, (236, 240, 246))
    for x in range(0, 551):
        c.put(x, 200, (200, 208, 222))
    models = [(130, 95, 2.4, (40, 48, 64), (255, 142, 0)),
              (275, 85, 3.0, (24, 84, 160), (181, 213, 255)),
              (420, 95, 2.4, (96, 104, 116), (255, 142, 0))]
    for cx, cy, s, body, accent in models:
        c.ellipse(cx, 196, 60, 6, (214, 220, 230))
        headset(c, cx, cy, s, body, accent)
    c.save(f"{OUT}/389.png")


PRODUCTS = {
    178: (24, 84, 160), 200: (24, 120, 190), 177: (40, 48, 64), 195: (60, 70, 90),
    211: (150, 40, 40), 219: (40, 120, 60), 223: (120, 60, 140), 216: (20, 130, 130),
    179: (90, 90, 90), 180: (110, 80, 50), 192: (30, 30, 30), 199: (70, 100, 160),
    215: (200, 120, 20), 222: (100, 50, 120), 224: (60, 110, 60), 181: (140, 30, 90),
    193: (80, 80, 140), 230: (30, 90, 110),
}


def product_pictures():
    for bitmap, body in PRODUCTS.items():
        c = Canvas(58, 39)
        headset(c, 29, 10, 1.0, body, (255, 142, 0))
        c.save(f"{OUT}/{bitmap}.png")


def rounded(c, x0, y0, x1, y1, r, col):
    c.rect(x0 + r, y0, x1 - r, y1, col)
    c.rect(x0, y0 + r, x1, y1 - r, col)
    for cx, cy in ((x0 + r, y0 + r), (x1 - r - 1, y0 + r), (x0 + r, y1 - r - 1), (x1 - r - 1, y1 - r - 1)):
        c.ellipse(cx, cy, r, r, col)


def clip_unit(c, body, accent):
    """A helmet-clip unit seen from the side: body, jog dial, antenna stub, clamp."""
    rounded(c, 14, 8, 44, 32, 5, body)
    c.ellipse(29, 20, 6, 6, accent)
    c.ellipse(29, 20, 3, 3, body)
    c.rect(38, 3, 41, 9, body)
    c.rect(18, 32, 40, 36, (150, 150, 150))


def earpiece(c, body, accent):
    """A single earpiece with its ear hook and a light on the front."""
    c.arc(22, 18, 11, 3, 60, 300, body)
    rounded(c, 22, 12, 50, 26, 6, body)
    c.ellipse(28, 19, 3, 3, accent)
    c.rect(40, 17, 47, 21, accent)


def side_headset(c, body, accent):
    headset(c, 29, 16, 0.85, body, accent)


SHAPES = [side_headset, clip_unit, earpiece]

# The panel's model pictures beyond the selection page's: one drawing per resource id, the shape
# and colour varied by id so that neighbouring models look apart.
PANEL_MODELS = [
    284, 286, 288, 289, 294, 295, 296, 297, 304, 312, 313, 314, 318, 319, 320, 322, 329, 331, 332,
    333, 342, 345, 346, 350, 353, 354, 355, 356, 357, 358, 360, 361, 364, 365, 366, 367, 368, 369,
    370, 371, 375, 376, 377, 378, 379, 380, 381, 382, 383, 384, 385, 386, 387, 388, 390,
]
PALETTE = [(24, 84, 160), (40, 48, 64), (150, 40, 40), (40, 120, 60), (120, 60, 140), (20, 130, 130),
           (110, 80, 50), (70, 100, 160), (200, 120, 20), (90, 90, 90), (140, 30, 90)]
ACCENTS = [(255, 142, 0), (181, 213, 255), (250, 210, 60)]


# Pictures whose model is known to be a headset, whatever the id's turn in SHAPES would give.
HEADSETS = {388}


def panel_pictures():
    for n, bitmap in enumerate(PANEL_MODELS):
        c = Canvas(58, 39)
        shape = side_headset if bitmap in HEADSETS else SHAPES[bitmap % len(SHAPES)]
        shape(c, PALETTE[n % len(PALETTE)], ACCENTS[(n // len(PALETTE)) % len(ACCENTS)])
        c.save(f"{OUT}/{bitmap}.png")


def no_model_picture():
    """176: no device to show: an empty socket outline with a question mark, in quiet grey."""
    c = Canvas(34, 34)
    grey, light = (150, 158, 168), (214, 220, 228)
    rounded(c, 3, 3, 31, 31, 6, grey)
    rounded(c, 6, 6, 28, 28, 4, light)
    c.arc(17, 13, 5, 2.5, -90 + 360, 360, grey)
    c.arc(17, 13, 5, 2.5, 0, 200, grey)
    c.rect(16, 17, 19, 21, grey)
    c.rect(16, 23, 19, 26, grey)
    c.save(f"{OUT}/176.png")


RED, WHITE, BLUE = (206, 17, 38), (255, 255, 255), (0, 56, 168)


def stripes(c, colours, vertical):
    n = len(colours)
    for i, colour in enumerate(colours):
        if vertical:
            c.rect(c.w * i // n, 0, c.w * (i + 1) // n, c.h, colour)
        else:
            c.rect(0, c.h * i // n, c.w, c.h * (i + 1) // n, colour)


def union(c):
    c.rect(0, 0, c.w, c.h, (1, 33, 105))
    c.line(0, 0, c.w - 1, c.h - 1, 2, WHITE)
    c.line(0, c.h - 1, c.w - 1, 0, 2, WHITE)
    c.line(0, 0, c.w - 1, c.h - 1, 0.8, RED)
    c.line(0, c.h - 1, c.w - 1, 0, 0.8, RED)
    c.rect(0, 4, c.w, 7, WHITE)
    c.rect(6, 0, 10, c.h, WHITE)
    c.rect(0, 5, c.w, 6, RED)
    c.rect(7, 0, 9, c.h, RED)


def nordic_cross(c):
    c.rect(0, 0, c.w, c.h, WHITE)
    c.rect(0, 4, c.w, 7, (0, 47, 108))
    c.rect(4, 0, 7, c.h, (0, 47, 108))


def disc(c, colour):
    c.rect(0, 0, c.w, c.h, WHITE)
    c.ellipse(7.5, 5, 3.2, 3.2, colour)


def korea(c):
    disc(c, RED)
    c.rect(4, 5, 12, 9, WHITE)
    c.ellipse(7.5, 5.5, 3.2, 2.2, BLUE)
    for x, y in ((1, 1), (13, 1), (1, 8), (13, 8)):
        c.rect(x, y, x + 2, y + 2, (0, 0, 0))


def china(c):
    c.rect(0, 0, c.w, c.h, (222, 41, 16))
    c.ellipse(3.5, 3, 1.6, 1.6, (255, 222, 0))
    for x, y in ((6, 1), (7, 3), (7, 5), (6, 6)):
        c.put(x, y, (255, 222, 0))


# Resource id of each interface language's flag, in language order.
FLAGS = [
    (203, union),
    (204, lambda c: stripes(c, [BLUE, WHITE, RED], True)),
    (205, lambda c: stripes(c, [(0, 0, 0), (221, 0, 0), (255, 206, 0)], False)),
    (206, lambda c: stripes(c, [(0, 146, 70), WHITE, RED], True)),
    (207, lambda c: disc(c, (188, 0, 45))),
    (208, korea),
    (209, lambda c: stripes(c, [(170, 21, 27), (241, 191, 0), (241, 191, 0), (170, 21, 27)], False)),
    (291, lambda c: stripes(c, [(174, 28, 40), WHITE, (33, 70, 139)], False)),
    (292, lambda c: stripes(c, [WHITE, (0, 57, 166), (213, 43, 30)], False)),
    (293, china),
    (352, nordic_cross),
]


def flags():
    for bitmap, draw in FLAGS:
        c = Canvas(16, 11)
        draw(c)
        c.save(f"{OUT}/{bitmap}.png")


def ring(c, cx, cy, r_out, r_in, colour):
    c.ring(cx, cy, r_out, r_in, colour)


def disc_at(c, cx, cy, r, colour):
    ring(c, cx, cy, r, 0, colour)


def help_picture():
    """188: the "?" of the help buttons: a blue disc with a light question mark, on white."""
    c = Canvas(16, 16)
    blue, light = (47, 111, 179), (232, 240, 250)
    disc_at(c, 8, 8, 7.5, blue)
    ring(c, 8, 6, 3.2, 1.6, light)
    for x in range(4, 8):
        for y in range(5, 8):
            c.put(x, y, blue)       # the hook opens to the lower left
    c.rect(7, 8, 9, 10, light)
    c.rect(7, 11, 9, 13, light)
    c.save(f"{OUT}/188.png")


def radio_strip():
    """303: four 20 x 20 radio circles on magenta (the transparent colour): empty, selected, and the
    two greyed looks of a disabled cell."""
    magenta = (255, 0, 255)
    c = Canvas(80, 20, magenta)
    rim, face, dot = (105, 105, 105), (255, 255, 255), (32, 32, 32)
    grey_rim, grey_face, grey_dot = (160, 160, 160), (200, 200, 200), (120, 120, 120)
    looks = [(rim, face, None), (rim, face, dot), (grey_rim, grey_face, None), (grey_rim, grey_face, grey_dot)]
    for i, (outline, inside, centre) in enumerate(looks):
        cx, cy = i * 20 + 10, 10
        disc_at(c, cx, cy, 6.5, outline)
        disc_at(c, cx, cy, 5.3, inside)
        if centre:
            disc_at(c, cx, cy, 2.6, centre)
    c.save(f"{OUT}/303.png")


ICON_SIZES = [16, 24, 32, 48, 64, 128, 256]


def app_icon(size):
    """The program's icon: a white headset on a blue rounded square, laid out on a 64-unit grid."""
    c = Canvas(size, size)
    u = size / 64
    blue, white, orange = (47, 111, 179), (255, 255, 255), (255, 142, 0)
    rounded(c, 0, 0, size, size, max(2, round(12 * u)), blue)
    c.arc(32 * u, 34 * u, 19 * u, max(2, 5 * u), 0, 180, white)      # head band
    c.ellipse(13 * u, 36 * u, 7 * u, 10 * u, white)                 # ear cups
    c.ellipse(51 * u, 36 * u, 7 * u, 10 * u, white)
    c.line(47 * u, 44 * u, 30 * u, 52 * u, max(1.5, 3.5 * u), white)  # boom microphone
    c.ellipse(29 * u, 52 * u, max(1, 3.5 * u), max(1, 3.5 * u), orange)
    return c


def app_icons():
    """The icon in the sizes desktops look for (dist/icons), and as resource 128 for the window."""
    if SCALE != 1:
        app_icon(64).save(f"{OUT}/128.png")
        return
    for size in ICON_SIZES:
        folder = f"dist/icons/{size}x{size}"
        os.makedirs(folder, exist_ok=True)
        app_icon(size).save(f"{folder}/corvale-manager.png")
    app_icon(64).save(f"{OUT}/128.png")


def draw_all():
    app_icons()
    page_picture()
    product_pictures()
    panel_pictures()
    no_model_picture()
    flags()
    help_picture()
    radio_strip()


if __name__ == "__main__":
    for SCALE in (1, 2):
        draw_all()
