#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Qel 3D needs.
# Idempotent: packages already present are left alone, and apt is not touched at all
# when nothing is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-svg-dev libqt6svg6
  qt6-qpa-plugins libgl1-mesa-dri libgl-dev libegl-dev
  libassimp-dev libgif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick poppler-utils openbox xdotool gifsicle
  at-spi2-core dbus dbus-x11 python3-pyatspi
  fonts-dejavu-core fonts-liberation2 qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  desktop-file-utils appstream dpkg-dev lintian
  clang libclang-rt-14-dev zlib1g-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: missing packages: ${missing[*]}; run this script as root to install them" >&2
    exit 1
  fi
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
