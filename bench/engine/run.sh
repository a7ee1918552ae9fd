#!/usr/bin/env bash
# Runs the workloads in our language, Lua 5.4, LuaJIT (its interpreter, luajit -joff, and its
# JIT, where it is installed), Python 3 and C++ side by side with hyperfine, checks that each
# prints the expected checksum, subtracts each runtime's start-up (its empty program) and prints
# the medians and the ratios.
#   bench/engine/run.sh [BUILD_DIR] [RUNS]
# $SCRIPTRUN names another scriptrun to time as "ours" (an older build, to compare with).
# $BEFORE names an older scriptrun to time in the same run as "before", for a before/after.
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

workloads=(loop fib plot strings arrays integrate strdoubles tak andor arraycalls strbuild)
declare -A expected=(
  [loop]="99999944999997"
  [fib]="832040"
  [plot]="2108188.26719775 0 3.52559272057601"
  [strings]="1288894 7438"
  [arrays]="78498 37550402023"
  [integrate]="3.14159265358999"
  [strdoubles]="4317473 42857.1428571429"
  [tak]="10"
  [andor]="1086956"
  [arraycalls]="50030717062"
  [strbuild]="1467000 300"
)
runtimes=(ours lua python cpp)
[ -n "$luajit" ] && runtimes+=(luajit jit)
[ -n "${BEFORE:-}" ] && runtimes+=(before)

command_of() {  # runtime workload
  case $1 in
    ours) echo "$ours $here/$2.vrl" ;;
    lua) echo "$lua $here/$2.lua" ;;
    luajit) echo "$luajit -joff $here/$2.lua" ;;
    jit) echo "$luajit $here/$2.lua" ;;
    before) echo "$BEFORE $here/$2.vrl" ;;
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
names = {"before": "ours before", "ours": "ours", "lua": "Lua 5.4", "luajit": "LuaJIT -joff",
         "jit": "LuaJIT JIT", "python": "Python 3", "cpp": "C++ -O2"}
shown = [r for r in names if r in base]
ratios = [r for r in ("before", "lua", "luajit", "jit", "python", "cpp") if r in base]
head = "| workload |" + "".join(" %s |" % names[r] for r in shown)
head += "".join(" ours/%s |" % ("before" if r == "before" else names[r].split()[0] + (" -joff" if r == "luajit" else " JIT" if r == "jit" else "")) for r in ratios)
print(head)
print("|" + "---|" * (head.count("|") - 1))
for w in workloads:
    m = medians(w)
    t = {r: max(m[r] - base[r], 1e-6) for r in m}
    row = "| %s |" % w + "".join(" %.4f s |" % t[r] for r in shown)
    row += "".join((" %.2f |" if r != "cpp" else " %.1f |") % (t["ours"] / t[r]) for r in ratios)
    print(row)
print("start-up (empty program): " + ", ".join("%s %.4f s" % (names[r], base[r]) for r in shown))
PY
