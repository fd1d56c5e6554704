#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz/ and fuzzes each for a bounded
# time: the question bank loader for KORVANE_FUZZ_SECONDS (60 unless set),
# the question editor's bank document for KORVANE_DOCUMENT_FUZZ_SECONDS (30
# unless set). The loader's target links no Qt (Debian's Qt is not
# instrumented); fuzz/shim stands in for the one Qt header the loader's tables
# include. The document needs Qt Core for its code page, so it links it, and
# only the editor's own code carries the coverage tracing. The seed corpus is
# copied, so a run never changes the checkout. Any crash or broken rule
# prints the input that caused it and fails the script.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build-fuzz"
cxx=${KORVANE_FUZZ_CXX:-clang++-14}

mkdir -p "$out"
flags=(-std=c++20 -O1 -g -fno-omit-frame-pointer
  -fsanitize=address,undefined -fno-sanitize-recover=undefined -I"$root")

echo "Building the bank loader fuzzer with $cxx"
# Only the loader carries libFuzzer's coverage and comparison tracing; the
# model beside it would just slow every run down.
loader="$out/loader"
mkdir -p "$loader"
"$cxx" "${flags[@]}" -I"$root/fuzz/shim" -fsanitize=fuzzer -c "$root/forms/BankFile.cpp" -o "$loader/BankFile.o"
for source in forms/BankFileOpenPosix.cpp fuzz/BankLoaderFuzzer.cpp; do
  "$cxx" "${flags[@]}" -I"$root/fuzz/shim" -c "$root/$source" -o "$loader/$(basename "$source" .cpp).o"
done
"$cxx" -fsanitize=fuzzer,address,undefined "$loader"/*.o -o "$out/BankLoaderFuzzer"

echo "Building the bank document fuzzer with $cxx"
document="$out/document"
mkdir -p "$document"
read -r -a qt_flags <<<"$(pkg-config --cflags Qt6Core)"
read -r -a qt_libs <<<"$(pkg-config --libs Qt6Core)"
# Qt is built for position-independent code, and asks the same of its users.
qt_flags+=(-fPIC)
for source in editor/BankDocument.cpp editor/FieldText.cpp editor/RecoveryFile.cpp; do
  "$cxx" "${flags[@]}" "${qt_flags[@]}" -fsanitize=fuzzer -c "$root/$source" \
    -o "$document/$(basename "$source" .cpp).o"
done
for source in forms/BankFile.cpp forms/BankFileOpenPosix.cpp forms/BankChecks.cpp forms/ContentChecks.cpp forms/QuestionRules.cpp app/Windows1252.cpp \
  fuzz/BankDocumentFuzzer.cpp; do
  "$cxx" "${flags[@]}" "${qt_flags[@]}" -c "$root/$source" -o "$document/$(basename "$source" .cpp).o"
done
"$cxx" -fsanitize=fuzzer,address,undefined "$document"/*.o "${qt_libs[@]}" -o "$out/BankDocumentFuzzer"

# Runs one fuzzer on a copy of the seed corpus: fuzz NAME SECONDS WHAT.
fuzz() {
  local name=$1 seconds=$2 what=$3
  local corpus="$out/$name.corpus" findings="$out/$name.findings" log="$out/$name.log"
  rm -rf "$corpus" "$findings"
  mkdir -p "$corpus" "$findings"
  cp "$root"/fuzz/corpus/* "$corpus/"

  echo "Fuzzing $what for $seconds s"
  set +e
  "$out/$name" "$corpus" \
    -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" \
    >"$log" 2>&1
  local status=$?
  set -e

  final_stat() { sed -n "s/^stat::$1: *//p" "$log" | tail -n 1; }
  echo "Executions: $(final_stat number_of_executed_units || true) in total," \
    "$(final_stat average_exec_per_sec || true) per second"
  echo "Corpus: $(find "$corpus" -type f | wc -l) inputs (log: $log)"

  local found
  found=$(find "$findings" -type f | sort)
  if [ "$status" -ne 0 ] || [ -n "$found" ]; then
    echo "Fuzzing $what failed (exit $status). The end of its log:" >&2
    tail -n 40 "$log" >&2
    while IFS= read -r input; do
      [ -n "$input" ] || continue
      echo "Input $input ($(wc -c <"$input") bytes):" >&2
      od -A d -c "$input" | head -n 64 >&2
    done <<<"$found"
    return 1
  fi
}

fuzz BankLoaderFuzzer "${KORVANE_FUZZ_SECONDS:-60}" "the bank loader"
fuzz BankDocumentFuzzer "${KORVANE_DOCUMENT_FUZZ_SECONDS:-30}" "the bank document"
