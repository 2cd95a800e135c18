#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-san/ (optimised lightly, line tables only, no benchmarks) and runs every test headless under them.
# A memory fault, a leak in our code or undefined behaviour fails the test that meets it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-san}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
    -DPENNORIA_SANITIZE=ON -DPENNORIA_BENCHMARKS=OFF "$@"
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$(pwd)/scripts/lsan-fremd.txt:print_suppressions=0
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 1200
