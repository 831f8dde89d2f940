#!/bin/bash
# Builds both programs (only them) and packs the release for Windows users:
# build/release/Fesk-2.3.zip with Fesk.exe, FeskINI.exe, the help document,
# the sample settings and a read-me in Japanese (code page 932, CR LF), and
# beside it the setup program build/release/Fesk-2.3-setup.exe.
# The packing alone, on programs already built, is scripts/pack-release.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh
scripts/build.sh programs
scripts/pack-release.sh build/win build/release
