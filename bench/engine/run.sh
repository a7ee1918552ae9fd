#!/usr/bin/env bash
# Runs the four workloads in our language, Lua 5.4, Python 3 and C++ side by side with
# hyperfine, checks that each prints the expected checksum, subtracts each runtime's start-up
# (its empty program) and prints the medians and the ratios.
#   bench/engine/run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
runs=${2:-10}
lua=/usr/bin/lua5.4
python=/usr/bin/python3
ours="$build/tools/scriptrun/scriptrun"
cpp="$build/bench/engine/bench_engine"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

declare -A expected=(
  [loop]="99999944999997"
  [fib]="832040"
  [plot]="2108188.26719775 0 3.52559272057601"
  [strings]="1288894 7438"
)

command_of() {  # runtime workload
  case $1 in
    ours) echo "$ours $here/$2.vrl" ;;
    lua) echo "$lua $here/$2.lua" ;;
    python) echo "$python $here/$2.py" ;;
    cpp) echo "${cpp}_$2_cpp" ;;
  esac
}

for w in loop fib plot strings; do
  for r in ours lua python cpp; do
    got=$($(command_of $r $w) | tr -s ' \n' ' ' | sed 's/ $//')
    if [ "$got" != "${expected[$w]}" ]; then
      echo "checksum of $w in $r: got '$got', expected '${expected[$w]}'" >&2
      exit 1
    fi
  done
done

for w in empty loop fib plot strings; do
  args=()
  for r in ours lua python cpp; do args+=(-n "$r" "$(command_of $r $w)"); done
  hyperfine -N --style none --warmup 2 --runs "$runs" --export-json "$out/$w.json" "${args[@]}" >/dev/null 2>&1
done

"$python" - "$out" <<'PY'
import json, sys, os
out = sys.argv[1]
def medians(w):
    data = json.load(open(os.path.join(out, w + ".json")))
    return {r["command"]: r["median"] for r in data["results"]}
base = medians("empty")
print("| workload | ours | Lua 5.4 | Python 3 | C++ -O2 | ours/Lua | ours/Python | ours/C++ |")
print("|---|---|---|---|---|---|---|---|")
for w in ["loop", "fib", "plot", "strings"]:
    m = medians(w)
    t = {r: max(m[r] - base[r], 1e-6) for r in m}
    print("| %s | %.4f s | %.4f s | %.4f s | %.4f s | %.2f | %.2f | %.1f |" % (
        w, t["ours"], t["lua"], t["python"], t["cpp"], t["ours"] / t["lua"], t["ours"] / t["python"], t["ours"] / t["cpp"]))
print("start-up (empty program): ours %.4f s, Lua %.4f s, Python %.4f s, C++ %.4f s" % (
    base["ours"], base["lua"], base["python"], base["cpp"]))
PY
