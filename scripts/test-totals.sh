#!/usr/bin/env bash
# Sums the Qt Test totals in a CTest log and lists what was skipped, with
# the reasons: test-totals.sh LOG PLATFORM.
set -euo pipefail
log=$1 platform=$2
grep -h '^SKIP ' "$log" | sed 's/^/  /' || true
grep -h '^Totals:' "$log" | awk -v platform="$platform" '
  { programs++; passed += $2; failed += $4; skipped += $6 }
  END { printf "%s: %d test programs, %d test cases ran (%d passed, %d failed), %d skipped\n",
        platform, programs, passed + failed, passed, failed, skipped }'
