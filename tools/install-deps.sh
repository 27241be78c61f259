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
# npm fetches the person segmentation models below; a Node.js installed from elsewhere brings
# its own npm, which Debian's package would conflict with.
command -v npm >/dev/null 2>&1 || packages+=(npm)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The person segmentation models behind the background choices: the two TFLite files of the npm
# package @mediapipe/selfie_segmentation 0.1.1675465747 (Apache-2.0), fetched with `npm pack`
# into the build's model cache (QUENVALOR_MODEL_CACHE, by default build/model-cache beside this
# script's repository), checked against the SHA-256 values kept in data/, with the licence text.
# The build installs them from there; without them the program runs with the choices disabled.
repository=$(cd "$(dirname "$0")/.." && pwd)
cache=${QUENVALOR_MODEL_CACHE:-$repository/build/model-cache}
sums="$repository/data/segmentation-models.sha256"
if ! (cd "$cache" 2>/dev/null && sha256sum --quiet -c "$sums" >/dev/null 2>&1); then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    if (cd "$work" && npm pack --silent @mediapipe/selfie_segmentation@0.1.1675465747 >/dev/null &&
        tar xzf mediapipe-selfie_segmentation-0.1.1675465747.tgz); then
        if (cd "$work/package" && sha256sum --quiet -c "$sums"); then
            mkdir -p "$cache"
            install -m 644 "$work"/package/selfie_segmentation.tflite "$work"/package/selfie_segmentation_landscape.tflite "$cache"/
            licence=$(sed -n 's/.*"license": *"\([^"]*\)".*/\1/p' "$work/package/package.json")
            {
                echo "selfie_segmentation.tflite and selfie_segmentation_landscape.tflite come from the npm"
                echo "package @mediapipe/selfie_segmentation 0.1.1675465747, licensed under $licence:"
                echo
                cat /usr/share/common-licenses/Apache-2.0
            } > "$cache/LICENSE.segmentation-models"
            echo "segmentation models: $cache"
        else
            echo "segmentation models: the downloaded files do not match $sums; not used" >&2
        fi
    else
        echo "segmentation models: npm could not fetch @mediapipe/selfie_segmentation; the background choices stay disabled" >&2
    fi
fi
