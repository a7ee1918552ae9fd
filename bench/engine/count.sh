#!/usr/bin/env bash
# Counts callgrind instructions of scriptrun for each workload (start-up included), and with
# $BEFORE naming an older scriptrun, its counts and the ratio of the two.
#   bench/engine/count.sh [BUILD_DIR] [WORKLOAD...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
shift || true
workloads=("$@")
[ ${#workloads[@]} -gt 0 ] ||
  workloads=(empty loop fib plot strings arrays integrate strdoubles tak andor arraycalls strbuild)
ours="$build/tools/scriptrun/scriptrun"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

instructions() {  # scriptrun workload
  valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" "$1" "$here/$2.vrl" \
    >/dev/null 2>"$work/cg.log"
  sed -n 's/^summary: //p' "$work/cg.out"
}

if [ -n "${BEFORE:-}" ]; then
  printf "| workload | before | now | now / before |\n|---|---|---|---|\n"
else
  printf "| workload | instructions |\n|---|---|\n"
fi
for w in "${workloads[@]}"; do
  now=$(instructions "$ours" "$w")
  if [ -n "${BEFORE:-}" ]; then
    was=$(instructions "$BEFORE" "$w")
    awk -v w="$w" -v a="$was" -v b="$now" 'BEGIN { printf "| %s | %d | %d | %.3f |\n", w, a, b, b / a }'
  else
    printf "| %s | %d |\n" "$w" "$now"
  fi
done
