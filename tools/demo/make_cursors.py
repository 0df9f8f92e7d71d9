#!/usr/bin/env python3
"""Writes the cursor files of the demo game: two cursors (.cur) and one
icon (.ico), 32 x 32 pixels, 32-bit colour with a transparency mask.

    make_cursors.py ICONS_FOLDER
"""

import os
import struct
import sys

SIZE = 32
COLOURS = {
    "X": (20, 20, 20, 255),
    "o": (255, 255, 255, 255),
    "s": (232, 196, 160, 255),   # skin
    "S": (190, 140, 100, 255),   # skin, shaded
    "g": (160, 168, 176, 255),   # glass rim
    "b": (190, 220, 250, 255),   # lens
    "w": (120, 80, 40, 255),     # wooden handle
    "y": (255, 210, 80, 255),
}

# A hand with the first finger pointing up; the hot spot is its tip.
HAND = """
.......XX.......................
......XssX......................
......XssX......................
......XssX......................
......XssX......................
......XssXXX....................
......XssXssXXX.................
......XssXssXssXX...............
......XssXssXssXsX..............
...XX.XssXssXssXssX.............
..XssXXssssssssXssX.............
..XsssXsssssssssssX.............
...XssXsssssssssssX.............
...XsssssssssssssSX.............
....XssssssssssssSX.............
....XsssssssssssSX..............
.....XssssssssssSX..............
.....XsssssssssSX...............
......XssssssssSX...............
......XsssssssSSX...............
......XXXXXXXXXXX...............
"""

# An arrow pointing ahead: walk on; the hot spot is its tip.
ARROW = """
...............X................
..............XyX...............
.............XyyyX..............
............XyyyyyX.............
...........XyyyyyyyX............
..........XyyyyyyyyyX...........
.........XyyyyyyyyyyyX..........
........XyyyyyyyyyyyyyX.........
.......XyyyyyyyyyyyyyyyX........
......XXXXXXXyyyyyXXXXXXX.......
............XyyyyyX.............
............XyyyyyX.............
............XyyyyyX.............
............XyyyyyX.............
............XyyyyyX.............
............XyyyyyX.............
............XXXXXXX.............
"""


def magnifier():
    """A magnifying glass whose lens is in the middle of the icon."""
    rows = []
    for y in range(SIZE):
        row = ""
        for x in range(SIZE):
            d2 = (x - 15.5) ** 2 + (y - 15.5) ** 2
            on_handle = x >= 21 and y >= 21 and abs((x - y)) <= 2 and x <= 30
            if d2 <= 7.5 ** 2:
                row += "b" if d2 >= 0 and not (x < 14 and y < 14 and d2 > 4.5 ** 2) else "o"
            elif d2 <= 9.5 ** 2:
                row += "g"
            elif d2 <= 10.5 ** 2:
                row += "X"
            elif on_handle:
                row += "w" if abs(x - y) <= 1 else "X"
            else:
                row += "."
        rows.append(row)
    return rows


def grid(art):
    rows = [r for r in art.strip("\n").split("\n")]
    rows = [r.ljust(SIZE, ".")[:SIZE] for r in rows]
    return rows + ["." * SIZE] * (SIZE - len(rows))


def image_data(rows):
    pixels = b""
    mask = b""
    for row in reversed(rows):  # bottom-up
        bits = 0
        for x, ch in enumerate(row):
            if ch == ".":
                pixels += struct.pack("<BBBB", 0, 0, 0, 0)
                bits |= 1 << (SIZE - 1 - x)
            else:
                r, g, b, a = COLOURS[ch]
                pixels += struct.pack("<BBBB", b, g, r, a)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def write(path, rows, kind, hot=(0, 0)):
    """kind 1: an icon; kind 2: a cursor with its hot spot."""
    data = image_data(rows)
    planes_or_x, bits_or_y = (1, 32) if kind == 1 else hot
    directory = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, planes_or_x, bits_or_y, len(data), 6 + 16)
    with open(path, "wb") as out:
        out.write(directory + entry + data)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_cursors.py ICONS_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    write(os.path.join(folder, "hand.cur"), grid(HAND), 2, hot=(7, 0))
    write(os.path.join(folder, "exit.cur"), grid(ARROW), 2, hot=(15, 0))
    write(os.path.join(folder, "look.ico"), magnifier(), 1)


if __name__ == "__main__":
    main()
