#!/usr/bin/python3
"""Draws the clock's pictures and the application icon.

Writes, relative to the repository root:
  resources/pictures/face.png    180 x 264  the clock face
  resources/pictures/bell.png   1350 x 90   15 frames of the bell tower
  resources/pictures/branch.png  696 x 29   24 tiles of the twelve branches
  resources/pictures/toki.png    744 x 54   24 tiles of the toki names
  resources/icons/vellmor-N.png  N x N      the bell tower, N = 16 32 48 128 256

and each of them again at twice the size, as NAME@2x.png (face@2x.png is
360 x 528, vellmor-16@2x.png 32 x 32), for screens at a scale of 2: the same
shapes at the same design coordinates, with twice the detail.

Everything is drawn as vector shapes at SS times the final size and reduced
with an area filter, so edges come out antialiased.  Random placement uses
fixed seeds: running the script again gives the same files.

  --preview DIR   also writes enlarged contact sheets and a mock-up of the
                  clock window into DIR, for looking at the result.
"""

import argparse
import math
import os
import random
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PICTURES = os.path.join(ROOT, "resources", "pictures")
ICONS = os.path.join(ROOT, "resources", "icons")

SS = 8  # supersampling factor
# Pixels to a logical pixel, and the file name suffix of each.
SCALES = ((1, ""), (2, "@2x"))
ICON_SIZES = (16, 32, 48, 128, 256)

GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
MINCHO = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"
SERIF_BI = "/usr/share/fonts/truetype/liberation/LiberationSerif-BoldItalic.ttf"
SERIF_B = "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf"
PGOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"

WHITE = (255, 255, 255)

# Palette shared by the face, the bell tower and the icon.
INDIGO = (26, 38, 104)
FLOWER_YELLOW = (255, 214, 48)
FLOWER_HEART = (226, 120, 24)
LATTICE_GREEN = (46, 140, 62)
LATTICE_DARK = (22, 92, 40)
FRAME_GREEN = (44, 146, 70)
FRAME_DARK = (18, 84, 38)
ROOF = (70, 82, 104)
ROOF_LIGHT = (106, 120, 146)
ROOF_DARK = (40, 48, 64)
BRONZE = (178, 126, 52)
BRONZE_LIGHT = (226, 182, 100)
BRONZE_DARK = (96, 60, 22)
STONE = (176, 174, 166)
STONE_LIGHT = (206, 204, 196)
STONE_DARK = (100, 98, 92)
WOOD = (150, 98, 52)
WOOD_DARK = (86, 52, 24)
ROPE = (104, 70, 40)
BURST_YELLOW = (255, 224, 40)
BURST_YELLOW_EDGE = (240, 176, 0)
BURST_RED = (232, 42, 30)
BURST_RED_EDGE = (176, 16, 16)


def font(path, px):
    return ImageFont.truetype(path, max(1, int(round(px))))


class Canvas:
    """A supersampled drawing surface in design units.

    A design point (x, y) lands on (ox + x * k, oy + y * k) of the picture in
    logical pixels, w x h of them; the final picture has scale pixels to a
    logical one, and the surface itself is SS times larger again.
    """

    def __init__(self, w, h, bg=WHITE, k=1.0, ox=0.0, oy=0.0, mode="RGB", scale=1):
        self.w, self.h = w, h
        self.k, self.ox, self.oy = k * scale, ox * scale, oy * scale
        self.mode = mode
        self.img = Image.new(mode, (w * scale * SS, h * scale * SS), bg)
        self.d = ImageDraw.Draw(self.img)

    def p(self, x, y):
        return ((self.ox + x * self.k) * SS, (self.oy + y * self.k) * SS)

    def pts(self, points):
        return [self.p(x, y) for x, y in points]

    def u(self, v):
        """A length in design units, on the supersampled surface."""
        return v * self.k * SS

    def poly(self, points, fill=None, outline=None, width=1.0):
        pp = self.pts(points)
        if fill is not None:
            self.d.polygon(pp, fill=fill)
        if outline is not None:
            self.d.line(pp + [pp[0]], fill=outline, width=max(1, round(self.u(width))),
                        joint="curve")

    def line(self, points, fill, width=1.0):
        self.d.line(self.pts(points), fill=fill, width=max(1, round(self.u(width))),
                    joint="curve")
        # round caps
        r = self.u(width) / 2
        for x, y in (points[0], points[-1]):
            cx, cy = self.p(x, y)
            self.d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=fill)

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1.0):
        self.poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], fill, outline, width)

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None, width=1.0):
        x0, y0 = self.p(cx - rx, cy - ry)
        x1, y1 = self.p(cx + rx, cy + ry)
        self.d.ellipse((x0, y0, x1, y1), fill=fill, outline=outline,
                       width=0 if outline is None else max(1, round(self.u(width))))

    def glyph(self, ch, cx, cy, px, path, fill, bold=0.0):
        """One character with the centre of its ink box at (cx, cy)."""
        f = font(path, self.u(px))
        sw = round(self.u(bold))
        x0, y0, x1, y1 = self.d.textbbox((0, 0), ch, font=f, stroke_width=sw)
        tx, ty = self.p(cx, cy)
        self.d.text((tx - (x0 + x1) / 2, ty - (y0 + y1) / 2), ch, font=f, fill=fill,
                    stroke_width=sw, stroke_fill=fill)

    def result(self):
        return reduce_image(self.img, SS)


