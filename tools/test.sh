#!/usr/bin/env bash
# Sets up a fresh machine if needed, builds everything and runs the whole test
# suite. GUI tests find or start their own virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/setup.sh

build_dir="${TAVIK_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build_dir" --parallel "$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
