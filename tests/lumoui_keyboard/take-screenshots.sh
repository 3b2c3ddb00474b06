#!/bin/sh
# Screenshots of the keyboard gallery under Xvfb with openbox, into
# BUILD/screenshots/keyboard/: each display mode of the keyboard picture, a
# key tip shown by hovering a key (mode 101), a drag being painted (mode 103)
# and the lists scene. The pointer is driven with xdotool over the
# gallery window (openbox keeps it at the position the gallery asks for).
# Usage: take-screenshots.sh BUILD
set -eu
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
out="$build/screenshots/keyboard"
mkdir -p "$out"
. "$(dirname "$0")/../lumoui/xvfb-session.sh"
xvfb_session 90
gallery="$build/bin/lumoui-keyboard-gallery"
layout="$source_dir/data/layouts/tk301.xml"
title="LumoUI keyboard gallery"

# Runs the gallery in the background and waits until its window is mapped.
start() {
  "$gallery" --layout "$layout" "$@" &
  pid=$!
  xdotool search --sync --name "$title" >/dev/null 2>&1 || true
  sleep 0.5
}
# The gallery places its window at (40, 40); x and y are client coordinates.
move() { xdotool mousemove $(($1 + 40)) $(($2 + 40)); }

for mode in 100 102 104; do
  xdotool mousemove 5 5
  "$gallery" --layout "$layout" --mode $mode --quit-after 1500 --screenshot "$out/keyboard-$mode.png" || true
done

# Mode 101: hover key A (two moves show its tip).
xdotool mousemove 5 5
start --mode 101 --quit-after 2000 --screenshot "$out/keyboard-101.png"
move 220 300; sleep 0.2; move 223 301
wait $pid || true

# Mode 103: a drag from the empty area beside the arrow keys up and left.
xdotool mousemove 5 5
start --mode 103 --quit-after 2000 --screenshot "$out/keyboard-103-drag.png"
move 880 300; sleep 0.2
xdotool mousedown 1
# While the window holds the pointer only relative moves arrive as motion.
for step in 1 2 3 4 5 6 7 8; do xdotool mousemove_relative -- -35 -6; sleep 0.1; done
wait $pid || true
xdotool mouseup 1

xdotool mousemove 5 5
"$gallery" --scene lists --quit-after 1500 --screenshot "$out/lists.png" || true
ls -l "$out"
