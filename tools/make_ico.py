#!/usr/bin/env python3
"""Packs PNG pictures into one Windows icon file (.ico), one entry each.

    make_ico.py OUT.ico IN-16.png IN-32.png ...

Each entry holds its PNG as it is (icons may carry PNG data since Windows
Vista), so the alpha channel of our artwork is kept unchanged.
"""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("not a PNG file")
    return struct.unpack(">II", data[16:24])


def main(argv):
    if len(argv) < 3:
        raise SystemExit(__doc__)
    pictures = []
    for path in argv[2:]:
        with open(path, "rb") as f:
            pictures.append(f.read())
    header = struct.pack("<HHH", 0, 1, len(pictures))  # reserved, type 1 = icon, count
    offset = len(header) + 16 * len(pictures)
    directory = b""
    for data in pictures:
        width, height = png_size(data)
        if width > 256 or height > 256:
            raise SystemExit("an icon is at most 256 pixels wide and high")
        # 0 stands for 256; no palette; 1 plane; 32 bits per pixel.
        directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                                 len(data), offset)
        offset += len(data)
    with open(argv[1], "wb") as out:
        out.write(header + directory + b"".join(pictures))


if __name__ == "__main__":
    main(sys.argv)
