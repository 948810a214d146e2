#!/usr/bin/env bash
# Runs the benchmarks of a build folder. Each prints its own figures; none fails on time.
#   bench/run.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: bench/run.sh BUILD_DIR}
out="$(cd "$(dirname "$0")" && pwd)/out"
mkdir -p "$out"

# A large CP1251 book: the Russian fortunes (installed by `scripts/setup.sh bench`) repeated to
# about 64 MB. Without them the benchmarks that take a book make a synthetic one.
book="$out/book-cp1251.txt"
if [ ! -s "$book" ] && [ -d /usr/share/games/fortunes/ru ]; then
  once="$out/once-cp1251.txt"
  : > "$once"
  find /usr/share/games/fortunes/ru -type f ! -name '*.dat' -print0 | sort -z |
    while IFS= read -r -d '' f; do
      iconv -c -f UTF-8 -t CP1251//TRANSLIT "$f" >> "$once" || true
    done
  while [ "$(stat -c %s "$book" 2>/dev/null || echo 0)" -lt $((64 << 20)) ]; do
    cat "$once" >> "$book"
  done
  rm -f "$once"
fi
book_args=()
[ -s "$book" ] && book_args=("$book")

"$build/bench/history_bench"
"$build/bench/layout_bench" "${book_args[@]}"
"$build/bench/settings_bench"
QT_QPA_PLATFORM=offscreen "$build/bench/progress_window_bench"
QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 "$build/bench/paint_bench" "$(dirname "$0")/../tests/data/cyrillic-cp866.txt"

# The text pipeline on 120 MB of hard-wrapped prose (the fortunes shuffled, repeated and wrapped by
# fmt), against fmt and iconv on the same file; the books are cached under build/bench-data.
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ -d /usr/share/games/fortunes/ru ]; then
  LECTERNA_OEMCP=866 LECTERNA_ANSICP=1251 python3 "$root/bench/make-bench-text.py" "$root/build/bench-data" 120
  LECTERNA_OEMCP=866 LECTERNA_ANSICP=1251 python3 "$root/bench/text_pipeline.py" "$build" "$root/build/bench-data"
else
  echo "text pipeline: no fortunes-ru (scripts/setup.sh bench installs them); skipped"
fi
QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 "$build/bench/autoscroll_bench" "$(dirname "$0")/../tests/data/cyrillic-cp866.txt"
