#!/usr/bin/env bash
# Fails when clang-format would change any C++ file of the tree (the committed .clang-format),
# naming the files; `clang-format -i` on them mends it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
format=${CLANG_FORMAT:-clang-format}
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests tools bench -name '*.cpp' -o -name '*.h')
status=0
for f in $files; do
  [ -f "$f" ] || continue
  if ! "$format" --dry-run -Werror "$f" >/dev/null 2>&1; then
    echo "not formatted: $f"
    status=1
  fi
done
exit $status
