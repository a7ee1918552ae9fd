#!/usr/bin/env bash
# Starts a program and waits until the file it writes at start-up is there (with the expected
# text, when one is given), then ends it with SIGTERM. Succeeds when the program was still
# running then and ended by the signal. Only a hang reaches the bound.
# Usage: StartAndWait.sh FILE EXPECTED-OR-EMPTY PROGRAM [ARGS...]   (environment passes through)
set -u
file=$1 expected=$2
shift 2
bound_tenths=1200
"$@" &
pid=$!
for ((i = 0; i < bound_tenths; ++i)); do
  if [ -f "$file" ] && { [ -z "$expected" ] || cmp -s "$file" "$expected"; }; then break; fi
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    echo "the program ended before it wrote $file (exit $?)" >&2
    exit 1
  fi
  sleep 0.1
done
if ((i == bound_tenths)); then
  kill -KILL "$pid" 2>/dev/null
  if [ -f "$file" ]; then
    echo "the program wrote $file, but not as $expected" >&2
  else
    echo "the program wrote no $file within $((bound_tenths / 10)) s" >&2
  fi
  exit 1
fi
kill -TERM "$pid" 2>/dev/null
wait "$pid"
status=$?
# A program still running when the signal came ends with 128 + SIGTERM.
if [ "$status" -ne 143 ]; then
  echo "the program did not keep running (exit $status)" >&2
  exit 1
fi
