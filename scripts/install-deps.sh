#!/usr/bin/env bash
# Installs the Debian packages Scribant needs to build, run and test, when missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build ccache pkg-config clang-format
  clang libclang-rt-14-dev
  qt6-base-dev libgl-dev libutf8proc-dev
  googletest libgtest-dev libgmock-dev
  xvfb xdotool x11-utils
  fonts-dejavu fonts-liberation2 fonts-wqy-microhei fonts-noto-color-emoji
  librsvg2-bin desktop-file-utils appstream dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
