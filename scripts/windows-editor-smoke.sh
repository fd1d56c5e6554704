#!/usr/bin/env bash
# Starts the question editor on Qt's real "windows" platform under Wine, on
# a private X display with a window manager, types into a bank, and ends the
# Wine session as a log-off does (wineboot --end-session sends
# WM_QUERYENDSESSION): the editor must write its recovery file at once, well
# before its interval, and end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build-windows
export WINEPREFIX=${WINEPREFIX:-$out/wine}
wine=/usr/lib/wine/wine64

if [ "${1:-}" != --on-display ]; then
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" --on-display
fi

openbox >/dev/null 2>&1 &
wm=$!
work=$(mktemp -d)
trap 'kill "$wm" 2>/dev/null || true; /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

/usr/lib/wine/wineserver -k 2>/dev/null || true
recovery=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Local 2>/dev/null | head -n1)/Korvane/korvedit/recovery
rm -rf "$recovery"
cp "$root/data/geography.tqz" "$work/class.tqz"
# Far longer than the test: only the end of the session can write it.
KORVEDIT_RECOVERY_INTERVAL_MS=600000 QT_QPA_PLATFORM=windows \
  bash "$root/scripts/wine-run.sh" "$out/bin/korvedit.exe" "$("$wine" winepath -w "$work/class.tqz" 2>/dev/null)" \
  >/dev/null 2>&1 &
editor=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name '^class\.tqz — Korvane Question Editor$' | head -n1) || {
  echo "korvedit.exe showed no window on the windows platform" >&2
  exit 1
}
sleep 2 # the first paint follows the mapping
xdotool windowactivate --sync "$window"
xdotool key ctrl+Home F2 End
xdotool type --delay 30 ' (kept at log-off)'
xdotool key Return
sleep 2
if ls "$recovery"/*.json >/dev/null 2>&1; then
  echo "a recovery file came before the end of the session" >&2
  exit 1
fi
"$wine" wineboot --end-session >/dev/null 2>&1
timeout 30 tail --pid="$editor" -f /dev/null || { echo "korvedit.exe did not end with the session" >&2; exit 1; }
if ! grep -q '(kept at log-off)' "$recovery"/*.json 2>/dev/null; then
  echo "the end of the session left no recovery file holding the edit in $recovery" >&2
  exit 1
fi
echo "korvedit.exe kept its edit at the end of the session: $(ls "$recovery"/*.json)"
