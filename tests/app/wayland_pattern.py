"""The outputs' background in the real-Wayland test: every pixel of both outputs a colour of its
own, so a pick one pixel off (or on the wrong output) reads a different colour. Run as a
program, writes output N's picture as a PNG: wayland_pattern.py N WIDTH HEIGHT FILE."""

import struct
import sys
import zlib


def pattern(x, y, output):
    """The colour, as (r, g, b), of pixel x, y of output 0 or 1 (coordinates on the output)."""
    blue = ((x >> 8) & 7) << 5 | ((y >> 8) & 3) << 3 | output << 2 | ((x + y) & 1) << 1
    return x & 0xFF, y & 0xFF, blue


def at(point, output_width=1280):
    """The colour, as #RRGGBB, under a point of the two outputs side by side."""
    x, y = point
    output = 1 if x >= output_width else 0
    return "#%02X%02X%02X" % pattern(x - output * output_width, y, output)


def write_png(path, width, height, output):
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # no filter
        for x in range(width):
            rows.extend(pattern(x, y, output))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(bytes(rows), 6)))
        f.write(chunk(b"IEND", b""))


if __name__ == "__main__":
    write_png(sys.argv[4], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[1]))
