#!/usr/bin/env bash
# Karvelo's two entry points:
#   ./karvelo.sh        build, then start the program
#   ./karvelo.sh test   build, then run the whole test suite (normal and sanitizer builds)
#   ./karvelo.sh bench  build, then run the benchmarks and the peer comparison
#   ./karvelo.sh mutate put deliberate faults into a scratch copy one at a time and report
#                       which ones the test suite misses (arguments go to tools/mutate)
#   ./karvelo.sh fuzz [SECONDS]  build the readers' libFuzzer targets with clang and run each
#                       for SECONDS (default 60); fails on any finding
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

# Each reader's libFuzzer target (tests/fuzz) in build-fuzz/, started from the seed files
# the project writes, for the given seconds each; a crash, leak, sanitizer report, timeout
# or out-of-memory stops it and fails the run, the input kept in build-fuzz/findings/.
run_fuzz() {
    local seconds=${1:-60}
    if ! [[ "$seconds" =~ ^[0-9]+$ ]] || ((seconds < 1)); then
        echo "usage: ./karvelo.sh fuzz [SECONDS]" >&2
        exit 2
    fi
    tools/setup --fuzz-packages
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++-14 -DKARVELO_FUZZ=ON -DKARVELO_BUILD_GUI=OFF \
        -DKARVELO_BUILD_BENCH=OFF >/dev/null
    local readers=(text segy image wav numpy matlab)
    cmake --build build-fuzz -j2 --target fuzz_seeds "${readers[@]/#/fuzz_}"
    build-fuzz/bin/fuzz_seeds build-fuzz/seeds
    mkdir -p build-fuzz/findings build-fuzz/corpus
    local failed=()
    for reader in "${readers[@]}"; do
        echo "== Fuzzing the $reader reader for $seconds s =="
        mkdir -p "build-fuzz/corpus/$reader"
        local status=0
        ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            "build-fuzz/bin/fuzz_$reader" -max_total_time="$seconds" -timeout=10 \
            -rss_limit_mb=2048 -malloc_limit_mb=8192 -print_final_stats=1 \
            -artifact_prefix="build-fuzz/findings/$reader-" \
            "build-fuzz/corpus/$reader" "build-fuzz/seeds/$reader" \
            >"build-fuzz/$reader.log" 2>&1 || status=$?
        grep -E "DONE|^SUMMARY|^==[0-9]+==ERROR|stat::(number_of_executed_units|average_exec_per_sec)" \
            "build-fuzz/$reader.log" || true
        if ((status != 0)); then
            failed+=("$reader")
        fi
    done
    if ((${#failed[@]} > 0)); then
        echo "Findings in: ${failed[*]} (inputs in build-fuzz/findings/, logs in build-fuzz/*.log)" >&2
        exit 1
    fi
    echo "No findings."
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
    fuzz)
        shift
        run_fuzz "$@"
        ;;
    mutate)
        shift
        tools/setup --packages-only
        exec tools/mutate "$@"
        ;;
    *)
        echo "usage: ./karvelo.sh [test|bench|fuzz [SECONDS]|mutate [FAULT...|--list|--lines]]" >&2
        exit 2
        ;;
esac
