#!/usr/bin/env bash
# Plays through the real program on a private X display and saves a picture
# of every window into docs/screenshots, then the question editor at work;
# then a few of them in German, French and Spanish into docs/screenshots/LANGUAGE.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target korvane_screenshots korvedit_screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/korvane_screenshots" "$root/data" "$root/docs/screenshots"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/korvedit_screenshots" "$root/data/quarl3.tqz" "$root/docs/screenshots"
# The same in German, of which the README shows the setup, question and end
# windows and the editor, and in French and Spanish, of which it shows the
# setup window and the editor.
translated=$(mktemp -d)
trap 'rm -rf "$translated"' EXIT
shoot() {
  local language=$1
  shift
  mkdir -p "$translated/$language" "$root/docs/screenshots/$language"
  xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/korvane_screenshots" --language "$language" "$root/data" "$translated/$language"
  xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/korvedit_screenshots" --language "$language" "$root/data/quarl3.tqz" "$translated/$language"
  for shot in "$@"; do
    cp "$translated/$language/$shot.png" "$root/docs/screenshots/$language/"
  done
}
shoot de setup-4-ready question-corner question-wrong end editor editor-import
shoot fr setup-4-ready editor
shoot es setup-4-ready editor
