#!/usr/bin/env bash
# Installs everything Vistrel needs on Debian 12 and builds it into build/.
# Safe to run again: installed packages are kept, the build is incremental.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    # toolchain
    build-essential cmake ninja-build pkg-config git
    # the layer and translation checks, CSV read-back in the tests
    python3
    # Qt 5.15 and its translation tools
    qtbase5-dev qttools5-dev qttools5-dev-tools
    # Qt's own texts (standard buttons, file dialogs, print preview) translated
    qttranslations5-l10n
    # recording and thumbnails
    libavformat-dev libavcodec-dev libavutil-dev
    # colour conversion and MJPEG decoding
    libyuv-dev libturbojpeg0-dev
    # V4L2 headers
    linux-libc-dev
    # camera hot-plug events
    libudev-dev
    # Chinese texts must render as glyphs, not boxes
    fonts-wqy-microhei
    # icons are drawn as SVG and rendered at build time
    librsvg2-bin
    # reference encoder for the benchmarks
    ffmpeg
    # the code's style, checked by a test
    clang-format
    # fuzzing and sanitizers
    clang libclang-rt-14-dev
    # a real X server for GUI tests and screenshots
    xvfb xauth x11-apps imagemagick
    # packaging checks: .deb dependencies, desktop entry and metainfo
    dpkg-dev desktop-file-utils appstream file
    # TIFF photos through Qt's image plugins
    qt5-image-formats-plugins
    # outside readers of calibrated photos in the tests: ImageJ, exiftool
    imagej libimage-exiftool-perl
    # picture analysis (scale finding, edges, fusion, mosaics): OpenCV's
    # core and imgproc modules only
    libopencv-core-dev libopencv-imgproc-dev
    # outside readers in the tests: object analysis, OME-TIFF, PDF reports
    python3-skimage python3-tifffile poppler-utils
    # references the benchmarks run beside ours: Enfuse, OpenCV's stitcher
    enfuse libopencv-stitching-dev
)

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update
    $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

BUILD_DIR=${BUILD_DIR:-build}
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$BUILD_DIR" -j"$(nproc)"
