#!/bin/bash
# Takes the documentation screenshots of the demo game with the real player
# under Xvfb and openbox at 1280 x 800, through real mouse and key input
# (xdotool): the welcome window with its panel open, the load window, a
# frame with the menu bar shown and the save window. Usage:
#   tools/desktop_screenshots.sh [OUTPUT_FOLDER]   (default docs/screenshots)
ROOT=$(cd "$(dirname "$0")/.." && pwd)
P=${QUORLEN_PLAYER:-$ROOT/build/normal/src/app/quorlen-player}
G=$(mktemp -d)/demo; rm -rf $G; cp -r $ROOT/games/demo $G
for n in "At the lighthouse" "Before the storm"; do echo > "$G/$n.sav"; done
OUT=${1:-$ROOT/docs/screenshots}; mkdir -p $OUT
CFG=$(mktemp -d)
exec 3>$CFG/display
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
XPID=$!; sleep 1; D=:$(head -1 $CFG/display); export DISPLAY=$D
openbox >/dev/null 2>&1 & OPID=$!; sleep 1

XDG_CONFIG_HOME=$CFG SDL_AUDIODRIVER=dummy $P $G > /dev/null 2>&1 & PID=$!
sleep 2
W=$(xdotool getactivewindow); eval $(xdotool getwindowgeometry --shell $W)
xdotool mousemove --window $W $((152+83)) $((144+24)) click 1; sleep 1     # About: the panel
import -window $W $OUT/welcome-panel.png
xdotool mousemove --window $W $((8+8+36)) $((88+72+16)) click 1; sleep 1   # Close
xdotool mousemove --window $W $((160+83)) $((96+24)) click 1; sleep 1.5    # Load game
L=$(xdotool getactivewindow)
import -window $L $OUT/load-window.png
xdotool key Escape; sleep 1
xdotool mousemove --window $W $((0+83)) $((96+24)) click 1; sleep 3       # New game
for i in 1 2 3 4 5 6; do xdotool mousemove 640 400 click 1; sleep 0.7; done
xdotool mousemove 640 400 click 3; sleep 1
import -window root $OUT/frame-menu-bar.png
xdotool key F10 Right Return; sleep 1.5
import -window root $OUT/save-window.png
kill $PID; sleep 0.5; kill $OPID $XPID; wait 2>/dev/null
rm -rf "$CFG" "$(dirname "$G")"
