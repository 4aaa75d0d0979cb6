#!/usr/bin/env bash
# Renders the main window headless to a PNG (default: screenshot.png), with a
# mock cabinet behind it. Options: --portrait --flip --dock N --sx F --sy F
# --debug --temperature --wifi --unconfigured. Builds the tool first.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${KIV_BUILD_DIR:-$top/build}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KIV_CMAKE_ARGS:-} >/dev/null
fi
cmake --build "$build" --target kivscreenshot -j"${KIV_JOBS:-4}" >/dev/null
out="screenshot.png"
if [ $# -gt 0 ] && [[ "$1" != --* ]]; then
  out="$1"
  shift
fi
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software exec "$build/tests/support/screenshot/kivscreenshot" "$out" "$@"
