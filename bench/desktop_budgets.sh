#!/usr/bin/env bash
# The desktop player against a trivial SDL program that opens a window and
# draws it once (quorlen_trivial_window), measured in one run, as ratios:
#   start-up: from start to the welcome window drawn (the player is given an
#             empty script, so it ends once the window is drawn), within 1.5 x
#   memory:   peak resident memory playing the demo game through its
#             walkthrough, within 1.3 x the trivial program's
# usage: bench/desktop_budgets.sh [BUILD_DIR] [RUNS]   (default build/bench, 7)
# Both run on SDL's offscreen driver with the software renderer, so that no
# display is needed. The trivial program keeps SDL's defaults: it shows its
# software window through a hidden OpenGL renderer, a step the player skips
# (see RendererChoice). For context the trivial program is also measured
# without that step, the way the player draws (no verdict). Exit status 1
# when a budget is missed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/bench}
runs=${2:-7}
player=$build/src/app/quorlen-player
trivial=$build/bench/quorlen_trivial_window
for program in "$player" "$trivial"; do
  [ -x "$program" ] || { echo "missing $program (build quorlen-player and quorlen_trivial_window)" >&2; exit 2; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export SDL_VIDEODRIVER=offscreen SDL_RENDER_DRIVER=software SDL_AUDIODRIVER=dummy
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config
: >"$scratch/empty.script"
cp -r "$root/games/demo" "$scratch/demo"

# Wall time of one run in microseconds.
elapsed() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}
# Peak resident memory of one run in kilobytes.
peak() {
  /usr/bin/time -f %M -o "$scratch/peak" "$@" >/dev/null 2>&1 || true
  tail -n 1 "$scratch/peak"
}
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

: >"$scratch/player.us"
: >"$scratch/trivial.us"
for _ in $(seq "$runs"); do
  elapsed "$player" "$scratch/demo" --window --script "$scratch/empty.script" >>"$scratch/player.us"
  elapsed "$trivial" >>"$scratch/trivial.us"
done
player_us=$(median <"$scratch/player.us")
trivial_us=$(median <"$scratch/trivial.us")
player_kb=$(peak "$player" "$scratch/demo" --window --script "$root/tests/scenarios/demo/walkthrough.script")
trivial_kb=$(peak "$trivial")
: >"$scratch/direct.us"
for _ in $(seq "$runs"); do
  SDL_FRAMEBUFFER_ACCELERATION=0 elapsed "$trivial" >>"$scratch/direct.us"
done
direct_us=$(median <"$scratch/direct.us")
direct_kb=$(SDL_FRAMEBUFFER_ACCELERATION=0 peak "$trivial")

status=0
check() {  # name, value, yardstick, budget, unit
  local verdict
  verdict=$(awk -v a="$2" -v b="$3" -v r="$4" 'BEGIN {q = a / b; printf "%.2f x (budget %.1f x: %s)", q, r, (q <= r ? "held" : "MISSED")}')
  echo "$1: $2 $5 against $3 $5, $verdict"
  case $verdict in *MISSED*) status=1 ;; esac
}
echo "Desktop budgets (medians of $runs runs where timed)"
check "start-up to the welcome window drawn" "$player_us" "$trivial_us" 1.5 us
check "peak memory playing the demo" "$player_kb" "$trivial_kb" 1.3 kB
awk -v pu="$player_us" -v du="$direct_us" -v pk="$player_kb" -v dk="$direct_kb" 'BEGIN {
  printf "the trivial program without the hidden OpenGL step: %d us (player %.2f x), %d kB (player %.2f x)\n", du, pu / du, dk, pk / dk }'
exit $status
