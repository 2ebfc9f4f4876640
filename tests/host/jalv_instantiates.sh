#!/usr/bin/env bash
# Instantiates the built LV2 bundle in jalv (an LV2 host) on JACK's dummy
# backend and checks that the host finds the plug-in and its five parameters.
set -euo pipefail

bundle_dir="$1"
uri="$2"

server="tavik-test-$$"
export JACK_DEFAULT_SERVER="$server"
jackd --no-realtime -n "$server" -d dummy -r 48000 -p 256 >/dev/null 2>&1 &
jack_pid=$!
trap 'kill "$jack_pid" 2>/dev/null || true; wait "$jack_pid" 2>/dev/null || true' EXIT

for _ in $(seq 1 50); do
    jack_lsp -s "$server" >/dev/null 2>&1 && break
    sleep 0.1
done

output=$(printf 'controls\n' | LV2_PATH="$bundle_dir" timeout 20 jalv -n tavik-test "$uri" 2>&1)
echo "$output"

grep -q "Plugin: *$uri" <<<"$output"
for name in Level Bite Range Output_20Gain Bypass; do
    grep -q "_$name = " <<<"$output" || { echo "missing parameter $name"; exit 1; }
done
