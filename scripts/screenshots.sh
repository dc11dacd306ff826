#!/bin/bash
# Makes docs/screenshots/*.png from the real windows under a virtual X server, on a copy of the
# shipped System folder and a few sample orders. Run it after changing a window and commit the PNGs.
# BUILD_DIR (default: build) is configured and built first when needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=$root/docs/screenshots

bash "$root/scripts/setup.sh" xvfb xauth
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
ls "$out"
