#!/usr/bin/env bash
# Starts the program from a build folder (build unless named); further arguments go to it.
set -euo pipefail
build=${1:-build}
program="$build/src/app/vorline"
if [ ! -x "$program" ]; then
  echo "No program at $program: build it first (make build)." >&2
  exit 1
fi
exec "$program" "${@:2}"
