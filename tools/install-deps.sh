#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Vorline need.
# Does nothing when they are all present; uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential make cmake pkgconf g++ clang libclang-rt-14-dev clang-format
  qt6-base-dev libgl-dev fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  libhunspell-dev hunspell-en-us
  tzdata
  lua5.4 python3 hyperfine valgrind
  dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
