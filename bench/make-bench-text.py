#!/usr/bin/env python3
"""Builds the benchmark book: about 120 MB of hard-wrapped Russian prose in CP1251, made of the
fortunes-ru collection (UTF-8) shuffled and repeated, wrapped by fmt to 70 columns with CR LF
line ends and paragraphs marked by indentation, plus the same text in UTF-8, UTF-16LE and in the
DOS code page CP866 (characters CP866 lacks, such as typographic quotes, transliterated).

usage: make-bench-text.py OUTDIR [MEGABYTES]
Writes OUTDIR/book-1251.txt, book-utf8.txt, book-utf16.txt, book-866.txt; makes only the ones
that are missing.
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
    names = [os.path.join(outdir, n) for n in ("book-1251.txt", "book-utf8.txt", "book-utf16.txt", "book-866.txt")]
    if all(os.path.exists(n) for n in names):
        return
    os.makedirs(outdir, exist_ok=True)
    if not os.path.exists(names[0]):
        build_book(names[0], megabytes)
    # -c: the few characters CP866 cannot take even transliterated are dropped.
    for args, name in ((["-t", "UTF-8"], names[1]), (["-t", "UTF-16LE"], names[2]),
                       (["-c", "-t", "CP866//TRANSLIT"], names[3])):
        if os.path.exists(name):
            continue
        with open(names[0], "rb") as src, open(name + ".part", "wb") as dst:
            subprocess.run(["iconv", "-f", "CP1251"] + args, stdin=src, stdout=dst, check=True)
        os.replace(name + ".part", name)


def build_book(name, megabytes):
    """The CP1251 book itself."""
    outdir = os.path.dirname(name)
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
    with open(name + ".part", "wb") as f:
        f.write(text)
    os.replace(name + ".part", name)


if __name__ == "__main__":
    main()
