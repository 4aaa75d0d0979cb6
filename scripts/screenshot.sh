#!/usr/bin/env bash
# Pictures of the real cabinet, headless: runs the demo cabinet (kivlfbsim in
# simulation, in a fresh root under /tmp that is removed afterwards), lets
# the simulated cook bring it into the states asked for and saves what the
# screen shows, upright also on a portrait display.
#
#   scripts/screenshot.sh OUT.png [--portrait | --cabinet FILE.hcc | --unconfigured]
#                         [--state S]... [--show NAME]... [-- controller options, e.g. -uiDebug -sx1.5]
#
# States, reached in this order on the demo menu: preheating (at start),
# holding (four pans placed), mismatch (a chicken pan on a patty bin),
# warning and discard (the short bacon hold). Without --state the picture
# is taken once the cabinet has started. With one state the picture is
# OUT.png; with several, OUT-<state>.png each. --show shows a hidden screen,
# dialog or keyboard of the main window by its name (alphakb, numericKeypad,
# numericInputPanel, homeScreen ...) before every picture, in the order
# given. --unconfigured starts without a personality file, as a display does
# before it is configured. Builds the program first.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="${KIV_BUILD_DIR:-$top/build}"
"$top/scripts/build.sh" kivlfbsim >/dev/null

usage() {
  sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
}

out=""
cabinet="$top/scripts/sim/primary.hcc"
states=()
shows=()
controller=()
while [ $# -gt 0 ]; do
  case "$1" in
    --portrait) cabinet="$top/scripts/sim/portrait.hcc" ;;
    --cabinet) [ $# -ge 2 ] || usage; cabinet="$2"; shift ;;
    --unconfigured) cabinet="" ;;
    --state)
      [ $# -ge 2 ] || usage
      case "$2" in
        preheating|holding|mismatch|warning|discard) states+=("$2") ;;
        *) echo "screenshot.sh: unknown state \"$2\"" >&2; usage ;;
      esac
      shift ;;
    --show) [ $# -ge 2 ] || usage; shows+=("$2"); shift ;;
    --) shift; controller=("$@"); break ;;
    -h|--help) usage ;;
    -*) echo "screenshot.sh: unknown option \"$1\"" >&2; usage ;;
    *) [ -z "$out" ] || usage; out="$1" ;;
  esac
  shift
done
[ -n "$out" ] || usage
[ -n "$cabinet" ] || [ ${#states[@]} -eq 0 ] || { echo "screenshot.sh: an unconfigured cabinet holds nothing" >&2; exit 2; }
[ -z "$cabinet" ] || [ -f "$cabinet" ] || { echo "screenshot.sh: no file $cabinet" >&2; exit 2; }
out="$(realpath -m "$out")"

root="$(mktemp -d /tmp/kiv-shot.XXXXXX)"
mkdir -p "$root/root" "$root/dev"
[ -z "$cabinet" ] || cp "$cabinet" "$root/root/cabinet.hcc"
cp "$top/scripts/sim/config.txt" "$top/scripts/sim/menu.json" "$top/scripts/sim/dayParts.json" "$root/root/"
log="$root/log"

# The cook's pans, on a configured cabinet: bacon on bin 6 runs into
# warning and discard, the others hold.
pans=()
[ -z "$cabinet" ] || pans=(--pans "6:23:104,0:12:101,2:14:102,4:17:103")
coproc SIM {
  KIV_ROOT="$root" KIV_CAN=virtual QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
    exec "$build/scripts/sim/kivlfbsim/kivlfbsim" -simulation --control "${pans[@]}" "${controller[@]}" 2>&1
}
sim_pid=$SIM_PID
sim_in=${SIM[1]}
sim_out=${SIM[0]}
finish() {
  kill -TERM "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" 2>/dev/null || true
  rm -rf "$root"
}
trap finish EXIT

# Reads the cook's lines until one begins with $1 (after "sim: "); gives up
# after $2 seconds. The line found is in $seen.
seen=""
expect() {
  local deadline=$((SECONDS + $2)) line
  while [ $SECONDS -lt $deadline ]; do
    if ! IFS= read -r -t $((deadline - SECONDS)) line <&"$sim_out"; then
      break
    fi
    printf '%s\n' "$line" >>"$log"
    case "$line" in
      *" - sim: $1"*) seen="${line#* - sim: }"; return 0 ;;
      *" - sim: error"*) echo "screenshot.sh: ${line#* - sim: }" >&2 ;;
    esac
  done
  echo "screenshot.sh: the cabinet did not show \"$1\" within $2 s; last lines:" >&2
  tail -n 15 "$log" >&2
  exit 1
}

shoot() { # file
  local name
  for name in "${shows[@]}"; do
    printf 'show %s\n' "$name" >&"$sim_in"
    expect "show $name" 10
  done
  printf 'shot %s\n' "$1" >&"$sim_in"
  expect "shot $1" 20
  echo "$seen"
}

file_for() { # state
  if [ ${#states[@]} -le 1 ]; then echo "$out"; else echo "${out%.png}-$1.png"; fi
}

wanted() { # state
  local s
  for s in "${states[@]}"; do [ "$s" = "$1" ] && return 0; done
  return 1
}

expect "started" 60
if [ -z "$cabinet" ]; then
  shoot "$out"
  exit 0
fi
if [ ${#states[@]} -eq 0 ]; then
  # The displays have agreed and the bars show their products.
  expect "sync finished" 30
  shoot "$out"
  exit 0
fi

left=${#states[@]}
for state in preheating holding mismatch warning discard; do
  [ $left -gt 0 ] || break
  case "$state" in
    preheating) expect "preheating bin=" 30 ;;
    holding)
      for _ in 1 2 3 4; do expect "hold started" 90; done
      # The bin to use first takes its timer colour a moment after its start.
      sleep 0.5 ;;
    mismatch)
      wanted mismatch || continue
      printf 'pan 1 14 199\n' >&"$sim_in"
      expect "mismatch bin=" 30 ;;
    warning) expect "warning bin=6" 60 ;;
    discard)
      expect "discard bin=6" 60
      # The discard flash starts on its grey half; the red half follows.
      sleep 0.7 ;;
  esac
  if wanted "$state"; then
    shoot "$(file_for "$state")"
    left=$((left - 1))
  fi
  if [ "$state" = mismatch ]; then
    printf 'nopan 1\n' >&"$sim_in"
    expect "mismatch cleared" 30
  fi
done
