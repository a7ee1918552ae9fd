#!/usr/bin/env bash
# Counts the instructions of one Run of the pad-run workload at 10,000 and 100,000 lines with
# callgrind: padrun with --runs 3 minus padrun with --runs 1 is two runs, without the start-up
# and the reading of the file. Prints the instructions per pad line and their ratio.
# $MIX picks the lines of the pad (basic, builtins or control; see make-pad.sh), and $PADRUN
# names another padrun to count (an older build, to compare with).
#   bench/padcost/count.sh [BUILD_DIR] [LINES...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(10000 100000)
padrun="${PADRUN:-$build/tools/padrun/padrun}"
mix=${MIX:-basic}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Instructions of padrun over the pad with the given number of runs.
instructions() {  # pad runs
  valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" \
    "$padrun" --runs "$2" "$1" >/dev/null 2>"$work/cg.log"
  sed -n 's/^summary: //p' "$work/cg.out"
}

declare -A perLine
printf "mix %s\n| pad lines | instructions per run | per pad line |\n|---|---|---|\n" "$mix"
for n in "${sizes[@]}"; do
  "$here/make-pad.sh" "$n" "$mix" >"$work/pad.vrl"
  one=$(instructions "$work/pad.vrl" 1)
  three=$(instructions "$work/pad.vrl" 3)
  run=$(((three - one) / 2))
  perLine[$n]=$((run / n))
  printf "| %d | %d | %d |\n" "$n" "$run" "${perLine[$n]}"
done
if [ ${#sizes[@]} -ge 2 ]; then
  first=${sizes[0]}
  last=${sizes[-1]}
  awk -v a="${perLine[$last]}" -v b="${perLine[$first]}" -v f="$first" -v l="$last" \
    'BEGIN { printf "per-line cost at %d over that at %d: %.2f\n", l, f, a / b }'
fi
