#!/usr/bin/env bash
# Installs the Debian packages Tavexo needs to build, test and run, and only
# those that are missing. Safe to run again and again.
set -euo pipefail

# qt6-charts-dev's CMake files need Qt6OpenGL, which it does not pull in.
PACKAGES=(
    build-essential cmake make pkg-config clang-format
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n
    qt6-documentation-tools libqt6sql6-sqlite
    libgl-dev libxlsxwriter-dev libglib2.0-dev
    xvfb xauth imagemagick poppler-utils sox espeak-ng
    python3 python3-openpyxl
    fonts-dejavu-core fonts-dejavu-extra
    libopenmpi-dev openmpi-bin
    clang-14 libclang-rt-14-dev
    file dpkg-dev lintian desktop-file-utils appstream man-db
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
