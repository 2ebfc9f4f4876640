#!/usr/bin/env bash
# run_fuzzer.sh FUZZER SEEDS WORK SECONDS
# Runs a fuzz target for a bounded time on a copy of its seed corpus (so that
# new inputs stay out of the source tree) and prints
# how many inputs it executed.
set -euo pipefail
fuzzer="$1" seeds="$2" work="$3" seconds="$4"

rm -rf "$work"
mkdir -p "$work"
cp "$seeds"/* "$work"/

"$fuzzer" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 -print_final_stats=1 "$work" 2>&1 | tail -n 25
