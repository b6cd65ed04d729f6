#!/usr/bin/env bash
# Installs what Korvath Diag needs to build, run and test on Debian 12 (run as root).
# Only missing packages are installed, so a prepared machine is left alone.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-serialport-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  qt6-translations-l10n
  libqcustomplot-dev libgtest-dev libfontconfig-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth
  poppler-utils
  # The window tests ask for a window to be closed as the window manager does (Qt's window
  # system interface).
  qt6-base-private-dev
  # The Debian package and its check (scripts/package-check.sh): dpkg-shlibdeps, lintian, the
  # desktop entry and AppStream validators, an English locale, and the accessibility bus the
  # check reads the program's captions from.
  dpkg-dev lintian desktop-file-utils appstream locales
  dbus-daemon at-spi2-core python3-pyatspi gir1.2-atspi-2.0
  clang libclang-rt-14-dev
  # The layout check of the sources (scripts/format-check.sh).
  clang-format
  # The consistency checks of the fault-code description files, run by the tests.
  python3
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

# The package check starts the program under en_US.UTF-8.
if ! locale -a 2>/dev/null | grep -qix 'en_US\.utf-\?8'; then
  if grep -q '^# *en_US.UTF-8 UTF-8' /etc/locale.gen; then
    sed -i 's/^# *\(en_US.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  else
    echo 'en_US.UTF-8 UTF-8' >>/etc/locale.gen
  fi
  locale-gen >/dev/null
fi
