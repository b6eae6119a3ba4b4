#!/usr/bin/python3
"""Writes BMP files with two independent writers (Pillow and ImageMagick) and, beside each,
the writer's own decode as raw RGB rows, top row first. A manifest lists the cases: name,
width and height.

usage: make_reference_bmps.py OUTPUT_FOLDER
"""
import os
import random
import subprocess
import sys

from PIL import Image

CONVERT = "/usr/bin/convert"  # ImageMagick's, not any stand-in earlier on PATH


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
            # ImageMagick picks 1, 4 or 8 bits per pixel from the colours actually present.
            source.putdata(pattern(width, 6, colours, colours + width))
            ppm = os.path.join(out, name + ".ppm")
            source.convert("RGB").save(ppm)
            bmp = os.path.join(out, name + ".bmp")
            subprocess.run([CONVERT, ppm, "-type", "Palette", "-compress", "None", "BMP3:" + bmp], check=True)
            subprocess.run([CONVERT, bmp, "-depth", "8", "rgb:" + os.path.join(out, name + ".rgb")], check=True)
            os.remove(ppm)
            names.append(name)
    return names


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    names = pillow_cases(out) + magick_cases(out)
    with open(os.path.join(out, "manifest.txt"), "w") as f:
        for name in names:
            img = Image.open(os.path.join(out, name + ".bmp"))
            f.write("%s %d %d\n" % (name, img.width, img.height))


if __name__ == "__main__":
    main()
