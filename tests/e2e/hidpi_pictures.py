#!/usr/bin/python3
"""Compares the clock's pictures in two screenshots of its window, one taken
at a scale of 1 and one at a scale of 2.

  hidpi_pictures.py find SHOT PICTURES SCALE
      exits 0 when SHOT shows the face (its top rows, at that scale), and
      prints where the view's top left is, in SHOT's pixels.
  hidpi_pictures.py compare SHOT1 SHOT2 PICTURES
      for each picture's place in the view: the 1x shot shows a tile of the
      1x picture; the 2x shot shows the same tile of the 2x picture, pixel
      for pixel, at the same logical place; and it is not the 1x shot
      doubled pixel for pixel: many of its 2 x 2 blocks are not of one colour.
      Prints a line for each picture; exits 1 if one fails.
"""

import sys

import numpy as np
from PIL import Image

# Logical rectangles of the view (x, y, width, height) and the picture file
# and tile width shown there. The face's is the part of it that no text or
# other picture covers.
PLACES = {
    "face": ((0, 0, 110, 36), "face", 180),
    "bell": ((58, 62, 90, 90), "bell", 90),
    "branch": ((119, 5, 29, 29), "branch", 29),
    "toki": ((5, 94, 31, 54), "toki", 31),
}
# At least this share of the 2 x 2 blocks of a picture at 2x has more than
# one colour; a 1x picture doubled pixel for pixel has none.
MIN_FINE_BLOCKS = 0.05


def load(path):
    return np.asarray(Image.open(path).convert("RGB"), dtype=np.int16)


def picture(pictures, name, scale):
    return load("%s/%s%s.png" % (pictures, name, "@2x" if scale == 2 else ""))


def find_view(shot, pictures, scale):
    """The view's top left in shot, found from the face's top rows, or None.

    At scale 2 the face is looked for as drawn at 2x, then as the 1x face
    doubled pixel for pixel, so that a view that shows the 1x pictures
    enlarged is found, and fails the comparison, rather than not found.
    """
    tops = [picture(pictures, "face", scale)[:4 * scale]]
    if scale == 2:
        tops.append(picture(pictures, "face", 1)[:4].repeat(2, axis=0).repeat(2, axis=1))
    for top in tops:
        h, w = top.shape[:2]
        ys, xs = np.nonzero(np.all(shot[: shot.shape[0] - h + 1, : shot.shape[1] - w + 1]
                                   == top[0, 0], axis=2))
        for y, x in zip(ys, xs):
            if np.array_equal(shot[y:y + h, x:x + w], top):
                return x, y
    return None


def tile_shown(region, strip, tile_w):
    for i in range(strip.shape[1] // tile_w):
        if np.array_equal(region, strip[:region.shape[0], i * tile_w:i * tile_w + region.shape[1]]):
            return i
    return None


def crop(shot, origin, rect, scale):
    x, y, w, h = (v * scale for v in rect)
    return shot[origin[1] + y:origin[1] + y + h, origin[0] + x:origin[0] + x + w]


def fine_blocks(region):
    """Share of the 2 x 2 blocks of region that hold more than one colour."""
    h, w = region.shape[0] // 2 * 2, region.shape[1] // 2 * 2
    blocks = region[:h, :w].reshape(h // 2, 2, w // 2, 2, 3)
    uniform = np.all(blocks == blocks[:, :1, :, :1], axis=(1, 3, 4))
    return 1.0 - uniform.mean()


def compare(shot1_path, shot2_path, pictures):
    shots = {1: load(shot1_path), 2: load(shot2_path)}
    origins = {s: find_view(shots[s], pictures, s) for s in (1, 2)}
    if None in origins.values():
        print("the face is missing from a shot: view at %s" % origins)
        return 1
    failed = False
    for name, (rect, file, tile_w) in PLACES.items():
        at1 = crop(shots[1], origins[1], rect, 1)
        at2 = crop(shots[2], origins[2], rect, 2)
        tile1 = tile_shown(at1, picture(pictures, file, 1), tile_w)
        tile2 = tile_shown(at2, picture(pictures, file, 2), tile_w * 2)
        doubled = at1.repeat(2, axis=0).repeat(2, axis=1)
        fine = fine_blocks(at2)
        ok = tile1 is not None and tile2 == tile1 and fine >= MIN_FINE_BLOCKS
        print("%-7s 1x tile %s, 2x tile %s, %d pixels differ from the 1x doubled, "
              "%.0f%% of 2x2 blocks not of one colour  %s"
              % (name, tile1, tile2, np.any(doubled != at2, axis=2).sum(), 100 * fine,
                 "ok" if ok else "BAD"))
        failed = failed or not ok
    return 1 if failed else 0


def main(argv):
    if len(argv) == 5 and argv[1] == "find":
        at = find_view(load(argv[2]), argv[3], int(argv[4]))
        if at is None:
            return 1
        print("%d %d" % at)
        return 0
    if len(argv) == 5 and argv[1] == "compare":
        return compare(argv[2], argv[3], argv[4])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
