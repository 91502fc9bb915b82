#!/usr/bin/env bash
# Takes docs/screenshot.png, the README's picture: the editor on the example
# area in a 1280 x 900 Xvfb screen with a window manager.
#   bash tools/screenshot.sh [BUILD_DIR [OUT.png [EDITOR OPTIONS...]]]
# Needs a built editor (default build/), and xvfb, openbox, imagemagick and
# xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-docs/screenshot.png}
shift $(( $# < 2 ? $# : 2 ))
display=:11

Xvfb $display -screen 0 1280x900x24 -nolisten tcp & xvfb=$!
settings=$(mktemp -d)
pids=($xvfb)
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$settings"' EXIT
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X${display#:} ] && break; sleep 0.1; done
DISPLAY=$display openbox & pids+=($!)
sleep 1
# Fresh settings: the first start's window, with nothing remembered.
DISPLAY=$display XDG_CONFIG_HOME=$settings "$build/tolvex" --no-splash "$@" res/examples/midden.are & pids+=($!)
sleep 4
# A step of zoom makes the rooms easy to see, and a room is selected
# (xdotool, when there is one).
if command -v xdotool > /dev/null; then
    DISPLAY=$display xdotool key ctrl+plus sleep 0.5 mousemove 169 334 click 1 mousemove 700 500
    sleep 1
fi
DISPLAY=$display import -window root "$out"
echo "screenshot: $out"
