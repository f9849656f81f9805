#!/usr/bin/python3
"""Draws the panel indicator's icons: the twelve branch signs at the panel's sizes.

resources/panel/panel-sign-BB-VARIANT-SIZE.png, BB the branch 00 (子) to 11
(亥), VARIANT "light" for a light panel (dark ink) or "dark" for a dark panel
(pale ink), SIZE 16, 22, 24, 32 and 48 pixels. Transparent background: a
disc with a ring in the clock's sign red and the sign filling it. The disc
is filled (white under dark ink, deep red under pale ink), so that either
variant still reads on a panel of the other kind: the panel's colours are
often not the ones the desktop's theme names.
Drawn at eight times the size and reduced with an area filter; the output is
the same on every run.
"""
import argparse
import os
import sys

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "resources", "panel")
MINCHO = "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf"
GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"
SIZES = (16, 22, 24, 32, 48)
SS = 8
# Ink and ring for each panel: dark ink on a light panel, pale ink on a dark one.
VARIANTS = {
    "light": {"ink": (30, 20, 20, 255), "ring": (200, 32, 36, 255),
              "fill": (255, 255, 255, 255)},
    "dark": {"ink": (246, 240, 232, 255), "ring": (238, 96, 90, 255),
             "fill": (140, 14, 22, 255)},
}


def sign(branch, size, variant):
    colours = VARIANTS[variant]
    big = size * SS
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    # The ring: thicker at the smallest sizes so that it survives the reduction.
    ring = max(1.0, size / 16.0) * SS
    inset = ring / 2
    d.ellipse((inset, inset, big - inset, big - inset), fill=colours["fill"],
              outline=colours["ring"], width=int(round(ring)))
    # The sign: a bold mincho at the small sizes reads as a blot; gothic there.
    path = GOTHIC if size < 24 else MINCHO
    px = big * (0.70 if size < 24 else 0.62)
    f = ImageFont.truetype(path, int(round(px)))
    stroke = int(round(SS * (0.35 if size >= 24 else 0.2)))
    x0, y0, x1, y1 = d.textbbox((0, 0), BRANCHES[branch], font=f, stroke_width=stroke)
    d.text((big / 2 - (x0 + x1) / 2, big / 2 - (y0 + y1) / 2), BRANCHES[branch], font=f,
           fill=colours["ink"], stroke_width=stroke, stroke_fill=colours["ink"])
    return img.resize((size, size), Image.Resampling.BOX)


def name(branch, variant, size):
    return "panel-sign-%02d-%s-%d.png" % (branch, variant, size)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--preview", metavar="FILE", help="also write a sheet of every icon, 4x")
    args = ap.parse_args()
    os.makedirs(OUT, exist_ok=True)
    icons = {}
    for variant in VARIANTS:
        for branch in range(12):
            for size in SIZES:
                img = sign(branch, size, variant)
                img.save(os.path.join(OUT, name(branch, variant, size)), optimize=True)
                icons[(variant, branch, size)] = img
    if args.preview:
        width = sum(s + 4 for s in SIZES)
        sheet = Image.new("RGBA", (width * 12, 2 * 52), (0, 0, 0, 0))
        for row, (variant, back) in enumerate((("light", (236, 236, 236, 255)),
                                               ("dark", (48, 48, 52, 255)))):
            band = Image.new("RGBA", (width * 12, 52), back)
            x = 0
            for branch in range(12):
                for size in SIZES:
                    band.alpha_composite(icons[(variant, branch, size)], (x, 2))
                    x += size + 4
            sheet.alpha_composite(band, (0, row * 52))
        sheet.resize((sheet.width * 2, sheet.height * 2), Image.Resampling.NEAREST).save(args.preview)
    return 0


if __name__ == "__main__":
    sys.exit(main())
