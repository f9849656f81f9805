#!/usr/bin/python3
"""Checks the committed pictures, icons and sounds against what the clock expects.

Every picture and icon also comes at twice the size (NAME@2x.png) for screens
at a scale of 2; reduced to the 1x size it must line up with the 1x file: it
is nearer to it than to the 1x file moved by one pixel.

Prints one line per file and exits 1 if anything is off.
"""

import os
import sys
import wave

import numpy as np
from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

PICTURES = {"face.png": (180, 264), "bell.png": (1350, 90),
            "branch.png": (696, 29), "toki.png": (744, 54), "moon.png": (480, 16)}
ICON_SIZES = (16, 32, 48, 128, 256)
# name: (longest length in seconds, peak in dBFS)
SOUNDS = {"Gooohn.wav": (5.5, -3.0), "pipi.wav": (1.05, -6.0)}


def lines_up(one, two):
    """True when two, at twice the size of one, shows the same shapes at the same places.

    Compared in square-ish bands as wide as the picture is high, so that one
    tile of a strip out of place is not lost in the average of the others.
    Returns (ok, the largest mean difference of a band, 0..255).
    """
    a = np.asarray(one, dtype=np.float64)
    b = np.asarray(two, dtype=np.float64)
    h, w = a.shape[:2]
    reduced = b.reshape(h, 2, w, 2, -1).mean(axis=(1, 3))
    ok, worst = True, 0.0
    for x in range(0, w, min(w, h)):
        band = np.s_[:, x:x + min(w, h)]
        here = np.abs(reduced[band] - a[band]).mean()
        moved = min(np.abs(reduced[band] - np.roll(a, d, axis=axis)[band]).mean()
                    for d in (-1, 1) for axis in (0, 1))
        ok = ok and here < moved / 2
        worst = max(worst, here)
    return ok, worst


def main():
    bad = []

    def report(name, ok, what):
        print("%-26s %s  %s" % (name, "ok " if ok else "BAD", what))
        if not ok:
            bad.append(name)

    def check_double(folder, name, one, check):
        """The @2x file of name, given its 1x image and the check of a single file."""
        double = name.replace(".png", "@2x.png")
        img = Image.open(os.path.join(ROOT, "resources", folder, double))
        ok, what = check(img, (one.width * 2, one.height * 2))
        if ok and one.size == (img.width // 2, img.height // 2):
            ok, off = lines_up(one, img)
            what += ", off the 1x by %.1f" % off
        report(double, ok, what)

    def check_picture(img, size):
        return img.size == size and img.mode == "RGB", "%dx%d %s" % (img.size + (img.mode,))

    def check_icon(img, size):
        ok = img.size == size and img.mode == "RGBA"
        if ok:
            a = np.asarray(img)[..., 3]
            ok = a[0, 0] == 0 and a.max() == 255
        return ok, "%dx%d %s" % (img.size + (img.mode,))

    for name, size in PICTURES.items():
        img = Image.open(os.path.join(ROOT, "resources", "pictures", name))
        report(name, *check_picture(img, size))
        check_double("pictures", name, img, check_picture)

    for s in ICON_SIZES:
        name = "vellmor-%d.png" % s
        img = Image.open(os.path.join(ROOT, "resources", "icons", name))
        report(name, *check_icon(img, (s, s)))
        check_double("icons", name, img, check_icon)

    for name, (longest, peak_db) in SOUNDS.items():
        with wave.open(os.path.join(ROOT, "resources", "sounds", name)) as w:
            fmt = (w.getnchannels(), w.getsampwidth(), w.getframerate())
            x = np.frombuffer(w.readframes(w.getnframes()), "<i2").astype(np.float64) / 32768.0
        secs = len(x) / 44100.0
        peak = 20 * np.log10(np.max(np.abs(x)))
        ok = (fmt == (1, 2, 44100) and secs <= longest and abs(peak - peak_db) < 0.5
              and x[0] == 0 and x[-1] == 0 and abs(x.mean()) < 1e-4)
        report(name, ok, "%.2f s, peak %.1f dBFS, mean %.1e" % (secs, peak, x.mean()))

    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
