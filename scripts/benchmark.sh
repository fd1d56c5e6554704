#!/usr/bin/env bash
# Measures the game against a bare Qt window holding a line of text (and, for
# continuity, an empty one): start-up time to the mapped setup window and idle
# peak memory on a private X display, and start-up step by step in
# instructions (scripts/startup-steps.sh), then the loader,
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
measure() { # name title folder program [args] -> appends "map cpu hwm" to $work/name
  local line
  for _ in 1 2 3; do
    if line=$("$watch" -C "$3" -i 1000 "$2" "${@:4}"); then
      sed -E 's/map_ms=([^ ]*) cpu_ms=([^ ]*) hwm_kb=([^ ]*).*/\1 \2 \3/' <<<"$line" >>"$work/$1"
      return
    fi
  done
  echo "could not measure $1" >&2
  exit 1
}
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
    for p in baseline textwindow korvwin korvedit korvwin-de korvedit-de; do : >"$work/$p"; done
  fi
done

median() { sort -g | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
column_of() { awk -v c="$2" '{print $c}' "$work/$1"; }
declare -A fig
for p in baseline textwindow korvwin korvedit korvwin-de korvedit-de; do
  fig[$p.map]=$(column_of $p 1 | median)
  fig[$p.mapmin]=$(column_of $p 1 | sort -g | head -1)
  fig[$p.mapmax]=$(column_of $p 1 | sort -g | tail -1)
  fig[$p.cpu]=$(column_of $p 2 | median)
  fig[$p.hwm]=$(column_of $p 3 | median)
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
map_ratio=$(ratio "${fig[korvwin.map]}" "${fig[baseline.map]}")
cpu_ratio=$(ratio "${fig[korvwin.cpu]}" "${fig[baseline.cpu]}")
hwm_ratio=$(ratio "${fig[korvwin.hwm]}" "${fig[baseline.hwm]}")
editor_map_ratio=$(ratio "${fig[korvedit.map]}" "${fig[baseline.map]}")
editor_cpu_ratio=$(ratio "${fig[korvedit.cpu]}" "${fig[baseline.cpu]}")
declare -A text
for p in korvwin korvedit; do
  for f in map cpu hwm; do text[$p.$f]=$(ratio "${fig[$p.$f]}" "${fig[textwindow.$f]}"); done
done
row() { printf '%-9s | %14s | %17s | %14s | %17s\n' "$@"; }
mb() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
one() { awk -v v="$1" 'BEGIN {printf "%.1f", v}'; }
echo
row program "to mapped, ms" "min - max, ms" "CPU to map, ms" "idle peak RSS, MB"
for p in baseline textwindow korvwin korvedit korvwin-de korvedit-de; do
  row "$p" "$(one "${fig[$p.map]}")" "$(one "${fig[$p.mapmin]}") - $(one "${fig[$p.mapmax]}")" "$(one "${fig[$p.cpu]}")" "$(mb "${fig[$p.hwm]}")"
done
row "korvwin/baseline" "$map_ratio" "" "$cpu_ratio" "$hwm_ratio"
row "korvedit/baseline" "$editor_map_ratio" "" "$editor_cpu_ratio" "$(ratio "${fig[korvedit.hwm]}" "${fig[baseline.hwm]}")"
row "korvwin/textwindow" "${text[korvwin.map]}" "" "${text[korvwin.cpu]}" "${text[korvwin.hwm]}"
row "korvedit/textwindow" "${text[korvedit.map]}" "" "${text[korvedit.cpu]}" "${text[korvedit.hwm]}"
for p in korvwin korvedit; do
  row "$p de/en" "$(ratio "${fig[$p-de.map]}" "${fig[$p.map]}")" "" "$(ratio "${fig[$p-de.cpu]}" "${fig[$p.cpu]}")" \
    "$(ratio "${fig[$p-de.hwm]}" "${fig[$p.hwm]}")"
done
echo "(medians; wall time from exec to the MapNotify of the titled window)"

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
printf '  %-44s %8s x   %s (CPU time to map: %s x)\n' "start-up to mapped window <= 1.15 x baseline" "$map_ratio" "$(verdict "$map_ratio" 1.15)" "$cpu_ratio"
printf '  %-44s %8s x   %s\n' "idle peak RSS <= 1.25 x baseline" "$hwm_ratio" "$(verdict "$hwm_ratio" 1.25)"
printf '  %-44s %8s x   %s (CPU time to map: %s x)\n' "start-up to mapped window <= 1.10 x text window" \
  "${text[korvwin.map]}" "$(verdict "${text[korvwin.map]}" 1.10)" "${text[korvwin.cpu]}"
printf '  %-44s %8s x   %s\n' "idle peak RSS <= 1.10 x text window" "${text[korvwin.hwm]}" "$(verdict "${text[korvwin.hwm]}" 1.10)"
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
printf '  %-44s %8s x   %s (CPU time to map: %s x)\n' "editor start-up to mapped window <= 1.3 x baseline" \
  "$editor_map_ratio" "$(verdict "$editor_map_ratio" 1.3)" "$editor_cpu_ratio"
printf '  %-44s %8s x   %s (CPU time to map: %s x)\n' "editor start-up <= 1.20 x text window" \
  "${text[korvedit.map]}" "$(verdict "${text[korvedit.map]}" 1.20)" "${text[korvedit.cpu]}"
printf '  %-44s %8s x   %s\n' "editor idle peak RSS <= 1.15 x text window" "${text[korvedit.hwm]}" "$(verdict "${text[korvedit.hwm]}" 1.15)"
