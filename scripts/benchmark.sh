#!/usr/bin/env bash
# Measures the game against a bare Qt window holding a line of text (and, for
# continuity, an empty one): start-up time to the mapped setup window and to
# its first drawing, and idle peak memory, on a private X display; and
# start-up step by step in instructions (scripts/startup-steps.sh), then the loader,
# picker and turn micro-benchmarks and the pause after a move.
# The question editor is measured beside it: its start-up to an untitled
# window and, in-process, opening, typing and committing on a large bank.
# Both are measured again in German (--language de), against English.
# Usage: scripts/benchmark.sh            (BENCH_RUNS=N for more runs; at least 15)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${BENCH_RUNS:-15}
(( runs >= 15 )) || runs=15
build="$root/build-bench"

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target korvane_benchmarks

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A private display on the first free number.
display=
for n in $(seq 90 250); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  xwininfo -root -display "$display" >/dev/null 2>&1 && break
  sleep 0.05
done
export DISPLAY=$display
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

watch="$build/bench/korvane_mapwatch"
measure() { # name title folder program [args] -> appends "map cpu draw drawcpu hwm" to $work/name
  local line
  for _ in 1 2 3; do
    if line=$("$watch" -C "$3" -i 1000 "$2" "${@:4}"); then
      sed -E 's/map_ms=([^ ]*) cpu_ms=([^ ]*) draw_ms=([^ ]*) draw_cpu_ms=([^ ]*) hwm_kb=([^ ]*).*/\1 \2 \3 \4 \5/' \
        <<<"$line" >>"$work/$1"
      return
    fi
  done
  echo "could not measure $1" >&2
  exit 1
}
programs=(baseline textwindow korvwin korvedit korvwin-de korvedit-de)
echo
echo "Start-up and memory: $runs runs each after a warm-up, alternating, display $display"
for i in $(seq 0 "$runs"); do
  measure baseline "Baseline" "$work" "$build/bench/korvane_baseline"
  measure textwindow "Text window" "$work" "$build/bench/korvane_textwindow"
  measure korvwin "Korvane for Windows version 1.4" "$root/data" "$build/korvwin"
  measure korvedit "Untitled — Korvane Question Editor" "$work" "$build/korvedit"
  measure korvwin-de "Korvane for Windows version 1.4" "$root/data" "$build/korvwin" --language de
  measure korvedit-de "Unbenannt — Korvane-Fragen-Editor" "$work" "$build/korvedit" --language de
  if [ "$i" -eq 0 ]; then # the warm-up run is dropped
    for p in "${programs[@]}"; do : >"$work/$p"; done
  fi
done

