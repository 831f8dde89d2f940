#!/bin/bash
# Builds both programs and packs the release for Windows users:
# build/release/Fesk-2.3.zip with Fesk.exe, FeskINI.exe, the help document,
# the sample settings and a read-me in Japanese (code page 932, CR LF).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
scripts/build.sh

version=2.3
stage="build/release/Fesk-$version"
rm -rf "$stage" "build/release/Fesk-$version.zip"
mkdir -p "$stage"
cp build/win/launcher/win32/Fesk.exe build/win/editor/win32/FeskINI.exe "$stage"/
x86_64-w64-mingw32-strip "$stage"/*.exe
cp help/Fesk.html demo/Fesk.Ini demo/FESK.TBL "$stage"/
# The text is in code page 932 like everything the programs write; its name
# is stored in UTF-8 with the zip's UTF-8 flag, which Explorer honours on a
# Windows of any language.
sed 's/$/\r/' help/readme-ja.txt | iconv -f utf-8 -t cp932 > "$stage/お読みください.txt"
(cd "$stage" && LC_ALL=C.UTF-8 zip -q -X "../Fesk-$version.zip" ./*)
echo "build/release/Fesk-$version.zip:"
unzip -l "build/release/Fesk-$version.zip"
