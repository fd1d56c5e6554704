#!/usr/bin/env bash
# Builds Qt for Windows once from Debian's own qt6-base source package, with
# Debian's installed Qt of the same version as the host tools, and installs it
# into a cache outside the checkout. The cache is keyed by Qt's version and a
# hash of the configure options and the toolchain file, and a stamp written
# last marks it complete, so an interrupted build is never taken for a
# finished one. Prints the install prefix on its last line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${KORVANE_CACHE:-/var/cache/korvane}

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# The host tools must be the very version being built.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
qt_version=${host_version#*:}
qt_version=${qt_version%%[+-]*}

configure_options=(
  -release -shared
  -platform win32-g++
  -qt-host-path /usr
  -nomake examples -nomake tests
  -no-opengl -no-dbus -no-icu -no-feature-vulkan
  -no-feature-sql -no-feature-network -no-feature-xml -no-feature-concurrent
  -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -qt-doubleconversion
  # Debian's tarball drops the wintab headers.
  -no-feature-tabletevent
  # Without Direct2D at all, Qt6PrintSupport.dll misses a DirectWrite symbol
  # at link time; dropping only the Direct2D 1.1 plugin avoids that.
  -no-feature-direct2d1_1
)

key=$( { printf '%s\n' "$qt_version" "${configure_options[@]}"; cat "$root/cmake/mingw-w64.cmake"; } \
  | sha256sum | cut -c1-12)
prefix=$cache/qt-$qt_version-mingw64-$key
stamp=$prefix/.korvane-complete

if [ -f "$stamp" ]; then
  echo "Qt $qt_version for Windows: cached in $prefix"
  echo "$prefix"
  exit 0
fi

start=$SECONDS
"${sudo_cmd[@]}" mkdir -p "$cache"
"${sudo_cmd[@]}" chown "$(id -u):$(id -g)" "$cache"
work=$cache/work-$qt_version-$key
mkdir -p "$work"

# apt-get source needs a deb-src entry for the suite the host Qt came from.
src_list=/etc/apt/sources.list.d/korvane-deb-src.sources
if ! apt-get source --print-uris qt6-base="$host_version" >/dev/null 2>&1; then
  "${sudo_cmd[@]}" tee "$src_list" >/dev/null <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=900 update -qq
fi

source_dir=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n1)
if [ -z "$source_dir" ] || [ ! -f "$source_dir/.korvane-unpacked" ]; then
  rm -rf "$work"/qt6-base-*
  (cd "$work" && apt-get source -qq qt6-base="$host_version")
  source_dir=$(find "$work" -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n1)
  touch "$source_dir/.korvane-unpacked"
fi

# Qt's own toolchain file remembers the one it was built with: keep a copy
# beside the install, so the cache never points into a checkout.
mkdir -p "$prefix"
cp "$root/cmake/mingw-w64.cmake" "$prefix/mingw-w64.cmake"

build=$work/build
mkdir -p "$build"
if [ ! -f "$build/build.ninja" ]; then
  (cd "$build" && "$source_dir/configure" -prefix "$prefix" "${configure_options[@]}" -- \
    -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
fi
cmake --build "$build" --parallel "$(nproc)"
cmake --install "$build" >/dev/null

touch "$stamp"
rm -rf "$work"
echo "Qt $qt_version for Windows: built in $(( (SECONDS - start) / 60 )) min $(( (SECONDS - start) % 60 )) s into $prefix"
echo "$prefix"
