#!/usr/bin/env bash
# Runs the benchmarks of a build folder. Each prints its own figures; none fails on time.
#   bench/run.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: bench/run.sh BUILD_DIR}
root="$(cd "$(dirname "$0")/.." && pwd)"
data="$root/build/bench-data"

"$build/bench/history_bench"
"$build/bench/settings_bench"
QT_QPA_PLATFORM=offscreen "$build/bench/progress_window_bench"
QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 "$build/bench/autoscroll_bench" "$root/tests/data/cyrillic-cp866.txt"

# One book for every benchmark that reads one: about 120 MB of hard-wrapped Russian prose (the
# fortunes shuffled, repeated and wrapped by fmt) in CP1251, with copies in UTF-8, UTF-16 and the
# DOS code page, cached under build/bench-data.
if [ ! -d /usr/share/games/fortunes/ru ]; then
  echo "the benchmark book needs fortunes-ru (scripts/setup.sh bench installs them); book benchmarks skipped"
  exit 0
fi
LECTERNA_OEMCP=866 LECTERNA_ANSICP=1251 python3 "$root/bench/make-bench-text.py" "$data" 120

export QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 LECTERNA_OEMCP=866 LECTERNA_ANSICP=1251
"$build/bench/layout_bench" "$data/book-1251.txt"

# The road from the Open command to the first page, and the peak memory of the program with the
# book open (GNU time's maximum resident set size).
peak=$(mktemp)
trap 'rm -f "$peak"' EXIT
/usr/bin/time -f %M -o "$peak" "$build/bench/open_bench" "$data/book-866.txt"
size=$(stat -c %s "$data/book-866.txt")
awk -v kb="$(tail -1 "$peak")" -v size="$size" \
  'BEGIN { printf "open: peak memory %.1f MB = %.2f x the file (limit 3)\n", kb / 1024, kb * 1024 / size }'

"$build/bench/paint_bench" "$data/book-866.txt"

python3 "$root/bench/text_pipeline.py" "$build" "$data"
