#!/usr/bin/env bash
# Installs what the build needs (make among it), builds, and runs every test: the README's
# second command, for a machine that has nothing but bash and apt yet.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/install-deps.sh"
exec make -C "$top" test
