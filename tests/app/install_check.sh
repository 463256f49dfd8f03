#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package installed as a player installs it: into ROOT, a fresh root of the release the
# package was built on (tools/debroot make), with apt-get, which brings the dependencies the package
# names and nothing else. The installed program, run by a player's account there, answers --version
# and --now and opens its main window on an X server of the test's own outside the root (reached
# through its abstract socket), then ends with status 0 on SIGTERM: a library the package fails to
# depend on fails one of these (Qt's Wayland platform, loaded only on Wayland, is checked by
# package_check.sh's Recommends). As root.
#   install_check.sh ROOT DEB
set -euo pipefail
root=$1 deb=$2
debroot=$(cd "$(dirname "$0")/../../tools" && pwd)/debroot
for tool in Xvfb xdotool; do command -v $tool >/dev/null || { echo "$tool is missing"; exit 1; }; done
cp "$deb" "$root/root/"
name=$(basename "$deb")
version=$(dpkg-deb -f "$deb" Version)
"$debroot" run "$root" bash -euc "apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends /root/$name >/dev/null
    useradd --create-home player"
player() { "$debroot" run "$root" setpriv --reuid=player --regid=player --init-groups env HOME=/home/player "$@"; }

answer=$(player kelvara-utility --version)
[ "$answer" = "kelvara-utility $version" ] || { echo "--version answered: $answer"; exit 1; }
answer=$(player kelvara-utility --now)
grep -qxE '[0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{2}/[0-9]{2}/[0-9]{4}' <<<"$answer" || { echo "--now answered: $answer"; exit 1; }

# An X server of the test's own, on a display number it chose itself.
numbers=$(mktemp)
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x800x24 3>"$numbers" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$numbers"' EXIT
for _ in $(seq 100); do [ -s "$numbers" ] || { kill -0 $xvfb && sleep 0.1; } || break; done
[ -s "$numbers" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$numbers")
# The player's program ends when the test leaves a file in the player's home; its status is the check's.
stop=$root/home/player/stop
player bash -c 'kelvara-utility & trap "kill $!" TERM; until [ -e ~/stop ]; do sleep 0.2; done; kill $!; wait $!' \
    >"$root/root/program.log" 2>&1 &
program=$!
for _ in $(seq 100); do xdotool search --onlyvisible --name '^Kelvara Utility ' >/dev/null && break; sleep 0.2; done
xdotool search --onlyvisible --name '^Kelvara Utility ' >/dev/null || {
    touch "$stop"; echo "the installed program opened no main window"; cat "$root/root/program.log"; exit 1; }
touch "$stop"
wait $program || { echo "the installed program ended with status $?"; cat "$root/root/program.log"; exit 1; }
echo "installed $name on $(. "$root/etc/os-release" && echo "$PRETTY_NAME"): --version, --now and the window answered"
