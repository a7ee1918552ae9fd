#!/usr/bin/env bash
# Writes the pad-run workload to standard output: LINES lines (default 10,000) in groups of
# five, k = 0, 5, 10, ...: an assignment, a bare expression, a string assignment, a comment
# and an empty line, each group with names of its own.
#   bench/padcost/make-pad.sh [LINES]
set -euo pipefail
lines=${1:-10000}
awk -v lines="$lines" 'BEGIN {
  for (i = 0; i < lines; i++) {
    k = i - i % 5
    r = i % 5
    if (r == 0) printf "v%d = %d*2\n", k, k
    else if (r == 1) printf "v%d + 1\n", k
    else if (r == 2) printf "$s%d = \"t%d\"\n", k + 2, k + 2
    else if (r == 3) print "// comment"
    else print ""
  }
}'
