#!/bin/bash
# Makes docs/screenshots/*.png from the real windows under a virtual X server, on a copy of the
# shipped System folder, a few sample orders and the buyer's details, and the first page of the
# printout from the PDF the tool prints. Run it after changing a window and commit the PNGs.
# BUILD_DIR (default: build) is configured and built first when needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=$root/docs/screenshots

bash "$root/scripts/setup.sh" xvfb xauth poppler-utils
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build"
cmake --build "$build" -j2 --target zel_screenshots

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp -r "$root/app/System" "$folder/System"
mkdir "$folder/Order"
mkdir -p "$out"
rm -f "$out"/*.png

# The xcb platform draws as on a desktop; a fixed screen keeps the pictures the same from run to run.
XDG_RUNTIME_DIR=$folder QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 \
    xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tools/zel_screenshots" "$folder" "$out"
# The top of the first page, in grey, keeps the picture readable and small.
pdftoppm -png -gray -r 90 -f 1 -l 1 -H 540 -singlefile "$folder/printout.pdf" "$out/printout"
# A palette of 64 colours keeps window pictures sharp at half the size, where ImageMagick is at hand.
if command -v convert >/dev/null; then
    for picture in "$out"/*.png; do convert "$picture" -dither None -colors 64 "PNG8:$picture"; done
fi
ls "$out"
