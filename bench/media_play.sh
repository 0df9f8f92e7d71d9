#!/usr/bin/env bash
# What the media modules cost the desktop player, played for real on an X
# display (Xvfb and openbox) with SDL's software renderer and no hidden
# OpenGL step, so that the media are what differs: peak resident memory
# (VmHWM) of the demo from "New game" through its MIDI slides, and of a
# 640 x 480 Cinepak video with sound; the shared libraries mapped during
# each, and whether FFmpeg is among them. The click is made with xdotool.
#   usage: bench/media_play.sh [BUILD_DIR] [SECONDS]   (default build/bench, 25)
# Needs Xvfb, openbox, xdotool and ffmpeg.
set -euo pipefail
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build/bench}
seconds=${2:-25}
player=$build/src/app/quorlen-player
export SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0
unset SDL_VIDEODRIVER
source "$(dirname "$0")/play_session.sh"
export HOME=$scratch/home

cp -r "$root/games/demo" "$scratch/demo"
demo_with_video "$scratch/video"

libraries() { grep -o '/[^ ]*\.so[^ ]*$' "/proc/$1/maps" | sort -u; }
# Plays GAME for SECONDS after "New game"; prints its peak memory and the
# most libraries it mapped at once.
play() {
  local game=$1 pid most=0 ffmpeg=no count mapped
  rm -rf "$HOME"; mkdir -p "$HOME"
  "$player" "$game" --window >/dev/null 2>&1 &
  pid=$!
  sleep 3
  # "New game" on the welcome window, centred by openbox
  xdotool mousemove 556 402 click 1
  for _ in $(seq $((seconds * 2))); do
    mapped=$(libraries "$pid")
    count=$(wc -l <<<"$mapped")
    [ "$count" -gt "$most" ] && most=$count
    grep -q libavcodec <<<"$mapped" && ffmpeg=yes
    sleep 0.5
  done
  echo "$(basename "$game"): peak $(awk '/VmHWM/ {print $2}' "/proc/$pid/status") kB," \
    "$most shared libraries, FFmpeg mapped: $ffmpeg"
  kill "$pid"; wait "$pid" 2>/dev/null || true
}
play "$scratch/demo"
play "$scratch/video"
