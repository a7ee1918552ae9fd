#!/usr/bin/env bash
# Starts the program from a build folder. While the desktop window is not built yet, it runs
# the newest piece that exists over the example script instead.
set -euo pipefail
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
if [ -x "$build/src/app/vorline" ]; then
  exec "$build/src/app/vorline" "${@:2}"
elif [ -x "$build/tools/scriptrun/scriptrun" ]; then
  echo "The desktop window is not built yet; running examples/hello.xs through scriptrun:"
  exec "$build/tools/scriptrun/scriptrun" "$top/examples/hello.xs"
else
  echo "Nothing to start yet: the build has no program." >&2
  exit 1
fi
