#!/usr/bin/env bash
# Makes the installer build-windows/korvane-VERSION-setup.exe and the
# portable build-windows/korvane-VERSION-windows-x64.zip from one folder of
# files: the programs and banks the build lists in packaging/shipped-files.txt,
# with the DLLs they import beside them, all stripped. The zip holds that
# folder, Korvane, as it is; the installer installs it and its uninstaller
# removes exactly its files. windows-package.sh QT_PREFIX
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build-windows
packaging=$out/packaging
qt=$1

version=$(sed -n 's/^!define KORVANE_VERSION "\(.*\)"$/\1/p' "$packaging/build.nsh")
stage=$out/stage/Korvane
rm -rf "$out/stage"
mkdir -p "$stage"
xargs -d '\n' cp -t "$stage" < "$packaging/shipped-files.txt"
bash "$root/scripts/windows-deploy.sh" "$stage" "$qt"
find "$stage" \( -iname '*.exe' -o -iname '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

# The folder's files for the installer, by name, so that the uninstaller
# removes only what was installed. Paths are relative to the folder, the
# folder itself an empty one.
listed() { (cd "$stage" && find . -mindepth "$1" -type "$2" -printf '%P\n' | sort "${@:3}"); }
windows_path() { local path=${1:+\\$1}; echo "\$INSTDIR${path//\//\\}"; }
{
  echo '!macro InstallFiles'
  while read -r dir; do
    echo "  SetOutPath \"$(windows_path "$dir")\""
    find "$stage${dir:+/$dir}" -maxdepth 1 -type f | sort | sed 's/.*/  File "&"/'
  done < <(listed 0 d)
  echo '!macroend'
  echo '!macro UninstallFiles'
  while read -r file; do echo "  Delete \"$(windows_path "$file")\""; done < <(listed 1 f)
  while read -r dir; do echo "  RMDir \"$(windows_path "$dir")\""; done < <(listed 1 d -r)
  echo '!macroend'
} > "$packaging/files.nsh"

setup=$out/korvane-$version-setup.exe
zip=$out/korvane-$version-windows-x64.zip
# The banks' titles come from the build as UTF-8, whatever the locale.
makensis -V2 -INPUTCHARSET UTF8 -DPACKAGING="$packaging" -DOUTFILE="$setup" "$root/packaging/windows/korvane.nsi"
rm -f "$zip"
(cd "$out/stage" && zip -q -r -9 -X "$zip" Korvane)
size() { echo "$(( $(stat -c %s "$1") / 1024 )) KiB"; }
echo "Installer: $setup, $(size "$setup"); zip: $zip, $(size "$zip")"
