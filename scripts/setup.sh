#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests and the program need, and
# those named as arguments (the sanitizer and fuzzing scripts add clang).
# Idempotent: packages already present are not touched, and apt-get runs
# only when something is missing.
#
#   scripts/setup.sh [PACKAGE...]
set -euo pipefail

packages=(
    build-essential
    cmake
    ninja-build
    ccache
    pkg-config
    qt6-base-dev
    libqt6printsupport6
    qt6-qpa-plugins
    qt6-translations-l10n
    libgl-dev
    libjpeg-dev
    libxcb1-dev
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    fonts-liberation2
    fonts-dejavu-core
    xvfb
    xdotool
    x11-utils
    openbox
    imagemagick
    poppler-utils
    python3
    openssl
    desktop-file-utils
    appstream
    dpkg-dev
    file
    lintian
    qt6-charts-dev
    libqt6opengl6-dev
    qt6-svg-dev
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "setup.sh: missing packages: ${missing[*]}; run as root to install them" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
