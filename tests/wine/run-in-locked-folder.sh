#!/bin/bash
# Runs a two-step Wine scenario around a folder that nobody can write, not
# even root: the way "C:\Program Files" is for a standard user.
#
#   run-in-locked-folder.sh [--timeout SECONDS] PROGRAM.exe
#
# PROGRAM.exe fill FOLDER   runs while FOLDER can be written (it puts the
#                           programs and their files there);
# then FOLDER is made immutable (chattr +i);
# PROGRAM.exe use FOLDER    runs the scenario.
# FOLDER is a fresh folder beside the Wine prefix.  It is made writable
# again whatever happens (an immutable folder would block removing the
# build folder), and any folder an earlier run left locked is unlocked first.
set -u
timeout_args=()
if [ "${1:-}" = "--timeout" ]; then timeout_args=(--timeout "$2"); shift 2; fi
program=$1
here=$(cd "$(dirname "$0")" && pwd)
prefix=${FESK_WINEPREFIX:-$(dirname "$(dirname "$program")")/wineprefix}
folder="$(dirname "$prefix")/locked-folders/$(basename "$program" .exe)"

unlock() { [ -d "$folder" ] && chattr -i "$folder" 2>/dev/null; }
trap unlock EXIT
trap 'exit 130' INT TERM HUP

unlock
rm -rf "$folder" && mkdir -p "$folder" || exit 1
"$here/run-wine-test.sh" "${timeout_args[@]}" "$program" fill "$folder" || { echo "the fill step failed"; exit 1; }
chattr +i "$folder" || { echo "chattr +i failed: the folder cannot be locked here"; exit 1; }
"$here/run-wine-test.sh" "${timeout_args[@]}" "$program" use "$folder"
