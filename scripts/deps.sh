#!/usr/bin/env bash
# Installs the Debian 12 packages Vantor needs to build, run and test, but only those missing,
# and the packages named as arguments (the package check's checkers).
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libgl-dev libfontconfig-dev libxcb1-dev libxcb-shape0-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev locales
    xvfb xauth xdotool imagemagick x11-utils libx11-dev dpkg-dev openbox
    fonts-liberation
    dbus dbus-x11 at-spi2-core python3-pyatspi
    "$@"
)
missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "deps: installing ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
