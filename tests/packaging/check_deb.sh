#!/usr/bin/env bash
# Builds the Debian package and checks what it carries and depends on.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$build"
cpack -G DEB -B "$work" > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/vistrel_*.deb)
info=$(dpkg-deb --info "$deb")
contents=$(dpkg-deb --contents "$deb")
fail=0
need() { grep -q -- "$2" <<<"$1" || { echo "missing: $2"; fail=1; }; }
# Every shared library the program loads must come from a package it depends on.
libs=$(ldd "$build/vistrel")
for so in $(objdump -p "$build/vistrel" | awk '/NEEDED/ {print $2}'); do
    lib=$(awk -v so="$so" '$1 == so && $3 ~ /^\// {print $3}' <<<"$libs")
    [ -n "$lib" ] || continue
    real=$(readlink -f "$lib")
    # Debian's merged /usr: dpkg may know the file under /lib or /usr/lib.
    pkg=$( (dpkg -S "$real" || dpkg -S "${real#/usr}" || dpkg -S "/usr$real") 2>/dev/null | head -1 | cut -d: -f1 || true)
    if [ -n "$pkg" ]; then
        need "$info" "$pkg"
    fi
done
need "$info" "fonts-wqy-microhei"
need "$info" "qttranslations5-l10n"
need "$info" "qt5-image-formats-plugins"
need "$contents" "./usr/bin/vistrel$"
need "$contents" "./usr/share/applications/org.vistrel.Vistrel.desktop"
need "$contents" "./usr/share/metainfo/org.vistrel.Vistrel.metainfo.xml"
need "$contents" "./usr/share/icons/hicolor/256x256/apps/vistrel.png"
need "$contents" "./usr/share/icons/hicolor/scalable/apps/vistrel.svg"
need "$contents" "./usr/lib/udev/rules.d/70-vistrel-microscope.rules"
if ls "$build"/lang/*.qm >/dev/null 2>&1; then
    need "$contents" "./usr/share/vistrel/lang/vistrel_en.qm"
fi
if [ $fail != 0 ]; then
    echo "$info"
    echo "$contents"
    exit 1
fi
echo "$(basename "$deb") carries the program, its data and its dependencies"