def reduce_image(img, factor):
    """Area-average reduction; alpha is premultiplied so edges stay clean."""
    if img.mode != "RGBA":
        return img.reduce(factor)
    a = np.asarray(img, dtype=np.float64) / 255.0
    a[..., :3] *= a[..., 3:4]
    h, w = a.shape[0] // factor, a.shape[1] // factor
    a = a.reshape(h, factor, w, factor, 4).mean(axis=(1, 3))
    alpha = a[..., 3:4]
    rgb = np.where(alpha > 0, a[..., :3] / np.maximum(alpha, 1e-9), 0.0)
    out = np.concatenate([rgb, alpha], axis=2)
    return Image.fromarray(np.clip(np.round(out * 255), 0, 255).astype(np.uint8), "RGBA")


def bezier(p0, p1, p2, n=16):
    out = []
    for i in range(n + 1):
        t = i / n
        a, b, c = (1 - t) ** 2, 2 * (1 - t) * t, t * t
        out.append((a * p0[0] + b * p1[0] + c * p2[0], a * p0[1] + b * p1[1] + c * p2[1]))
    return out


def blossom(c, cx, cy, r, petal, heart):
    """A five-petalled plum blossom of radius r."""
    pr = r * 0.46
    for i in range(5):
        a = -math.pi / 2 + i * 2 * math.pi / 5
        c.ellipse(cx + math.cos(a) * (r - pr), cy + math.sin(a) * (r - pr), pr, pr, fill=petal)
    c.ellipse(cx, cy, r * 0.5, r * 0.5, fill=petal)
    if heart is not None:
        c.ellipse(cx, cy, r * 0.22, r * 0.22, fill=heart)


def scatter(rng, inside, count, min_dist, tries=4000):
    """Up to count points accepted by inside(), at least min_dist apart."""
    pts = []
    for _ in range(tries):
        if len(pts) >= count:
            break
        x, y = rng.uniform(*inside.xr), rng.uniform(*inside.yr)
        if not inside(x, y):
            continue
        if all((x - px) ** 2 + (y - py) ** 2 >= min_dist ** 2 for px, py, _ in pts):
            pts.append((x, y, rng.random()))
    return pts


# --------------------------------------------------------------------------
# The face

# The lattice band runs along the line from (FACE_A, 0) to (0, FACE_B); the
# indigo field lies inside it.  Its outer edge stays clear of the digital
# time at (50, 38) and the alarm time at (5, 72).
FACE_A, FACE_B = 92.0, 68.0
LATTICE_W = 8.0


def face_edge(off):
    """Intercepts (a, b) of the line parallel to the band edge, moved off px inward."""
    n = math.hypot(FACE_A, FACE_B)
    return FACE_A - off * n / FACE_B, FACE_B - off * n / FACE_A


