#!/usr/bin/env python3
"""korvane-report --json read back by Python's JSON parser for the fuzzer's sample bitmaps, one under a double-byte name
(表 ends in a backslash byte in code page 932), one with a quote and a backslash: each member as the file's bytes hold
it.
usage: report_json_test.py KORVANE_REPORT"""
import json
import os
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "fuzz"))
from make_seeds import bitmaps  # noqa: E402

FILE_MEMBERS = ("bfType", "bfSize", "bfReserved1", "bfReserved2", "bfOffBits")
INFO_MEMBERS = ("biSize", "biWidth", "biHeight", "biPlanes", "biBitCount", "biCompression", "biSizeImage",
                "biXPelsPerMeter", "biYPelsPerMeter", "biClrUsed", "biClrImportant")
NAMES = {"8bit_topdown": "日本 表.bmp", "4bit": 'say "1\\2".bmp'}


def expected(name, data):
    info = dict(zip(INFO_MEMBERS, struct.unpack_from("<IiiHHIIiiII", data, 14)))
    bits = info["biBitCount"]
    count = info["biClrUsed"] or (1 << bits if bits < 16 else 0)
    row = (info["biWidth"] * bits + 31) // 32 * 4
    return {"fileName": name, "BITMAPFILEHEADER": dict(zip(FILE_MEMBERS, struct.unpack_from("<HIHHI", data))),
            "BITMAPINFOHEADER": info, "colorCount": count, "bytesPerLine": row,
            "computedFileSize": 54 + 4 * count + row * abs(info["biHeight"]), "actualFileSize": len(data)}


def main():
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for seed, data in bitmaps().items():
            name = NAMES.get(seed, seed + ".bmp")
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)
            run = subprocess.run([sys.argv[1], "--json", name], cwd=folder, capture_output=True)
            if seed in ("rle8", "v4_header", "short_pixels"):  # refused as without --json
                continue
            got, want = json.loads(run.stdout.decode("utf-8")), expected(name, data)
            failures += ["%s: %s is %r, not %r" % (seed, key, got.get(key), want.get(key))
                         for key in set(want) | set(got) if got.get(key) != want.get(key)]
            failures += ["%s: status %d" % (seed, run.returncode)] if run.returncode else []
    print("\n".join(failures) or "every report reads back as its file's headers")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
