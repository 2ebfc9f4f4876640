#!/usr/bin/env bash
# screenshot.sh standalone|lv2 BUILD_DIR OUTPUT.png
# Opens the editor on a virtual display with JACK's dummy backend and saves a
# picture of its window: in the Standalone app, with the demo playing through
# it so that the display moves, or in the LV2 host jalv.gtk3. Nothing of the
# user's own settings is touched.
set -euo pipefail

mode="$1"
build_dir="$(cd "$2" && pwd)"
output="$(realpath -m "$3")"
artefacts="$build_dir/host/Tavik_artefacts/Release"
render="$build_dir/tools/render/tavik-render"

work="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$XDG_CONFIG_HOME"

# The app's own settings: JACK in and out, input not muted.
cat > "$XDG_CONFIG_HOME/Tavik.settings" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<PROPERTIES>
  <VALUE name="audioSetup">
    <DEVICESETUP deviceType="JACK" audioOutputDeviceName="system" audioInputDeviceName="system"
                 audioDeviceRate="48000.0" audioDeviceBufSize="256"/>
  </VALUE>
  <VALUE name="shouldMuteInput" val="0"/>
</PROPERTIES>
XML

export JACK_DEFAULT_SERVER="tavik-shot-$$"
jackd --no-realtime -n "$JACK_DEFAULT_SERVER" -d dummy -r 48000 -p 256 >/dev/null 2>&1 &
pids+=($!)

display_file="$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
pids+=($!)
for _ in $(seq 1 100); do [ -s "$display_file" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$display_file")"

case "$mode" in
    standalone)
        "$render" --demo "$work/demo.wav" >/dev/null
        "$artefacts/Standalone/Tavik" >/dev/null 2>&1 &
        title='^Tavik$' ;;
    lv2)
        LV2_PATH="$artefacts/LV2" jalv.gtk3 https://orvalmere.com/plugins/tavik >/dev/null 2>&1 &
        title='Tavik' ;;
    *)
        echo "screenshot: the mode is standalone or lv2" >&2; exit 2 ;;
esac
pids+=($!)

window=""
for _ in $(seq 1 100); do
    window="$(xdotool search --name "$title" 2>/dev/null | head -n 1 || true)"
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; exit 1; }

if [ "$mode" = standalone ]; then
    # Play the demo into the app's inputs and take the picture while it sounds.
    sleep 1
    JACK_PLAY_CONNECT_TO="JUCEJack:in_%d" jack-play "$work/demo.wav" >/dev/null 2>&1 &
    pids+=($!)
fi
sleep 2.5

import -window "$window" "$output"
echo "saved $output"
