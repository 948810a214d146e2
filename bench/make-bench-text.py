#!/usr/bin/env python3
"""Builds the benchmark book: about 120 MB of hard-wrapped Russian prose in CP1251, made of the
fortunes-ru collection (UTF-8) shuffled and repeated, wrapped by fmt to 70 columns with CR LF
line ends and paragraphs marked by indentation, plus the same text in UTF-8 and UTF-16LE.

usage: make-bench-text.py OUTDIR [MEGABYTES]
Writes OUTDIR/book-1251.txt, book-utf8.txt, book-utf16.txt; does nothing when they exist.
"""
import os
import random
import re
import subprocess
import sys

FORTUNES = "/usr/share/games/fortunes/ru"


def paragraphs():
    """Every fortune as one line of CP1251 text."""
    out = []
    for name in sorted(os.listdir(FORTUNES)):
        path = os.path.join(FORTUNES, name)
        if "." in name or os.path.islink(path) or not os.path.isfile(path):
            continue
        with open(path, "rb") as f:
            data = f.read()
        # Characters CP1251 lacks are dropped (-c): a handful of symbols.
        run = subprocess.run(["iconv", "-c", "-f", "UTF-8", "-t", "CP1251"], input=data,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=False)
        for fortune in re.split(rb"(?m)^%\s*$", run.stdout):
            text = b" ".join(fortune.split())
            if len(text) > 20:
                out.append(text)
    return out


def main():
    outdir = sys.argv[1]
    megabytes = int(sys.argv[2]) if len(sys.argv) > 2 else 120
    names = [os.path.join(outdir, n) for n in ("book-1251.txt", "book-utf8.txt", "book-utf16.txt")]
    if all(os.path.exists(n) for n in names):
        return
    os.makedirs(outdir, exist_ok=True)
    pool = paragraphs()
    if not pool:
        sys.exit("no fortunes in " + FORTUNES + ": run scripts/setup.sh bench")
    rng = random.Random(1)
    raw = os.path.join(outdir, "book-1251.raw")
    size = 0
    with open(raw, "wb") as f:
        while size < megabytes * 1000 * 1000:
            rng.shuffle(pool)
            for p in pool:
                f.write(b"     " + p + b"\n")
                size += len(p) + 6
    # Tagged-paragraph mode keeps the first line's indentation and starts the others at the margin.
    with open(raw, "rb") as src, open(raw + ".fmt", "wb") as dst:
        subprocess.run(["fmt", "-t", "-w", "70"], stdin=src, stdout=dst, check=True)
    os.remove(raw)
    with open(raw + ".fmt", "rb") as f:
        text = f.read().replace(b"\n", b"\r\n")
    os.remove(raw + ".fmt")
    with open(names[0], "wb") as f:
        f.write(text)
    del text
    for target, name in (("UTF-8", names[1]), ("UTF-16LE", names[2])):
        with open(names[0], "rb") as src, open(name, "wb") as dst:
            subprocess.run(["iconv", "-f", "CP1251", "-t", target], stdin=src, stdout=dst, check=True)


if __name__ == "__main__":
    main()
