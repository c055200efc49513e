#!/usr/bin/env python3
"""Draws the program's icon and writes it as a Windows icon file.

    tools/make_icon.py [OUTPUT]        (default: res/radixel.ico)

The icon holds two images, 32 x 32 and 16 x 16, each in the 16 colours of
the standard palette with a transparency mask. The picture: a blue tile with
a bevelled edge, a white "0x" with a drop shadow, and under it a dark
read-out of lit and unlit bits. The build embeds the file; run this again
after changing the drawing.
"""
import struct
import sys

# The standard 16-colour palette, in palette order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, TEAL, SILVER, GREY, YELLOW, BLUE, AQUA, WHITE = 0, 4, 6, 7, 8, 11, 12, 14, 15
CLEAR = None  # a transparent pixel

# Pixel fonts: one string a row, "#" for a set pixel.
FONT_5X7 = {
    "0": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "x": [".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
}
FONT_3X5 = {
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "x": ["...", "#.#", ".#.", "#.#", "..."],
}


class Canvas:
    """A square of palette indices (or CLEAR) that the drawing fills in."""

    def __init__(self, size):
        self.size = size
        self.px = [[CLEAR] * size for _ in range(size)]

    def set(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour)

    def tile(self, radius, outline, fill, light, shade):
        """A rounded square over the whole canvas with a one-pixel outline
        and a bevel: `light` along the top and left, `shade` along the
        bottom and right."""
        n = self.size - 1

        def inside(x, y, inset):
            # Distance outside the rounded square shrunk by `inset`.
            r = radius - inset
            cx = min(max(x, inset + r), n - inset - r)
            cy = min(max(y, inset + r), n - inset - r)
            return (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r

        for y in range(self.size):
            for x in range(self.size):
                if not inside(x, y, 0):
                    continue
                if not inside(x, y, 1):
                    self.set(x, y, outline)
                elif not inside(x, y, 2):
                    self.set(x, y, light if x + y < n else shade)
                else:
                    self.set(x, y, fill)

    def text(self, s, x0, y0, font, scale, colour, shadow=None):
        """Writes `s` with its top left at (x0, y0), one blank column between
        letters; `shadow` is drawn one pixel down and right first."""
        layers = ([(1, 1, shadow)] if shadow is not None else []) + [(0, 0, colour)]
        for dx, dy, c in layers:
            x = x0
            for ch in s:
                glyph = font[ch]
                for gy, row in enumerate(glyph):
                    for gx, bit in enumerate(row):
                        if bit == "#":
                            self.rect(x + gx * scale + dx, y0 + gy * scale + dy,
                                      x + (gx + 1) * scale - 1 + dx, y0 + (gy + 1) * scale - 1 + dy, c)
                x += (len(glyph[0]) + 1) * scale


def text_width(s, font, scale):
    return (sum(len(font[ch][0]) + 1 for ch in s) - 1) * scale


def readout(canvas, bits, x0, y0, led, gap, frame):
    """A black read-out window holding one lit (yellow) or unlit (teal)
    square per bit, with a `frame`-pixel border round the lights."""
    width = len(bits) * led + (len(bits) - 1) * gap
    canvas.rect(x0 - frame, y0 - frame, x0 + width - 1 + frame, y0 + led - 1 + frame, BLACK)
    for i, bit in enumerate(bits):
        x = x0 + i * (led + gap)
        canvas.rect(x, y0, x + led - 1, y0 + led - 1, YELLOW if bit == "1" else TEAL)


def draw_32():
    c = Canvas(32)
    c.tile(radius=5, outline=NAVY, fill=BLUE, light=AQUA, shade=NAVY)
    width = text_width("0x", FONT_5X7, 2)
    c.text("0x", (32 - width) // 2, 5, FONT_5X7, 2, WHITE, shadow=NAVY)
    readout(c, "10110101", x0=5, y0=23, led=2, gap=1, frame=2)
    return c.px


def draw_16():
    c = Canvas(16)
    c.tile(radius=3, outline=NAVY, fill=BLUE, light=AQUA, shade=NAVY)
    width = text_width("0x", FONT_3X5, 1)
    c.text("0x", (16 - width) // 2, 3, FONT_3X5, 1, WHITE, shadow=NAVY)
    readout(c, "1011", x0=4, y0=11, led=1, gap=1, frame=1)
    return c.px


def bitmap(px):
    """The image as an icon file stores it: BITMAPINFOHEADER (height doubled
    for the mask), the palette, 4-bit colour rows and the 1-bit mask, both
    bottom-up, each row padded to four bytes."""
    size = len(px)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    colour_rows, mask_rows = [], []
    for row in reversed(px):
        nibbles = [0 if p is CLEAR else p for p in row]
        colour = bytes((nibbles[x] << 4) | nibbles[x + 1] for x in range(0, size, 2))
        colour_rows.append(colour.ljust((len(colour) + 3) // 4 * 4, b"\0"))
        mask = bytearray((size + 7) // 8)
        for x, p in enumerate(row):
            if p is CLEAR:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(mask).ljust((len(mask) + 3) // 4 * 4, b"\0"))
    return header + palette + b"".join(colour_rows) + b"".join(mask_rows)


def icon_file(images):
    """An icon directory followed by the images, largest first."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "res/radixel.ico"
    with open(path, "wb") as f:
        f.write(icon_file([(32, bitmap(draw_32())), (16, bitmap(draw_16()))]))


if __name__ == "__main__":
    main()
