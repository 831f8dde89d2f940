#!/bin/bash
# Figures of the real Fesk.exe under Wine and Xvfb, printed only: the time
# from the release of the trigger keys to the start of the program a stroke
# launches (20 strokes, median and maximum, beside INTERVAL and beside Wine's
# own process start), the CPU time of the idle launcher over 30 s beside an
# idle message-loop program, and the size of Fesk.exe (as built, and without
# its debug information); then the idle CPU time of Fesk.exe counted with its
# wineserver, on the demo settings and with 100 shortcut keys, each beside
# the minimal polling program, with their ratios (bench/idle_cpu_wine.sh).
#
#   bench/launcher_wine_figures.sh [MINGW_BUILD_DIR]     (default build/win)
#
# Builds the scenario tests/e2e/launcher_figures.cpp with the launcher and
# runs it through tests/wine/run-wine-test.sh with a Wine prefix of its own
# beside the build folder.  Takes about two minutes (the idle figures' first
# run makes their four Wine prefixes, a minute or so more).
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build/win}" && pwd)

ninja -C "$build" launcher_figures >/dev/null
export FESK_WINEPREFIX=${FESK_WINEPREFIX:-$build/../launcher-figures-wineprefix}
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
"$here/tests/wine/run-wine-test.sh" --timeout 300 "$build/tests/e2e/launcher_figures.exe" >"$log" 2>&1 ||
  status=$?
sed -n 's/^\[ *[0-9]* ms\] //p' "$log" | grep -E '^(figure:|release -> start)' || true

exe=$build/launcher/win32/Fesk.exe
if command -v x86_64-w64-mingw32-strip >/dev/null; then
  stripped=$(mktemp)
  x86_64-w64-mingw32-strip -o "$stripped" "$exe"
  echo "figure: size of Fesk.exe without debug information = $(stat -c %s "$stripped") bytes"
  rm -f "$stripped"
fi
if [ $status -ne 0 ]; then
  echo "the figures scenario failed (exit $status):"
  cat "$log"
fi

"$here/bench/idle_cpu_wine.sh" "$build" || status=$?
exit $status
