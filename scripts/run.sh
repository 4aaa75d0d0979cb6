#!/usr/bin/env bash
# Installs what is missing, builds, and runs the controller in simulation
# (simulated I/O board and NFC readers) in a fresh file-system root, until
# stopped. The controller itself ignores SIGINT by design; Ctrl+C here is
# passed on to it as SIGTERM, its orderly stop.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
build="${KIV_BUILD_DIR:-$top/build}"

root="${KIV_ROOT:-$(mktemp -d /tmp/kiv-root.XXXXXX)}"
mkdir -p "$root/root" "$root/dev"
# A primary display alone in its cabinet (2x4 with NFC), unless the root
# already holds a personality file.
if ! ls "$root/root/"*.hcc >/dev/null 2>&1; then
  cp "$top/scripts/sim/primary.hcc" "$root/root/cabinet.hcc"
fi
export KIV_ROOT="$root"
export KIV_CAN="${KIV_CAN:-virtual}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
  export QT_QUICK_BACKEND="${QT_QUICK_BACKEND:-software}"
fi
echo "KIV_ROOT=$KIV_ROOT"
"$build/kivlfb/kivlfb" -simulation "$@" &
pid=$!
trap 'kill -TERM "$pid" 2>/dev/null' INT TERM
while kill -0 "$pid" 2>/dev/null; do
  wait "$pid" || true
done
wait "$pid" 2>/dev/null || true
