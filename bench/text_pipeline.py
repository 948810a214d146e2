#!/usr/bin/env python3
"""Benchmark of the text pipeline: lecterna-text --bench on the 120 MB book, against fmt and
iconv timed in the same run, UTF-8 and UTF-16 decoding, and peak memory.

usage: text_pipeline.py BUILD_DIR DATA_DIR
"""
import os
import subprocess
import sys
import time


def timed(args, path):
    with open(path, "rb") as src:
        start = time.perf_counter()
        subprocess.run(args, stdin=src, stdout=subprocess.DEVNULL, check=True)
        return time.perf_counter() - start


def stages(tool, args):
    """The stage lines of lecterna-text --bench: name -> (seconds, MB/s)."""
    out = subprocess.run([tool, "--bench"] + args, stdout=subprocess.PIPE, check=True, text=True).stdout
    result = {}
    for line in out.splitlines():
        f = line.split()
        if len(f) >= 5 and f[2] == "s":
            result[f[0]] = (float(f[1]), float(f[3]))
    return out, result


def peak_kb(tool, args):
    run = subprocess.run(["/usr/bin/time", "-f", "%M", tool, "--bench"] + args, stdout=subprocess.DEVNULL,
                         stderr=subprocess.PIPE, check=True, text=True)
    return int(run.stderr.strip().splitlines()[-1])


def main():
    build, data = sys.argv[1], sys.argv[2]
    tool = os.path.join(build, "src", "lecterna-text")
    book = os.path.join(data, "book-1251.txt")
    utf8 = os.path.join(data, "book-utf8.txt")
    utf16 = os.path.join(data, "book-utf16.txt")
    mb = os.path.getsize(book) / 1e6
    print("book: %.1f MB, CP1251, hard-wrapped at 70 columns" % mb)

    out, ours = stages(tool, ["--encoding", "1", "--paragraphs", book])
    print("".join("  " + line + "\n" for line in out.splitlines()), end="")
    ours_s = ours["decoding"][0] + ours["paragraphs"][0]
    fmt_s = timed(["fmt", "-w", "80"], book)
    iconv_s = timed(["iconv", "-f", "CP1251", "-t", "UTF-8"], book)
    print("decoding + recognition: %7.3f s %8.1f MB/s" % (ours_s, mb / ours_s))
    print("fmt -w 80:              %7.3f s %8.1f MB/s  ours %.1fx as fast" % (fmt_s, mb / fmt_s, fmt_s / ours_s))
    print("iconv CP1251 -> UTF-8:  %7.3f s %8.1f MB/s  ours %.1fx as fast"
          % (iconv_s, mb / iconv_s, iconv_s / ours_s))

    for name, path, encoding in (("UTF-8", utf8, "3"), ("UTF-16", utf16, "2")):
        _, s = stages(tool, ["--encoding", encoding, "--no-paragraphs", path])
        print("%-6s decoding: %8.1f MB/s of %s (%.1f MB)" % (name, s["decoding"][1], name,
                                                             os.path.getsize(path) / 1e6))

    for label, path, encoding in (("CP1251", book, "1"), ("UTF-8", utf8, "3")):
        kb = peak_kb(tool, ["--encoding", encoding, "--paragraphs", path])
        print("peak memory, %-6s with recognition: %7.1f MB = %.2f x the file"
              % (label, kb / 1024, kb * 1024 / os.path.getsize(path)))


if __name__ == "__main__":
    main()
