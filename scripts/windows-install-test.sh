#!/usr/bin/env bash
# Installs Korvane as a Windows user would, in a fresh Wine prefix, as an
# ordinary user on a private X display: the installer silently, then the
# game from its Start-menu entries, a bank of the user's through the file
# association into the editor, the uninstaller, which must leave nothing of
# ours but the user's own bank, and last the zip, unpacked into a folder
# whose name has a space and an accent, started as a double-click starts it:
# in its own folder. Pictures of the installed game and editor land in
# build-windows/install-test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build-windows
work=$out/install-test
pupil=pupil # made by windows-deps.sh
version=$(sed -n 's/^!define KORVANE_VERSION "\(.*\)"$/\1/p' "$out/packaging/build.nsh")

if [ "${1:-}" != --on-display ]; then
  rm -rf "$work"
  mkdir -p "$work"
  as_user=()
  if [ "$(id -u)" -eq 0 ]; then
    chown "$pupil:" "$work"
    as_user=(setpriv --reuid="$pupil" --regid="$pupil" --init-groups
      env HOME="$(getent passwd "$pupil" | cut -d: -f6)" USER="$pupil" LOGNAME="$pupil")
  fi
  exec "${as_user[@]}" xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --on-display
fi

# No menu entries for the desktop the test runs on: Wine would add them to
# the home folder, outside the prefix.
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null || true; /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
fail() { echo "$*" >&2; exit 1; }
seconds() { echo "$(( SECONDS - $1 )) s"; }

"$wine" wineboot --init >/dev/null 2>&1
/usr/lib/wine/wineserver -w
profile=$WINEPREFIX/drive_c/users/$USER
installed=$profile/AppData/Local/Programs/Korvane
menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Korvane"
stage=$out/stage/Korvane

start=$SECONDS
"$wine" "$out/korvane-$version-setup.exe" /S
/usr/lib/wine/wineserver -w
diff <(cd "$stage" && find . -type f | sort) <(cd "$installed" && find . -type f ! -name uninstall.exe | sort) ||
  fail "the installed files differ from the packaged ones"
echo "Installed silently as $USER into $installed: $(seconds "$start")"

# Runs a command under Wine in a folder, as Explorer starts a program, and
# waits for a window whose title matches; takes a picture when one is named.
# A bank the game cannot read brings up the error window beside the setup
# window, so that fails too. until_window FOLDER TITLE PICTURE COMMAND...
until_window() {
  local folder=$1 title=$2 picture=$3 window try
  shift 3
  # A start that follows a server's shutdown now and then ends unseen, so a
  # start that shows nothing within a minute is made once more.
  for try in 1 2; do
    (cd "$folder" && "$wine" "$@") >/dev/null 2>&1 &
    disown # ended by stop_wine, unreported
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "$title" | head -n1) && break
    [ "$try" = 1 ] || fail "$* showed no window named $title"
  done
  sleep 3 # the first paint follows the mapping
  ! xdotool search --onlyvisible --name '^Program Error$' >/dev/null || fail "$* showed the error window"
  [ -z "$picture" ] || import -frame -window "$window" "$work/$picture"
}
# Opens a file as a double-click does, in its own folder.
open_file() { until_window "$(dirname "$1")" "$2" "${3:-}" start /unix "$1"; }
stop_wine() { /usr/lib/wine/wineserver -k 2>/dev/null || true; /usr/lib/wine/wineserver -w; }
# The default value of a key of the user's classes.
user_class() { "$wine" reg query "HKCU\\Software\\Classes\\$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'; }
setup_window='^Korvane for Windows version 1\.4$'

start=$SECONDS
open_file "$menu/Korvane.lnk" "$setup_window" installed-game.png
stop_wine
open_file "$menu/Korvane - Quiz Night.lnk" "$setup_window"
stop_wine
echo "The Start-menu entries started the installed game with its banks: $(seconds "$start")"

if [ -f "$installed/korvedit.exe" ]; then
  start=$SECONDS
  bank="$profile/Documents/Class 4 quiz.tqz"
  mkdir -p "$(dirname "$bank")"
  cp "$root/data/geography.tqz" "$bank"
  # Wine looks file types up in the machine's classes alone, where Windows
  # looks in the user's first, so the user's .tqz entries are followed here
  # to the command Explorer runs.
  command=$(user_class "$(user_class .tqz)\\shell\\open\\command")
  [[ $command =~ ^\"([^\"]+)\"\ \"%1\"$ ]] || fail "the .tqz association runs '$command', not a program on the bank"
  editor=${BASH_REMATCH[1]}
  until_window "$(dirname "$bank")" '^Class 4 quiz\.tqz.* Korvane Question Editor$' installed-editor.png \
    "$editor" "$("$wine" winepath -w "$bank" 2>/dev/null)"
  stop_wine
  echo "A bank opened the installed editor through the .tqz association: $(seconds "$start")"
fi

start=$SECONDS
cp "$root/data/geography.tqz" "$installed/my own bank.tqz"
"$wine" "$installed/uninstall.exe" /S
/usr/lib/wine/wineserver -w
[ "$(cd "$installed" && find . -mindepth 1)" = "./my own bank.tqz" ] ||
  fail "the uninstaller left more than the user's bank in $installed: $(ls -A "$installed")"
left=$( { grep -i korv "$WINEPREFIX"/*.reg; find "$WINEPREFIX/drive_c" -ipath '*korv*' ! -path "$installed" ! -path "$installed/my own bank.tqz"; } || true)
[ -z "$left" ] || fail "the uninstaller left these behind: $left"
echo "The uninstaller removed all it installed and kept the user's bank: $(seconds "$start")"

start=$SECONDS
folder="$work/USB stick/Quiz Café"
mkdir -p "$folder"
unzip -q "$out/korvane-$version-windows-x64.zip" -d "$folder"
open_file "$folder/Korvane/korvwin.exe" "$setup_window"
stop_wine
echo "The zip, unpacked into \"$folder\", started the game with its bank: $(seconds "$start")"
