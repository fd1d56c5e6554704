#!/usr/bin/env bash
# Installs the Debian 12 packages that cross-build the game for Windows and
# run it under Wine: MinGW-w64, Ninja, Wine, NSIS, and the host Qt whose
# tools (moc, rcc, uic) the Windows build of Qt and of the game use.
# apt-get update runs only when something is missing.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  cmake ninja-build perl
  wine64 nsis
  qt6-base-dev qt6-base-dev-tools
  dpkg-dev xz-utils
  xvfb xauth openbox imagemagick xdotool
  fonts-liberation2 fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=900 update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}"
fi
