#!/usr/bin/python3
"""Draws the moon's phases for the line under the day chart.

Writes, relative to the repository root:
  resources/pictures/moon.png     480 x 16  30 tiles of 16 x 16
  resources/pictures/moon@2x.png  960 x 32  the same at twice the size

Tile i shows the moon i / 30 of a lunation after new: 0 new, 15 full, as
seen from the northern hemisphere (waxing lit on the right). The disc sits
on a square of night sky, its dark part a little lighter than the sky, and
the terminator is the ellipse it is on a sphere. Drawn at SS times the size
and reduced with an area filter; the same files on every run.

  --preview DIR   also writes the strip enlarged eight times into DIR
"""

import argparse
import math
import os
import sys

import numpy as np
from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PICTURES = os.path.join(ROOT, "resources", "pictures")

TILES = 30
TILE = 16          # logical pixels
RADIUS = 6.6       # of the disc, logical pixels
SS = 8             # supersampling factor
SCALES = ((1, ""), (2, "@2x"))

SKY = (26, 38, 104)          # the face's indigo
SKY_EDGE = (16, 24, 70)
DARK_MOON = (62, 72, 118)
LIT_MOON = (255, 238, 170)
RIM = (200, 190, 140)


def tile(i, scale):
    n = TILE * scale * SS
    c = (n - 1) / 2.0
    y, x = np.mgrid[0:n, 0:n].astype(np.float64)
    x, y = (x - c) / (scale * SS), (y - c) / (scale * SS)   # logical pixels from the centre
    img = np.empty((n, n, 3))
    img[:] = SKY
    edge = (np.abs(x) > TILE / 2 - 0.75) | (np.abs(y) > TILE / 2 - 0.75)
    img[edge] = SKY_EDGE

    r2 = x * x + y * y
    disc = r2 <= RADIUS * RADIUS
    # Half-width of the disc at each row; the terminator lies at w cos(e).
    w = np.sqrt(np.maximum(RADIUS * RADIUS - y * y, 0.0))
    e = 2.0 * math.pi * i / TILES
    if e <= math.pi:
        lit = x > w * math.cos(e)          # waxing: lit from the right
    else:
        lit = x < -w * math.cos(e)         # waning: lit from the left
    img[disc] = DARK_MOON
    img[disc & lit] = LIT_MOON
    rim = disc & (r2 > (RADIUS - 0.45) ** 2) & lit
    img[rim] = RIM
    out = Image.fromarray(np.round(img).astype(np.uint8), "RGB")
    return out.reduce(SS)


def strip(scale):
    s = TILE * scale
    out = Image.new("RGB", (TILES * s, s))
    for i in range(TILES):
        out.paste(tile(i, scale), (i * s, 0))
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--preview", metavar="DIR", help="also write the strip enlarged into DIR")
    args = ap.parse_args()
    os.makedirs(PICTURES, exist_ok=True)
    for scale, suffix in SCALES:
        img = strip(scale)
        img.save(os.path.join(PICTURES, "moon%s.png" % suffix), optimize=True)
        if args.preview and scale == 2:
            os.makedirs(args.preview, exist_ok=True)
            img.resize((img.width * 4, img.height * 4), Image.NEAREST).save(
                os.path.join(args.preview, "moon-8x.png"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
