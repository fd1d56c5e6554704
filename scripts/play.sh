#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it in the folder that
# holds the question bank (the game reads quarl3.tqz from its current folder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target korvwin
cd "$root/data"
exec "$root/build/korvwin"