def draw_face(scale):
    c = Canvas(180, 264, scale=scale)
    ai, bi = face_edge(LATTICE_W)
    # field
    c.poly([(0, 0), (ai, 0), (0, bi)], fill=INDIGO)

    # lattice band: a square grid clipped to the band, between two rails
    band = Image.new("L", c.img.size, 0)
    ImageDraw.Draw(band).polygon(c.pts([(ai, 0), (FACE_A, 0), (0, FACE_B), (0, bi)]), fill=255)
    grid = Image.new("RGB", c.img.size, WHITE)
    g = ImageDraw.Draw(grid)
    # whole-pixel lines keep the lattice crisp
    for i in range(0, 24):
        v = i * 5 + 2
        g.rectangle((c.p(v, -5), c.p(v + 1, 120)), fill=LATTICE_GREEN)
        g.rectangle((c.p(-5, v), c.p(120, v + 1)), fill=LATTICE_GREEN)
    c.img.paste(grid, (0, 0), band)
    for off in (0.8, LATTICE_W - 0.8):
        a, b = face_edge(off)
        c.line([(a + 3, -3 * b / a), (-3, b + 3 * b / a)], fill=LATTICE_DARK, width=1.6)

    # flowers in the field
    rng = random.Random(154)

    def inside(x, y):
        m = 4.5
        return x > 1 and y > 1 and x / (ai - m * 1.6) + y / (bi - m * 1.2) < 1

    inside.xr, inside.yr = (0, ai), (0, bi)
    flowers = scatter(rng, inside, 40, 8.2)
    for x, y, t in flowers:
        blossom(c, x, y, 2.2 + 1.4 * t, FLOWER_YELLOW, FLOWER_HEART)
    # a sprinkle of buds in the gaps
    for x, y, _ in scatter(random.Random(156), inside, 200, 3.0):
        if all((x - fx) ** 2 + (y - fy) ** 2 > (2.2 + 1.4 * ft + 2.6) ** 2
               for fx, fy, ft in flowers):
            c.ellipse(x, y, 0.7, 0.7, fill=FLOWER_YELLOW)
    return c.result()


# --------------------------------------------------------------------------
# The bell tower

def bell_outline(cx, top, h, w):
    """The bell's body: rounded crown, slightly flared mouth."""
    shoulder = w * 0.43
    crown_h = h * 0.2
    pts = [(cx - w / 2, top + h)]
    pts.append((cx - shoulder * 1.03, top + h * 0.55))
    for i in range(17):
        a = math.pi + i * math.pi / 16
        pts.append((cx + shoulder * math.cos(a), top + crown_h + crown_h * math.sin(a)))
    pts.append((cx + shoulder * 1.03, top + h * 0.55))
    pts.append((cx + w / 2, top + h))
    return pts


def draw_bell_body(c, cx, top, h, w):
    body = bell_outline(cx, top, h, w)
    sh = w * 0.43
    # hanger loop
    c.ellipse(cx, top - h * 0.06, w * 0.16, h * 0.09, outline=BRONZE_DARK, width=w * 0.09)
    c.poly(body, fill=BRONZE)
    # shading: a light stripe on the left, a dark one on the right
    c.poly([(cx - sh * 0.62, top + h * 0.1), (cx - sh * 0.32, top + h * 0.06),
            (cx - sh * 0.30, top + h * 0.97), (cx - w * 0.34, top + h * 0.97)],
           fill=BRONZE_LIGHT)
    c.poly([(cx + sh * 0.62, top + h * 0.14), (cx + sh * 1.03, top + h * 0.55),
            (cx + w / 2, top + h), (cx + w * 0.36, top + h)], fill=(150, 102, 40))
    # bands: the upper zone with its studs, the middle, the lip
    for yy in (0.24, 0.56, 0.86):
        y = top + h * yy
        half = sh * 1.03 + (w / 2 - sh * 1.03) * max(0.0, (yy - 0.55) / 0.45)
        c.line([(cx - half + 0.6, y), (cx + half - 0.6, y)], fill=BRONZE_DARK, width=0.9)
    c.line([(cx, top + h * 0.24), (cx, top + h * 0.56)], fill=BRONZE_DARK, width=0.9)
    for col in (-0.62, -0.32, 0.32, 0.62):
        for row in (0.31, 0.39, 0.47):
            c.ellipse(cx + col * sh, top + h * row, 0.75, 0.75, fill=BRONZE_DARK)
    # striking seat
    c.ellipse(cx + sh * 0.55, top + h * 0.71, w * 0.09, w * 0.09,
              fill=BRONZE_LIGHT, outline=BRONZE_DARK, width=0.7)
    c.poly(body, outline=BRONZE_DARK, width=1.0)


