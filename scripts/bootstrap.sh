#!/usr/bin/env bash
# Installs what building, testing and the demo need on Debian 12. Safe to run again: when every
# package is already there it returns at once.
#   --fuzz   also what the fuzz targets need (clang and its libFuzzer runtime; scripts/fuzz.sh)
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-serialport-dev qt6-multimedia-dev
    # The offscreen and X11 window-system plugins (only recommended by the Qt packages).
    qt6-qpa-plugins
    # QMediaPlayer's constructor crashes without the base plugins; -good brings the mp3 decoder.
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    # The demo on a machine without a display, and the screenshots.
    xvfb xauth
    # Japanese text renders as boxes without a Japanese font.
    fonts-ipafont-gothic
    # Pseudo-terminal pairs for the serial tests; the ping of the controller's address.
    socat iputils-ping
)
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
