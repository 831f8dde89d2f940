#!/bin/bash
# Installs what building and testing Fesk needs on a Debian machine, only
# what is missing: the MinGW-w64 cross compiler, Wine and Xvfb to run the
# Windows programs, a Japanese font and locale, GoogleTest, Google
# Benchmark, clang's libFuzzer runtime, ImageMagick for screenshots,
# Python for packing the release and NSIS (makensis) for its setup program.
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev
          g++-mingw-w64-x86-64 wine wine64 xvfb fonts-ipafont-gothic locales imagemagick zip unzip python3 nsis)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root=""
  [ "$(id -u)" -ne 0 ] && as_root="sudo"
  $as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine passes non-ASCII arguments correctly only under a generated UTF-8
# locale; Japanese text on screen needs it too.  The English one runs the
# programs as a user outside Japan does (tests of folder names).
for wanted in ja_JP en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$wanted.utf8\$"; then
    as_root=""
    [ "$(id -u)" -ne 0 ] && as_root="sudo"
    $as_root sed -i "s/^# *$wanted.UTF-8 UTF-8/$wanted.UTF-8 UTF-8/" /etc/locale.gen
    grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen || echo "$wanted.UTF-8 UTF-8" | $as_root tee -a /etc/locale.gen >/dev/null
    $as_root locale-gen >/dev/null
  fi
done
