#!/usr/bin/env bash
# The desktop player played for real on an X display (Xvfb and openbox,
# 1280 x 800), as a person would: idle use, a video against ffplay's, and
# peak memory against the trivial SDL program's with SDL's default
# renderer (the player picks its own: see RendererChoice). The click on
# "New game" is made with xdotool.
#   usage: bench/desktop_play.sh [BUILD_DIR]     (default build/bench)
# Needs Xvfb, openbox, xdotool, ffmpeg and ffplay. Prints one line per
# measure; CPU use is the process's ticks over 10 s, from 3 s after the click.
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build/bench}
player=$build/src/app/quorlen-player
trivial=$build/bench/quorlen_trivial_window
export SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER SDL_RENDER_DRIVER SDL_FRAMEBUFFER_ACCELERATION
source "$(dirname "$0")/play_session.sh"
export HOME=$scratch/home

# Test games: the demo; a still frame without music; a 20 s video.
cp -r "$root/games/demo" "$scratch/demo"
demo_with_first_frame "$scratch/still" ""
demo_with_video "$scratch/video"

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# CPU use of process $1 over 10 s, in % of one core (ticks are 1/100 s).
use() {
  local a b
  a=$(ticks "$1"); sleep 10; b=$(ticks "$1")
  awk -v t=$((b - a)) 'BEGIN {printf "%.1f", t / 10}'
}
# Plays GAME: the welcome window, then "New game"; prints the CPU use there
# and after the click, and the peak memory of a run of SECONDS after it.
play() {
  local game=$1 seconds=$2 pid welcome after
  rm -rf "$HOME"; mkdir -p "$HOME"
  /usr/bin/time -f %M -o "$scratch/peak" "$player" "$game" --window >/dev/null 2>&1 &
  local timer=$!
  sleep 3; pid=$(pgrep -P "$timer")
  welcome=$(use "$pid")
  # "New game" on the welcome window, centred by openbox
  xdotool mousemove 556 402 click 1
  sleep 3
  after=$(use "$pid")
  sleep "$seconds"
  kill "$pid"; wait "$timer" 2>/dev/null || true
  echo "$(basename "$game"): welcome window ${welcome} %, after New game ${after} %, peak $(tail -n 1 "$scratch/peak") kB"
}
play "$scratch/still" 0
play "$scratch/demo" 10
play "$scratch/video" 0
ffplay -loglevel quiet -x 960 -y 600 -autoexit "$scratch/video/Frames/big.avi" >/dev/null 2>&1 &
pid=$!; sleep 3
echo "ffplay, the same video in a 960 x 600 window: $(use "$pid") %"
kill "$pid" 2>/dev/null || true
/usr/bin/time -f %M -o "$scratch/peak" "$trivial" >/dev/null 2>&1 || true
echo "trivial SDL program: peak $(tail -n 1 "$scratch/peak") kB"
# For context: the same with the renderer the player picks where OpenGL is
# emulated (the budget is against SDL's default, above).
SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 /usr/bin/time -f %M -o "$scratch/peak" "$trivial" >/dev/null 2>&1 || true
echo "trivial SDL program, software renderer: peak $(tail -n 1 "$scratch/peak") kB"
