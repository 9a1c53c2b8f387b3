#!/usr/bin/env bash
# Opens the program under Wine on the test bed's display and saves a screenshot of the
# screen and of the window.   screenshot.sh BIN_FOLDER OUTPUT_FOLDER
# Runs inside the test bed (WINEPREFIX and DISPLAY set).
set -euo pipefail
bin=${1:?folder of the program}
out=${2:?folder for the pictures}
mkdir -p "$out"

wine "$bin/LumoraPandrel.exe" &
program=$!
# The window cannot be closed; end the program whatever happens.
trap 'wine "$bin/lumora_e2e_driver.exe" end-program >/dev/null 2>&1 || kill $program 2>/dev/null
      wait $program 2>/dev/null || true' EXIT
read -r left top width height < <(wine "$bin/lumora_e2e_driver.exe" await-window | tr -d '\r')

xwd -root -display "$DISPLAY" | convert xwd:- "$out/screen.png"
convert "$out/screen.png" -crop "${width}x${height}+${left}+${top}" +repage "$out/window.png"
echo "window at $left, $top, $width x $height; saved $out/screen.png and $out/window.png"
