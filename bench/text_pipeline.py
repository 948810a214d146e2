#!/usr/bin/env python3
"""Benchmark of the text pipeline: lecterna-text --bench on the 120 MB book, against fmt and
iconv timed in the same run, UTF-8 and UTF-16 decoding, and peak memory.

Ratios are taken from processor time (user + system), which stays meaningful on a machine shared
with other work; wall-clock figures are printed beside them.

usage: text_pipeline.py BUILD_DIR DATA_DIR
"""
import os
import subprocess
import sys
import time


def timed(args, path):
    """(wall seconds, processor seconds) of a command reading `path` on its standard input."""
    with open(path, "rb") as src:
        start = time.perf_counter()
        child = subprocess.Popen(args, stdin=src, stdout=subprocess.DEVNULL)
        _, status, usage = os.wait4(child.pid, 0)
        wall = time.perf_counter() - start
    if status != 0:
        sys.exit("%s failed" % args[0])
    return wall, usage.ru_utime + usage.ru_stime


def stages(tool, args):
    """The stage lines of lecterna-text --bench: name -> (wall s, MB/s, cpu s, cpu MB/s)."""
    out = subprocess.run([tool, "--bench"] + args, stdout=subprocess.PIPE, check=True, text=True).stdout
    result = {}
    for line in out.splitlines():
        f = line.split()
        if len(f) >= 9 and f[2] == "s":
            result[f[0]] = (float(f[1]), float(f[3]), float(f[5]), float(f[7]))
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
    print("book: %.1f MB, CP1251, hard-wrapped at 70 columns, CR LF" % mb)

    out, ours = stages(tool, ["--encoding", "1", "--paragraphs", book])
    print("".join("  " + line + "\n" for line in out.splitlines()), end="")
    ours_wall = ours["decoding"][0] + ours["paragraphs"][0]
    ours_cpu = ours["decoding"][2] + ours["paragraphs"][2]
    fmt_wall, fmt_cpu = timed(["fmt", "-w", "80"], book)
    iconv_wall, iconv_cpu = timed(["iconv", "-f", "CP1251", "-t", "UTF-8"], book)
    row = "%-24s cpu %6.3f s %7.1f MB/s   wall %6.3f s %7.1f MB/s"
    print(row % ("decoding + recognition", ours_cpu, mb / ours_cpu, ours_wall, mb / ours_wall))
    print((row + "   ours %.1fx as fast") % ("fmt -w 80", fmt_cpu, mb / fmt_cpu, fmt_wall, mb / fmt_wall,
                                              fmt_cpu / ours_cpu))
    print((row + "   ours %.1fx as fast") % ("iconv CP1251 -> UTF-8", iconv_cpu, mb / iconv_cpu, iconv_wall,
                                              mb / iconv_wall, iconv_cpu / ours_cpu))

    for name, path, encoding in (("UTF-8", utf8, "3"), ("UTF-16", utf16, "2")):
        _, s = stages(tool, ["--encoding", encoding, "--no-paragraphs", path])
        print("%-6s decoding: cpu %7.1f MB/s, wall %7.1f MB/s of %s (%.1f MB)"
              % (name, s["decoding"][3], s["decoding"][1], name, os.path.getsize(path) / 1e6))

    for label, path, encoding in (("CP1251", book, "1"), ("UTF-8", utf8, "3")):
        kb = peak_kb(tool, ["--encoding", encoding, "--paragraphs", path])
        print("peak memory, %-6s with recognition: %7.1f MB = %.2f x the file"
              % (label, kb / 1024, kb * 1024 / os.path.getsize(path)))


if __name__ == "__main__":
    main()
