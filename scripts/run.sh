#!/usr/bin/env bash
# Installs what is missing, builds, and runs the controller in simulation
# (simulated I/O board and NFC readers) in a fresh file-system root, until
# stopped. A simulated cook puts a few pans on the readers once they are
# ready, so the log shows holds starting (and, with a short product, one
# expiring). Arguments are passed on to the controller. The controller
# itself ignores SIGINT by design; Ctrl+C here is passed on to it as
# SIGTERM, its orderly stop.
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
# A small menu, and a day part that puts its products on the bins.
for f in menu.json dayParts.json; do
  [ -e "$root/root/$f" ] || cp "$top/scripts/sim/$f" "$root/root/$f"
done
export KIV_ROOT="$root"
export KIV_CAN="${KIV_CAN:-virtual}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
  export QT_QUICK_BACKEND="${QT_QUICK_BACKEND:-software}"
fi
echo "KIV_ROOT=$KIV_ROOT"
# Pans as <bin>:<productId>:<trayId>: bacon, patties, chicken and eggs.
"$build/scripts/sim/kivlfbsim/kivlfbsim" -simulation \
  --pans "6:23:104,0:12:101,2:14:102,4:17:103" "$@" &
pid=$!
trap 'kill -TERM "$pid" 2>/dev/null' INT TERM
while kill -0 "$pid" 2>/dev/null; do
  wait "$pid" || true
done
wait "$pid" 2>/dev/null || true
