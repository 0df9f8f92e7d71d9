#!/bin/sh
# Plays every hostile game folder of tools/hostile_games.py in quorlen-run
# and prints, for each, the wall and processor time and peak memory
# (/usr/bin/time -v), the
# exit status and the transcript's last line but the dump.
#   tools/measure_hostile.sh RUNNER [OUT]
set -eu
runner=$1
out=${2:-/tmp/quorlen-hostile}
here=$(dirname "$0")
python3 "$here/hostile_games.py" "$out"
printf '%-26s %8s %6s %9s %6s  %s\n' case wall cpu-s peak-KB status "last transcript line"
for dir in "$out"/*/; do
  name=$(basename "$dir")
  cd "$dir"
  status=0
  timeout 60 /usr/bin/time -v -o time.txt "$runner" game script >transcript.txt 2>errors.txt || status=$?
  seconds=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' time.txt)
  cpu=$(awk -F': ' '/User time|System time/ { t += $2 } END { printf "%.2f", t }' time.txt)
  peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' time.txt)
  last=$(grep -v '^dump ' transcript.txt | tail -n 1 | cut -c1-90)
  printf '%-26s %8s %6s %9s %6s  %s\n' "$name" "$seconds" "$cpu" "$peak" "$status" "$last"
  cd - >/dev/null
done
