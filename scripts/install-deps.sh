#!/usr/bin/env bash
# Installs every Debian 12 package needed to build, run and test Pennoria.
set -euo pipefail
PKGS=(
  build-essential g++ cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-translations-l10n
  libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev
  libpng-dev libjpeg-dev zlib1g-dev libasound2-dev libfontconfig-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth xdg-utils shared-mime-info ccache
  imagemagick xdotool unrtf time clang-format clang-tidy
  librsvg2-bin libwmf-bin poppler-utils
  desktop-file-utils appstream shared-mime-info libfile-mimeinfo-perl
  dpkg-dev file lintian libglib2.0-bin
  at-spi2-core dbus-daemon dbus-x11 python3-pyatspi gir1.2-atspi-2.0
)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
