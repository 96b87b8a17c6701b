#!/usr/bin/env bash
# Karvelo's two entry points:
#   ./karvelo.sh        build, then start the program
#   ./karvelo.sh test   build, then run the whole test suite (normal and sanitizer builds)
#   ./karvelo.sh bench  build, then run the benchmarks and the peer comparison
#   ./karvelo.sh mutate put deliberate faults into a scratch copy one at a time and report
#                       which ones the test suite misses (arguments go to tools/mutate)
set -euo pipefail
cd "$(dirname "$0")"

run_tests() {
    tools/setup
    echo "== Test suite (Release build) =="
    ctest --test-dir build --output-on-failure -j2
    echo "== Test suite (AddressSanitizer + UndefinedBehaviorSanitizer build) =="
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKARVELO_SANITIZE=ON \
        -DKARVELO_BUILD_BENCH=OFF >/dev/null
    cmake --build build-asan -j2
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build-asan --output-on-failure -j2
}

headless_demo() {
    local png=build/demo-profile-spectrum.png
    echo "== Profile 1 as File > Open loads it =="
    build/bin/karvelo-cli info
    echo "== Profile 1: per-point report (velocity 3780 m/s gives the thickness) =="
    build/bin/karvelo-cli report --mode product --velocity 3780
    echo "== Profile-spectrum map =="
    build/bin/karvelo-cli analyse --mode profile --png "$png" >/dev/null
    echo "Wrote the profile-spectrum map to $PWD/$png"
}

start_program() {
    tools/setup
    if [[ -x build/bin/karvelo && ( -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ) ]]; then
        exec build/bin/karvelo
    fi
    if [[ -x build/bin/karvelo ]]; then
        echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set): running the headless demo."
    fi
    headless_demo
}

case "${1:-}" in
    "") start_program ;;
    test) run_tests ;;
    bench) tools/bench ;;
    mutate)
        shift
        tools/setup --packages-only
        exec tools/mutate "$@"
        ;;
    *)
        echo "usage: ./karvelo.sh [test|bench|mutate [FAULT...|--list|--lines]]" >&2
        exit 2
        ;;
esac
