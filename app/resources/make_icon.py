#!/usr/bin/env python3
"""Draws the program icon, a key panel with nine keys, and writes kestrune.ico (16, 32, 48 px)."""
import struct
import sys

NAVY = (0, 51, 128, 255)
EDGE = (0, 26, 77, 255)
KEY = (255, 255, 255, 255)
ACCENT = (230, 160, 40, 255)
CLEAR = (0, 0, 0, 0)


def draw(size):
    """Rows of RGBA pixels, top row first."""
    px = [[CLEAR] * size for _ in range(size)]
    radius = max(2, size // 6)
    for y in range(size):
        for x in range(size):
            # Rounded corners: outside the corner circles stays clear.
            cx = min(max(x, radius), size - 1 - radius)
            cy = min(max(y, radius), size - 1 - radius)
            d2 = (x - cx) ** 2 + (y - cy) ** 2
            if d2 > radius * radius:
                continue
            inner = radius - 1
            border = d2 > inner * inner or x in (0, size - 1) or y in (0, size - 1)
            px[y][x] = EDGE if border else NAVY
    margin = size // 6
    gap = max(1, size // 16)
    key = (size - 2 * margin - 2 * gap) // 3
    start = (size - (3 * key + 2 * gap)) // 2
    for k in range(9):
        left = start + (k % 3) * (key + gap)
        top = start + (k // 3) * (key + gap)
        colour = ACCENT if k == 4 else KEY
        for y in range(top, top + key):
            for x in range(left, left + key):
                px[y][x] = colour
    return px


def bitmap(size):
    px = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colours = b"".join(
        bytes((b, g, r, a)) for row in reversed(px) for (r, g, b, a) in row)
    # The AND mask: rows padded to 32 bits, bit set where the pixel is clear.
    row_bytes = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(px):
        bits = bytearray(row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colours + mask


def main(path):
    sizes = (16, 32, 48)
    images = [bitmap(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "kestrune.ico")
