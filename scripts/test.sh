#!/usr/bin/env bash
# Installs what is missing, builds the game with its tests and runs them all.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-tests" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build "$root/build-tests" -j"$(nproc)"
cd "$root/build-tests"
ctest --output-on-failure -j"$(nproc)"