def draw_roof(c):
    left = bezier((33, 9), (18, 21), (3, 17), 20)
    right = bezier((57, 9), (72, 21), (87, 17), 20)
    roof = right + [(87, 17), (83, 23.5), (7, 23.5), (3, 17)] + left[::-1]
    c.poly(roof, fill=ROOF)
    # tile rows
    for i in range(1, 7):
        t = i / 7
        x0 = 33 - t * 24
        x1 = 57 + t * 24
        c.line([(x0 + 1.5, 9 + t * 11.5), (45, 9.5 + t * 12.5), (x1 - 1.5, 9 + t * 11.5)],
               fill=ROOF_LIGHT, width=0.5)
    c.line([(7, 21.6), (83, 21.6)], fill=ROOF_LIGHT, width=0.7)
    c.poly(roof, outline=ROOF_DARK, width=1.0)
    # ridge with its end tiles
    c.rect(31, 6, 59, 9.5, fill=ROOF_DARK)
    c.poly([(28.5, 3.5), (33, 5.5), (33, 9.5), (29.5, 9.5)], fill=ROOF_DARK)
    c.poly([(61.5, 3.5), (57, 5.5), (57, 9.5), (60.5, 9.5)], fill=ROOF_DARK)


def draw_tower(c, striker=0.0, burst=None):
    """The bell tower in the 90 x 90 design box.

    striker: 0 at rest, 1 touching the bell;
    burst: None, or (fill, edge, turn, reach) of the starburst behind the tower.
    """
    if burst is not None:
        fill, edge, turn, reach = burst
        n = 18
        jag = random.Random(147)
        pts = []
        for i in range(2 * n):
            a = (i + turn) * math.pi / n - math.pi / 2
            r = reach * (1.0 - 0.16 * jag.random()) if i % 2 == 0 else reach * 0.6
            pts.append((45 + r * math.cos(a), 46 + 0.85 * r * math.sin(a)))
        c.poly(pts, fill=fill, outline=edge, width=1.0)

    # stone base, two steps
    c.rect(11, 80.5, 79, 87, fill=STONE, outline=STONE_DARK)
    c.rect(16, 74.5, 74, 80.5, fill=STONE, outline=STONE_DARK)
    c.line([(12, 81.6), (78, 81.6)], fill=STONE_LIGHT, width=0.8)
    c.line([(17, 75.6), (73, 75.6)], fill=STONE_LIGHT, width=0.8)
    for x in (25, 38, 52, 65):
        c.line([(x, 81.5), (x, 86.2)], fill=STONE_DARK, width=0.6)
    for x in (31, 45, 59):
        c.line([(x, 75.5), (x, 79.8)], fill=STONE_DARK, width=0.6)

    # green frame: splayed posts, head beam, ties
    pw = 4.2
    for sgn in (-1, 1):
        top_x, bot_x = 45 + sgn * 21, 45 + sgn * 25
        c.poly([(top_x - pw / 2, 25), (top_x + pw / 2, 25), (bot_x + pw / 2, 74.5),
                (bot_x - pw / 2, 74.5)], fill=FRAME_GREEN, outline=FRAME_DARK)
    c.rect(19.5, 64, 70.5, 67.5, fill=FRAME_GREEN, outline=FRAME_DARK)
    c.rect(21, 32, 69, 34.5, fill=FRAME_GREEN, outline=FRAME_DARK, width=0.8)
    c.rect(14, 23, 76, 27.5, fill=FRAME_GREEN, outline=FRAME_DARK)

    draw_roof(c)
    draw_bell_body(c, 45, 32.5, 30, 24)

    # the striking log on its two ropes
    dx = -4.6 * striker
    y = 53.5
    x0 = 61.5 + dx
    for ax in (71.5, 80.5):
        c.line([(ax, 25.5), (ax + dx * 0.9, y - 1.2)], fill=ROPE, width=1.0)
    c.poly([(x0, y - 2.4), (x0 + 25, y - 2.4), (x0 + 25, y + 2.4), (x0, y + 2.4)],
           fill=WOOD, outline=WOOD_DARK, width=0.8)
    c.ellipse(x0 + 25, y, 1.1, 2.4, fill=(196, 150, 96), outline=WOOD_DARK, width=0.6)
    c.line([(x0 + 3, y - 0.6), (x0 + 22, y - 0.6)], fill=(186, 132, 76), width=0.6)


