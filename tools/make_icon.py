#!/usr/bin/env python3
"""Draws the program's icon (res/radixel.ico): 32x32 and 16x16, 16 colours.

The picture: a blue tile with a white "0x" over a row of binary digits.
Run it again after changing the drawing; the build embeds the .ico file.
"""
import struct
import sys

# The standard 16-colour palette (BGR0 order as the icon format stores it).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]  # RGB
BLACK, NAVY, GREY, BLUE, YELLOW, WHITE, SILVER = 0, 4, 8, 12, 11, 15, 7

GLYPHS = {  # 3x5 pixel font
    "0": ["111", "101", "101", "101", "111"],
    "1": ["010", "110", "010", "010", "111"],
    "x": ["000", "101", "010", "101", "000"],
}


def draw(size):
    px = [[None] * size for _ in range(size)]  # None = transparent
    r = max(2, size // 8)
    for y in range(size):
        for x in range(size):
            # Rounded tile: cut the corners.
            dx = max(r - x, x - (size - 1 - r), 0)
            dy = max(r - y, y - (size - 1 - r), 0)
            if dx * dx + dy * dy > r * r:
                continue
            edge = x in (0, size - 1) or y in (0, size - 1) or dx * dx + dy * dy > (r - 1) ** 2
            px[y][x] = NAVY if edge else BLUE
    scale = 2 if size >= 32 else 1

    def text(s, x0, y0, colour, sc):
        for i, ch in enumerate(s):
            for gy, row in enumerate(GLYPHS[ch]):
                for gx, bit in enumerate(row):
                    if bit == "1":
                        for sy in range(sc):
                            for sx in range(sc):
                                px[y0 + gy * sc + sy][x0 + (i * 4 + gx) * sc + sx] = colour

    if size >= 32:
        text("0x", 6, 5, WHITE, 3)
        text("1010", 4, 22, YELLOW, 1) if False else None
        # A row of bits under the "0x".
        bits = "10110"
        for i, b in enumerate(bits):
            text(b, 5 + i * 4 + (0 if i == 0 else 0), 22, YELLOW if b == "1" else SILVER, 1)
    else:
        text("0x", 2, 3, WHITE, 1) if False else None
        text("0", 2, 2, WHITE, 2) if False else None
        text("0x", 2, 5, WHITE, 1)
        text("1", 10, 5, YELLOW, 1)
    return px


def bmp(px):
    size = len(px)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    pal = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor_rows, and_rows = [], []
    for y in reversed(range(size)):
        row = px[y]
        nib = bytearray()
        for x in range(0, size, 2):
            a = row[x] if row[x] is not None else 0
            b = row[x + 1] if row[x + 1] is not None else 0
            nib.append((a << 4) | b)
        while len(nib) % 4:
            nib.append(0)
        xor_rows.append(bytes(nib))
        bits = 0
        mask = bytearray()
        for x in range(size):
            bits = (bits << 1) | (1 if row[x] is None else 0)
            if x % 8 == 7:
                mask.append(bits)
                bits = 0
        while len(mask) % 4:
            mask.append(0)
        and_rows.append(bytes(mask))
    return header + pal + b"".join(xor_rows) + b"".join(and_rows)


def main(path):
    images = [bmp(draw(32)), bmp(draw(16))]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "res/radixel.ico")
