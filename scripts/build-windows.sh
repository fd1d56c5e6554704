#!/usr/bin/env bash
# Cross-builds the game (korvwin.exe) and the question editor (korvedit.exe),
# both GUI programs, tqzcheck.exe (a console program) and their tests for
# 64-bit Windows into build-windows/bin, with the
# DLLs they need beside them, after installing the toolchain and building Qt
# for Windows into its cache (once; later runs find it there), then makes the
# installer and the portable zip from them. Tests run under Wine through
# scripts/wine-run.sh: see scripts/test-windows.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build-windows

bash "$root/scripts/windows-deps.sh"
qt_prefix=$(bash "$root/scripts/windows-qt.sh" | tee /dev/stderr | tail -n1)

start=$SECONDS
cmake -S "$root" -B "$out" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
  -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$out/bin" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" >/dev/null
cmake --build "$out" --parallel "$(nproc)" --target all korvane_screenshots
bash "$root/scripts/windows-deploy.sh" "$out/bin" "$qt_prefix"
echo "Windows cross-build: $(( (SECONDS - start) / 60 )) min $(( (SECONDS - start) % 60 )) s"

start=$SECONDS
bash "$root/scripts/windows-package.sh" "$qt_prefix"
echo "Installer and zip: $(( SECONDS - start )) s"
