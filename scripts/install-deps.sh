#!/usr/bin/env bash
# Installs the Debian 12 packages Solvanta needs to build, run and test.
# The one list of packages: the start command, the test command and CI all call this.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ clang-format
  # the Sun's positions: the IAU's fundamental-astronomy routines
  liberfa-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
  # the start-up benchmark sees a window's first drawing through the X server
  libxcb-damage0-dev
  # translations: lupdate and lrelease with their CMake functions, and Qt's own
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # fonts: the windows ask for Verdana and fall back to DejaVu Sans
  fonts-dejavu-core
  # headless and end-to-end testing
  xvfb xauth xdotool xclip x11-utils dbus dbus-x11 at-spi2-core python3 python3-pyatspi python3-gi
  openbox
  imagemagick
  # the looks the windows are checked under: Adwaita styles, the GTK platform
  # theme, and Wayland (headless weston)
  adwaita-qt6 qt6-gtk-platformtheme qt6-wayland weston
  # desktop integration checks and packaging: the manual page, Debian's checker
  desktop-file-utils appstream dpkg-dev file help2man lintian man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
