#!/bin/sh
# Puts the desktop menu entry for the ZEL2007 folder this script lives in into the
# user's applications folder, or takes it away again with --remove.
# The program keeps its data beside itself, so the entry points at this very folder.
set -eu

usage() {
    echo "Användning: $0 [--remove]" >&2
    exit 2
}

remove=0
case "${1:-}" in
    "") ;;
    --remove) remove=1 ;;
    *) usage ;;
esac
[ $# -le 1 ] || usage

folder=$(cd "$(dirname "$0")" && pwd -P)
applications="${XDG_DATA_HOME:-$HOME/.local/share}/applications"
entry="$applications/zel2007.desktop"

if [ "$remove" = 1 ]; then
    rm -f "$entry"
    echo "Menyposten är borttagen: $entry"
else
    program="$folder/zel2007"
    icon="$folder/zel2007.png"
    if [ ! -x "$program" ]; then
        echo "Programmet saknas: $program" >&2
        exit 1
    fi
    case "$folder" in
        # The Exec key would need quoting rules that few menus honour; refuse rather than break.
        *[\ \"\'\\\`\$%]*)
            echo "Mappens sökväg får inte innehålla mellanslag eller specialtecken: $folder" >&2
            exit 1 ;;
    esac
    mkdir -p "$applications"
    # Written and checked in a scratch folder, then moved into place, so a menu never reads half a file.
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    tmp="$scratch/zel2007.desktop"
    cat > "$tmp" <<ENTRY
[Desktop Entry]
Type=Application
Name=ZEL Beställningar
GenericName=Beställningar
Comment=Registrera och spara inköpsordrar till leverantörer
Exec=$program
Path=$folder
Icon=$icon
Terminal=false
Categories=Office;
ENTRY
    if command -v desktop-file-validate > /dev/null 2>&1; then
        if ! desktop-file-validate "$tmp"; then
            echo "Menyposten blev ogiltig och installerades inte." >&2
            exit 1
        fi
    fi
    cp "$tmp" "$entry.tmp.$$"
    mv -f "$entry.tmp.$$" "$entry"
    if command -v update-desktop-database > /dev/null 2>&1; then
        update-desktop-database "$applications" > /dev/null 2>&1 || true
    fi
    echo "Menyposten är installerad: $entry"
fi
