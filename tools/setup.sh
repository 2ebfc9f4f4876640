#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the tools need.
# Safe to run more than once: apt skips what is already installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  juce-modules-source lv2-dev
  libasound2-dev libjack-jackd2-dev libcurl4-gnutls-dev libfreetype-dev libfontconfig1-dev
  libgl-dev libgtk-3-dev libwebkit2gtk-4.0-dev libx11-dev libxext-dev libxinerama-dev
  libxrandr-dev libxcursor-dev libxcomposite-dev
  libflac-dev libvorbis-dev libogg-dev libpng-dev libjpeg-dev zlib1g-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang llvm libclang-rt-14-dev valgrind
  g++-aarch64-linux-gnu qemu-user-static
  xvfb xauth x11-apps xdotool imagemagick sox jack-tools
  jalv lilv-utils jackd2
  fonts-roboto-unhinted fonts-dejavu-core
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
echo "setup: all packages present"
