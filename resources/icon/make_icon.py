#!/usr/bin/env python3
"""Writes resources/korvane.ico from the character grids beside this script.

Each grid is one character per pixel; '.' is transparent, every other character names one of
the 16 standard VGA colours below. The icon holds a 32x32 and a 16x16 image, each a 4-bit
bottom-up DIB with its 16-colour table, followed by the 1-bit AND mask.

    python3 resources/icon/make_icon.py [output.ico]
"""

import os
import struct
import sys

# Character -> (index, (red, green, blue)); indices are the usual 16-colour order.
LEGEND = {
    "k": (0, (0x00, 0x00, 0x00)),  # black
    "r": (1, (0x80, 0x00, 0x00)),  # dark red
    "g": (2, (0x00, 0x80, 0x00)),  # dark green
    "o": (3, (0x80, 0x80, 0x00)),  # olive
    "n": (4, (0x00, 0x00, 0x80)),  # navy
    "p": (5, (0x80, 0x00, 0x80)),  # purple
    "t": (6, (0x00, 0x80, 0x80)),  # teal
    "s": (7, (0xC0, 0xC0, 0xC0)),  # silver
    "d": (8, (0x80, 0x80, 0x80)),  # dark grey
    "R": (9, (0xFF, 0x00, 0x00)),  # red
    "G": (10, (0x00, 0xFF, 0x00)),  # lime
    "Y": (11, (0xFF, 0xFF, 0x00)),  # yellow
    "B": (12, (0x00, 0x00, 0xFF)),  # blue
    "M": (13, (0xFF, 0x00, 0xFF)),  # magenta
    "C": (14, (0x00, 0xFF, 0xFF)),  # cyan
    "W": (15, (0xFF, 0xFF, 0xFF)),  # white
}
TRANSPARENT = "."
SIZES = (32, 16)


def read_grid(path, size):
    rows = []
    with open(path, encoding="ascii") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if not line or line.startswith("#"):
                continue
            rows.append(line)
    if len(rows) != size or any(len(row) != size for row in rows):
        sys.exit(f"{path}: expected {size} rows of {size} characters")
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != TRANSPARENT and ch not in LEGEND:
                sys.exit(f"{path}:{y + 1}:{x + 1}: unknown colour '{ch}'")
    return rows


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def image_data(rows):
    size = len(rows)
    palette = [None] * 16
    for index, (r, g, b) in LEGEND.values():
        palette[index] = (r, g, b)
    colour_table = b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in palette)

    xor_rows = []
    and_rows = []
    for row in reversed(rows):  # DIB rows run bottom-up
        indices = [0 if ch == TRANSPARENT else LEGEND[ch][0] for ch in row]
        xor = bytes((indices[x] << 4) | indices[x + 1] for x in range(0, size, 2))
        bits = [1 if ch == TRANSPARENT else 0 for ch in row]
        mask = bytes(sum(bits[x + i] << (7 - i) for i in range(8)) for x in range(0, size, 8))
        xor_rows.append(padded(xor))
        and_rows.append(padded(mask))
    xor_bits = b"".join(xor_rows)
    and_bits = b"".join(and_rows)

    # The height counts the colour image and the mask together.
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor_bits) + len(and_bits), 0, 0, 0, 0
    )
    return header + colour_table + xor_bits + and_bits


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "korvane.ico")
    images = [image_data(read_grid(os.path.join(here, f"korvane_{s}.txt"), s)) for s in SIZES]

    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    main()