def bell_frame(n, scale):
    c = Canvas(90, 90, scale=scale)
    if n == 7:
        draw_tower(c, striker=0.8, burst=(BURST_YELLOW, BURST_YELLOW_EDGE, 0.0, 44))
    elif n == 8:
        draw_tower(c, striker=1.0, burst=(BURST_RED, BURST_RED_EDGE, 0.5, 50))
        # the ring of the blow: arcs beside the bell and a flash where the log hits
        for r in (17.5, 21.0):
            arc = [(45 - r * math.cos(t / 10.0), 48 + r * math.sin(t / 10.0))
                   for t in range(-4, 5)]
            c.line(arc, fill=WHITE, width=1.2)
        flash = []
        for i in range(8):
            a = i * math.pi / 4
            r = 4.2 if i % 2 == 0 else 1.3
            flash.append((58 + r * math.cos(a), 53.5 + r * math.sin(a)))
        c.poly(flash, fill=(255, 250, 200))
    elif n == 9:
        draw_tower(c, striker=0.35, burst=(BURST_YELLOW, BURST_YELLOW_EDGE, 0.5, 40))
    else:
        draw_tower(c)
    return c.result()


def draw_bell_strip(scale):
    strip = Image.new("RGB", (1350 * scale, 90 * scale), WHITE)
    for n in range(15):
        strip.paste(bell_frame(n, scale), (n * 90 * scale, 0))
    return strip


# --------------------------------------------------------------------------
# The twelve-branch tiles

BRANCHES = "子丑寅卯辰巳午未申酉戌亥"
TILE_RED = (200, 32, 36)
TILE_RED_DARK = (140, 14, 22)
TILE_RED_LIGHT = (226, 84, 80)
INK = (24, 16, 16)


def branch_tile(n, scale):
    c = Canvas(29, 29, scale=scale)
    c.rect(0, 0, 29, 29, fill=TILE_RED)
    c.rect(0.5, 0.5, 28.5, 28.5, outline=TILE_RED_DARK, width=1.0)
    c.ellipse(14.5, 14.5, 12.6, 12.6, fill=WHITE, outline=TILE_RED_DARK, width=0.8)
    i = n // 2
    if n % 2 == 0:
        c.glyph(BRANCHES[i], 14.5, 14.5, 18.5, MINCHO, INK, bold=0.35)
    else:
        c.glyph(BRANCHES[i], 12.0, 12.0, 14.5, MINCHO, INK, bold=0.3)
        c.glyph(BRANCHES[(i + 1) % 12], 19.8, 20.0, 8.8, GOTHIC, TILE_RED_DARK, bold=0.22)
    return c.result()


def draw_branch_strip(scale):
    strip = Image.new("RGB", (696 * scale, 29 * scale), WHITE)
    for n in range(24):
        strip.paste(branch_tile(n, scale), (n * 29 * scale, 0))
    return strip


# --------------------------------------------------------------------------
# The toki tiles

COUNTS = ["九ツ", "九ツ半", "八ツ", "八ツ半", "七ツ", "七ツ半",
          "六ツ", "六ツ半", "五ツ", "五ツ半", "四ツ", "四ツ半"]


def part_of_day(n):
    if n <= 5:
        return "あかつき"
    if n <= 7:
        return "あけ"
    if n <= 11:
        return "あさ"
    if n <= 15:
        return "ひる"
    if n <= 17:
        return "ゆふ"
    if n <= 19:
        return "くれ"
    return "よる"


NIGHT = dict(fill=(196, 224, 252), border=(34, 70, 180), flower=(232, 244, 255),
             heart=(172, 204, 244),
             kana=(24, 44, 120))
DAY = dict(fill=(255, 232, 104), border=(206, 34, 30), flower=(255, 248, 196),
           heart=(250, 204, 80),
           kana=(150, 30, 20))


