#!/usr/bin/env bash
# Photographs the program's window for the README: starts build/quorlex on a virtual X server, converts
# 2500 grams per square meter of fuel to tons per acre the way a user would (mouse and keyboard), and
# saves the window as a PNG.
#
#   scripts/screenshot.sh [--scale N] [--start-up] [--frames] [OUTPUT]  (default OUTPUT: docs/screenshot.png)
#
# --scale N   device pixel ratio (QT_SCALE_FACTOR), e.g. 2 for a high-density screen
# --start-up  photograph the window as it starts, without converting anything
# --frames    end with the keyboard focus in the value box and the mouse over the desired-units list, so
#             that both flat frames show raised
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

scale=1
convert_value=1
frames=0
output=docs/screenshot.png
while [ $# -gt 0 ]; do
    case "$1" in
    --scale) scale="$2"; shift 2 ;;
    --start-up) convert_value=0; shift ;;
    --frames) frames=1; shift ;;
    *) output="$1"; shift ;;
    esac
done

quorlex_ensure_packages "${QUORLEX_BUILD_PACKAGES[@]}" xvfb xdotool imagemagick
quorlex_configure_and_build Release

app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "${QUORLEX_XVFB_PID:-}" ] && kill "$QUORLEX_XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
quorlex_start_xvfb 1280x1024

QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" build/quorlex &
app_pid=$!
window=$(xdotool search --sync --name '^Units of Measure Conversion')
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.5

# A point of the window in device pixels, from design pixels.
at() {
    echo "$(awk -v v="$1" -v s="$scale" 'BEGIN { printf "%d", v * s }')"
}

if [ "$convert_value" -eq 1 ]; then
    # "Fuel Load", then "2- Tons Per Acre" as the desired unit, then 2500 as the value, then Enter.
    xdotool mousemove --window "$window" "$(at 160)" "$(at 98)" click 1
    sleep 0.2
    xdotool mousemove --window "$window" "$(at 100)" "$(at 219)" click 1
    xdotool key --window "$window" Down Down
    xdotool mousemove --window "$window" "$(at 280)" "$(at 173)" click --repeat 3 1
    xdotool type --window "$window" 2500
    xdotool key --window "$window" Return
    # Leave the pointer outside every control, so that no button shows its hover colours.
    xdotool mousemove --window "$window" "$(at 440)" "$(at 150)"
    sleep 0.5
fi

if [ "$frames" -eq 1 ]; then
    # Focus in the value box (raised frame around it), then hover over the desired-units list (raised
    # frame inside it) without clicking.
    xdotool mousemove --window "$window" "$(at 300)" "$(at 173)" click 1
    sleep 0.2
    xdotool mousemove --window "$window" "$(at 60)" "$(at 214)"
    sleep 0.1
    xdotool mousemove --window "$window" "$(at 70)" "$(at 216)"
    sleep 0.5
fi

mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "wrote $output"
