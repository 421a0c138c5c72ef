#!/usr/bin/env bash
# Builds, tests and runs Ostrand Chess. Installs what is missing on Debian or Ubuntu first.
#   ./build.sh run     build in Release and start the game
#   ./build.sh test    build with warnings as errors and assertions on, run every test
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake make g++ libgtest-dev qt6-base-dev)
jobs=$(nproc 2>/dev/null || echo 2)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

configure_and_build() {  # folder, build type, extra options...
    local dir=$1 type=$2
    shift 2
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="$type" "$@"
    cmake --build "$dir" -j "$jobs"
}

case "${1:-}" in
    run)
        install_missing
        configure_and_build build/release Release -DOSTRAND_BUILD_UI=ON -DOSTRAND_BUILD_TESTS=OFF
        exec build/release/ui/ostrand-chess
        ;;
    test)
        install_missing
        configure_and_build build/check RelWithDebInfo -DOSTRAND_WERROR=ON
        cd build/check
        QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
        ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac
