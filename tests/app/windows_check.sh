#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program as a player runs it, under Wine on an X display (run it under xvfb-run), in the Wine prefix
# WINEPREFIX (a fresh one):
#   windows_check.sh PORTABLE-FOLDER SETUP.EXE
# The portable folder: the command line answers on the console it was started from; the main window shows and
# draws; a second start shows the first copy's window and ends with status 0; Ctrl+Q saves the clock beside the
# program. The installer: installed silently, the program starts and keeps its files in the user's application
# data folder; the uninstaller removes what was installed and leaves the player's files.
set -euo pipefail
folder=$(cd "$1" && pwd) setup=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/kelvara-check.XXXXXX")
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "PASS: $*"; }
wineboot -i >/dev/null 2>&1 || true

# wait_for SECONDS COMMAND...: true once COMMAND succeeds within SECONDS.
wait_for() { local until=$((SECONDS + $1)); shift; until "$@"; do [ $SECONDS -lt $until ] || return 1; sleep 0.5; done; }
window_of() { xdotool search --onlyvisible --name "^Kelvara Utility" 2>/dev/null | head -1; }
shown() { [ -n "$(window_of)" ]; }
gone() { ! kill -0 "$1" 2>/dev/null; }
local_appdata() { winepath -u "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')"; }

# A portable folder named with letters of three scripts, none of them in the ANSI code page.
portable="$work/Kelvara Ωμέγα Привет 日本"
cp -r "$folder" "$portable"
exe=$portable/kelvara-utility.exe
printf '11:00:00\r\n12/08/2026\r\n00:00:00\r\n03/14/0004\r\n' >"$portable/OXLTIMES.DAT"

# The command line: the answer on the console of the command interpreter that started it, and its status. The moment
# is pinned at 12/08/2026 12:00:00 in Berlin, given in the form of TZ the C runtime of Windows reads too.
answer=$(KELVARA_TEST_NOW=1796727600 TZ=CET-1CEST,M3.5.0,M10.5.0/3 wine cmd /c "$(winepath -w "$exe")" --now 2>/dev/null | tr -d '\r')
[ "$answer" = "18:00:00 03/14/0004" ] || fail "--now from cmd answered '$answer'"
status=0; wine "$exe" --no-such-option >/dev/null 2>"$work/err" || status=$?
[ $status -eq 2 ] && grep -q "Unknown option 'no-such-option'" "$work/err" || fail "a bad option: status $status, $(cat "$work/err")"
# Typed without .exe, as the README shows it, the name runs the console twin (kelvara-utility.com), which cmd waits for
# and which ends with the program's status.
status=0; wine cmd /c "$(winepath -w "${exe%.exe}")" --no-such-option >/dev/null 2>"$work/err" || status=$?
[ $status -eq 2 ] && grep -q "Unknown option 'no-such-option'" "$work/err" || fail "the twin: status $status, $(cat "$work/err")"
pass "command line"

# The main window shows and draws; Ctrl+Q saves the clock beside the program, Windows-1252 with CR LF, and ends it.
# (No window manager runs: the window is given the keyboard with windowfocus.)
rm "$portable/OXLTIMES.DAT"
wine "$exe" >"$work/first.log" 2>&1 &
first=$!
wait_for 60 shown || fail "no main window within 60 s: $(cat "$work/first.log")"
sleep 2
import -window root "$work/shot.png"
colours=$(convert "$work/shot.png" -format %k info:)
[ "$colours" -gt 16 ] || fail "the screen holds $colours colours: nothing drawn"
pass "main window shown and drawn ($colours colours)"
quit() { xdotool windowfocus --sync "$(window_of)" && sleep 0.5 && xdotool key ctrl+q; }
quit
wait_for 30 gone "$first" || fail "Ctrl+Q did not end the program"
[ -s "$portable/OXLTIMES.DAT" ] && grep -q $'\r$' "$portable/OXLTIMES.DAT" || fail "no OXLTIMES.DAT saved"
pass "Ctrl+Q saved OXLTIMES.DAT"

# A second start shows the window of the first copy, started hidden, and ends with status 0.
wine "$exe" --hidden >"$work/first.log" 2>&1 &
first=$!
wait_for 60 bash -c '[ -f "$0/kelvara-utility.lock" ]' "$portable" || fail "the hidden copy did not start"
sleep 3
shown && fail "started hidden, the window shows"
status=0; timeout 60 wine "$exe" >"$work/second.log" 2>&1 || status=$?
[ $status -eq 0 ] || fail "the second start ended with status $status: $(cat "$work/second.log")"
wait_for 10 shown || fail "the second start did not show the first copy's window"
gone "$first" && fail "the first copy ended"
pass "second start"
quit
wait_for 30 gone "$first" || fail "Ctrl+Q did not end the program"
wineserver -w

# The installer, silently; the installed program keeps its files in the user's application data folder.
status=0; wine "$setup" /S || status=$?
[ $status -eq 0 ] || fail "the installer ended with status $status"
appdata=$(local_appdata)
installed="$appdata/Programs/Kelvara Utility"
[ -f "$installed/kelvara-utility.exe" ] && [ -f "$installed/uninstall.exe" ] && [ -f "$installed/platforms/qwindows.dll" ] \
    || fail "not installed in $installed"
wine "$installed/kelvara-utility.exe" >"$work/installed.log" 2>&1 &
program=$!
wait_for 60 shown || fail "the installed program showed no window: $(cat "$work/installed.log")"
quit
wait_for 30 gone "$program" || fail "the installed program did not end"
[ -s "$appdata/Kelvara Utility/OXLTIMES.DAT" ] || fail "the installed program saved nothing in $appdata/Kelvara Utility"
[ ! -e "$installed/OXLTIMES.DAT" ] || fail "the installed program wrote into its own folder"
pass "installed, started, saved in the application data folder"

# The uninstaller (it runs a copy of itself, waited for with the Wine server) removes what was installed, not the
# player's files, nor a portable copy's start at login.
run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
wine reg add "$run" /v "Kelvara Utility" /d '"Z:\elsewhere\kelvara-utility.exe" --hidden' /f >/dev/null 2>&1
wine "$installed/uninstall.exe" /S
wineserver -w
wine reg query "$run" /v "Kelvara Utility" 2>/dev/null | grep -q 'elsewhere' || fail "the uninstaller removed a portable copy's start at login"
[ ! -e "$installed" ] || fail "left behind: $(find "$installed" | head)"
[ -s "$appdata/Kelvara Utility/OXLTIMES.DAT" ] || fail "the uninstaller removed the player's files"
pass "uninstalled"
