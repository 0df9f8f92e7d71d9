# Sourced by the scripts that play the desktop player for real: a scratch
# folder, an X display (Xvfb at 1280 x 800 with openbox) for this run only,
# both ended with the script, and the test games made from the demo.
# Sets `root`, `scratch` and `DISPLAY`; `children` lists what to end.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
scratch=$(mktemp -d)
children=()
cleanup() {
  for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT

exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
children+=($!)
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$scratch/display")
openbox >/dev/null 2>&1 &
children+=($!)
sleep 1

# The demo at FOLDER, its first frame showing VIDEO (a file name in Frames,
# or empty for a still frame without music).
demo_with_first_frame() {
  cp -r "$root/games/demo" "$1"
  printf '1,"intro1.jpg",#FALSE#,#FALSE#,"",#FALSE#,0,"","%s",#TRUE#\r\n' "$2" >"$1/Frames/Intro1.fme"
}
# The demo at FOLDER, its first frame a 20 s 640 x 480 Cinepak video with sound.
demo_with_video() {
  demo_with_first_frame "$1" big.avi
  ffmpeg -loglevel error -f lavfi -i testsrc2=size=640x480:rate=15 -f lavfi -i sine=frequency=440:sample_rate=22050 \
    -t 20 -c:v cinepak -c:a pcm_s16le -ac 1 "$1/Frames/big.avi"
}
