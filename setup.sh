#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up for Kelvara Utility on Debian 12 (bookworm) and Debian 13 (trixie).
#   bash setup.sh run      install what is missing, build, write the sample database, start the program
#   bash setup.sh test     install what is missing, build, run every test (also under the sanitizers and,
#                          for the core libraries, valgrind), then fuzz every input reader for 30 s
#   bash setup.sh check    the first part of test: the format check, the -Werror build and every test once
#   bash setup.sh package  install what is missing, build, and make the Debian package in build/
#   bash setup.sh package-lint  the same, then check the package with lintian and the desktop's validators
#                          (tests/app/package_lint.sh); the package's path is the last line
#   bash setup.sh windows  install the cross compiler, Wine and NSIS; build the Windows program (its libraries
#                          cross-built once from Debian's sources into a cache), the portable zip and the
#                          installer in build-windows/
#   bash setup.sh windows-test  the same, then every Windows test under Wine
#   bash setup.sh windows-packages  only install what the Windows build needs (CI, before the libraries)
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}
jobs=$(nproc 2>/dev/null || echo 2)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_missing() {
    case $mode in windows*) install_windows; return ;; esac
    # qt6-l10n-tools and qt6-tools-dev: lupdate, lrelease and their CMake functions, which build the
    # translations; qt6-translations-l10n: Qt's own texts (standard buttons, dialogs) in the player's language.
    local wanted=(cmake g++ make pkg-config clang-format qt6-base-dev qt6-base-dev-tools libgl-dev
                  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
                  qt6-wayland mdbtools mdbtools-dev libglib2.0-dev tzdata
                  libical-dev python3-icalendar dpkg-dev file
                  xvfb xauth xdotool imagemagick desktop-file-utils fonts-dejavu-core fonts-liberation2
                  libxcb-cursor0)
    # The notification tests start a private session bus of their own; the Wayland test a headless weston and
    # the accessibility bus (at-spi2-core), over which it finds the windows as a screen reader does, and strace,
    # which holds a settings save up; the format check lists the files of the clone with git; xprop reads the
    # state a window asks for; appstreamcli checks the package's AppStream file.
    case $mode in test | check) wanted+=(dbus-daemon at-spi2-core weston strace git x11-utils appstream) ;; esac
    # Debian's package checker, and the validators of desktop entries, AppStream metainfo and manual pages.
    if [ "$mode" = package-lint ]; then wanted+=(lintian appstream man-db); fi
    # The test run also fuzzes (clang with libFuzzer) and runs the core tests under valgrind.
    if [ "$mode" = test ]; then wanted+=(clang valgrind); fi
    install_packages "${wanted[@]}"
    # The fuzzers and the leak check need the runtime of the clang the release installed (14 on Debian 12,
    # 19 on Debian 13).
    if [ "$mode" = test ]; then install_packages "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"; fi
}

# The Windows build: the MinGW-w64 cross compiler, Qt's host tools (moc, rcc, lrelease and Qt's own translations,
# at the version the cross-built Qt has), Wine, NSIS; the release's mdbtools and libical name the versions built.
install_windows() {
    local wanted=(cmake ninja-build pkg-config g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
                  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libgl-dev
                  libmdb3 libical3 wine wine64 nsis zip imagemagick xz-utils ca-certificates)
    case $mode in windows-test | windows-packages) wanted+=(xvfb xauth xdotool x11-utils) ;; esac
    install_packages "${wanted[@]}"
}

install_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

hardening() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
build() { # build DIR [cmake options...]
    local dir=$1; shift
    # The folder the package is made from, which the tests use too (so that the package is not compiled a second
    # time), is built with Debian's hardening flags: stack protector, fortified functions, read-only relocations
    # bound at start. They are given on each configuration, which keeps them in step with dpkg-buildflags.
    if [ "$dir" = build ] && command -v dpkg-buildflags >/dev/null; then
        set -- "-DCMAKE_CXX_FLAGS=$(hardening CPPFLAGS) $(hardening CXXFLAGS)" "-DCMAKE_EXE_LINKER_FLAGS=$(hardening LDFLAGS)" \
            "-DCMAKE_SHARED_LINKER_FLAGS=$(hardening LDFLAGS)" "-DCMAKE_MODULE_LINKER_FLAGS=$(hardening LDFLAGS)" "$@"
    fi
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "$mode" in run | test | check | package | package-lint | windows | windows-test | windows-packages) ;;
    *) echo "usage: bash setup.sh run|test|check|package|package-lint|windows|windows-test" >&2; exit 2 ;;
esac
install_missing
case "$mode" in
    run)
        build build -DKELVARA_BUILD_TESTS=OFF # a player's build: the program, not its tests
        exec ./build/kelvara-utility
        ;;
    windows)
        bash tools/windows/build
        ;;
    windows-test)
        bash tools/windows/build --tests
        bash tools/windows/test
        ;;
    windows-packages) ;;
    package | package-lint)
        build build -DKELVARA_BUILD_TESTS=OFF
        deb=$(cd build && cpack -G DEB | sed -n "s/^CPack: - package: \(.*\) generated\.$/\1/p")
        [ "$mode" = package ] || bash tests/app/package_lint.sh "$deb"
        echo "$deb"
        ;;
    test | check)
        # One code style: unformatted code fails the run.
        git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
        # Every source file names its licence in its first lines.
        unlicensed=$(git ls-files -z '*.cpp' '*.h' '*.c' '*.sh' '*.py' '*.cmake' '*CMakeLists.txt' \
            | xargs -0 grep -L 'SPDX-License-Identifier' || true)
        [ -z "$unlicensed" ] || { echo "no SPDX-License-Identifier line in:" $unlicensed >&2; exit 1; }
        if [ "$mode" = test ]; then memcheck=ON; else memcheck=OFF; fi
        build build -DKELVARA_WERROR=ON -DKELVARA_VALGRIND=$memcheck -DKELVARA_BUILD_TESTS=ON
        (cd build && ctest --output-on-failure -j "$jobs" -LE valgrind)
        [ "$mode" = test ] || exit 0
        # The core libraries' tests once more under valgrind's memcheck.
        (cd build && ctest --output-on-failure -j "$jobs" -L valgrind)
        build build-asan -DKELVARA_WERROR=ON -DKELVARA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
        (cd build-asan && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp" \
            UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j "$jobs")
        # Every fuzz target for 30 seconds from its seeds (clang, libFuzzer, ASan, UBSan).
        bash fuzz/run 30
        ;;
esac
