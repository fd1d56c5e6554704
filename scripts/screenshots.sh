#!/usr/bin/env bash
# Plays through the real program on a private X display and saves a picture
# of every window into docs/screenshots, then the question editor at work;
# then a few of them in German into docs/screenshots/de.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target korvane_screenshots korvedit_screenshots
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/korvane_screenshots" "$root/data" "$root/docs/screenshots"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/korvedit_screenshots" "$root/data/quarl3.tqz" "$root/docs/screenshots"
# The same in German, of which the README shows the setup, question and end
# windows and the editor.
german=$(mktemp -d)
trap 'rm -rf "$german"' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/korvane_screenshots" --language de "$root/data" "$german"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/build/korvedit_screenshots" --language de "$root/data/quarl3.tqz" "$german"
mkdir -p "$root/docs/screenshots/de"
for shot in setup-4-ready question-corner question-wrong end editor editor-import; do
  cp "$german/$shot.png" "$root/docs/screenshots/de/"
done
