#!/usr/bin/env bash
# Sets up a fresh machine if needed, builds everything and runs the whole test
# suite: the plain build's tests (GUI tests find or start their own virtual
# display), then the sanitizer builds with the fuzz targets.
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/build.sh
build_dir="${TAVIK_BUILD_DIR:-build}"
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"

./tools/test-sanitizers.sh
