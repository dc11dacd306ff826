#!/usr/bin/env bash
# Installs what the build, the program and the tests need, only when something is missing.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-tools-dev qt6-l10n-tools fonts-wine "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
