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
compile=("$cxx")
if command -v ccache >/dev/null; then
  compile=(ccache "$cxx")
fi

# CMake writes which sources each fuzzer takes from the libraries
# (fuzz/FuzzSources.cmake), so a source a library gains is fuzzed with it.
echo "Listing the libraries' sources with CMake"
config="$out/cmake"
cmake -S "$root" -B "$config" -DBUILD_TESTING=OFF >/dev/null
sources="$config/fuzz-sources.tsv"

# Compiles one part's sources, as listed, into the archive PART.a, so that a
# fuzzer links only what it calls: part PART FLAGS...
part() {
  local name=$1 line object objects=()
  shift
  while IFS=$'\t' read -r -a line; do
    [ "${line[0]}" = "$name" ] || continue
    object="$out/$name/${line[1]#"$root"/}.o"
    mkdir -p "$(dirname "$object")"
    "${compile[@]}" "$@" "${line[@]:2}" -c "${line[1]}" -o "$object"
    objects+=("$object")
  done <"$sources"
  if [ ${#objects[@]} -eq 0 ]; then
    echo "$sources lists no sources for $name" >&2
    return 1
  fi
  rm -f "$out/$name.a"
  ar rcs "$out/$name.a" "${objects[@]}"
}

echo "Building the bank loader fuzzer with $cxx"
# Only the loader carries libFuzzer's coverage and comparison tracing; the
# model beside it would just slow every run down.
part loader "${flags[@]}" -I"$root/fuzz/shim" -fsanitize=fuzzer
"${compile[@]}" "${flags[@]}" -I"$root/fuzz/shim" -c "$root/fuzz/BankLoaderFuzzer.cpp" -o "$out/loader/BankLoaderFuzzer.o"
"$cxx" -fsanitize=fuzzer,address,undefined "$out/loader/BankLoaderFuzzer.o" "$out/loader.a" \
  -o "$out/BankLoaderFuzzer"

echo "Building the bank document fuzzer with $cxx"
read -r -a qt_flags <<<"$(pkg-config --cflags Qt6Core)"
read -r -a qt_libs <<<"$(pkg-config --libs Qt6Core)"
# Qt is built for position-independent code, and asks the same of its users.
# The build folder holds the generated headers.
qt_flags+=(-fPIC -I"$config")
part document "${flags[@]}" "${qt_flags[@]}" -fsanitize=fuzzer
part rules "${flags[@]}" "${qt_flags[@]}"
"${compile[@]}" "${flags[@]}" "${qt_flags[@]}" -c "$root/fuzz/BankDocumentFuzzer.cpp" -o "$out/document/BankDocumentFuzzer.o"
"$cxx" -fsanitize=fuzzer,address,undefined "$out/document/BankDocumentFuzzer.o" "$out/document.a" "$out/rules.a" \
  "${qt_libs[@]}" -o "$out/BankDocumentFuzzer"

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
