#!/usr/bin/env bash
# The Windows leg of the test command: cross-builds the game, the question
# editor, tqzcheck and their tests (building Qt for Windows first when its
# cache is empty), checks that the DLLs beside the programs are complete,
# runs every test under Wine on the offscreen platform, starts the game on
# the real windows platform on a private X display, ends a session under
# the editor there, and tries the installer and the zip as a user would.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build-windows
leg=$SECONDS
minutes() { echo "$(( ($1) / 60 )) min $(( ($1) % 60 )) s"; }

bash "$root/scripts/build-windows.sh"

export WINEPREFIX=$out/wine
start=$SECONDS
bash "$root/scripts/wine-run.sh" "$out/bin/tqzcheck.exe" --version
bash "$root/scripts/windows-dll-check.sh" "$out/bin" "$WINEPREFIX"
bash "$root/scripts/windows-dll-check.sh" "$out/stage/Korvane" "$WINEPREFIX"
(cd "$out" && ctest --output-on-failure -j"$(nproc)")
/usr/lib/wine/wineserver -k 2>/dev/null || true
bash "$root/scripts/test-totals.sh" "$out/Testing/Temporary/LastTest.log" "Windows (Wine, offscreen)"
echo "Tests under Wine: $(minutes $((SECONDS - start)))"

start=$SECONDS
bash "$root/scripts/windows-smoke.sh"
echo "Game on the windows platform: $(minutes $((SECONDS - start)))"

start=$SECONDS
bash "$root/scripts/windows-editor-smoke.sh"
echo "Editor on the windows platform: $(minutes $((SECONDS - start)))"

start=$SECONDS
bash "$root/scripts/windows-install-test.sh"
echo "Installer and zip under Wine: $(minutes $((SECONDS - start)))"
echo "Windows leg: $(minutes $((SECONDS - leg)))"
