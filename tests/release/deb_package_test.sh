#!/bin/sh
# deb_package_test.sh BINARY_DIR SOURCE_DIR PACKAGE
# Makes the Debian package, unpacks it, checks its files, fields and the Debian and desktop tools'
# verdicts, and starts the unpacked program as an installed one.
set -eu
bin=$1 src=$2 deb=$3

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in dpkg-deb file lintian desktop-file-validate appstreamcli; do
    command -v "$tool" > /dev/null || fail "$tool is not installed (bash scripts/test.sh installs it)"
done
cmake --build "$bin" --target package zel_startup_probe > "$bin/deb_package_build.log" 2>&1 ||
    { cat "$bin/deb_package_build.log" >&2; fail "building the package"; }
package=$bin/$deb
[ -f "$package" ] || fail "no $deb in $bin"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg-deb -x "$package" "$root"

# Every file it installs, and nothing of the portable folder.
files=$(cd "$root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
expected='usr/bin/zel2007
usr/lib/x86_64-linux-gnu/zel2007/libzel2007_print.so
usr/share/applications/se.zel.zel2007.desktop
usr/share/doc/zel2007/changelog.gz
usr/share/doc/zel2007/copyright
usr/share/icons/hicolor/256x256/apps/zel2007.png
usr/share/icons/hicolor/scalable/apps/zel2007.svg
usr/share/lintian/overrides/zel2007
usr/share/man/man1/zel2007.1.gz
usr/share/metainfo/se.zel.zel2007.metainfo.xml
usr/share/zel2007/System/Language/English.lng
usr/share/zel2007/System/Language/Svenska.lng
usr/share/zel2007/System/Leverantorer.log
usr/share/zel2007/System/Orderstatus.log'
[ "$files" = "$expected" ] || fail "the package holds:
$files"
others=$(dpkg-deb -c "$package" | awk '$2 != "root/root"')
[ -z "$others" ] || fail "not owned by root: $others"
file "$root/usr/bin/zel2007" | grep -q 'ELF 64-bit LSB pie executable, x86-64.*, stripped' ||
    fail "the program is not a stripped x86-64 executable: $(file "$root/usr/bin/zel2007")"
diff -r "$src/app/System" "$root/usr/share/zel2007/System" || fail "System differs from app/System"
# The print preview module, which alone needs Qt's print support, is found in the package's private library folder.
readelf -d "$root/usr/bin/zel2007" | grep -qF 'Library runpath: [$ORIGIN:$ORIGIN/../lib/x86_64-linux-gnu/zel2007]' ||
    fail "the program does not look for its print module where the package puts it"
[ "$(stat -c %a "$root/usr/lib/x86_64-linux-gnu/zel2007/libzel2007_print.so")" = 644 ] || fail "the print module is executable"

entry=$root/usr/share/applications/se.zel.zel2007.desktop
for line in "Exec=zel2007" "Icon=zel2007" "Name=ZEL Beställningar" "Categories=Office;"; do
    grep -qxF "$line" "$entry" || fail "desktop entry lacks '$line'"
done
desktop-file-validate "$entry" || fail "the desktop entry does not validate"
metainfo=$root/usr/share/metainfo/se.zel.zel2007.metainfo.xml
for line in '<id>se.zel.zel2007</id>' '<launchable type="desktop-id">se.zel.zel2007.desktop</launchable>' \
    '<content_rating type="oars-1.1"/>' '<release version="1.0.0" date="2026-12-07"/>'; do
    grep -qF "$line" "$metainfo" || fail "metainfo lacks $line"
done
appstreamcli validate --no-net "$metainfo" || fail "the AppStream metadata does not validate"

# dpkg-shlibdeps finds the Qt libraries; the platform plugins and the fonts are loaded at run time.
depends=", $(dpkg-deb -f "$package" Depends),"
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-wine; do
    echo "$depends" | grep -q ", $p[ ,]" || fail "Depends lacks $p: $depends"
done
[ "$(dpkg-deb -f "$package" Section)" = misc ] || fail "section is $(dpkg-deb -f "$package" Section)"

# lintian fails on an error (E:) and lets warnings pass.
lintian "$package" > "$scratch/lintian.txt" 2>&1 || { cat "$scratch/lintian.txt" >&2; fail "lintian reports errors"; }

# With no System beside it, the program makes ~/.local/share/ZEL2007 from the shipped files.
home=$scratch/home
mkdir "$home"
HOME=$home XDG_DATA_HOME='' QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH="$bin/bench/plugins" \
    QT_QPA_GENERIC_PLUGINS=zelstartupprobe:frmZelOrderNew timeout 60 "$root/usr/bin/zel2007" > "$scratch/start.out" \
    2>&1 || { cat "$scratch/start.out" >&2; fail "the installed program did not come up"; }
grep -q '^shown ' "$scratch/start.out" || fail "the new-order window never showed"
own=$home/.local/share/ZEL2007
[ "$(ls -A "$own")" = "Order
System" ] || fail "the user's folder holds: $(ls -A "$own")"
[ -z "$(ls -A "$own/Order")" ] || fail "Order is not empty: $(ls -A "$own/Order")"
diff -r "$src/app/System" "$own/System" || fail "the user's System differs from app/System"
echo "Debian package ok"
