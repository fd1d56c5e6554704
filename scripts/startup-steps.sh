#!/usr/bin/env bash
# Breaks start-up into its steps by instructions executed, which unlike wall
# time do not depend on how busy the machine is: each program runs under
# callgrind (on the X display when there is one, where window icons and icon
# themes come into play; else offscreen), its profile is cut at the end of its
# first paint (later ones, such as a blinking caret, depend on timing), and the
# inclusive count of the function that does each step is printed.
# Usage: scripts/startup-steps.sh BUILD_DIR   (a build with korvwin, korvedit
#        and the bench/ yardsticks; symbols are enough, debug info is not needed)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?build directory}" && pwd)
settle=${STEPS_SECONDS:-40} # under callgrind, on a busy machine, the first paint can take a while
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ -n "${DISPLAY:-}" ]; then export QT_QPA_PLATFORM=xcb; else export QT_QPA_PLATFORM=offscreen; fi
unset QT_SCALE_FACTOR

# name folder program: leaves the inclusive profile to the first paint in $work/name.
profile() {
  (cd "$2" && timeout -s TERM "$settle" valgrind --tool=callgrind --callgrind-out-file="$work/$1.out" \
    --dump-after='QWidgetRepaintManager::paintAndFlush()' "$3" >/dev/null 2>&1 || true)
  [ -s "$work/$1.out.1" ] || { echo "$1 did not paint within $settle s" >&2; exit 1; }
  callgrind_annotate --inclusive=yes --threshold=100 "$work/$1.out.1" 2>/dev/null >"$work/$1"
}
# name label regex: the inclusive instructions of the functions whose name matches.
step() {
  awk -v label="$2" -v re="$3" '
    /PROGRAM TOTALS/ && re == "TOTAL" { n = $1; gsub(/,/, "", n); sum = n; found = 1 }
    /^-- / { exit }
    { f = $0; sub(/^[^:]*:/, "", f); sub(/ \[.*$/, "", f) }
    re != "TOTAL" && f ~ re && !(f in seen) { seen[f] = 1; n = $1; gsub(/,/, "", n); sum += n; found = 1 }
    END { printf "  %-52s %8.1f M\n", label, (found ? sum / 1e6 : 0) }' "$work/$1"
}
premain() { # everything not under main(): the loader, relocations, libraries' initialisers
  local total below
  total=$(awk '/PROGRAM TOTALS/ {gsub(/,/, "", $1); print $1; exit}' "$work/$1")
  below=$(awk '/libc_start_call_main.h:\(below main\)/ {gsub(/,/, "", $1); print $1; exit}' "$work/$1")
  awk -v t="$total" -v b="$below" 'BEGIN {printf "  %-52s %8.1f M\n", "process start to main()", (t - b) / 1e6}'
}

profile textwindow "$work" "$build/bench/korvane_textwindow"
profile baseline "$work" "$build/bench/korvane_baseline"
profile korvwin "$root/data" "$build/korvwin"
profile korvedit "$work" "$build/korvedit"

echo "Start-up steps, instructions (callgrind, $QT_QPA_PLATFORM; a step's count includes the steps inside it)"
fonts() { # name indent
  step "$1" "$2fonts: the font list, fontconfig's start included" '^QFontconfigDatabase::populateFontDatabase\(\)$'
  step "$1" "$2  of which fontconfig's start (FcInit)" '^FcInit$'
  step "$1" "$2fonts: faces loaded (loadEngine)" '^QFontDatabasePrivate::loadEngine\('
}
for p in baseline textwindow; do
  echo "$p"
  step $p "exec to the end of the first paint" TOTAL
  premain $p
  step $p "QApplication" '^QApplication::QApplication\('
  fonts $p ""
  step $p "first paint (paintAndFlush)" '^QWidgetRepaintManager::paintAndFlush\(\)$'
done
echo "korvwin"
step korvwin "exec to the end of the first paint" TOTAL
premain korvwin
step korvwin "QApplication" '^QApplication::QApplication\('
step korvwin "StartUp: settings, fonts, the roster" '^StartUp\('
fonts korvwin "  "
step korvwin "  the roster: every window built" '^CreateRoster\(\)$'
while read -r window; do
  step korvwin "    $window" "^${window//\(/\\(}$"
done < <(sed -E 's/^[^:]*:(T[A-Za-z0-9]+::T[A-Za-z0-9]+\(\)) .*/\1/;t;d' "$work/korvwin" | sort -u)
step korvwin "  the bank read (ReadBankFile)" '^ReadBankFile\('
step korvwin "  pictures decoded" 'DecodePicture\('
step korvwin "first show (ShowMainWindow)" '^ShowMainWindow\(\)$'
step korvwin "first paint (paintAndFlush)" '^QWidgetRepaintManager::paintAndFlush\(\)$'
echo "korvedit"
step korvedit "exec to the end of the first paint" TOTAL
premain korvedit
step korvedit "QApplication" '^QApplication::QApplication\('
fonts korvedit ""
step korvedit "the window built" '^BankEditorWindow::BankEditorWindow\('
step korvedit "  the window icon (EditorIcon)" '^EditorIcon\(\)$'
step korvedit "  the table (QTableView)" '^QTableView::QTableView\('
step korvedit "  the problems listed (ProblemPanel::setProblems)" '^ProblemPanel::setProblems\('
step korvedit "    of which the icons, from the icon theme" '^QIcon::fromTheme\('
step korvedit "first show (QWidget::show)" '^QWidget::show\(\)$'
step korvedit "first paint (paintAndFlush)" '^QWidgetRepaintManager::paintAndFlush\(\)$'
