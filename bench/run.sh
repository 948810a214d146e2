#!/usr/bin/env bash
# Runs the benchmarks against one build folder and prints their figures; nothing here fails on
# time. Each section is a function; add one and list it at the bottom.
#   bench/run.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: bench/run.sh BUILD_DIR}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
data="$root/build/bench-data"
export LECTERNA_OEMCP=866 LECTERNA_ANSICP=1251

bench_text_pipeline() {
    echo "== Text pipeline"
    python3 "$root/bench/make-bench-text.py" "$data" 120
    python3 "$root/bench/text_pipeline.py" "$build" "$data"
}

bench_text_pipeline