def toki_tile(n, scale):
    style = DAY if 6 <= n <= 17 else NIGHT
    c = Canvas(31, 54, scale=scale)
    c.rect(0, 0, 31, 54, fill=style["border"])
    c.rect(2, 2, 29, 52, fill=style["fill"])
    rng = random.Random(130)
    for x, y, t in [(6, 7, 0.3), (24, 12, 0.8), (9, 27, 0.5), (22, 34, 0.1), (7, 46, 0.9),
                    (25, 48, 0.4), (15, 18, 0.6), (16, 41, 0.2)]:
        blossom(c, x + rng.uniform(-1, 1), y, 3.2 + 1.0 * t, style["flower"], style["heart"])
    c.rect(2, 2, 29, 52, outline=style["border"], width=0.6)

    # right column: the part of the day in kana; left column: the count
    kana = part_of_day(n)
    count = COUNTS[n % 12]
    kx, cxc = 22.6, 10.6
    if len(kana) == 4:
        ks, pitch = 10.4, 11.6
    else:
        ks, pitch = 11.0, 15.0
    y0 = 27 - pitch * (len(kana) - 1) / 2
    for i, ch in enumerate(kana):
        c.glyph(ch, kx, y0 + i * pitch, ks, GOTHIC, style["kana"], bold=0.12)
    cs, cp = 14.0, 16.0
    y0 = 27 - cp * (len(count) - 1) / 2 if len(count) == 3 else 27 - cp / 2
    for i, ch in enumerate(count):
        size = cs if ch != "ツ" else cs * 0.86
        c.glyph(ch, cxc, y0 + i * cp, size, MINCHO, INK, bold=0.42)
    return c.result()


def draw_toki_strip(scale):
    strip = Image.new("RGB", (744 * scale, 54 * scale), WHITE)
    for n in range(24):
        strip.paste(toki_tile(n, scale), (n * 31 * scale, 0))
    return strip


# --------------------------------------------------------------------------
# The application icon

def draw_small_tower(c):
    """The bell tower reduced to its shapes, on a 16 x 16 grid, for the small icons.

    Edges sit on whole units so that the 16 px icon stays crisp.
    """
    c.rect(1, 13, 15, 14, fill=STONE)
    c.rect(1, 14, 15, 15, fill=STONE_DARK)
    for x0 in (2, 12):
        c.rect(x0, 5.5, x0 + 2, 13, fill=FRAME_GREEN)
    c.rect(1, 5, 15, 6, fill=FRAME_GREEN)
    roof = bezier((5.5, 2), (3.5, 4.2), (0, 3), 12)[::-1] + \
        bezier((10.5, 2), (12.5, 4.2), (16, 3), 12) + [(15, 5), (1, 5)]
    c.poly(roof, fill=ROOF)
    c.rect(5, 1, 11, 2, fill=ROOF_DARK)
    c.rect(1, 4.5, 15, 5, fill=ROOF_DARK)
    # the bell, with a lighter left flank and a dark lip
    c.rect(7, 6, 9, 7, fill=BRONZE_DARK)
    body = bell_outline(8, 6.8, 5.7, 6.6)
    c.poly(body, fill=BRONZE)
    c.poly([(5.6, 8.0), (7.0, 7.0), (7.0, 12), (5.0, 12)], fill=BRONZE_LIGHT)
    c.rect(4.6, 11.3, 11.4, 12.5, fill=BRONZE_DARK)
    c.poly(body, outline=BRONZE_DARK, width=0.35)


def draw_icon(size, scale):
    """The icon of size x size logical pixels; the design follows the logical size."""
    bg = (0, 0, 0, 0)
    if size < 48:
        k = size / 16.0
        c = Canvas(size, size, bg=bg, k=k, mode="RGBA", scale=scale)
        draw_small_tower(c)
    else:
        # fit the tower's design box (x 3..87, y 2.5..87.5) into the square
        box = (3, 2.5, 87, 87.5)
        span = max(box[2] - box[0], box[3] - box[1])
        k = size / span
        c = Canvas(size, size, bg=bg, k=k, ox=-box[0] * k, oy=-box[1] * k, mode="RGBA",
                   scale=scale)
        draw_tower(c)
    return c.result()


# --------------------------------------------------------------------------
# Previews

def enlarge(img, f):
    return img.resize((img.width * f, img.height * f), Image.NEAREST)


