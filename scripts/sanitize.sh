#!/usr/bin/env bash
# Builds the game and its whole test suite with AddressSanitizer (LeakSanitizer
# included) and UndefinedBehaviorSanitizer into build-sanitize/, and runs the
# suite there. Any finding stops the test that made it, which fails the run.
# The random-play stress test plays 20000 events here rather than its usual
# 100000 (more if KORVANE_STRESS_EVENTS asks): the sanitizers slow every event
# down several times.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-sanitize"

cmake -S "$root" -B "$build" -DKORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

# Debian's Qt, fontconfig and D-Bus are not instrumented, yet the suite runs
# clean under LeakSanitizer with them, so no leak is suppressed: a report is
# a leak to fix, wherever it is.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:print_stacktrace=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:report_error_type=1"
events=${KORVANE_STRESS_EVENTS:-0}
export KORVANE_STRESS_EVENTS=$((events > 20000 ? events : 20000))

cd "$build"
ctest --output-on-failure -j"$(nproc)"
