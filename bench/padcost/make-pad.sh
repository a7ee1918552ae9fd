#!/usr/bin/env bash
# Writes a pad-run workload to standard output: LINES lines (default 10,000) in groups of five,
# k = 0, 5, 10, ..., each group with names of its own. MIX (default basic) picks the lines:
#   basic:    an assignment, a bare expression, a string assignment, a comment, an empty line
#   builtins: built-in calls on decimal literals, a labelled String built from a number, a
#             bare built-in call and a String built-in
#   control:  a def line, a call of it, an if line, a comment and an empty line
#   bench/padcost/make-pad.sh [LINES] [MIX]
set -euo pipefail
lines=${1:-10000}
mix=${2:-basic}
case $mix in basic | builtins | control) ;; *)
  echo "unknown mix '$mix'" >&2
  exit 2
  ;;
esac
awk -v lines="$lines" -v mix="$mix" 'BEGIN {
  for (i = 0; i < lines; i++) {
    k = i - i % 5
    r = i % 5
    if (mix == "basic") {
      if (r == 0) printf "v%d = %d*2\n", k, k
      else if (r == 1) printf "v%d + 1\n", k
      else if (r == 2) printf "$s%d = \"t%d\"\n", k + 2, k + 2
      else if (r == 3) print "// comment"
      else print ""
    } else if (mix == "builtins") {
      if (r == 0) printf "a%d = sqrt(%d.25) + abs(-1.5)\n", k, k
      else if (r == 1) printf "b%d = max(a%d, 2.75) * 0.5\n", k, k
      else if (r == 2) printf "$s%d = \"item \" + str(floor(b%d))\n", k, k
      else if (r == 3) printf "round(a%d * 1.125)\n", k
      else printf "len(s%d) + pow(1.5, 2)\n", k
    } else {
      if (r == 0) printf "def f%d(x) return x * %d + 0.5\n", k, k % 97
      else if (r == 1) printf "y%d = f%d(%d.5)\n", k, k, k % 13
      else if (r == 2) printf "if y%d>20 z%d = y%d - 20\n", k, k, k
      else if (r == 3) print "# note on the lines above"
      else print ""
    }
  }
}'
