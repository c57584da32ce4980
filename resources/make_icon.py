#!/usr/bin/env python3
"""Writes the program icon: a rounded blue square with a white "N".

Usage: python3 make_icon.py OUT.ico

The file holds one image, 32 x 32 pixels at 32 bits per pixel (BGRA with
straight alpha), stored as a BMP-format entry with its AND mask. Edges are
smoothed by sampling every pixel on a 4 x 4 grid. The output is the same on
every run.
"""
import struct
import sys

SIZE = 32
SAMPLES = 4  # per axis, per pixel

# Rounded square: the full icon less a 1-pixel margin, corner radius 6.
SQUARE_MIN, SQUARE_MAX, RADIUS = 1.0, 31.0, 6.0
# Background gradient, top to bottom, as (red, green, blue).
TOP_COLOUR = (0x3A, 0x8D, 0xF2)
BOTTOM_COLOUR = (0x17, 0x56, 0xC0)
WHITE = (0xFF, 0xFF, 0xFF)

# The "N": two upright strokes joined by a diagonal from top left to bottom right.
N_TOP, N_BOTTOM = 8.0, 24.0
N_LEFT, N_RIGHT, STROKE = 9.0, 23.0, 4.0
DIAGONAL_WIDTH = 5.0  # measured horizontally


def in_square(x, y):
    if not (SQUARE_MIN <= x <= SQUARE_MAX and SQUARE_MIN <= y <= SQUARE_MAX):
        return False
    # Distance to the nearest corner centre decides inside the corner areas.
    cx = min(max(x, SQUARE_MIN + RADIUS), SQUARE_MAX - RADIUS)
    cy = min(max(y, SQUARE_MIN + RADIUS), SQUARE_MAX - RADIUS)
    return (x - cx) ** 2 + (y - cy) ** 2 <= RADIUS ** 2


def in_n(x, y):
    if not N_TOP <= y <= N_BOTTOM:
        return False
    if N_LEFT <= x <= N_LEFT + STROKE or N_RIGHT - STROKE <= x <= N_RIGHT:
        return True
    # The diagonal starts flush with the left edge at the top and ends flush
    # with the right edge at the bottom.
    t = (y - N_TOP) / (N_BOTTOM - N_TOP)
    left = N_LEFT + t * (N_RIGHT - DIAGONAL_WIDTH - N_LEFT)
    return left <= x <= left + DIAGONAL_WIDTH


def coverage(inside, px, py):
    """Share of the pixel's samples for which `inside` holds, 0..SAMPLES**2."""
    hits = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            if inside(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES):
                hits += 1
    return hits


def mix(a, b, num, den):
    """Colour a blended towards b by num/den, rounded to the nearest integer."""
    return tuple((ca * (den - num) + cb * num + den // 2) // den for ca, cb in zip(a, b))


def pixel(px, py):
    """(blue, green, red, alpha) of the pixel whose top-left corner is (px, py)."""
    full = SAMPLES * SAMPLES
    square = coverage(in_square, px, py)
    if square == 0:
        return (0, 0, 0, 0)
    background = mix(TOP_COLOUR, BOTTOM_COLOUR, py, SIZE - 1)
    colour = mix(background, WHITE, coverage(in_n, px, py), full)
    alpha = (255 * square + full // 2) // full
    red, green, blue = colour
    return (blue, green, red, alpha)


def icon_bytes():
    # Rows are stored bottom-up in a BMP.
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)][::-1]
    xor = b"".join(bytes(channel for p in row for channel in p) for row in rows)

    # AND mask: one bit per pixel, set where the pixel is fully transparent;
    # each row padded to a multiple of 32 bits.
    row_bytes = (SIZE + 31) // 32 * 4
    mask = bytearray()
    for row in rows:
        bits = bytearray(row_bytes)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits

    header = struct.pack("<IiiHHIIiiII",
                         40,              # biSize
                         SIZE, SIZE * 2,  # width; height of image and mask together
                         1, 32,           # planes, bits per pixel
                         0,               # BI_RGB
                         len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + xor + bytes(mask)

    directory = struct.pack("<HHH", 0, 1, 1)  # reserved, type icon, one image
    entry = struct.pack("<BBBBHHII",
                        SIZE, SIZE,  # width, height
                        0, 0,        # no palette, reserved
                        1, 32,       # planes, bits per pixel
                        len(image),
                        len(directory) + 16)
    return directory + entry + image


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: make_icon.py OUT.ico")
    with open(argv[1], "wb") as f:
        f.write(icon_bytes())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
