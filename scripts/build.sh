#!/usr/bin/env bash
# Configures (once) and builds the tree into build/ (or $KIV_BUILD_DIR).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${KIV_BUILD_DIR:-$top/build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KIV_CMAKE_ARGS:-} >/dev/null
fi
cmake --build "$build" -j"$(nproc)"
