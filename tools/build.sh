#!/usr/bin/env bash
# Installs the packages the project needs (if missing) and builds everything
# into BUILD_DIR (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/setup.sh

build_dir="${TAVIK_BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$build_dir" --parallel "$(nproc)"
