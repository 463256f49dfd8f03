#!/usr/bin/env bash
# Set-up for Kelvara Utility on Debian 12.
#   bash setup.sh run    install what is missing, build, write the sample database, start the program
#   bash setup.sh test   install what is missing, build, run every test (also under the sanitizers and,
#                        for the core libraries, valgrind), then fuzz every input reader for 30 s
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}
jobs=$(nproc 2>/dev/null || echo 2)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() {
    # qt6-l10n-tools and qt6-tools-dev: lupdate, lrelease and their CMake functions, which build the
    # translations; qt6-translations-l10n: Qt's own texts (standard buttons, dialogs) in the player's language.
    local wanted=(cmake g++ make pkg-config clang-format qt6-base-dev qt6-base-dev-tools libgl-dev
                  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
                  qt6-wayland mdbtools mdbtools-dev libglib2.0-dev tzdata
                  libical-dev python3-icalendar dpkg-dev file
                  xvfb xauth xdotool imagemagick desktop-file-utils fonts-dejavu-core fonts-liberation2)
    # The notification tests start a private session bus of their own; the Wayland test a headless weston;
    # the format check lists the files of the clone with git.
    if [ "$mode" = test ]; then wanted+=(dbus-daemon weston git); fi
    # The test run also fuzzes (clang with libFuzzer) and runs the core tests under valgrind.
    if [ "$mode" = test ]; then wanted+=(clang libclang-rt-14-dev valgrind); fi
    local missing=() p
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() { # build DIR [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

install_missing
case "$mode" in
    run)
        build build
        exec ./build/kelvara-utility
        ;;
    test)
        # One code style: unformatted code fails the run.
        git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
        build build -DKELVARA_WERROR=ON -DKELVARA_VALGRIND=ON
        (cd build && ctest --output-on-failure -j "$jobs" -LE valgrind)
        # The core libraries' tests once more under valgrind's memcheck.
        (cd build && ctest --output-on-failure -j "$jobs" -L valgrind)
        build build-asan -DKELVARA_WERROR=ON -DKELVARA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
        (cd build-asan && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp" \
            UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$jobs")
        # Every fuzz target for 30 seconds from its seeds (clang, libFuzzer, ASan, UBSan).
        bash fuzz/run 30
        ;;
    *)
        echo "usage: bash setup.sh run|test" >&2; exit 2 ;;
esac
