#!/usr/bin/env bash
# The fuzz gate: every fuzz_<name> target in the build folder runs over a scratch copy of its
# committed seed corpus tests/fuzz/corpus/<name>/, with a fixed seed and a fixed number of runs,
# so the same tree always fuzzes the same inputs. A target whose runs cost more has a count of
# its own below; tests/fuzz/<name>.dict, when present, is its dictionary. FUZZ_RUNS overrides
# every count.
set -euo pipefail
build=${1:-build-fuzz}
top=$(cd "$(dirname "$0")/.." && pwd)
declare -A target_runs=(
  [window]=5000  # three window runs of a pad per input: about a minute
)
status=0
shopt -s nullglob
for bin in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$bin" ] || continue
  name=${bin##*/fuzz_}
  runs=${FUZZ_RUNS:-${target_runs[$name]:-120000}}
  options=()
  [ -f "$top/tests/fuzz/$name.dict" ] && options+=("-dict=$top/tests/fuzz/$name.dict")
  work=$(mktemp -d)
  cp -r "$top/tests/fuzz/corpus/$name/." "$work/" 2>/dev/null || true
  echo "== fuzz $name: $runs runs, seed 1"
  if ! "$bin" -seed=1 -runs="$runs" -timeout=10 -rss_limit_mb=2048 -max_len=4096 "${options[@]}" \
        -print_final_stats=1 -artifact_prefix="$build/fuzz-$name-" "$work" 2>"$build/fuzz-$name.log"; then
    tail -50 "$build/fuzz-$name.log"
    status=1
  else
    grep -E '^stat::number_of_executed_units|^Done' "$build/fuzz-$name.log" || true
  fi
  rm -rf "$work"
done
exit $status
