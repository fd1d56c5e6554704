#!/usr/bin/env bash
# Builds the question bank loader's libFuzzer target into build-fuzz/ and
# fuzzes it for a bounded time: KORVANE_FUZZ_SECONDS, 60 unless set. The
# target links no Qt (Debian's Qt is not instrumented); fuzz/shim stands in
# for the one Qt header the loader's tables include. The seed corpus is
# copied, so the run never changes the checkout. Any crash or broken rule
# prints the input that caused it and fails the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build-fuzz"
seconds=${KORVANE_FUZZ_SECONDS:-60}
cxx=${KORVANE_FUZZ_CXX:-clang++-14}

mkdir -p "$out"
echo "Building the bank loader fuzzer with $cxx"
# Only the loader carries libFuzzer's coverage and comparison tracing; the
# checks and the model beside it would just slow every run down.
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer
  -fsanitize=address,undefined -fno-sanitize-recover=undefined
  -I"$root/fuzz/shim" -I"$root")
"$cxx" "${flags[@]}" -fsanitize=fuzzer -c "$root/forms/BankFile.cpp" -o "$out/BankFile.o"
"$cxx" "${flags[@]}" -c "$root/fuzz/BankLoaderFuzzer.cpp" -o "$out/BankLoaderFuzzer.o"
"$cxx" -fsanitize=fuzzer,address,undefined "$out/BankFile.o" "$out/BankLoaderFuzzer.o" \
  -o "$out/BankLoaderFuzzer"

rm -rf "$out/corpus" "$out/findings"
mkdir -p "$out/corpus" "$out/findings"
cp "$root"/fuzz/corpus/* "$out/corpus/"

echo "Fuzzing the bank loader for $seconds s"
set +e
"$out/BankLoaderFuzzer" "$out/corpus" \
  -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$out/findings/" \
  >"$out/fuzz.log" 2>&1
status=$?
set -e

final_stat() { sed -n "s/^stat::$1: *//p" "$out/fuzz.log" | tail -n 1; }
executions=$(final_stat number_of_executed_units)
per_second=$(final_stat average_exec_per_sec)
echo "Executions: ${executions:-unknown} in total, ${per_second:-unknown} per second"
echo "Corpus: $(find "$out/corpus" -type f | wc -l) inputs (log: $out/fuzz.log)"

findings=$(find "$out/findings" -type f | sort)
if [ "$status" -ne 0 ] || [ -n "$findings" ]; then
  echo "The bank loader fuzzer failed (exit $status). The end of its log:" >&2
  tail -n 40 "$out/fuzz.log" >&2
  while IFS= read -r input; do
    [ -n "$input" ] || continue
    echo "Input $input ($(wc -c <"$input") bytes):" >&2
    od -A d -c "$input" | head -n 64 >&2
  done <<<"$findings"
  exit 1
fi
