#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and the demo need.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev libgl1-mesa-dev
    libcurl4-openssl-dev libssl-dev openssl
    libgtest-dev libgmock-dev googletest
    python3 python3-pyftpdlib curl lftp
    xvfb xauth xdotool imagemagick
    qt6-translations-l10n poppler-utils
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine wine64
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
else
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
