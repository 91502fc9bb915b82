#!/usr/bin/env bash
# Sets up a Debian 12 machine for Tolvex, builds it, and runs the editor or the tests.
#   bash tools/dev.sh run    build and start the editor on the example area
#   bash tools/dev.sh test   build and run every test (plus sanitizer and fuzz runs)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
jobs=$(nproc 2>/dev/null || echo 2)

packages=(cmake g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6
          libgl-dev xvfb xauth clang libclang-rt-dev clang-format git
          dpkg-dev file)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() { # dir, cmake options...
    local dir=$1
    shift
    mkdir -p "$dir"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" > "$dir/configure.log" 2>&1 \
        || { cat "$dir/configure.log"; return 1; }
    cmake --build "$dir" -j "$jobs"
}

run_editor() {
    build build
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting the editor under Xvfb (nothing will be visible)."
        exec xvfb-run -a ./build/tolvex res/examples/midden.are "$@"
    fi
    exec ./build/tolvex res/examples/midden.are "$@"
}

run_tests() {
    bash tools/check-layers.sh
    # The code is written in the style .clang-format describes; a file that
    # drifts from it fails the run before anything is built.
    git ls-files -z 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h' \
        | xargs -0 clang-format --dry-run --Werror
    echo "format: ok"
    # One build serves every test, so that the whole run fits a small
    # machine: clang with warnings as errors, AddressSanitizer and
    # UndefinedBehaviorSanitizer over the core, the GUI and their tests, the
    # fuzz targets, and the benchmarks (built, not run, so that they cannot
    # rot). -O1 without debug info keeps the build short.
    build build-test -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g0" \
        -DTOLVEX_SANITIZE=ON -DTOLVEX_FUZZ=ON -DTOLVEX_WERROR=ON
    echo "== Every test, under AddressSanitizer and UndefinedBehaviorSanitizer"
    (cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

    echo "== The Debian package"
    bash tools/check-package.sh build-test

    echo "== Fuzzing the area reader, the configuration loader and the clipboard records (60 s each)"
    bash fuzz/run.sh build-test 60
}

case "${1:-}" in
run) shift; install_missing; run_editor "$@" ;;
test) install_missing; run_tests ;;
*) echo "usage: bash tools/dev.sh run|test" >&2; exit 2 ;;
esac
