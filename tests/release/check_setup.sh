#!/bin/bash
# Checks the setup program as scripts/pack-release.sh makes it from the
# programs of a MinGW build:
#
#   tests/release/check_setup.sh WIN_BUILD_DIR [WORK_DIR]
#
# Packs the release into WORK_DIR (a new temporary folder if not given,
# emptied first), then runs setup_scenario.exe of the build under Wine in a
# prefix made afresh for it (WORK_DIR/wineprefix), where Fesk was never
# installed: a silent install, Fesk saving its settings in the install
# folder, an upgrade over the running Fesk, a silent uninstall.  The exit
# code is the number of failed checks.
set -u
. "$(dirname "$0")/work-folder.sh"

if ! "$root/scripts/pack-release.sh" "$win_build" "$work" >"$work/pack.log" 2>&1; then
  cat "$work/pack.log"
  echo "FAIL scripts/pack-release.sh packs the programs of $win_build"
  exit 1
fi
version=$(sed -n 's/^project(Fesk VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
setup="$work/Fesk-$version-setup.exe"
[ -f "$setup" ] || { echo "FAIL the setup is $setup"; exit 1; }
echo "ok   the setup is $setup ($(stat -c %s "$setup") bytes)"

scenario="$win_build/tests/e2e/setup_scenario.exe"
[ -f "$scenario" ] || { echo "FAIL the MinGW build has $scenario"; exit 1; }
FESK_WINEPREFIX="$work/wineprefix" "$root/tests/wine/run-wine-test.sh" --timeout 600 "$scenario" "Z:${setup//\//\\}"
