#!/usr/bin/env bash
# The String workloads of the engine. calls.vrl and len.vrl time themselves (a call with a
# short against a 1 MiB String argument; len of a 1 MiB String); doubling a String to 256 MiB
# is timed with hyperfine against Python 3, net of each runtime's empty program. An older
# scriptrun, when given, runs beside this build's.
#   bench/strings/run.sh [BUILD_DIR] [RUNS] [OTHER_SCRIPTRUN]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
runs=${2:-5}
other=${3:-}
python=/usr/bin/python3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

names=(ours)
declare -A bin=([ours]="$build/tools/scriptrun/scriptrun")
if [ -n "$other" ]; then names+=(other); bin[other]="$other"; fi

for r in "${names[@]}"; do
  echo "$r: $("${bin[$r]}" "$here/calls.vrl")"
  echo "$r: $("${bin[$r]}" "$here/len.vrl")"
done

for w in empty doubling; do
  args=(-n python "$python $here/$w.py")
  for r in "${names[@]}"; do args+=(-n "$r" "${bin[$r]} $here/$w.vrl"); done
  hyperfine -N --style none --warmup 1 --runs "$runs" --export-json "$out/$w.json" "${args[@]}" >/dev/null 2>&1
done

"$python" - "$out" <<'PY'
import json, sys, os
out = sys.argv[1]
def medians(w):
    data = json.load(open(os.path.join(out, w + ".json")))
    return {r["command"]: r["median"] for r in data["results"]}
base, m = medians("empty"), medians("doubling")
t = {r: max(m[r] - base[r], 1e-6) for r in m}
for r in t:
    if r != "python":
        print("%s: doubling to 256 MiB %.4f s, Python 3 %.4f s, ratio %.2f" % (r, t[r], t["python"], t[r] / t["python"]))
PY
