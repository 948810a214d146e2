#!/usr/bin/env bash
# Runs the benchmarks of one build folder and prints their figures.
#   bench/run.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: bench/run.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)

echo "== reading area repaint"
QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 "$build/bench/paint_bench" "$here/../tests/data/cyrillic-cp866.txt"
