#!/usr/bin/env bash
# Builds the project as a subproject of a wrapper project (add_subdirectory), then runs a pad
# that needs the shipped prefix through the wrapper's padrun with no resource folder set, so
# every path the build names must be the project's own, not the wrapper's.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "${1:-build-sub}" && cd "${1:-build-sub}" && pwd)
jobs=${JOBS:-$(nproc)}
mkdir -p "$build/wrapper"
cat > "$build/wrapper/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(wrapper LANGUAGES CXX)
add_subdirectory("$top" vorline)
CMAKE
cmake -S "$build/wrapper" -B "$build/out" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DVORLINE_BUILD_TESTS=OFF -DVORLINE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build/out" -j "$jobs" --target padrun >/dev/null
padrun=$(find "$build/out" -type f -name padrun -perm -u+x | head -1)
env -u VORLINE_RESOURCES_DIR cmake -DPADRUN="$padrun" -DPAD="$top/tests/pads/plot.vrl" \
    -DEXPECTED="$top/tests/pads/plot.json" -DARGS="$top/tests/pads/plot.args" \
    -DWORK="$build/work" -P "$top/tests/pads/RunPad.cmake"
echo "subproject build: padrun ran tests/pads/plot.vrl as expected"
