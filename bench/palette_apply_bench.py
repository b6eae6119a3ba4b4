#!/usr/bin/env python3
"""korvane-palette apply beside the least the same work could cost: over 1000 small 8-bit bitmaps (64x64) against
cp of the same files into a new folder, and over one 64 MB 8-bit bitmap against reading and writing it once. apply
writes as Save does: each file whole to a temporary beside it, flushed to the disk (all at once), then put in the old
one's place, which neither cp nor a plain write does; so each is also set beside that replacing done by hand (copies
beside the files, one sync, renames). Every piece of work starts with nothing left to flush. Rounds alternate; the
figures are their medians.
usage: palette_apply_bench.py KORVANE_PALETTE [FOLDER]   (files are made there; default: a new folder in /tmp)"""
import os
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time

ROUNDS = 5


def bitmap(width, height):
    table = bytes((i * 7 + c) & 0xFF for i in range(256) for c in range(4))
    pixels = (bytes(range(256)) * (width * height // 256 + 1))[:width * height]
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 0, 0, 256, 0)
    return struct.pack("<2sIHHI", b"BM", 54 + 1024 + len(pixels), 0, 0, 54 + 1024) + info + table + pixels


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def copy(sources, folder):
    for source in sources:
        with open(source, "rb") as f:
            write(os.path.join(folder, os.path.basename(source)), f.read())


def replace_by_hand(sources):
    for source in sources:
        with open(source, "rb") as f:
            write(source + ".new", f.read())
    os.sync()
    for source in sources:
        os.rename(source + ".new", source)


def empty(folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)


# Each piece of work, timed after its set-up, in turn for every round.
def measure(label, target, works):
    times = {name: [] for name, _, _ in works}
    for _ in range(ROUNDS):
        for name, work, setup in works:
            setup()
            # What the work before left unwritten is not this one's to flush.
            os.sync()
            start = time.perf_counter()
            work()
            times[name].append(time.perf_counter() - start)
    medians = {name: statistics.median(t) for name, t in times.items()}
    apply = medians.pop("apply")
    print(label)
    for i, (name, median) in enumerate(medians.items()):
        print("  apply %8.1f ms   %-24s %8.1f ms   ratio %5.2f%s" % (apply * 1000, name, median * 1000, apply / median,
                                                                     "   (target <= %.1f)" % target if i == 0 else ""))


def main():
    tool = os.path.abspath(sys.argv[1])
    folder = sys.argv[2] if len(sys.argv) > 2 else tempfile.mkdtemp(prefix="korvane-palette-bench-")
    small, copies = os.path.join(folder, "small"), os.path.join(folder, "copies")
    empty(small)
    palette = os.path.join(folder, "palette.hex")
    with open(palette, "w") as f:
        f.write("".join("%02x%02x%02x\n" % (i, 255 - i, i // 2) for i in range(256)))
    names = [os.path.join(small, "%04d.bmp" % i) for i in range(1000)]
    for name in names:
        write(name, bitmap(64, 64))
    large = os.path.join(folder, "large.bmp")
    write(large, bitmap(8192, 8192))
    print("korvane-palette apply, median of %d rounds, files in %s" % (ROUNDS, folder))

    def nothing():
        pass

    measure("1000 files of 64x64, 8 bits", 1.5,
            [("apply", lambda: subprocess.run([tool, "apply", palette] + names, check=True), nothing),
             ("cp to a new folder", lambda: subprocess.run(["cp"] + names + [copies], check=True), lambda: empty(copies)),
             ("replaced by hand", lambda: replace_by_hand(names), nothing)])
    # Written over a copy that is there, as apply replaces the file that is there.
    copy([large], copies)
    measure("one of %d MB, 8 bits" % (os.path.getsize(large) // 1000000), 1.2,
            [("apply", lambda: subprocess.run([tool, "apply", palette, large], check=True), nothing),
             ("read and write once", lambda: copy([large], copies), nothing),
             ("replaced by hand", lambda: replace_by_hand([large]), nothing)])
    if len(sys.argv) <= 2:
        shutil.rmtree(folder)


if __name__ == "__main__":
    main()
