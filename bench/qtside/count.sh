#!/usr/bin/env bash
# Instructions of the Qt window's side of a run against those of the whole run, counted with
# callgrind over bench_qtside on the offscreen platform: the inclusive costs of its wholeRun and
# windowSide, per repeat. $MIX picks another mix of lines of bench/padcost/make-pad.sh.
#   bench/qtside/count.sh [BUILD_DIR] [LINES] [REPEATS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
lines=${2:-10000}
repeats=${3:-2}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

pad=()
if [ -n "${MIX:-}" ]; then
  "$here/../padcost/make-pad.sh" "$lines" "$MIX" >"$work/pad.vrl"
  pad=("$work/pad.vrl")
fi
QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" \
  "$build/bench/qtside/bench_qtside" "$lines" "$repeats" "${pad[@]}" >/dev/null 2>"$work/cg.log"
inclusive() {  # function name
  callgrind_annotate --inclusive=yes --threshold=100 "$work/cg.out" 2>/dev/null |
    awk -v f="$1" '!found && index($0, f) { gsub(",", "", $1); print $1; found = 1 }'
}
run=$(($(inclusive "wholeRun(") / repeats))
side=$(($(inclusive "windowSide(") / repeats))
rest=$((run - side))
printf "| pad lines | whole run | window's side | rest of the run | side / rest |\n|---|---|---|---|---|\n"
awk -v n="$lines" -v r="$run" -v s="$side" -v t="$rest" \
  'BEGIN { printf "| %d | %d | %d | %d | %.2f |\n", n, r, s, t, s / t }'
printf "instructions per run; per pad line: side %d, rest %d\n" $((side / lines)) $((rest / lines))
