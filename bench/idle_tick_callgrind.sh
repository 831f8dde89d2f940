#!/bin/bash
# Instructions of one idle sensing tick, counted by callgrind, with 100
# programs of which none or all have a shortcut key, and their ratio; then
# those of one tick of a movement: within its first 50 moving ticks, and
# far beyond them (where the samples kept are thinned now and then).
# Printed only, never judged.
#
#   bench/idle_tick_callgrind.sh [NATIVE_BUILD_DIR]     (default build/native)
#
# Only SensingLoop::SensingTick and what it calls are counted.  Each count is
# taken over 1000 and over 2000 ticks; the difference, divided by 1000, is
# one tick without the launcher's start-up or anything else done once.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build/native}" && pwd)
command -v valgrind >/dev/null || { echo "valgrind is needed (apt-get install -y valgrind)"; exit 1; }

ninja -C "$build" idle_tick_count >/dev/null
program=$build/bench/idle_tick_count
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Instructions inside the ticks of one run (the arguments of idle_tick_count).
count() {
  local file=$out/callgrind.$1.$2.${3:-idle}
  valgrind --tool=callgrind --callgrind-out-file="$file" \
    --toggle-collect='fesk::SensingLoop::SensingTick()' "$program" "$@" >/dev/null 2>&1
  sed -n 's/^totals: *\([0-9]*\).*/\1/p' "$file"
}

declare -A per_tick
for shortcuts in 0 100; do
  once=$(count "$shortcuts" 1000)
  twice=$(count "$shortcuts" 2000)
  per_tick[$shortcuts]=$(((twice - once) / 1000))
  echo "figure: idle tick, 100 programs, $shortcuts shortcut keys = ${per_tick[$shortcuts]} instructions (callgrind)"
done
awk -v a="${per_tick[100]}" -v b="${per_tick[0]}" \
  'BEGIN { printf "figure: idle tick, 100 shortcut keys / none = %.3f\n", a / b }'

# A movement's tick: the first 50 (each sample kept) from a movement of 50
# ticks, release included; beyond them, the difference between movements of
# 2000 and 1000 moving ticks.
first=$(count 0 50 moving)
echo "figure: moving tick, first 50 of a movement = $((first / 50)) instructions (callgrind, release included)"
once=$(count 0 1000 moving)
twice=$(count 0 2000 moving)
echo "figure: moving tick, beyond 1000 moving ticks = $(((twice - once) / 1000)) instructions (callgrind)"
