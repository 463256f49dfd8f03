#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package into a scratch folder and checks its files, its desktop entry
# and its dependencies.
set -euo pipefail
#   package_check.sh BUILD-FOLDER VERSION QT-VERSION
build=$1 version=$2 qt=$3
for tool in dpkg-deb dpkg-shlibdeps appstreamcli; do command -v $tool >/dev/null || { echo "$tool is missing"; exit 1; }; done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log"; exit 1; }
deb="$out/kelvara-utility_${version}_amd64.deb"
files=$(dpkg-deb -c "$deb" | awk '{print $NF}')
id=io.github.kelvarautility.KelvaraUtility
icons=("share/icons/hicolor/scalable/apps/$id.svg")
for n in 16 32 48 64 128 256; do icons+=("share/icons/hicolor/${n}x$n/apps/$id.png"); done
for f in bin/kelvara-utility share/applications/$id.desktop "${icons[@]}" share/metainfo/$id.metainfo.xml \
         share/kelvara-utility/Kelvara.mdb share/man/man1/kelvara-utility.1.gz \
         share/doc/kelvara-utility/copyright share/doc/kelvara-utility/changelog.gz; do
    grep -qx "./usr/$f" <<<"$files" || { echo "missing /usr/$f"; exit 1; }; done
dpkg-deb -x "$deb" "$out/root"
desktop-file-validate "$out/root/usr/share/applications/$id.desktop"
grep -qx 'Exec=kelvara-utility' "$out/root/usr/share/applications/$id.desktop"
# The launcher speaks every language of the program.
for key in Name GenericName Comment Keywords; do for language in de es fr pl pt_BR ru; do
    grep -q "^$key\[$language\]=." "$out/root/usr/share/applications/$id.desktop" || { echo "no ${key}[$language]"; exit 1; }
done; done
# No errors and no warnings (infos may stay).
appstreamcli validate --no-net "$out/root/usr/share/metainfo/$id.metainfo.xml" >"$out/appstream.log" \
    && ! grep -q '^[EW]:' "$out/appstream.log" || { cat "$out/appstream.log"; exit 1; }
cmp "$build/Kelvara.mdb" "$out/root/usr/share/kelvara-utility/Kelvara.mdb"
zcat "$out/root/usr/share/doc/kelvara-utility/changelog.gz" | sed -n 1p | grep -qF "kelvara-utility ($version) " ||
    { echo "data/debian/changelog has no entry for $version"; exit 1; }
! dpkg-deb -f "$deb" Description | grep '^ *;' || { echo "Description: a line starts with ;"; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
# Debian 13 names the libraries built for 64-bit time ...t64.
wanted=(libc6 'libqt6core6(t64)?' 'libqt6widgets6(t64)?' 'libical3(t64)?' 'libmdb3(t64)?')
# Qt 6.5 and later load their X11 platform only with the XCB cursor library.
dpkg --compare-versions "$qt" lt 6.5 || wanted+=(libxcb-cursor0)
for lib in "${wanted[@]}"; do
    grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || { echo "Depends lacks $lib: $depends"; exit 1; }; done
# Qt's own translations, and its Wayland platform, without which Qt falls back to X11 (Xwayland).
for p in qt6-translations-l10n qt6-wayland; do
    dpkg-deb -f "$deb" Recommends | grep -qw $p || { echo "Recommends lacks $p"; exit 1; }; done
echo "package: $(basename "$deb"), Depends: $depends"
