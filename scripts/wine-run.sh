#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PROGRAM.exe [ARGUMENTS...].
# The build gives it to CTest as the emulator, so every test of the Windows
# build runs through it. Wine drops the environment variables that start
# with QT_ before the program sees them, so they are set again inside cmd;
# cmd passes the program's exit status through.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

export WINEPREFIX=${WINEPREFIX:-$root/build-windows/wine}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: the first start would offer to download them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
wine=/usr/lib/wine/wine64

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$wine" wineboot --init >/dev/null 2>&1
  /usr/lib/wine/wineserver --wait
fi

# Qt Test writes to the debugger unless told otherwise; offscreen finds no
# fonts without a folder of them.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QT_FORCE_STDERR_LOGGING=1
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-/usr/share/fonts/truetype/liberation2}

# Wine shows the Unix root as drive Z:. Spelling the path out here, rather
# than asking winepath, saves a Wine start per path; under load such a start
# now and then failed silently and left the program's name empty.
windows_path() {
  local path
  path=$(realpath -m -- "$1")
  printf 'Z:%s' "${path//\//\\}"
}

# Each word goes to Wine on its own, so Wine quotes only the arguments that
# hold spaces, in the form cmd reads; values must hold none. The paths the
# tests are given go over as Windows paths, which still name the file once
# a test has moved to a folder on another drive.
words=()
while IFS='=' read -r name value; do
  case $value in
    /*) value=$(windows_path "$value") ;;
  esac
  words+=(set "$name=$value&&")
done < <(env | grep -E '^(QT_|KORVANE_SOURCE_DIR=|KORVWIN=|TQZCHECK=)')
words+=("$(windows_path "$1")")
shift
exec "$wine" cmd /c "${words[@]}" "$@"
