#!/usr/bin/env bash
# Installs what building, running and testing the game needs, from Debian's packages.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-webengine-dev libgl-dev
    libcurl4-openssl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format
    clang libclang-rt-dev
    fonts-dejavu-core xfonts-base zlib1g-dev libx11-dev
    python3 python3-pyftpdlib
    xvfb
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
