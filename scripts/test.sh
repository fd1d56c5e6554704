#!/usr/bin/env bash
# Installs what is missing, builds the game with its tests and runs them all:
# the test suite, the suite again under the address and undefined-behaviour
# sanitizers, bounded fuzzing runs of the bank loader and of the editor's bank
# document, and the package checks.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-tests" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build "$root/build-tests" -j"$(nproc)"
(cd "$root/build-tests" && ctest --output-on-failure -j"$(nproc)")
bash "$root/scripts/sanitize.sh"
bash "$root/scripts/fuzz.sh"
bash "$root/scripts/package-check.sh"
