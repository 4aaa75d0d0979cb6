#!/usr/bin/env bash
# Configures (once) and builds into build/ (or $KIV_BUILD_DIR): the whole
# tree, or only the targets named (and what they need).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${KIV_BUILD_DIR:-$top/build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KIV_CMAKE_ARGS:-} >/dev/null
fi
targets=()
for t in "$@"; do
  targets+=(--target "$t")
done
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
