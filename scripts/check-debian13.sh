#!/usr/bin/env bash
# Builds the game, the question editor and their tests in a Debian 13
# (trixie) chroot, with the compiler, CMake and Qt that release ships, and
# runs the test suite there. Any compiler warning fails the check, as one
# from a newer Qt would otherwise pass unseen.
#
# Run by hand, as root (it makes a chroot and mounts into it), not by CI: the
# first run fetches a whole base system with debootstrap. The chroot is kept
# in build-debian13/ and reused, so later runs fetch nothing new.
#
#   sudo bash scripts/check-debian13.sh
#
# KORVANE_DEBIAN_MIRROR names another package mirror; KORVANE_DEBIAN13_ROOT
# another place for the chroot.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
chroot_dir=${KORVANE_DEBIAN13_ROOT:-$root/build-debian13/chroot}
mirror=${KORVANE_DEBIAN_MIRROR:-http://deb.debian.org/debian}

# What the build and the tests need; the sanitizer and fuzzing runs of
# scripts/test.sh stay on the Debian 12 toolchain they are written for.
packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
  qt6-qpa-plugins
  fonts-liberation2 fonts-dejavu-core
  xvfb xauth
)

fail() {
  echo "check-debian13: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || fail "run it as root (sudo bash $0): it makes a chroot"
command -v git >/dev/null || fail "git is needed to list the project's files"
if ! command -v debootstrap >/dev/null; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

# Left mounted by a run that was killed, the host's /dev would be in reach
# of the removals below.
if awk -v dir="$chroot_dir/" 'index($2 "/", dir) == 1 { found = 1 } END { exit !found }' /proc/mounts; then
  fail "something is still mounted under $chroot_dir: unmount it first (umount -R)"
fi

mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -R "${mounted[i]}" 2>/dev/null || umount -R -l "${mounted[i]}" 2>/dev/null || true
  done
}
trap cleanup EXIT
# Broken off, it still unmounts what it mounted.
trap 'exit 130' INT
trap 'exit 143' TERM

mount_into() {
  local target="$chroot_dir$1"
  shift
  mkdir -p "$target"
  mount "$@" "$target"
  mounted+=("$target")
}

in_chroot() {
  chroot "$chroot_dir" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}

# The base system, once. A marker says that debootstrap finished, so a run
# broken off half-way starts again from scratch.
if [ ! -e "$chroot_dir/.korvane-base-ready" ]; then
  if [ -n "$(ls -A "$chroot_dir" 2>/dev/null)" ] && [ ! -e "$chroot_dir/.korvane-base-started" ]; then
    fail "$chroot_dir holds files of its own: name a new or empty folder"
  fi
  echo "== debootstrap trixie into $chroot_dir"
  rm -rf "$chroot_dir"
  mkdir -p "$chroot_dir"
  touch "$chroot_dir/.korvane-base-started"
  script=()
  # A debootstrap older than trixie's release has no script named after it;
  # sid's makes the same system.
  [ -e /usr/share/debootstrap/scripts/trixie ] || script=(/usr/share/debootstrap/scripts/sid)
  debootstrap --variant=minbase trixie "$chroot_dir" "$mirror" "${script[@]}"
  touch "$chroot_dir/.korvane-base-ready"
fi

mount_into /proc -t proc proc
# The host's devices, with their own mounts (pts, shm) but as a slave, so
# nothing mounted or unmounted in the chroot reaches the host.
mount_into /dev --rbind /dev
mount --make-rslave "$chroot_dir/dev"
cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"

echo "== packages"
in_chroot apt-get update -qq
in_chroot apt-get install -y -qq --no-install-recommends "${packages[@]}" >/dev/null
# shellcheck disable=SC2016 # expanded inside the chroot
in_chroot sh -c 'echo "Debian $(cat /etc/debian_version)"; gcc --version | head -n 1; cmake --version | head -n 1;
  echo "Qt $(dpkg-query -W -f="\${Version}" qt6-base-dev)"'

# The project's own files as they stand in this checkout (changes not yet
# committed included), without any build folder.
echo "== sources"
rm -rf "$chroot_dir/src" "$chroot_dir/build"
mkdir -p "$chroot_dir/src"
cd "$root"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do if [ -e "$file" ]; then printf '%s\0' "$file"; fi; done |
  tar --null -T - -cf - | tar -xf - -C "$chroot_dir/src"

echo "== build"
jobs=$(nproc)
in_chroot cmake -S /src -B /build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
in_chroot cmake --build /build -j"$jobs" 2>&1 | tee "$chroot_dir/build.log"
warnings=$(grep -c 'warning:' "$chroot_dir/build.log" || true)

echo "== tests"
status=0
in_chroot sh -c "cd /build && ctest --output-on-failure -j$jobs" || status=$?

[ "$warnings" -eq 0 ] || {
  grep 'warning:' "$chroot_dir/build.log" >&2
  fail "the build warned $warnings times"
}
[ "$status" -eq 0 ] || fail "tests failed"
echo "check-debian13: the build is clean and every test passed on Debian 13"
