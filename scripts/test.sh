#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with CTest.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
build="${KIV_BUILD_DIR:-$top/build}"
cd "$build"
ctest -j"$(nproc)" --output-on-failure "$@"
