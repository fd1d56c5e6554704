#!/usr/bin/env bash
# Installs the Debian 12 packages the game needs to build, run and test.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  qt6-qpa-plugins
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth imagemagick xdotool
  clang-14 libclang-rt-14-dev
  libbenchmark-dev valgrind libxdamage-dev
  poppler-utils
  libacl1-dev acl
  dpkg-dev fakeroot file lintian desktop-file-utils appstream
)

bash "$(dirname "$0")/apt-install.sh" "${packages[@]}"
