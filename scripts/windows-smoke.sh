#!/usr/bin/env bash
# Starts the game on Qt's real "windows" platform under Wine, on a private X
# display with a window manager, in the folder of the shipped banks, and
# fails unless its setup window comes up. Saves pictures of the screen with
# Wine's display at 100, 125 and 150% (96, 120 and 144 dpi), and of the
# board and question windows, in build-windows/screenshots.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build-windows
shots=$out/screenshots
export WINEPREFIX=${WINEPREFIX:-$out/wine}
wine=/usr/lib/wine/wine64

if [ "${1:-}" != --on-display ]; then
  mkdir -p "$shots"
  exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --on-display
fi

openbox >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true; /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT

# The display's scaling as Windows keeps it: pixels per inch.
set_dpi() {
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  /usr/lib/wine/wineserver -w
}

# Starts the game and waits for its setup window. Under load Wine now and
# then ends a program before it starts (nothing printed, no window); such a
# start is tried once more, while a game that starts and shows nothing fails.
show_setup() {
  local try
  for try in 1 2; do
    (cd "$root/data" && QT_QPA_PLATFORM=windows bash "$root/scripts/wine-run.sh" "$out/bin/korvwin.exe") &
    game=$!
    while kill -0 "$game" 2>/dev/null; do
      if xdotool search --onlyvisible --name '^Korvane for Windows version 1\.4$' >/dev/null 2>&1; then
        return 0
      fi
      sleep 1
      (( SECONDS < deadline )) || return 1
    done
    wait "$game" && status=0 || status=$?
    echo "korvwin.exe ended with status $status before showing a window (start $try)" >&2
  done
  return 1
}

for scale in 100:96 125:120 150:144; do
  percent=${scale%%:*} dpi=${scale##*:}
  set_dpi "$dpi"
  deadline=$((SECONDS + 120))
  if ! show_setup; then
    import -window root "$shots/windows-setup-$percent-failed.png" || true
    echo "korvwin.exe showed no setup window at ${percent}% (screen: $shots/windows-setup-$percent-failed.png)" >&2
    exit 1
  fi
  sleep 3 # the first paint follows the mapping
  import -window root "$shots/windows-setup-$percent.png"
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  echo "korvwin.exe showed its setup window at ${percent}% (${dpi} dpi): $shots/windows-setup-$percent.png"
done
set_dpi 96

# The board and the question window, as the game draws them on Windows.
QT_QPA_PLATFORM=windows bash "$root/scripts/wine-run.sh" "$out/bin/korvane_screenshots.exe" \
  "$("$wine" winepath -w "$root/data" 2>/dev/null)" "$("$wine" winepath -w "$shots" 2>/dev/null)" >/dev/null 2>&1
for name in board-roll question setup-4-ready; do
  [ -f "$shots/$name.png" ] || { echo "no picture of $name under Wine" >&2; exit 1; }
done
echo "Pictures of every window on the windows platform: $shots"
