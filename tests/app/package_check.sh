#!/usr/bin/env bash
# Builds the Debian package into a scratch folder and checks its files, its desktop entry
# and its dependencies.
set -euo pipefail
build=$1 version=$2
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null || { echo "no dpkg-deb: skipped"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
deb="$out/kelvara-utility_${version}_amd64.deb"
files=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for f in bin/kelvara-utility share/applications/kelvara-utility.desktop \
         share/icons/hicolor/32x32/apps/kelvara-utility.png share/kelvara-utility/Kelvara.mdb; do
    grep -qx "./usr/$f" <<<"$files" || { echo "missing /usr/$f"; exit 1; }; done
dpkg-deb -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/kelvara-utility.desktop"
grep -qx 'Exec=kelvara-utility' "$out/root/usr/share/applications/kelvara-utility.desktop"
cmp "$build/Kelvara.mdb" "$out/root/usr/share/kelvara-utility/Kelvara.mdb"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6core6 libqt6widgets6 libical3 libmdb3 qt6-wayland; do
    grep -q "\b$lib\b" <<<"$depends" || { echo "Depends lacks $lib: $depends"; exit 1; }; done
dpkg-deb -f "$deb" Recommends | grep -qw qt6-translations-l10n || { echo "Recommends lacks qt6-translations-l10n"; exit 1; }
echo "package: $(basename "$deb"), Depends: $depends"
