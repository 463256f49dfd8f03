#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package checked as Debian checks a package: lintian, with the overrides the package installs (every
# error and warning fails, and so do the hints Debian's own build tools avoid: missing hardening, sections a full
# strip removes, a desktop entry without keywords); every desktop entry with desktop-file-validate and every manual
# page with man, which must say nothing, and every AppStream metainfo file with appstreamcli, which must find no
# error and no warning (its infos differ from release to release: Debian 12's does not know the <developer> tag
# Debian 13's asks for).
#   package_lint.sh DEB
set -euo pipefail
deb=$1
for tool in lintian desktop-file-validate appstreamcli man dpkg-deb; do
    command -v $tool >/dev/null || { echo "$tool is missing"; exit 1; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failed=()

lintian -EI --pedantic --fail-on none "$deb" >"$out/lintian" 2>&1 || failed+=("lintian did not run")
grep -v '^running with root privileges' "$out/lintian" || true
hints='hardening-no-[a-z-]+|binary-has-unneeded-section|desktop-entry-lacks-keywords-entry'
if grep -qE "^[EW]: |^I: [^ ]+ ($hints)( |$)" "$out/lintian"; then failed+=(lintian); fi

dpkg-deb -x "$deb" "$out/root"
shopt -s nullglob
for f in "$out"/root/usr/share/applications/*.desktop; do
    said=$(desktop-file-validate "$f" 2>&1) && [ -z "$said" ] || { echo "$said"; failed+=("${f#"$out/root"}"); }
done
for f in "$out"/root/usr/share/metainfo/*.xml; do
    said=$(appstreamcli validate --no-net "$f" 2>&1) && ! grep -q '^[EW]: ' <<<"$said" ||
        { echo "$said"; failed+=("${f#"$out/root"}"); }
done
while IFS= read -r -d '' f; do
    said=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$f" 2>&1 >/dev/null) && [ -z "$said" ] ||
        { echo "$said"; failed+=("${f#"$out/root"}"); }
done < <(find "$out/root/usr/share/man" -type f -print0 2>/dev/null)

[ ${#failed[@]} -eq 0 ] || { echo "$(basename "$deb") fails: ${failed[*]}"; exit 1; }
echo "$(basename "$deb"): lintian, desktop entries, metainfo and manual pages pass"