def mockup(face, bell, branch, toki, bell_n=0, toki_n=6, text=True, alarm=True):
    """The clock window as the view paints it."""
    win = face.crop((0, 0, 180, 200)).convert("RGB")
    win.paste(bell.crop((bell_n * 90, 0, bell_n * 90 + 90, 90)), (58, 62))
    win.paste(branch.crop((toki_n * 29, 0, toki_n * 29 + 29, 29)), (119, 5))
    win.paste(toki.crop((toki_n * 31, 0, toki_n * 31 + 31, 54)), (5, 94))
    d = ImageDraw.Draw(win)

    def opaque(xy, s, f, bg):
        x0, y0, x1, y1 = d.textbbox(xy, s, font=f)
        asc, desc = f.getmetrics()
        d.rectangle((xy[0], xy[1], x1, xy[1] + asc + desc - 1), fill=bg)
        d.text(xy, s, font=f, fill=(0, 0, 0))

    opaque((50, 38), "06:12:45 ", font(SERIF_BI, 24), WHITE)
    if alarm:
        opaque((5, 72), "07:30", font(SERIF_B, 16), (217, 217, 25))
    if text:
        opaque((0, 0), " 明六つ    （卯） ", font(PGOTHIC, 12), (255, 127, 0))
    return win


def write_previews(outdir, face, bell, branch, toki, icons):
    os.makedirs(outdir, exist_ok=True)
    enlarge(face, 3).save(os.path.join(outdir, "face-3x.png"))
    for name, img, rows in (("bell", bell, 3), ("branch", branch, 2), ("toki", toki, 2)):
        n = {"bell": 15, "branch": 24, "toki": 24}[name]
        fw = img.width // n
        per = (n + rows - 1) // rows
        sheet = Image.new("RGB", (per * (fw + 2) * 4, rows * (img.height + 2) * 4), (128, 128, 128))
        for i in range(n):
            tile = enlarge(img.crop((i * fw, 0, i * fw + fw, img.height)), 4)
            sheet.paste(tile, ((i % per) * (fw + 2) * 4, (i // per) * (img.height + 2) * 4))
        sheet.save(os.path.join(outdir, name + "-4x.png"))
    wins = [mockup(face, bell, branch, toki, 0, 6), mockup(face, bell, branch, toki, 8, 21, text=False),
            mockup(face, bell, branch, toki, 7, 12, alarm=False)]
    sheet = Image.new("RGB", (3 * 184, 200), (128, 128, 128))
    for i, w in enumerate(wins):
        sheet.paste(w, (i * 184, 0))
    enlarge(sheet, 2).save(os.path.join(outdir, "window-2x.png"))
    sheet.save(os.path.join(outdir, "window-1x.png"))
    board = Image.new("RGBA", (sum(s * 2 + 8 for s in icons) + 8, 2 * 256 + 16), (255, 255, 255, 255))
    x = 8
    for s, img in icons.items():
        big = enlarge(img, 2)
        board.alpha_composite(big, (x, 8))
        dark = Image.new("RGBA", big.size, (60, 60, 60, 255))
        dark.alpha_composite(big)
        board.alpha_composite(dark, (x, 8 + 256 + 8))
        x += s * 2 + 8
    board.save(os.path.join(outdir, "icons-2x.png"))
    row = Image.new("RGBA", (16 + 32 + 48 + 40, 48), (236, 236, 236, 255))
    x = 0
    for s in (16, 32, 48):
        row.alpha_composite(icons[s], (x, 0))
        x += s + 8
    enlarge(row, 4).save(os.path.join(outdir, "icons-small-4x.png"))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--preview", metavar="DIR", help="also write enlarged sheets into DIR")
    args = ap.parse_args()

    os.makedirs(PICTURES, exist_ok=True)
    os.makedirs(ICONS, exist_ok=True)
    for scale, suffix in SCALES:
        face = draw_face(scale)
        bell = draw_bell_strip(scale)
        branch = draw_branch_strip(scale)
        toki = draw_toki_strip(scale)
        for name, img in (("face", face), ("bell", bell), ("branch", branch), ("toki", toki)):
            img.save(os.path.join(PICTURES, name + suffix + ".png"), optimize=True)
        icons = {}
        for s in ICON_SIZES:
            icons[s] = draw_icon(s, scale)
            icons[s].save(os.path.join(ICONS, "vellmor-%d%s.png" % (s, suffix)), optimize=True)
        if args.preview and scale == 1:
            write_previews(args.preview, face, bell, branch, toki, icons)
    return 0


if __name__ == "__main__":
    sys.exit(main())
