#!/usr/bin/env bash
# Installs the Debian 12 packages that cross-build the game for Windows and
# run it under Wine: MinGW-w64, Ninja, Wine, NSIS, and the host Qt whose
# tools (moc, rcc, uic, lupdate, lrelease) the Windows build of Qt and of the
# game use, with Qt's own catalogues that the Windows build compiles in; and,
# run by root, the ordinary user the installer is tried as.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  cmake ninja-build perl
  wine64 nsis
  qt6-base-dev qt6-base-dev-tools
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  dpkg-dev xz-utils
  xvfb xauth openbox imagemagick xdotool
  fonts-liberation2 fonts-dejavu-core
)

bash "$(dirname "$0")/apt-install.sh" "${packages[@]}"

# scripts/windows-install-test.sh runs as this user: a home, no rights.
if [ "$(id -u)" -eq 0 ] && ! id pupil >/dev/null 2>&1; then
  useradd --create-home --user-group --shell /usr/sbin/nologin pupil
fi
