#!/bin/bash
# Packs the release for Windows users from programs already built:
#
#   scripts/pack-release.sh [WIN_BUILD_DIR [OUT_DIR]]
#
# WIN_BUILD_DIR is a MinGW build folder (build/win if not given); OUT_DIR
# (build/release if not given) receives Fesk-<version>.zip (the project's version, 2.3) with Fesk.exe and
# FeskINI.exe (stripped), the help document Fesk.html, the sample settings
# Fesk.Ini and FESK.TBL and a read-me in Japanese, お読みください.txt (code
# page 932, CR LF), and beside it Fesk-<version>-setup.exe, the setup
# program that installs the same files for the current user (setup/Fesk.nsi,
# built with NSIS's makensis).  scripts/release.sh builds the programs and
# calls this.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
win_build=$(cd "${1:-$root/build/win}" && pwd)
mkdir -p "${2:-$root/build/release}"
out=$(cd "${2:-$root/build/release}" && pwd)

# The project's version, the one CMakeLists.txt gives.
version=$(sed -n 's/^project(Fesk VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "no version in CMakeLists.txt" >&2; exit 1; }
stage="$out/Fesk-$version"
zip_file="$out/Fesk-$version.zip"
rm -rf "$stage" "$zip_file"
mkdir -p "$stage"
for program in launcher/win32/Fesk.exe editor/win32/FeskINI.exe; do
  [ -f "$win_build/$program" ] || { echo "missing: $win_build/$program (build the programs first)" >&2; exit 1; }
  cp "$win_build/$program" "$stage"/
done
x86_64-w64-mingw32-strip "$stage"/*.exe
cp "$root/help/Fesk.html" "$root/demo/Fesk.Ini" "$root/demo/FESK.TBL" "$stage"/
# The text is in code page 932 like everything the programs write.
sed 's/$/\r/' "$root/help/readme-ja.txt" | iconv -f utf-8 -t cp932 > "$stage/お読みください.txt"
# Its name is stored in UTF-8 with the zip's UTF-8 flag, which Explorer
# honours on a Windows of any language.  Info-ZIP's zip 3.0 stores such a
# name without the flag (Explorer then shows it garbled); Python's zipfile
# sets it.
command -v python3 >/dev/null || { echo "packing needs python3" >&2; exit 1; }
files=(Fesk.exe FeskINI.exe Fesk.html Fesk.Ini FESK.TBL お読みください.txt)
(cd "$stage" && python3 -m zipfile -c "$zip_file" "${files[@]}")
echo "$zip_file:"
unzip -l "$zip_file"

# The setup program: the same files, installed for the current user.
setup_file="$out/Fesk-$version-setup.exe"
rm -f "$setup_file"
command -v makensis >/dev/null || { echo "the setup needs makensis (scripts/setup.sh installs NSIS)" >&2; exit 1; }
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
  -DICON="$root/launcher/win32/icons/fesk.ico" -DOUTFILE="$setup_file" "$root/setup/Fesk.nsi"
echo "$setup_file: $(stat -c %s "$setup_file") bytes"
