#!/usr/bin/python3
"""Checks the committed pictures, icons and sounds against what the clock expects.

Prints one line per file and exits 1 if anything is off.
"""

import os
import sys
import wave

import numpy as np
from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

PICTURES = {"face.png": (180, 264), "bell.png": (1350, 90),
            "branch.png": (696, 29), "toki.png": (744, 54)}
ICON_SIZES = (16, 32, 48, 128, 256)
# name: (longest length in seconds, peak in dBFS)
SOUNDS = {"Gooohn.wav": (5.5, -3.0), "pipi.wav": (1.05, -6.0)}


def main():
    bad = []

    def report(name, ok, what):
        print("%-26s %s  %s" % (name, "ok " if ok else "BAD", what))
        if not ok:
            bad.append(name)

    for name, size in PICTURES.items():
        img = Image.open(os.path.join(ROOT, "resources", "pictures", name))
        report(name, img.size == size and img.mode == "RGB", "%dx%d %s" % (img.size + (img.mode,)))

    for s in ICON_SIZES:
        name = "vellmor-%d.png" % s
        img = Image.open(os.path.join(ROOT, "resources", "icons", name))
        ok = img.size == (s, s) and img.mode == "RGBA"
        if ok:
            a = np.asarray(img)[..., 3]
            ok = a[0, 0] == 0 and a.max() == 255
        report(name, ok, "%dx%d %s" % (img.size + (img.mode,)))

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
