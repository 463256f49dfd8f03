#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on Wayland: a headless weston (its desktop shell, which draws the windows and
# answers their frame callbacks, so that they count as shown and tick) with a runtime folder of
# its own, the window tests given after the program on Qt's wayland platform, then the real
# program from a folder of its own: its two windows open, SIGTERM closes them and saves the clock.
# Run again, the compositor ends while a reminder's announced start is being saved (held
# up by strace): the program saves the clock, and the settings save ends, before it goes.
# The program's windows are counted as a screen reader sees them: over the accessibility bus of a
# session bus of the test's own (at-spi2-core), asking the program's root object for its windows.
#   wayland_check.sh PROGRAM ["WINDOW-TEST [TEST-FUNCTION...]"...]
set -euo pipefail
for tool in weston dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher strace; do
    command -v $tool >/dev/null || { echo "$tool is missing"; exit 1; }; done
program=$1; shift
[ -n "${KELVARA_OWN_SESSION_BUS:-}" ] || KELVARA_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$program" "$@"
XDG_RUNTIME_DIR=$(mktemp -d) work=$(mktemp -d)
export XDG_RUNTIME_DIR WAYLAND_DISPLAY=kelvara-test QT_QPA_PLATFORM=wayland
unset DISPLAY
# Whole stacks under the sanitizers, so that the leak suppressions find Mesa's EGL (its driver is unloaded).
[ -z "${ASAN_OPTIONS:-}" ] || export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
chmod 700 "$XDG_RUNTIME_DIR"
weston=
start_weston() {
    rm -f "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY.lock"
    weston --backend=headless-backend.so --shell=desktop-shell.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
        --log="$work/weston.log" &
    weston=$!
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
}
trap 'kill $weston 2>/dev/null || true; wait $weston || true; rm -rf "$XDG_RUNTIME_DIR" "$work"' EXIT
start_weston
# A window test that fails because weston itself crashed under it (seen now and then with weston 14's
# headless backend) proves nothing of the program: it runs once more on a new weston.
for test in "$@"; do
    $test && continue
    ! [ -e /proc/$weston ] || grep -q '^[^)]*) Z' /proc/$weston/stat || { echo "$test failed on Wayland"; exit 1; }
    wait $weston || echo "weston ended with status $?; its log ends:"
    tail -5 "$work/weston.log"
    start_weston
    $test || { echo "$test failed on Wayland, twice"; exit 1; }
done # each a command line

cp "$program" "$work/kelvara-utility"
cp "$(dirname "$program")/Kelvara.mdb" "$work/"
# The accessibility bus, started before the program so that the program finds it.
a11y=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress | tr -d ' ')
ask() { dbus-send --bus="$a11y" --print-reply --dest="$1" "$2" "$3" "${@:4}" 2>/dev/null; }
# The titles of the program's windows that are showing (the state's bit 25), a line each.
showing() {
    local name root window state
    for name in $(ask org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.ListNames \
                      | grep -o '"[^"]*"' | tr -d '"' | grep '^:'); do
        [ "$(ask org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.GetConnectionUnixProcessID \
             string:"$name" | awk '/uint32/ {print $2}')" = "$pid" ] || continue
        root=/org/a11y/atspi/accessible/root
        for window in $(ask "$name" $root org.a11y.atspi.Accessible.GetChildren | awk '/object path/ {print $3}' | tr -d '"'); do
            state=$(ask "$name" "$window" org.a11y.atspi.Accessible.GetState | awk '/uint32/ {print $2; exit}')
            [ $(((${state:-0} >> 25) & 1)) -eq 1 ] || continue
            ask "$name" "$window" org.freedesktop.DBus.Properties.Get string:org.a11y.atspi.Accessible string:Name \
                | awk -F'"' '/string/ {print $2}'
        done
    done
}
opened() { showing | grep -c -e '^Kelvara Utility ' -e '^Kelvara Compact Clock$'; }
for end in SIGTERM compositor; do
start=$(($(date +%s) - 115)) # calibrated 115 s ago at 00:00:00 on 01/01/0001: day 2 begins in 78 min 5 s
date -d "@$start" '+%H:%M:%S%n%m/%d/%Y%n00:00:00%n01/01/0001' | sed 's/$/\r/' >"$work/OXLTIMES.DAT"
printf '[CompactClock]\nvisible=true\nx=40\ny=30\n' >"$work/kelvara-utility.ini"
[ $end = SIGTERM ] || printf '[Reminders]\n1\\day=2\n1\\minutes=78\n' >>"$work/kelvara-utility.ini"
# The settings save held up for 6 s (as it reads the extended attributes to keep).
[ $end = SIGTERM ] && held=() \
    || held=(strace -f -qq -o /dev/null -P "$work/kelvara-utility.ini" -e trace=listxattr -e inject=listxattr:delay_enter=6000000)
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "${held[@]}" "$work/kelvara-utility" &
launched=$! pid=$!
for _ in $(seq 50); do [ $end = SIGTERM ] || pid=$(pgrep -P $launched) && break; sleep 0.1; done
for _ in $(seq 150); do [ "$(opened)" -eq 2 ] && break; sleep 0.1; done
[ "$(opened)" -eq 2 ] || { echo "the main window and the compact clock did not open: $(showing)"; exit 1; }
if [ $end = SIGTERM ]; then
    sleep 2
    kill -TERM $pid
else # once the reminder's notice shows
    for _ in $(seq 150); do showing | grep -qx 'Kelvara Utility' && break; sleep 0.1; done
    kill $weston
fi
stopped=$(date +%s)
wait $launched || [ $end != SIGTERM ] || { echo "the program ended with status $?"; exit 1; }
mapfile -t saved < <(tr -d '\r' <"$work/OXLTIMES.DAT")
moment=$(date -d "${saved[1]} ${saved[0]}" +%s)
game=$((10#${saved[2]:0:2} * 3600 + 10#${saved[2]:3:2} * 60 + 10#${saved[2]:6:2}))
if [ $((moment - stopped)) -lt -1 ] || [ $((moment - stopped)) -gt 1 ] || [ "${saved[3]}" != 01/01/0001 ] \
    || [ $game -ne $((18 * (moment - start))) ]; then
    echo "saved ${saved[*]} for a stop at $(date -d "@$stopped" +%T)"; exit 1
fi
[ "$(grep -cxE 'x=40|y=30' "$work/kelvara-utility.ini")" -eq 2 ] || { echo "the compact clock's place was overwritten"; exit 1; }
[ $end = SIGTERM ] || grep -q '^1\\announced=' "$work/kelvara-utility.ini" || { echo "the announced start was not saved"; exit 1; }
echo "Wayland, $end: the program opened and closed its windows and saved ${saved[*]}"
done
