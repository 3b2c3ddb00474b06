#!/bin/sh
# Screenshots of the controls gallery under Xvfb with openbox, into
# BUILD/screenshots/controls/: the gallery with the combo box's drop-down
# open, and with the pop-up menu open (both with the key tip shown).
# Needs the gallery and the skins built (targets lumoui-controls-gallery
# and tessera_skins). Usage: take-screenshot.sh BUILD
set -eu
build=$(cd "$1" && pwd)
out="$build/screenshots/controls"
mkdir -p "$out"
. "$(dirname "$0")/../../lumoui/xvfb-session.sh"
xvfb_session 80
gallery="$build/bin/lumoui-controls-gallery"
for open in combo menu; do
  xdotool mousemove 5 815
  "$gallery" --program-folder "$build/dist" --open "$open" --quit-after 2500 --screenshot "$out/controls-$open.png"
done
ls -l "$out"
