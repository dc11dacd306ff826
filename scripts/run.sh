#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in its ready application folder.
set -euo pipefail
cd "$(dirname "$0")/.."
extra=()
[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && extra=(xvfb xauth)
bash scripts/setup.sh "${extra[@]}"
# Only the program: its build also stages System and an empty Order beside it in build/app.
bash scripts/build.sh zel2007
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting the program on a virtual X display (xvfb-run)."
    exec xvfb-run -a build/app/zel2007
fi
exec build/app/zel2007
