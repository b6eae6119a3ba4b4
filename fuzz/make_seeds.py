#!/usr/bin/env python3
"""Writes a small seed corpus for the BMP reader fuzzer: valid files of every depth and a
few near misses; with --palettes, palette files of each format for the palette fuzzer instead.
usage: make_seeds.py [--palettes] OUTPUT_FOLDER"""
import os
import struct
import sys


def bmp(width, height, bits, used=0, compression=0, info_size=40, entries=None, pixel=0x5A):
    if entries is None:
        entries = used if used else (1 << bits if bits < 16 else 0)
    stride = ((abs(width) * bits + 31) // 32) * 4
    image = stride * abs(height)
    table = bytes((i * 7 + c) & 0xFF for i in range(entries) for c in range(4))
    info = struct.pack("<IiiHHIIiiII", info_size, width, height, 1, bits, compression, image, 0, 0, used, 0)
    info += bytes(max(0, info_size - 40))
    off = 14 + len(info) + len(table)
    head = struct.pack("<2sIHHI", b"BM", off + image, 0, 0, off)
    return head + info + table + bytes([pixel]) * image


def palettes():
    colours = [(i * 7 & 0xFF, i * 13 & 0xFF, i * 29 & 0xFF) for i in range(16)]
    lines = "".join("%d %d %d\r\n" % c for c in colours)
    data = struct.pack("<HH", 0x0300, len(colours)) + b"".join(bytes(c) + b"\0" for c in colours)
    act = b"".join(bytes(c) for c in colours).ljust(768, b"\0")
    return {
        "jasc.pal": ("JASC-PAL\r\n0100\r\n%d\r\n" % len(colours) + lines).encode(),
        "jasc_lf_blanks.pal": b"JASC-PAL\n0100\n 2 \n\t1  2\t3 \n255 0 10\n\n",
        "riff.pal": b"RIFF" + struct.pack("<I", 4 + 8 + len(data)) + b"PAL data" + struct.pack("<I", len(data)) + data,
        "riff_extra_chunk.pal": b"RIFF" + struct.pack("<I", 4 + 12 + 8 + len(data)) + b"PAL junk\3\0\0\0abc\0data"
        + struct.pack("<I", len(data)) + data,
        "act_768.act": act,
        "act_772.act": act + struct.pack(">HH", len(colours), 0xFFFF),
        "lospec.hex": "".join("%02x%02X%02x\n" % c for c in colours).encode(),
        "paintnet.txt": ("; paint.net\r\n" + "".join("FF%02X%02x%02X\r\n" % c for c in colours)).encode(),
        "gimp.gpl": ("GIMP Palette\nName: Seed\nColumns: 4\n# comment\n\n"
                     + "".join("%3d %3d %3d\tIndex %d\n" % (c + (i,)) for i, c in enumerate(colours))).encode(),
    }


def bitmaps():
    return {
        "1bit": bmp(33, 3, 1),
        "4bit": bmp(9, 2, 4, used=5),
        "8bit": bmp(4, 4, 8),
        "8bit_topdown": bmp(3, -3, 8, used=2),
        "16bit": bmp(3, 2, 16),
        "24bit": bmp(3, 2, 24),
        "24bit_with_table": bmp(2, 2, 24, used=3),
        "32bit": bmp(2, 2, 32),
        "rle8": bmp(4, 4, 8, compression=1),
        "v4_header": bmp(4, 4, 8, info_size=108),
        "short_pixels": bmp(8, 8, 8)[:-5],
    }


def main():
    out = sys.argv[-1]
    os.makedirs(out, exist_ok=True)
    if sys.argv[1:2] == ["--palettes"]:
        seeds = palettes()
    else:
        seeds = {name + ".bmp": data for name, data in bitmaps().items()}
    for name, data in seeds.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
