#!/usr/bin/env bash
# Installs what Korvath Diag needs to build, run and test on Debian 12 (run as root).
# Only missing packages are installed, so a prepared machine is left alone.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-serialport-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libqcustomplot-dev libgtest-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth
  clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
