#!/bin/bash
# Runs one Windows test program under Wine on a private Xvfb display and
# reports its exit code to ctest.
#
#   run-wine-test.sh [--timeout SECONDS] PROGRAM.exe [ARGS...]
#
# The Wine prefix lives under the build folder (FESK_WINEPREFIX, made on first
# use); Japanese text needs LANG=ja_JP.UTF-8 and the IPA Gothic font.
# FESK_LANG, when set, is the locale instead (en_US.UTF-8: a Windows of
# another language).
# FESK_ARTIFACTS, when set, is handed to the program as the folder for
# screenshots (the runner takes one of the whole screen at the end too, and
# turns the BMP files the program wrote there into PNG).  FESK_SCREEN sets
# the screen's size and depth (1024x768x24 if not given).
set -u
timeout_s=300
if [ "${1:-}" = "--timeout" ]; then timeout_s=$2; shift 2; fi
program=$1; shift

here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX=${FESK_WINEPREFIX:-$(dirname "$(dirname "$program")")/wineprefix}
export WINEDEBUG=-all
export LANG=${FESK_LANG:-ja_JP.UTF-8} LC_ALL=${FESK_LANG:-ja_JP.UTF-8}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

. "$here/private-display.sh"
start_private_display "${FESK_SCREEN:-1024x768x24}"

cleanup() {
  wineserver -k >/dev/null 2>&1
  kill $xvfb_pid >/dev/null 2>&1
  wait $xvfb_pid 2>/dev/null
}
trap cleanup EXIT

# The first run makes the prefix (about 10 s); runs in parallel wait for it.
mkdir -p "$WINEPREFIX"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.fesk-ready" ]; then
    wineboot -i >/dev/null 2>&1 && wineserver -w && touch "$WINEPREFIX/.fesk-ready"
  fi
) 9>"$WINEPREFIX.lock"

timeout --kill-after=10 "$timeout_s" wine "$program" "$@"
status=$?
if [ -n "${FESK_ARTIFACTS:-}" ] && command -v import >/dev/null; then
  mkdir -p "$FESK_ARTIFACTS"
  import -display :$display -window root "$FESK_ARTIFACTS/$(basename "$program" .exe)-final.png" >/dev/null 2>&1
fi
# Screenshots the program took itself are BMP files; keep them as PNG.
if [ -n "${FESK_ARTIFACTS:-}" ] && [ -d "$FESK_ARTIFACTS" ] && command -v convert >/dev/null; then
  for bmp in "$FESK_ARTIFACTS"/*.bmp; do
    [ -f "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" >/dev/null 2>&1 && rm -f "$bmp"
  done
fi
[ $status -eq 124 ] && echo "timed out after ${timeout_s}s"
exit $status
