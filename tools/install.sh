#!/usr/bin/env bash
# Sets up a fresh machine, builds everything, installs the plug-ins into the
# user's plug-in folders and renders the demo to tavik-demo.wav.
set -euo pipefail
cd "$(dirname "$0")/.."

./tools/build.sh
build_dir="${TAVIK_BUILD_DIR:-build}"

artefacts="$build_dir/host/Tavik_artefacts/Release"
mkdir -p "$HOME/.vst3" "$HOME/.lv2" "$HOME/.local/bin"
rm -rf "$HOME/.vst3/Tavik.vst3" "$HOME/.lv2/Tavik.lv2"
cp -R "$artefacts/VST3/Tavik.vst3" "$HOME/.vst3/"
cp -R "$artefacts/LV2/Tavik.lv2" "$HOME/.lv2/"
install -m 755 "$artefacts/Standalone/Tavik" "$HOME/.local/bin/Tavik"
install -m 755 "$build_dir/tools/render/tavik-render" "$HOME/.local/bin/tavik-render"

echo "Installed Tavik.vst3 to ~/.vst3, Tavik.lv2 to ~/.lv2, Tavik and tavik-render to ~/.local/bin"

"$build_dir/tools/render/tavik-render" --demo tavik-demo.wav
echo "Rendered the demo to $(pwd)/tavik-demo.wav"
