#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it: without arguments
# in the folder that holds the question bank (the game then reads quarl3.tqz
# from its current folder); with arguments, such as a bank to play
# (bash scripts/play.sh data/geography.tqz), from the folder you are in,
# passing them on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target korvwin
if [ $# -eq 0 ]; then
  cd "$root/data"
fi
exec "$root/build/korvwin" "$@"
