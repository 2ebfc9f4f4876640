#!/usr/bin/env bash
# The instrumented part of the test suite, built with clang:
#  - every test under AddressSanitizer + UndefinedBehaviorSanitizer, then each
#    fuzz target for a bounded time (TAVIK_FUZZ_SECONDS, default 60);
#  - the concurrency test under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs="$(nproc)"
common=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVIK_BUILD_PLUGINS=OFF -DTAVIK_BUILD_BENCHMARKS=OFF
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++)

asan_dir="${TAVIK_ASAN_BUILD_DIR:-build-asan}"
cmake -S . -B "$asan_dir" "${common[@]}" -DTAVIK_SANITIZE=address,undefined -DTAVIK_FUZZ=ON \
      -DTAVIK_FUZZ_SECONDS="${TAVIK_FUZZ_SECONDS:-60}"
cmake --build "$asan_dir" --parallel "$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1"
ctest --test-dir "$asan_dir" --output-on-failure --parallel "$jobs" -LE fuzz
ctest --test-dir "$asan_dir" --output-on-failure -L fuzz --verbose

tsan_dir="${TAVIK_TSAN_BUILD_DIR:-build-tsan}"
cmake -S . -B "$tsan_dir" "${common[@]}" -DTAVIK_SANITIZE=thread
cmake --build "$tsan_dir" --parallel "$jobs" --target tavik_concurrency_tests
ctest --test-dir "$tsan_dir" --output-on-failure -R '^ThreadedSession'
