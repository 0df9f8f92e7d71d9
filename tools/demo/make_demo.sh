#!/bin/sh
# Makes the bundled demo game, games/demo/, from the description and the
# drawing code in this folder: the data files, the pictures, the cursors,
# the music, the sounds and the videos.
#
#     tools/demo/make_demo.sh [GAME_FOLDER]
#
# Needs python3, ImageMagick's convert, sox and ffmpeg. The game folder is
# committed, so playing the game needs none of them; run this again after
# changing the game and commit what changed.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
game=${1:-"$here/../../games/demo"}
work=$(mktemp -d "${TMPDIR:-/tmp}/demo-game.XXXXXX")
trap 'rm -rf "$work"' EXIT

for tool in python3 convert sox ffmpeg; do
  command -v "$tool" >/dev/null || { echo "make_demo.sh: $tool is missing" >&2; exit 1; }
done

mkdir -p "$game/Config" "$game/Frames" "$game/Areas" "$game/Icons"
cd "$here"
echo "data files"
python3 write_game_data.py "$game"
python3 draw_pictures.py "$game" "$work"
echo "cursors"
python3 make_cursors.py "$game/Icons"
echo "music"
python3 make_midi.py "$game/Frames"
echo "sounds"
python3 make_sounds.py "$game" "$work"
python3 make_videos.py "$game" "$work"

size=$(du -sk "$game" | cut -f1)
echo "games/demo: ${size} KB"
if [ "$size" -gt 8192 ]; then
  echo "make_demo.sh: the game is larger than 8 MB" >&2
  exit 1
fi
