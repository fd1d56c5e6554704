#!/usr/bin/env bash
# Installs what is missing, builds the game with its tests and runs them all:
# the test suite, the suite again under the address and undefined-behaviour
# sanitizers, bounded fuzzing runs of the bank loader and of the editor's bank
# document, the package checks, and the Windows leg: the game, tqzcheck and
# their tests cross-built for Windows and run under Wine. Prints each leg's
# time and how many tests ran on each platform.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
total=$SECONDS

# leg NAME COMMAND...: runs one leg and prints its time.
leg() {
  local name=$1 start=$SECONDS
  shift
  "$@"
  echo "== $name: $(( (SECONDS - start) / 60 )) min $(( (SECONDS - start) % 60 )) s"
}

linux_suite() {
  bash "$root/scripts/install-deps.sh"
  cmake -S "$root" -B "$root/build-tests" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
  cmake --build "$root/build-tests" -j"$(nproc)"
  (cd "$root/build-tests" && ctest --output-on-failure -j"$(nproc)")
  bash "$root/scripts/test-totals.sh" "$root/build-tests/Testing/Temporary/LastTest.log" "Linux (offscreen)"
}

leg "Linux test suite" linux_suite
leg "Sanitizers" bash "$root/scripts/sanitize.sh"
leg "Fuzzing" bash "$root/scripts/fuzz.sh"
leg "Package checks" bash "$root/scripts/package-check.sh"
leg "Windows" bash "$root/scripts/test-windows.sh"
echo "== All tests: $(( (SECONDS - total) / 60 )) min $(( (SECONDS - total) % 60 )) s"
