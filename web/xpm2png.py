#!/usr/bin/env python3
"""Writes an XPM picture of the program's resources as a PNG, the form a
browser shows: xpm2png.py picture.xpm picture.png."""
import re
import struct
import sys
import zlib


def read_xpm(path):
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', open(path, encoding="ascii").read())
    width, height, count, per_pixel = (int(n) for n in strings[0].split()[:4])
    colours = {}
    for line in strings[1:1 + count]:
        key, rest = line[:per_pixel], line[per_pixel:].split()
        value = rest[rest.index("c") + 1]
        colours[key] = bytes.fromhex(value[1:]) if value.startswith("#") else b"\xff\xff\xff"
    rows = []
    for line in strings[1 + count:1 + count + height]:
        pixels = [colours[line[i:i + per_pixel]] for i in range(0, width * per_pixel, per_pixel)]
        rows.append(b"".join(pixels))
    return width, height, rows


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(source, target):
    with open(target, "wb") as out:
        out.write(png(*read_xpm(source)))


if __name__ == "__main__":
    main(*sys.argv[1:3])
