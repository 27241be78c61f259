#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Safe to run again: apt only adds what is missing.
set -euo pipefail
packages=(
    build-essential cmake pkg-config ccache clang libclang-rt-14-dev
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libopencv-core-dev libopencv-imgproc-dev libopencv-imgcodecs-dev libopencv-calib3d-dev
    libopencv-objdetect-dev opencv-data
    libpng-dev
    libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    gstreamer1.0-pulseaudio gstreamer1.0-pipewire pulseaudio pulseaudio-utils
    pipewire pipewire-bin wireplumber gstreamer1.0-tools dbus pipewire-v4l2 libpipewire-0.3-dev
    libavcodec-dev libavformat-dev libavutil-dev
    nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-apps ffmpeg fonts-liberation fonts-dejavu-core
    desktop-file-utils appstream file dpkg-dev bindfs fuse3
    python3 at-spi2-core python3-pyatspi
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
