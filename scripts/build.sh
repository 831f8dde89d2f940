#!/bin/bash
# Builds the portable code with its tests natively (build/native) and the
# Windows programs with MinGW-w64 (build/win).
#
#   scripts/build.sh            everything: both programs, every test and benchmark
#   scripts/build.sh programs   only Fesk.exe and FeskINI.exe (what scripts/run.sh runs)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
if [ "${1:-}" = "programs" ]; then
  cmake --build build/win --target Fesk FeskINI
  exit 0
fi
cmake --build build/win
cmake -S . -B build/native -G Ninja -DFESK_WIN_BUILD_DIR="$root/build/win" >/dev/null
cmake --build build/native
