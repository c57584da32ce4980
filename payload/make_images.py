#!/usr/bin/env python3
"""Draws Nelvar's two pictures as 8-bit RGBA PNG files (standard library only).

    make_images.py OUTPUT_FOLDER

writes OUTPUT_FOLDER/Pellot.png (273 x 173) and OUTPUT_FOLDER/Pellot2.jpg (864 x 435).
Pellot2.jpg holds PNG data too: the application ships it under that name. Each picture is
a gradient card with rounded, transparent corners, a sun and the word PELLOT; the output
is the same bytes on every run.
"""

import os
import struct
import sys
import zlib

# 5 x 7 glyphs, one string per row, '#' for a set pixel.
GLYPHS = {
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}
GLYPH_WIDTH, GLYPH_HEIGHT, GLYPH_GAP = 5, 7, 1


def text_mask(word, scale):
    """The set pixels of `word` at `scale`, as a set of (x, y) from its top-left corner."""
    pixels = set()
    for index, letter in enumerate(word):
        left = index * (GLYPH_WIDTH + GLYPH_GAP)
        for row, bits in enumerate(GLYPHS[letter]):
            for column, bit in enumerate(bits):
                if bit != "#":
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        pixels.add(((left + column) * scale + dx, row * scale + dy))
    return pixels


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def inside_rounded_rect(x, y, width, height, radius):
    cx = min(max(x + 0.5, radius), width - radius)
    cy = min(max(y + 0.5, radius), height - radius)
    return (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius


def draw(width, height, word):
    """Rows of RGBA bytes for one picture."""
    columns = len(word) * (GLYPH_WIDTH + GLYPH_GAP) - GLYPH_GAP
    scale = max(1, min(int(width * 0.62) // columns, int(height * 0.26) // GLYPH_HEIGHT))
    text_left = width // 14
    text_top = height - height // 10 - GLYPH_HEIGHT * scale
    shadow = max(1, scale // 4)
    band_top = text_top + GLYPH_HEIGHT * scale + shadow
    letters = {(x + text_left, y + text_top) for x, y in text_mask(word, scale)}
    shadows = {(x + shadow, y + shadow) for x, y in letters}

    radius = height / 8
    sun_x, sun_y, sun_r = width * 0.78, height * 0.34, height * 0.2
    top_left, top_right = (32, 112, 196), (142, 58, 176)
    horizon = (250, 196, 120)
    rows = []
    for y in range(height):
        row = bytearray()
        v = y / (height - 1)
        for x in range(width):
            if not inside_rounded_rect(x, y, width, height, radius):
                row += b"\0\0\0\0"
                continue
            sky = mix(top_left, top_right, x / (width - 1))
            colour = mix(sky, horizon, v * v)
            alpha = 255
            if (x + 0.5 - sun_x) ** 2 + (y + 0.5 - sun_y) ** 2 <= sun_r * sun_r:
                colour = (255, 214, 72)
            if y >= band_top:
                alpha = 176  # a translucent band along the bottom edge, below the word
            if (x, y) in letters:
                colour, alpha = (255, 255, 255), 255
            elif (x, y) in shadows:
                colour = (24, 24, 48)
            row += bytes(colour) + bytes((alpha,))
        rows.append(bytes(row))
    return rows


def filter_rows(rows, bytes_per_pixel=4):
    """PNG scanlines, each with the Sub or Up filter, whichever looks smaller."""
    out = bytearray()
    previous = bytes(len(rows[0]))
    for row in rows:
        sub = bytes((row[i] - (row[i - bytes_per_pixel] if i >= bytes_per_pixel else 0)) & 0xFF
                    for i in range(len(row)))
        up = bytes((a - b) & 0xFF for a, b in zip(row, previous))
        cost = lambda data: sum(b if b < 128 else 256 - b for b in data)
        if cost(sub) <= cost(up):
            out += b"\x01" + sub
        else:
            out += b"\x02" + up
        previous = row
    return bytes(out)


def chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png(width, height, rows):
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA, no interlace
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(filter_rows(rows), 9)) + chunk(b"IEND", b""))


PICTURES = [
    ("Pellot.png", 273, 173, "PELLOT"),
    ("Pellot2.jpg", 864, 435, "PELLOT 2"),
]


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_images.py OUTPUT_FOLDER\n")
        return 2
    folder = argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, width, height, word in PICTURES:
        data = png(width, height, draw(width, height, word))
        path = os.path.join(folder, name)
        with open(path + ".part", "wb") as f:
            f.write(data)
        os.replace(path + ".part", path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
