#!/usr/bin/env bash
# Runs the seven workloads in our language, Lua 5.4, LuaJIT's interpreter (luajit -joff, where
# it is installed), Python 3 and C++ side by side with hyperfine, checks that each prints the
# expected checksum, subtracts each runtime's start-up (its empty program) and prints the
# medians and the ratios.
#   bench/engine/run.sh [BUILD_DIR] [RUNS]
# $SCRIPTRUN names another scriptrun to time as "ours" (an older build, to compare with).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
runs=${2:-10}
lua=/usr/bin/lua5.4
python=/usr/bin/python3
luajit=$(command -v luajit || true)
ours="${SCRIPTRUN:-$build/tools/scriptrun/scriptrun}"
cpp="$build/bench/engine/bench_engine"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

workloads=(loop fib plot strings arrays integrate strdoubles)
declare -A expected=(
  [loop]="99999944999997"
  [fib]="832040"
  [plot]="2108188.26719775 0 3.52559272057601"
  [strings]="1288894 7438"
  [arrays]="78498 37550402023"
  [integrate]="3.14159265358999"
  [strdoubles]="4317473 42857.1428571429"
)
runtimes=(ours lua python cpp)
[ -n "$luajit" ] && runtimes+=(luajit)

command_of() {  # runtime workload
  case $1 in
    ours) echo "$ours $here/$2.vrl" ;;
    lua) echo "$lua $here/$2.lua" ;;
    luajit) echo "$luajit -joff $here/$2.lua" ;;
    python) echo "$python $here/$2.py" ;;
    cpp) echo "${cpp}_$2_cpp" ;;
  esac
}

for w in "${workloads[@]}"; do
  for r in "${runtimes[@]}"; do
    got=$($(command_of $r $w) | tr -s ' \n' ' ' | sed 's/ $//')
    if [ "$got" != "${expected[$w]}" ]; then
      echo "checksum of $w in $r: got '$got', expected '${expected[$w]}'" >&2
      exit 1
    fi
  done
done

for w in empty "${workloads[@]}"; do
  args=()
  for r in "${runtimes[@]}"; do args+=(-n "$r" "$(command_of $r $w)"); done
  hyperfine -N --style none --warmup 2 --runs "$runs" --export-json "$out/$w.json" "${args[@]}" >/dev/null 2>&1
done

"$python" - "$out" "${workloads[@]}" <<'PY'
import json, sys, os
out, workloads = sys.argv[1], sys.argv[2:]
def medians(w):
    data = json.load(open(os.path.join(out, w + ".json")))
    return {r["command"]: r["median"] for r in data["results"]}
base = medians("empty")
jit = "luajit" in base
head = "| workload | ours | Lua 5.4 |" + (" LuaJIT -joff |" if jit else "") + " Python 3 | C++ -O2 | ours/Lua |"
head += (" ours/LuaJIT |" if jit else "") + " ours/Python | ours/C++ |"
print(head)
print("|" + "---|" * (head.count("|") - 1))
for w in workloads:
    m = medians(w)
    t = {r: max(m[r] - base[r], 1e-6) for r in m}
    row = "| %s | %.4f s | %.4f s |" % (w, t["ours"], t["lua"])
    if jit: row += " %.4f s |" % t["luajit"]
    row += " %.4f s | %.4f s | %.2f |" % (t["python"], t["cpp"], t["ours"] / t["lua"])
    if jit: row += " %.2f |" % (t["ours"] / t["luajit"])
    row += " %.2f | %.1f |" % (t["ours"] / t["python"], t["ours"] / t["cpp"])
    print(row)
line = "start-up (empty program): ours %.4f s, Lua %.4f s, " % (base["ours"], base["lua"])
if jit: line += "LuaJIT %.4f s, " % base["luajit"]
print(line + "Python %.4f s, C++ %.4f s" % (base["python"], base["cpp"]))
PY
