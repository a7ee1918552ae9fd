#!/usr/bin/env bash
# Runs the benchmarks under bench/ from a build folder (it builds nothing) and prints their
# figures: the pad run's instructions per line, the Qt window's side of a run (in time and in
# instructions), a key in the pad after a runaway print loop, the engine's workloads against
# Lua 5.4, LuaJIT (its interpreter and its JIT), Python 3 and C++, and the Google Benchmark
# micro-benchmarks. The pad run is counted for each mix of lines of bench/padcost/make-pad.sh.
#   tools/run-bench.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

section() { printf '\n## %s\n\n' "$1"; }

section "Pad run: instructions per pad line (callgrind)"
if command -v valgrind >/dev/null; then
  for mix in basic builtins control; do MIX=$mix "$root/bench/padcost/count.sh" "$build"; done
else
  echo "skipped: valgrind is not installed"
fi

section "The Qt window's side of a run (offscreen)"
if [ -x "$build/bench/qtside/bench_qtside" ]; then
  QT_QPA_PLATFORM=offscreen "$build/bench/qtside/bench_qtside" 10000 5 2>/dev/null
  if command -v valgrind >/dev/null; then
    echo
    "$root/bench/qtside/count.sh" "$build"
  fi
else
  echo "skipped: built without the Qt platform"
fi

section "A key in the pad after a runaway print loop (offscreen)"
if [ -x "$build/bench/padkeys/bench_padkeys" ]; then
  QT_QPA_PLATFORM=offscreen "$build/bench/padkeys/bench_padkeys" 3 31 2>/dev/null
else
  echo "skipped: built without the Qt platform"
fi

section "Engine workloads, net of start-up"
if command -v hyperfine >/dev/null; then
  "$root/bench/engine/run.sh" "$build"
else
  echo "skipped: hyperfine is not installed"
fi

section "Micro-benchmarks"
printf '| benchmark | time | unit |\n|---|---|---|\n'
for b in converter/bench_converter glue/bench_glue padrun/bench_padrun engine/bench_engine_compile; do
  exe="$build/bench/$b"
  [ -x "$exe" ] || continue
  "$exe" --benchmark_format=csv 2>/dev/null | awk -F, 'NR > 1 && $1 != "" { gsub(/"/, "", $1); printf "| %s | %.3f | %s |\n", $1, $3, $5 }'
done
