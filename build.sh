#!/usr/bin/env bash
# Builds, tests and runs Ostrand Chess. Installs what is missing on Debian or Ubuntu first.
#   ./build.sh run     build in Release and start the game
#   ./build.sh test    build with warnings as errors and assertions on, run every test
#   ./build.sh check   check the formatting and that every text is translated, run the
#                      engine's tests under AddressSanitizer and UndefinedBehaviorSanitizer and
#                      the console tests under ThreadSanitizer,
#                      then each fuzz target for about a minute, then test the Windows program
#                      under Wine, then build and check the package
#   ./build.sh package build the Debian package in build/package, list it and validate it
#   ./build.sh windows cross-build the programs for Windows, zip them and make their installer
#                      in build/windows
#   ./build.sh translations  bring the window's new texts into ui/translations/*.ts
set -euo pipefail
cd "$(dirname "$0")"

# python3 carries the translations over to the window for Windows, whose texts are tested here too.
packages=(cmake make g++ libgtest-dev qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n python3)
jobs=$(nproc 2>/dev/null || echo 2)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

install_missing() {  # packages...
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing missing packages: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# The sanitizer and libFuzzer runtimes of the installed clang; releases that have no package
# of their own for them keep them in the common one.
install_compiler_rt() {
    local version package
    version=$(clang -dumpversion)
    package=libclang-rt-${version%%.*}-dev
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" && return
    $sudo apt-get update
    apt-cache show "$package" >/dev/null 2>&1 || package=libclang-common-${version%%.*}-dev
    install_missing "$package"
}

# Runs a command with its addresses not randomised where the system allows it: a fuzz run
# then takes the same inputs every time, and ThreadSanitizer of older clang releases cannot
# map its shadow memory under the many random bits of newer kernels.
fixed_addresses() {
    if setarch "$(uname -m)" -R true 2>/dev/null; then
        setarch "$(uname -m)" -R "$@"
    else
        "$@"
    fi
}

# Runs one fuzz target from the seed corpus for a minute, or fewer inputs than a minute takes
# there. The seed is fixed and the addresses, which enter the fuzzer's tables of compared
# values, are not randomised: what a clean clone runs is always a part of one sequence of
# inputs, so the result does not depend on the machine's speed. The corpus it grows stays in
# the build folder for the next run.
run_fuzzer() {  # name, the most inputs to run
    local name=$1 runs=$2 work=build/fuzz/corpus/$1
    mkdir -p "$work" build/fuzz/artifacts
    echo "Fuzzing $name for 60 seconds or $runs inputs"
    fixed_addresses "build/fuzz/fuzz/fuzz_$name" "$work" "fuzz/corpus/$name" -seed=1 -reload=0 \
        -runs="$runs" -max_total_time=60 -timeout=60 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/artifacts/$name-"
}

# The Debian package, built with Debian's hardening flags (CMake reads CXXFLAGS and LDFLAGS, not
# CPPFLAGS) and laid out as Debian keeps games: the programs in /usr/games, the rest under
# /usr/share. Then its contents and the verdicts of the validators; any error fails.
build_package() {
    install_missing "${packages[@]}" dpkg-dev file desktop-file-utils appstream lintian
    local dir=build/package
    rm -f "$dir"/ostrand-chess_*.deb
    (
        export DEB_BUILD_MAINT_OPTIONS=hardening=+all
        eval "$(dpkg-buildflags --export=sh)"
        export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
        configure_and_build "$dir" Release -DOSTRAND_BUILD_UI=ON -DOSTRAND_BUILD_TESTS=OFF \
            -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games
    )
    (cd "$dir" && cpack)
    local deb
    deb=$(echo "$dir"/ostrand-chess_*.deb)
    dpkg-deb --info "$deb"
    dpkg-deb --contents "$deb"
    rm -rf "$dir/contents"
    dpkg-deb --extract "$deb" "$dir/contents"
    echo "desktop-file-validate:"
    desktop-file-validate "$dir"/contents/usr/share/applications/*.desktop
    echo "appstreamcli validate:"
    appstreamcli validate --no-net --pedantic "$dir"/contents/usr/share/metainfo/*.metainfo.xml
    echo "lintian:"
    lintian --display-info --pedantic "$deb"
    echo "package: $deb built and validated"
}

# The programs for 64-bit Windows, cross-built with MinGW-w64 and statically linked, with
# their tables in build/windows/ostrand-chess-VERSION-windows-x64.zip and in the installer
# ostrand-chess-VERSION-windows-x64-setup.exe, which NSIS makes. Wine, which runs their tests,
# needs only its 64-bit half for 64-bit programs and a 64-bit installer.
build_windows() {
    install_missing cmake make g++-mingw-w64-x86-64-posix nsis python3 wine wine64
    configure_and_build build/windows Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DOSTRAND_BUILD_UI=OFF \
        -DOSTRAND_WERROR=ON
    (cd build/windows && cpack)
}

# lupdate, of the Qt the build uses, over the window's sources into the given .ts files: texts
# new to the code arrive unfinished, texts gone from it are dropped, translations stay.
update_translations() {  # .ts files...
    local bins
    bins=$(qtpaths6 --query QT_HOST_BINS 2>/dev/null || echo /usr/lib/qt6/bin)
    "$bins/lupdate" -silent -locations none -no-obsolete -source-language en ui -ts "$@"
}

# Fails when a text of the window lacks a translation: one left unfinished in a .ts file, or
# one new to the code that lupdate has not brought in yet (it is run on copies here).
check_translations() {
    local dir=build/translations
    rm -rf "$dir"
    mkdir -p "$dir"
    cp ui/translations/*.ts "$dir"/
    update_translations "$dir"/*.ts
    local unfinished
    unfinished=$(grep -c 'type="unfinished"' "$dir"/*.ts | grep -v ':0$' || true)
    if [ -n "$unfinished" ]; then
        echo "translations: texts without a translation (file:count):" >&2
        echo "$unfinished" >&2
        echo "run ./build.sh translations, then translate them in ui/translations/" >&2
        exit 1
    fi
    echo "translations: every text translated in $(ls "$dir"/*.ts | wc -l) languages"
}

configure_and_build() {  # folder, build type, extra options...
    local dir=$1 type=$2
    shift 2
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" "$@"
    cmake --build "$dir" -j "$jobs"
}

case "${1:-}" in
    run)
        install_missing "${packages[@]}"
        configure_and_build build/release Release -DOSTRAND_BUILD_UI=ON -DOSTRAND_BUILD_TESTS=OFF
        exec build/release/ui/ostrand-chess
        ;;
    test)
        install_missing "${packages[@]}"
        configure_and_build build/check RelWithDebInfo -DOSTRAND_WERROR=ON
        cd build/check
        QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
        ;;
    check)
        install_missing cmake make libgtest-dev clang clang-format
        install_compiler_rt
        # Every tracked C++ file as the committed .clang-format writes it.
        mapfile -t sources < <(git ls-files '*.cpp' '*.h')
        clang-format --dry-run -Werror "${sources[@]}"
        echo "format: ${#sources[@]} files formatted"
        install_missing qt6-base-dev qt6-l10n-tools
        check_translations
        export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
        export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
        clang=(-DCMAKE_CXX_COMPILER=clang++ -DOSTRAND_BUILD_UI=OFF -DOSTRAND_WERROR=ON)
        configure_and_build build/sanitize RelWithDebInfo "${clang[@]}" -DOSTRAND_SANITIZE=ON
        (cd build/sanitize && ctest --output-on-failure -j "$jobs")
        # The UCI mode searches in a thread of its own, and an analysis is cancelled from
        # another: their tests under ThreadSanitizer.
        export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
        cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo "${clang[@]}" -DOSTRAND_TSAN=ON
        cmake --build build/tsan --target console_tests analysis_tests -j "$jobs"
        fixed_addresses build/tsan/tests/console_tests
        fixed_addresses build/tsan/tests/game/analysis_tests
        configure_and_build build/fuzz RelWithDebInfo "${clang[@]}" -DOSTRAND_FUZZ=ON \
            -DOSTRAND_BUILD_TESTS=OFF
        run_fuzzer command 20000
        run_fuzzer savedgame 500000
        run_fuzzer notation 20000
        # Any failure above has stopped the script; every fuzz target ran clean.
        echo "fuzz: 3 passed, 0 failed"
        # The Windows window's trials drive it under Xvfb and read its screenshots.
        install_missing python3 xvfb xdotool imagemagick xclip
        build_windows
        (cd build/windows && ctest --output-on-failure --no-tests=error -j "$jobs")
        build_package
        ;;
    package)
        build_package
        ;;
    windows)
        build_windows
        zip=$(echo build/windows/ostrand-chess-*-windows-x64.zip)
        cmake -E tar tvf "$zip"
        echo "windows: $zip and ${zip%.zip}-setup.exe built"
        ;;
    translations)
        install_missing qt6-base-dev qt6-l10n-tools
        update_translations ui/translations/*.ts
        grep -c 'type="unfinished"' ui/translations/*.ts || true
        ;;
    *)
        echo "usage: $0 run|test|check|package|windows|translations" >&2
        exit 2
        ;;
esac
