#!/usr/bin/env bash
# Renders the player's icon, org.quorlen.Player.svg, to the PNG sizes of the
# hicolor theme (hicolor/NxN/apps/org.quorlen.Player.png). Run it after
# changing the SVG and commit the PNGs with it, so that building needs no
# SVG renderer. Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256 512; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" org.quorlen.Player.svg \
    --output "hicolor/${size}x${size}/apps/org.quorlen.Player.png"
done
