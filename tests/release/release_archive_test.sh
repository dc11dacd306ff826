#!/bin/sh
# release_archive_test.sh BINARY_DIR SOURCE_DIR ARCHIVE TOP_FOLDER
# Makes the release archive, unpacks it, checks what it holds, starts the program from it and
# installs and removes its menu entry under a scratch home folder.
set -eu
bin=$1 src=$2 archive=$3 top=$4

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --build "$bin" --target package zel_startup_probe > "$bin/release_archive_build.log" 2>&1 ||
    { cat "$bin/release_archive_build.log" >&2; fail "building the package"; }
[ -f "$bin/$archive" ] || fail "no $archive in $bin"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
tar xzf "$bin/$archive" -C "$scratch"

# One top folder and nothing else.
[ "$(ls -A "$scratch")" = "$top" ] || fail "top level holds: $(ls -A "$scratch")"
app=$scratch/$top
for f in zel2007 install-menu-entry.sh; do
    [ -x "$app/$f" ] || fail "$f missing or not executable"
done
for f in zel2007.desktop zel2007.svg zel2007.png LASMIG.txt; do
    [ -s "$app/$f" ] || fail "$f missing or empty"
done
[ -d "$app/Order" ] || fail "Order folder missing"
[ -z "$(ls -A "$app/Order")" ] || fail "Order folder not empty"
diff -r "$src/app/System" "$app/System" || fail "System differs from app/System"
file "$app/zel2007.png" | grep -q "PNG image data, 256 x 256" || fail "icon is not a 256 px PNG"

# Qt must come from the system, not from the tree the archive was made in; the print preview
# module, loaded on the first preview, from beside the program.
runpath=$(readelf -d "$app/zel2007" | grep -E 'RPATH|RUNPATH' || true)
case $runpath in
*'[$ORIGIN:$ORIGIN/../lib/x86_64-linux-gnu/zel2007]') ;;
*) fail "the program's library search path is: $runpath" ;;
esac
[ "$(stat -c %a "$app/libzel2007_print.so")" = 644 ] || fail "print module missing or executable"
if ldd "$app/libzel2007_print.so" | grep -q 'not found'; then
    fail "print module lacks a library"
fi

# The program starts from the unpacked folder: the probe confirms the language window and
# ends the program once the new-order window has painted.
out=$scratch/start.out
rc=0
QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$bin/bench/plugins" \
    QT_QPA_GENERIC_PLUGINS=zelstartupprobe:frmZelOrderNew \
    timeout 60 "$app/zel2007" > "$out" 2> "$scratch/start.err" || rc=$?
if [ "$rc" != 0 ]; then
    cat "$scratch/start.err" >&2
    fail "the program did not come up (exit $rc)"
fi
grep -q '^shown ' "$out" || fail "the new-order window never showed"
[ -z "$(ls -A "$app/Order")" ] || fail "starting wrote into Order: $(ls -A "$app/Order")"
diff -r "$src/app/System" "$app/System" || fail "starting changed System"

# Menu entry for this folder, put in and taken out again.
home=$scratch/home
mkdir "$home"
entry=$home/.local/share/applications/zel2007.desktop
HOME=$home XDG_DATA_HOME='' sh "$app/install-menu-entry.sh" > /dev/null || fail "install-menu-entry.sh"
HOME=$home XDG_DATA_HOME='' sh "$app/install-menu-entry.sh" > /dev/null || fail "install-menu-entry.sh twice"
[ -f "$entry" ] || fail "no entry at $entry"
for line in "Type=Application" "Name=ZEL Beställningar" "Exec=$app/zel2007" "Icon=$app/zel2007.png" \
    "Categories=Office;" "Terminal=false"; do
    grep -qxF "$line" "$entry" || fail "entry lacks '$line'"
done
grep -q '^Comment=..*' "$entry" || fail "entry has no comment"
[ "$(grep -c '^\[Desktop Entry\]' "$entry")" = 1 ] || fail "entry written more than once"
if command -v desktop-file-validate > /dev/null 2>&1; then
    desktop-file-validate "$entry" || fail "entry does not validate"
fi
HOME=$home XDG_DATA_HOME='' sh "$app/install-menu-entry.sh" --remove > /dev/null || fail "--remove"
[ ! -e "$entry" ] || fail "entry still there after --remove"
echo "release archive ok"
