#!/usr/bin/env bash
# Builds the Debian package in build-package/ and checks it: lintian, the
# desktop entry and AppStream validators on the files as packed, and that the
# unpacked files are where the desktop entry and the metadata point.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"
app_ids=(example.halvorn.Korvane example.halvorn.KorvaneEditor)
bank_type=application/x-korvane-question-bank

fail() {
  echo "package-check: $*" >&2
  exit 1
}

# Debian's hardening flags, as a Debian build would pass them, taken in the
# source root so the file prefix map points there.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF >/dev/null
# With the tests off, everything built is what the package holds.
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/korvane_*.deb
(cd "$build" && cpack -G DEB) >"$build/cpack.log" 2>&1 || { cat "$build/cpack.log" >&2; fail "cpack failed"; }
deb=$(find "$build" -maxdepth 1 -name 'korvane_*_*.deb')
[ "$(basename "$deb")" = "korvane_1.4_$(dpkg --print-architecture).deb" ] || fail "unexpected package name: $deb"

echo "== lintian $(basename "$deb")"
lintian --display-info --fail-on error "$deb" 2> >(grep -v 'running with root privileges' >&2) || fail "lintian found errors"

depends=$(dpkg-deb --field "$deb" Depends)
for dependency in fonts-liberation2 qt6-qpa-plugins libqt6widgets6; do
  [[ "$depends" == *"$dependency"* ]] || fail "Depends lacks $dependency"
done
[ "$(dpkg-deb --field "$deb" Section)" = games ] || fail "the section is not games"

unpacked="$build/unpacked"
rm -rf "$unpacked"
dpkg-deb -x "$deb" "$unpacked"

# Each program's desktop entry and metadata validate, and point at files the
# package holds.
for app_id in "${app_ids[@]}"; do
  desktop="$unpacked/usr/share/applications/$app_id.desktop"
  metainfo="$unpacked/usr/share/metainfo/$app_id.metainfo.xml"
  [ -f "$desktop" ] || fail "no desktop entry $app_id.desktop"
  [ -f "$metainfo" ] || fail "no AppStream metadata $app_id.metainfo.xml"

  echo "== desktop-file-validate $app_id"
  desktop-file-validate "$desktop" || fail "desktop-file-validate failed"
  echo "== appstreamcli validate $app_id"
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate failed"

  # A key of the [Desktop Entry] group, not of an action's.
  entry() { sed -n "/^\[Desktop Entry\]\$/,/^\[Desktop Action /s/^$1=//p" "$desktop"; }
  exec_line=$(entry Exec)
  program=${exec_line%% *}
  case "$program" in
    /*) ;;
    *) program=/usr/games/$program ;;
  esac
  [ -f "$unpacked$program" ] && [ -x "$unpacked$program" ] || fail "Exec $program is not an executable in the package"
  icon=$(entry Icon)
  for size in 16 24 32 48 64 128 256; do
    picture="$unpacked/usr/share/icons/hicolor/${size}x$size/apps/$icon.png"
    [[ "$(file -b "$picture")" == "PNG image data, $size x $size,"* ]] || fail "Icon $icon has no ${size}x$size picture"
  done
  grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" \
    || fail "the metadata does not launch $(basename "$desktop")"
  case "$app_id" in
    *Editor)
      [ "$(entry MimeType)" = "$bank_type;" ] || fail "the editor's entry does not open $bank_type"
      [[ "$exec_line" == *" %f" ]] || fail "the editor's entry passes no file"
      ;;
    *)
      bank_folder=$(entry Path)
      [ -f "$unpacked$bank_folder/quarl3.tqz" ] || fail "Path $bank_folder holds no quarl3.tqz"
      # One action per packed bank, each starting the game with that bank.
      actions=$(entry Actions)
      [ -n "$actions" ] || fail "the game's entry has no actions"
      acted=()
      IFS=';' read -ra action_names <<<"$actions"
      for action in "${action_names[@]}"; do
        group=$(sed -n "/^\[Desktop Action $action\]\$/,/^\[/p" "$desktop")
        [ -n "$(sed -n 's/^Name=//p' <<<"$group")" ] || fail "action $action has no Name"
        read -r action_program action_bank action_rest <<<"$(sed -n 's/^Exec=//p' <<<"$group")"
        [ "$action_program" = "$program" ] && [ -z "$action_rest" ] || fail "action $action does not run $program BANK"
        [ -f "$unpacked$action_bank" ] || fail "action $action names $action_bank, which the package lacks"
        acted+=("$action_bank")
      done
      for bank in "$unpacked$bank_folder"/*.tqz; do
        [[ " ${acted[*]} " == *" ${bank#"$unpacked"} "* ]] || fail "no action plays ${bank#"$unpacked"}"
      done
      ;;
  esac
done

# The bank's file type is declared for *.tqz.
mime="$unpacked/usr/share/mime/packages/korvane-bank.xml"
grep -q "<mime-type type=\"$bank_type\">" "$mime" && grep -q '<glob pattern="\*.tqz"/>' "$mime" \
  || fail "no MIME type $bank_type for *.tqz"
newest=$(zcat "$unpacked/usr/share/doc/korvane/changelog.gz" | sed -n 1p)
[[ "$newest" == "korvane ($(dpkg-deb --field "$deb" Version)) "* ]] || fail "the changelog's newest entry is not this version"

# The packed checker passes every packed bank.
for bank in "$unpacked$bank_folder"/*.tqz; do
  "$unpacked/usr/games/tqzcheck" "$bank" >"$build/tqzcheck.log" \
    || { tail -5 "$build/tqzcheck.log" >&2; fail "tqzcheck finds problems in the packed bank $(basename "$bank")"; }
done

echo "== $(basename "$deb") passed"
dpkg-deb --contents "$deb" | awk '{print $1, $6}' | grep -v '/$'
