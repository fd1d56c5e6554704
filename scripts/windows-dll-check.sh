#!/usr/bin/env bash
# Checks that a folder of Windows programs runs as it is copied: every DLL
# that a program, library or plugin in it imports lies beside the programs
# or is one Windows itself has (its system32, as Wine lays it out, or an API
# set), and the
# plugins Qt loads by name are there. windows-dll-check.sh FOLDER WINEPREFIX
set -euo pipefail
folder=$1 prefix=$2
system32=$prefix/drive_c/windows/system32
[ -d "$system32" ] || { echo "no system32 in $prefix" >&2; exit 1; }

missing=0
for plugin in platforms/qwindows.dll platforms/qoffscreen.dll styles/qwindowsvistastyle.dll; do
  [ -f "$folder/$plugin" ] || { echo "missing plugin: $plugin" >&2; missing=1; }
done
count=0
while read -r binary; do
  count=$((count + 1))
  while read -r dll; do
    # API sets are contracts the Windows loader resolves, not files.
    case ${dll,,} in api-ms-win-* | ext-ms-win-*) continue ;; esac
    if [ -z "$(find "$folder" "$system32" -maxdepth 1 -iname "$dll" -print -quit)" ]; then
      echo "$(basename "$binary") imports $dll, which is neither beside it nor in Windows" >&2
      missing=1
    fi
  done < <(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p')
done < <(find "$folder" -maxdepth 2 \( -iname '*.exe' -o -iname '*.dll' \))
[ "$missing" -eq 0 ] || exit 1
echo "DLLs beside the programs: complete for $count binaries ($(find "$folder" -maxdepth 1 -iname '*.dll' | wc -l) DLLs placed)"