median() { sort -g | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
column_of() { awk -v c="$2" '{print $c}' "$work/$1"; }
figures=(map cpu draw drawcpu hwm)
declare -A fig
for p in "${programs[@]}"; do
  for c in 1 2 3 4 5; do fig[$p.${figures[c - 1]}]=$(column_of "$p" "$c" | median); done
  fig[$p.drawmin]=$(column_of "$p" 3 | sort -g | head -1)
  fig[$p.drawmax]=$(column_of "$p" 3 | sort -g | tail -1)
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
declare -A rel # rel[program/yardstick.figure]
for p in korvwin korvedit; do
  for y in baseline textwindow; do
    for f in "${figures[@]}"; do rel[$p/$y.$f]=$(ratio "${fig[$p.$f]}" "${fig[$y.$f]}"); done
  done
  for f in "${figures[@]}"; do rel[$p-de/$p.$f]=$(ratio "${fig[$p-de.$f]}" "${fig[$p.$f]}"); done
done
row() { printf '%-20s | %9s | %9s | %9s | %9s | %13s | %8s\n' "$@"; }
mb() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
one() { awk -v v="$1" 'BEGIN {printf "%.1f", v}'; }
echo
row program "mapped" "CPU" "drawn" "CPU" "drawn min-max" "peak MB"
for p in "${programs[@]}"; do
  row "$p" "$(one "${fig[$p.map]}")" "$(one "${fig[$p.cpu]}")" "$(one "${fig[$p.draw]}")" "$(one "${fig[$p.drawcpu]}")" \
    "$(one "${fig[$p.drawmin]}")-$(one "${fig[$p.drawmax]}")" "$(mb "${fig[$p.hwm]}")"
done
for r in korvwin/baseline korvedit/baseline korvwin/textwindow korvedit/textwindow korvwin-de/korvwin korvedit-de/korvedit; do
  row "$r" "${rel[$r.map]}" "${rel[$r.cpu]}" "${rel[$r.draw]}" "${rel[$r.drawcpu]}" "" "${rel[$r.hwm]}"
done
echo "(medians, ms; from exec to the MapNotify of the titled window, and to its first drawing (Damage);"
echo " CPU: all the program's threads' time by then; peak: VmHWM after a second's idling)"
echo
bash "$root/scripts/startup-steps.sh" "$build"

echo
echo "Micro-benchmarks (Google Benchmark)"
"$build/bench/korvane_bench_bank" --benchmark_out="$work/bank.csv" --benchmark_out_format=csv
"$build/bench/korvane_bench_turn" --benchmark_out="$work/turn.csv" --benchmark_out_format=csv
echo
"$build/bench/korvane_bench_pause" 20 | tee "$work/pause.txt"
echo
"$build/bench/korvane_bench_editor" | tee "$work/editor.txt"

# Targets. A benchmark's time in ms from its CSV line (name in the first column).
ms_of() { # file name column(real_time=3 or a counter's header)
  awk -F, -v n="$2" -v col="$3" '
    $1 == "name" { for (i = 1; i <= NF; i++) { h = $i; gsub(/"/, "", h); if (h == col) c = i }; next }
    { name = $1; gsub(/"/, "", name) }
    name == n || index(name, n "/") == 1 { t = $c; u = $5; gsub(/"/, "", u)
              if (col != "real_time") u = "ms"
              printf "%.6f", t * (u == "ns" ? 1e-6 : u == "us" ? 1e-3 : u == "s" ? 1e3 : 1) }' "$1"
}
verdict() { awk -v v="$1" -v lim="$2" 'BEGIN {print (v <= lim ? "met" : "NOT met")}'; }
echo
echo "Targets"
target() { # label value limit [note]
  printf '  %-56s %8s x   %s%s\n' "$1" "$2" "$(verdict "$2" "$3")" "${4:+ ($4)}"
}
target "start-up to first drawing <= 1.10 x text window" "${rel[korvwin/textwindow.draw]}" 1.10 \
  "to mapped: ${rel[korvwin/textwindow.map]} x; CPU to drawn: ${rel[korvwin/textwindow.drawcpu]} x"
target "idle peak RSS <= 1.10 x text window" "${rel[korvwin/textwindow.hwm]}" 1.10
target "start-up to mapped window <= 1.15 x baseline" "${rel[korvwin/baseline.map]}" 1.15
target "idle peak RSS <= 1.25 x baseline" "${rel[korvwin/baseline.hwm]}" 1.25
shipped=$(ms_of "$work/bank.csv" BM_LoadShippedBankFromFile real_time)
printf '  %-44s %8.1f us  %s\n' "shipped bank from the file < 50 us" "$(awk -v v="$shipped" 'BEGIN {print v * 1000}')" "$(verdict "$shipped" 0.05)"
big=$(ms_of "$work/bank.csv" BM_LoadSingleLine200MB real_time)
printf '  %-44s %8.1f ms  %s\n' "200 MB single-line file < 0.5 s" "$big" "$(verdict "$big" 500)"
for handler in roll move_without_pause question_show answer question_hide; do
  name="Turn/$handler/iterations:300/manual_time"
  p99=$(ms_of "$work/turn.csv" "$name" p99_ms)
  slowest=$(ms_of "$work/turn.csv" "$name" max_ms)
  printf '  %-44s %8.3f ms  %s (slowest %.3f ms: %s)\n' "$handler < 2 ms (p99 of 300 turns)" "$p99" \
    "$(verdict "$p99" 2)" "$slowest" "$(verdict "$slowest" 2)"
done
printf '  %-44s %10s  %s\n' "pause after a move in [1037, 1050] ms" "$(grep "board painted" "$work/pause.txt" | awk '{print $7 "-" $11}')" \
  "$(grep -q 'every time: yes' "$work/pause.txt" && echo met || echo 'NOT met')"
target "editor start-up to first drawing <= 1.20 x text window" "${rel[korvedit/textwindow.draw]}" 1.20 \
  "to mapped: ${rel[korvedit/textwindow.map]} x; CPU to drawn: ${rel[korvedit/textwindow.drawcpu]} x"
target "editor idle peak RSS <= 1.15 x text window" "${rel[korvedit/textwindow.hwm]}" 1.15
target "editor start-up to mapped window <= 1.3 x baseline" "${rel[korvedit/baseline.map]}" 1.3
