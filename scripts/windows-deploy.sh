#!/usr/bin/env bash
# Puts beside the programs in a folder every DLL they need that Windows does
# not have: windows-deploy.sh FOLDER QT_PREFIX. There is no windeployqt in a
# cross-built Qt, so the list is derived from the binaries' own imports,
# followed to the end, plus the plugins Qt loads by name: the windows and
# offscreen platforms and the Windows Vista style.
set -euo pipefail
folder=$1 qt=$2
search=("$qt/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix /usr/x86_64-w64-mingw32/lib)

mkdir -p "$folder/platforms" "$folder/styles"
cp "$qt/plugins/platforms/qwindows.dll" "$qt/plugins/platforms/qoffscreen.dll" "$folder/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"

imports() {
  x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p'
}

mapfile -t queue < <(find "$folder" -maxdepth 2 \( -iname '*.exe' -o -iname '*.dll' \))
declare -A seen=()
while [ ${#queue[@]} -gt 0 ]; do
  binary=${queue[0]}
  queue=("${queue[@]:1}")
  while read -r dll; do
    key=${dll,,}
    [ -z "${seen[$key]:-}" ] || continue
    seen[$key]=1
    for dir in "${search[@]}"; do
      if [ -f "$dir/$dll" ]; then
        cp -u "$dir/$dll" "$folder/"
        queue+=("$folder/$dll")
        break
      fi
    done
  done < <(imports "$binary")
done
