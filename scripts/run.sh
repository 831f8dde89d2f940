#!/bin/bash
# Builds both programs (nothing else: the tests are scripts/test.sh's) and
# starts the launcher and the editor under Wine on a copy of the demo
# settings folder (build/demo).  Without a display, a virtual one is started
# and a screenshot is taken after a few seconds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
scripts/build.sh programs

demo="$root/build/demo"
rm -rf "$demo"
mkdir -p "$demo"
cp demo/Fesk.Ini demo/FESK.TBL "$demo"/
cp build/win/launcher/win32/Fesk.exe build/win/editor/win32/FeskINI.exe "$demo"/

export WINEPREFIX="$root/build/wineprefix-demo" WINEDEBUG=-all LANG=ja_JP.UTF-8
started_display=""
if [ -z "${DISPLAY:-}" ]; then
  Xvfb :77 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  started_display=$!
  export DISPLAY=:77
  sleep 1
fi

wine "$demo/Fesk.exe" &
sleep 3
wine "$demo/FeskINI.exe" &
echo "Fesk and FeskINI are running on $demo (settings: $demo/Fesk.Ini)."
if [ -n "$started_display" ]; then
  sleep 8
  import -window root "$root/build/demo-screen.png" && echo "Screenshot: build/demo-screen.png"
  echo "No display was set, so the programs ran on a virtual one; stopping them."
  wineserver -k
  kill "$started_display"
else
  echo "Close them from their windows (the launcher: its tray icon, then the dialog's close box)."
  wait
fi
