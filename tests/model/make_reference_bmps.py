#!/usr/bin/python3
"""Writes BMP files with two independent writers (Pillow and ImageMagick) and, beside each,
the writer's own decode as raw RGB rows, top row first. A manifest lists the cases: name,
width, height and the bits per pixel asked of the writer.

usage: make_reference_bmps.py OUTPUT_FOLDER
"""
import os
import random
import subprocess
import sys

from PIL import Image

CONVERT = "/usr/bin/convert"  # ImageMagick's, not any stand-in earlier on PATH
MAGICK_BITS = {}


def pattern(width, height, colours, seed):
    rnd = random.Random(seed)
    return [rnd.randrange(colours) for _ in range(width * height)]


def palette(colours, seed):
    rnd = random.Random(seed)
    return [rnd.randrange(256) for _ in range(3 * colours)]


def save_rgb(img, path):
    with open(path, "wb") as f:
        f.write(img.convert("RGB").tobytes())


def pillow_cases(out):
    cases = []
    for width in (1, 3, 33):
        height = 5
        # 1 bit per pixel.
        img = Image.new("1", (width, height))
        img.putdata([255 * v for v in pattern(width, height, 2, width)])
        cases.append(("pil_1bit_w%d" % width, img))
        # 8 bits with a palette of fewer than 256 entries.
        img = Image.new("P", (width, height))
        img.putpalette(palette(7, width))
        img.putdata(pattern(width, height, 7, width + 1))
        cases.append(("pil_8bit_pal7_w%d" % width, img))
        # 8-bit greyscale, full 256-entry table.
        img = Image.new("L", (width, height))
        img.putdata(pattern(width, height, 256, width + 2))
        cases.append(("pil_8bit_grey_w%d" % width, img))
        # 24 bits.
        img = Image.new("RGB", (width, height))
        rnd = random.Random(width + 3)
        img.putdata([(rnd.randrange(256), rnd.randrange(256), rnd.randrange(256)) for _ in range(width * height)])
        cases.append(("pil_24bit_w%d" % width, img))
    # A 1-bit picture that uses only its first colour, for a one-entry table.
    cases.append(("pil_1bit_black_w33", Image.new("1", (33, 4))))
    names = []
    for name, img in cases:
        img.save(os.path.join(out, name + ".bmp"), format="BMP")
        # The writer's own decode of the file it wrote.
        save_rgb(Image.open(os.path.join(out, name + ".bmp")), os.path.join(out, name + ".rgb"))
        names.append(name)
    return names


def magick_cases(out):
    names = []
    for width in (1, 3, 33):
        for colours in (2, 5, 16, 40):
            name = "im_%dcolours_w%d" % (colours, width)
            source = Image.new("P", (width, 6))
            source.putpalette(palette(colours, colours * 100 + width))
            pixels = pattern(width, 6, colours, colours + width)
            source.putdata(pixels)
            # ImageMagick picks 1, 4 or 8 bits per pixel from the colours actually present.
            used = len(set(pixels))
            MAGICK_BITS[name] = 1 if used <= 2 else 4 if used <= 16 else 8
            ppm = os.path.join(out, name + ".ppm")
            source.convert("RGB").save(ppm)
            bmp = os.path.join(out, name + ".bmp")
            subprocess.run([CONVERT, ppm, "-type", "Palette", "-compress", "None", "BMP3:" + bmp], check=True)
            subprocess.run([CONVERT, bmp, "-depth", "8", "rgb:" + os.path.join(out, name + ".rgb")], check=True)
            os.remove(ppm)
            names.append(name)
    return names


def top_down_variant(out, name):
    """Turns a writer's bottom-up file into the same picture stored top-down."""
    with open(os.path.join(out, name + ".bmp"), "rb") as f:
        data = bytearray(f.read())
    width = int.from_bytes(data[18:22], "little", signed=True)
    height = int.from_bytes(data[22:26], "little", signed=True)
    bits = int.from_bytes(data[28:30], "little")
    used = int.from_bytes(data[46:50], "little")
    entries = used if used else (1 << bits if bits < 16 else 0)
    start = 54 + 4 * entries
    stride = ((width * bits + 31) // 32) * 4
    rows = [data[start + r * stride:start + (r + 1) * stride] for r in range(height)]
    data[22:26] = (-height).to_bytes(4, "little", signed=True)
    data[start:start + stride * height] = b"".join(reversed(rows))
    top = name + "_topdown"
    with open(os.path.join(out, top + ".bmp"), "wb") as f:
        f.write(data)
    with open(os.path.join(out, name + ".rgb"), "rb") as src, open(os.path.join(out, top + ".rgb"), "wb") as dst:
        dst.write(src.read())
    return top


def intended_bits(name):
    """The depth each case asks its writer for."""
    if name.startswith("pil_"):
        return int(name.split("_")[1].replace("bit", ""))
    return MAGICK_BITS[name.replace("_topdown", "").replace("_shortpal", "")]


def short_palette_variant(out, name):
    """The same picture with its colour table cut to the entries its pixels use."""
    with open(os.path.join(out, name + ".bmp"), "rb") as f:
        data = bytearray(f.read())
    width = int.from_bytes(data[18:22], "little", signed=True)
    height = abs(int.from_bytes(data[22:26], "little", signed=True))
    bits = int.from_bytes(data[28:30], "little")
    used = int.from_bytes(data[46:50], "little") or (1 << bits)
    stride = ((width * bits + 31) // 32) * 4
    start = 54 + 4 * used
    pixels = data[start:start + stride * height]
    highest = 0
    for row in range(height):
        line = pixels[row * stride:(row + 1) * stride]
        for x in range(width):
            bit = x * bits
            value = (line[bit // 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1)
            highest = max(highest, value)
    entries = highest + 1
    table = data[54:54 + 4 * entries]
    size = 54 + 4 * entries + len(pixels)
    head = bytearray(data[:54])
    head[2:6] = size.to_bytes(4, "little")
    head[10:14] = (54 + 4 * entries).to_bytes(4, "little")
    head[46:50] = entries.to_bytes(4, "little")
    short = name + "_shortpal"
    with open(os.path.join(out, short + ".bmp"), "wb") as f:
        f.write(head + table + pixels)
    with open(os.path.join(out, name + ".rgb"), "rb") as src, open(os.path.join(out, short + ".rgb"), "wb") as dst:
        dst.write(src.read())
    return short


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    names = pillow_cases(out) + magick_cases(out)
    names += [top_down_variant(out, n) for n in ("pil_8bit_pal7_w33", "im_16colours_w3", "pil_24bit_w3")]
    names += [short_palette_variant(out, n) for n in ("pil_1bit_black_w33", "im_5colours_w33", "im_40colours_w33")]
    with open(os.path.join(out, "manifest.txt"), "w") as f:
        for name in names:
            img = Image.open(os.path.join(out, name + ".bmp"))
            f.write("%s %d %d %d\n" % (name, img.width, img.height, intended_bits(name)))


if __name__ == "__main__":
    main()
