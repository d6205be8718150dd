#!/usr/bin/env python3
"""Draws the program's icon (a desk calendar page at 16, 32 and 48 px) and the
hand cursor of the About box's links, and writes them as .ico and .cur files
into src/res. Plain python3, no extra packages."""
import os
import struct

RES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "res")

CLEAR = (0, 0, 0, 0)
PAGE = (250, 250, 250, 255)
EDGE = (90, 90, 90, 255)
HEADER = (200, 40, 40, 255)
RING = (60, 60, 60, 255)
CELL = (150, 150, 150, 255)
SUNDAY = (210, 60, 60, 255)
TODAY = (40, 90, 200, 255)
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)


def canvas(size):
    return [[CLEAR] * size for _ in range(size)]


def fill(pixels, x0, y0, x1, y1, colour):
    """Fills the half-open rectangle [x0, x1) x [y0, y1)."""
    for y in range(max(0, y0), min(len(pixels), y1)):
        for x in range(max(0, x0), min(len(pixels), x1)):
            pixels[y][x] = colour


def calendar(size):
    """A page with a red header, two binder rings and a 7 x 4 grid of days."""
    s = size / 16.0
    px = canvas(size)
    left, top, right, bottom = round(1 * s), round(2 * s), round(15 * s), round(15 * s)
    fill(px, left, top, right, bottom, EDGE)
    fill(px, left + 1, top + 1, right - 1, bottom - 1, PAGE)
    fill(px, left + 1, top + 1, right - 1, top + max(2, round(3 * s)), HEADER)
    ring_w = max(1, round(s))
    for rx in (round(4 * s), round(11 * s)):
        fill(px, rx, round(1 * s) - (1 if size > 16 else 0), rx + ring_w, top + max(2, round(2 * s)), RING)
    grid_top = top + max(3, round(4 * s))
    inner_w = right - left - 2
    cell = max(1, inner_w // 7)
    gap = 0 if size <= 16 else max(1, cell // 4)
    x_start = left + 1 + (inner_w - cell * 7) // 2
    rows = 4
    row_h = max(2, (bottom - 1 - grid_top) // rows)
    for row in range(rows):
        for col in range(7):
            colour = SUNDAY if col == 0 else CELL
            if row == 2 and col == 3:
                colour = TODAY
            x = x_start + col * cell
            y = grid_top + row * row_h
            fill(px, x + gap, y + gap, x + cell - (1 if size <= 16 else gap), y + row_h - 1, colour)
    return px


HAND = [
    "      XX              ",
    "     X..X             ",
    "     X..X             ",
    "     X..X             ",
    "     X..XXX           ",
    "     X..X..XXX        ",
    "     X..X..X..XX      ",
    "  XX X..X..X..X.X     ",
    " X..XX........X..X    ",
    " X...X...........X    ",
    "  X..............X    ",
    "   X.............X    ",
    "   X............X     ",
    "    X...........X     ",
    "    X..........X      ",
    "     X.........X      ",
    "     X.........X      ",
    "     XXXXXXXXXXX      ",
]


def hand(size=32):
    px = canvas(size)
    for y, line in enumerate(HAND):
        for x, mark in enumerate(line):
            if mark == "X":
                px[y + 1][x] = BLACK
            elif mark == ".":
                px[y + 1][x] = WHITE
    return px


def dib(pixels):
    """A BITMAPINFOHEADER image: 32-bit BGRA rows bottom-up, then the AND mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = b""
    for row in reversed(pixels):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def write_group(path, kind, images, hotspots=None):
    """kind 1 writes an icon, 2 a cursor (hotspots replace planes and bit count)."""
    entries, blobs = b"", b""
    offset = 6 + 16 * len(images)
    for index, pixels in enumerate(images):
        size = len(pixels)
        blob = dib(pixels)
        dim = 0 if size >= 256 else size
        if kind == 2:
            hx, hy = hotspots[index]
            entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, hx, hy, len(blob), offset)
        else:
            entries += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    with open(path, "wb") as out:
        out.write(struct.pack("<HHH", 0, kind, len(images)) + entries + blobs)


def main():
    write_group(os.path.join(RES, "vesmira.ico"), 1, [calendar(16), calendar(32), calendar(48)])
    write_group(os.path.join(RES, "hand.cur"), 2, [hand()], hotspots=[(6, 1)])


if __name__ == "__main__":
    main()
