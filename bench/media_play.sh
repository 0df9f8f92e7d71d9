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
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/bench}
seconds=${2:-25}
player=$build/src/app/quorlen-player
scratch=$(mktemp -d)
children=()
cleanup() {
  for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT
export SDL_AUDIODRIVER=dummy SDL_RENDER_DRIVER=software SDL_FRAMEBUFFER_ACCELERATION=0 HOME=$scratch/home
unset SDL_VIDEODRIVER

exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
children+=($!)
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$scratch/display")
openbox >/dev/null 2>&1 &
children+=($!)
sleep 1

cp -r "$root/games/demo" "$scratch/demo"
cp -r "$root/games/demo" "$scratch/video"
ffmpeg -loglevel error -f lavfi -i testsrc2=size=640x480:rate=15 -f lavfi -i sine=frequency=440:sample_rate=22050 \
  -t 20 -c:v cinepak -c:a pcm_s16le -ac 1 "$scratch/video/Frames/big.avi"
printf '1,"intro1.jpg",#FALSE#,#FALSE#,"",#FALSE#,0,"","big.avi",#TRUE#\r\n' >"$scratch/video/Frames/Intro1.fme"

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
