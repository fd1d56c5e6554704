#!/usr/bin/env bash
# Installs the Debian 12 packages the game needs to build, run and test.
# apt-get update runs only when something is missing, so a prepared machine
# is not slowed down and a fresh one needs nothing else.
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
  qt6-qpa-plugins
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth imagemagick xdotool
  clang-14 libclang-rt-14-dev
  libbenchmark-dev valgrind
  poppler-utils
  libacl1-dev acl
  dpkg-dev fakeroot file lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
