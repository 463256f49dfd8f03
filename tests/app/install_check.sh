#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix/usr" >/dev/null
test -x "$prefix/usr/bin/kelvara-utility" || { echo "program not installed"; exit 1; }
desktop-file-validate "$prefix/usr/share/applications/kelvara-utility.desktop"
grep -qx 'Exec=kelvara-utility' "$prefix/usr/share/applications/kelvara-utility.desktop"
icon="$prefix/usr/share/icons/hicolor/32x32/apps/kelvara-utility.png"
test -f "$icon" || { echo "icon not installed"; exit 1; }
if [ -f "$build/Kelvara.mdb" ]; then
    cmp "$build/Kelvara.mdb" "$prefix/usr/share/kelvara-utility/Kelvara.mdb" || { echo "sample database not installed"; exit 1; }
fi
echo "installed: program, desktop entry, icon"
