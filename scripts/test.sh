#!/bin/bash
# Runs every test: the native unit tests, the fuzz seeds under
# AddressSanitizer and UndefinedBehaviorSanitizer, the Wine tests of the
# real Windows programs and, where clang is installed, each fuzz target for
# a few seconds.  Screenshots the Wine tests take go to
# build/artifacts.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
scripts/build.sh

jobs=$(nproc)
echo "== native unit tests, fuzz seeds and Wine tests"
export FESK_ARTIFACTS="$root/build/artifacts"
(cd build/native && ctest --output-on-failure -j "$jobs")

echo "== unit tests and fuzz seeds under ASan and UBSan"
cmake -S . -B build/sanitize -G Ninja -DFESK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/sanitize
(cd build/sanitize && ctest --output-on-failure -j "$jobs")

if command -v clang++ >/dev/null; then
  echo "== each fuzz target for a few seconds, all code instrumented, under ASan and UBSan"
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DFESK_FUZZ=ON -DFESK_SANITIZE=ON >/dev/null
  cmake --build build/fuzz --target fuzz_targets
  (cd build/fuzz && ctest --output-on-failure -R '^fuzz_run\.')
fi
