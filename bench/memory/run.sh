#!/usr/bin/env bash
# Runs the recursive-array pad through padrun with the window's default memory budget (a
# quarter of the machine's memory) and prints the run's peak resident memory against that
# budget: the run must end with "Out of memory" near the budget, not take the machine.
#   bench/memory/run.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

/usr/bin/time -v "$build/tools/padrun/padrun" "$here/recursive_array.vrl" >"$out/pad.json" 2>"$out/time.txt"
peak_kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$out/time.txt")
budget=$(( $(getconf _PHYS_PAGES) * $(getconf PAGESIZE) / 4 ))
margin=$(( 64 * 1024 * 1024 ))
python3 - "$out/pad.json" "$peak_kb" "$budget" "$margin" <<'PY'
import json, sys
pad, peak, budget, margin = json.load(open(sys.argv[1])), int(sys.argv[2]) * 1024, int(sys.argv[3]), int(sys.argv[4])
print("message: %s" % " / ".join(m.replace("\n", " ") for m in pad["messages"]))
print("peak resident %.1f MiB; budget (a quarter of the memory) %.1f MiB; budget + margin %.1f MiB: %s" % (
    peak / 2**20, budget / 2**20, (budget + margin) / 2**20, "within" if peak <= budget + margin else "OVER"))
PY
