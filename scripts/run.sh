#!/usr/bin/env bash
# Installs what is missing, builds the simulation program, and runs the
# controller in simulation (simulated I/O board and NFC readers) until
# stopped. The file-system root is a fresh directory under /tmp, or the one
# KIV_ROOT names (a root of an earlier run carries on where it stopped).
# A simulated cook puts a few pans on the readers once they are ready, so
# the log shows holds starting, and the short bacon hold running into its
# warning and discard. Arguments are passed on to kivlfbsim (the controller's
# options, and the cook's: --control takes commands on standard input). The
# controller itself ignores SIGINT by design; Ctrl+C here is passed on to it
# as SIGTERM, its orderly stop.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/setup.sh"
"$top/scripts/build.sh" kivlfbsim
build="${KIV_BUILD_DIR:-$top/build}"

root="${KIV_ROOT:-$(mktemp -d /tmp/kiv-root.XXXXXX)}"
mkdir -p "$root/root" "$root/dev"
# The demo cabinet: a primary display alone in its cabinet (2 rows of 2
# zones, 8 bins, NFC readers), unless the root already holds a personality
# file; its site settings, a small menu and a day part that puts the menu's
# products on the bins. Files the root already has are kept.
if ! ls "$root/root/"*.hcc >/dev/null 2>&1; then
  cp "$top/scripts/sim/primary.hcc" "$root/root/cabinet.hcc"
fi
for f in config.txt menu.json dayParts.json; do
  [ -e "$root/root/$f" ] || cp "$top/scripts/sim/$f" "$root/root/$f"
done
export KIV_ROOT="$root"
export KIV_CAN="${KIV_CAN:-virtual}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
  export QT_QUICK_BACKEND="${QT_QUICK_BACKEND:-software}"
fi
echo "run.sh: root $KIV_ROOT; Ctrl+C stops the cabinet"
# Pans as <bin>:<productId>:<trayId>: bacon, patties, chicken and eggs.
# Standard input goes to the program (a background job would get /dev/null).
"$build/scripts/sim/kivlfbsim/kivlfbsim" -simulation \
  --pans "6:23:104,0:12:101,2:14:102,4:17:103" "$@" <&0 &
pid=$!
trap 'kill -TERM "$pid" 2>/dev/null' INT TERM
while kill -0 "$pid" 2>/dev/null; do
  wait "$pid" || true
done
wait "$pid" 2>/dev/null || true
echo "run.sh: stopped; to carry on in the same root: KIV_ROOT=$KIV_ROOT $0"
