#!/usr/bin/python3
"""Writes BMP files with an independent writer, ImageMagick, and beside each its own decode of the
file as raw RGB rows, top row first. A manifest lists the cases: name, width and height.

usage: make_reference_bmps.py OUTPUT_FOLDER
"""
import os
import random
import subprocess
import sys

CONVERT = "/usr/bin/convert"  # ImageMagick's, not any stand-in earlier on PATH
HEIGHT = 6


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "manifest.txt"), "w") as manifest:
        for width in (1, 3, 33):
            # ImageMagick picks 1, 4 or 8 bits per pixel from the colours present (one colour makes
            # a one-entry table); the last case asks for 24 bits.
            for colours in (2, 5, 16, 40, 0):
                rnd = random.Random(colours * 100 + width)
                palette = [bytes(rnd.randrange(256) for _ in range(3)) for _ in range(colours or 256)]
                pixels = b"".join(rnd.choice(palette) for _ in range(width * HEIGHT))
                name = "im_%dcolours_w%d" % (colours, width)
                ppm, bmp = os.path.join(out, name + ".ppm"), os.path.join(out, name + ".bmp")
                with open(ppm, "wb") as f:
                    f.write(b"P6 %d %d 255\n" % (width, HEIGHT) + pixels)
                kind = "Palette" if colours else "TrueColor"
                subprocess.run([CONVERT, ppm, "-type", kind, "-compress", "None", "BMP3:" + bmp], check=True)
                subprocess.run([CONVERT, bmp, "-depth", "8", "rgb:" + os.path.join(out, name + ".rgb")], check=True)
                os.remove(ppm)
                manifest.write("%s %d %d\n" % (name, width, HEIGHT))


if __name__ == "__main__":
    main()
