#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for longer than the tests do, each over its seed corpus
# and a working corpus kept in the build folder between runs.
#   scripts/fuzz.sh BUILD_DIR [SECONDS_EACH]
set -euo pipefail
build=${1:?usage: scripts/fuzz.sh BUILD_DIR [SECONDS_EACH]}
seconds=${2:-300}
root="$(cd "$(dirname "$0")/.." && pwd)"
export LECTERNA_OEMCP=866 LECTERNA_ANSICP=1251
status=0
for target in "$build"/tests/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work="$build/tests/corpus/$name"
  mkdir -p "$work"
  echo "== $name: $seconds s"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$build/tests/$name-" "$work" "$root/tests/fuzz/corpus/$name" 2>"$build/tests/$name.log"; then
    echo "   FAILED: see $build/tests/$name.log and the crash file beside it"
    status=1
  else
    grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$build/tests/$name.log" | sed 's/^/   /'
  fi
done
exit $status
