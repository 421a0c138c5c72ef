#!/usr/bin/env python3
"""Wraps the desktop icon's PNG pictures into one Windows .ico, which holds PNG pictures as
they are:   make_icon.py OUTPUT.ico 16.png 32.png 48.png 256.png"""
import struct
import sys


def size_of(png):
    if png[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit("not a PNG picture")
    return struct.unpack(">II", png[16:24])


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    pictures = []
    for path in sys.argv[2:]:
        with open(path, "rb") as f:
            pictures.append(f.read())
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries, data = b"", b""
    for png in pictures:
        width, height = size_of(png)
        # 256 pixels are written as 0.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(png),
                               offset + len(data))
        data += png
    with open(sys.argv[1], "wb") as out:
        out.write(header + entries + data)


if __name__ == "__main__":
    main()
