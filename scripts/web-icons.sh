#!/usr/bin/env bash
# Renders the web page's app icons from the program's icon (data/icons/quorlex.svg) into web/icons/:
# 192 and 512 pixels as drawn, and a 512-pixel maskable one whose drawing sits inside the middle 56 % of
# a warm-paper square, so a round or squircle mask never cuts into it. Run again after the icon changes
# and commit the PNGs; the web build copies them as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
quorlex_ensure_packages librsvg2-bin

icon=data/icons/quorlex.svg
out=web/icons
mkdir -p "$out"
rsvg-convert -w 192 -h 192 "$icon" -o "$out/icon-192.png"
rsvg-convert -w 512 -h 512 "$icon" -o "$out/icon-512.png"

# The maskable icon: the drawing scaled to 56 % and centred on the page's paper colour.
maskable=$(mktemp --suffix=.svg)
trap 'rm -f "$maskable"' EXIT
{
    echo '<svg xmlns="http://www.w3.org/2000/svg" width="512" height="512" viewBox="0 0 100 100">'
    echo '<rect width="100" height="100" fill="#fbf6ec"/>'
    echo '<g transform="translate(22 22) scale(0.875)">'
    sed -e '1d' -e '$d' -e '/<title>/d' "$icon"
    echo '</g></svg>'
} >"$maskable"
rsvg-convert -w 512 -h 512 "$maskable" -o "$out/icon-maskable-512.png"
rsvg-convert -w 192 -h 192 "$maskable" -o "$out/icon-maskable-192.png"
