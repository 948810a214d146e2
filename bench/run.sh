#!/usr/bin/env bash
# Runs the benchmarks of a build folder. Each prints its own figures; none fails on time.
#   bench/run.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: bench/run.sh BUILD_DIR}

"$build/bench/history_bench"
