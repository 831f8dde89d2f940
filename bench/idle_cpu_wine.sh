#!/bin/bash
# The idle launcher's CPU time under Wine, counted with its wineserver,
# beside the least any polling launcher does (bench/minimal_poller.cpp: a
# 10 ms timer reading sixteen keys).  Printed only, never judged.
#
#   bench/idle_cpu_wine.sh [MINGW_BUILD_DIR]     (default build/win)
#
# FESK_EXE names another Fesk.exe to measure (an older build, say),
# FESK_IDLE_SECONDS the length of one measurement (default 30) and
# FESK_IDLE_RUNS how many measurements are made one after another (default
# 3); each run is printed, then the median of each ratio.  With
# FESK_IDLE_INPUT=1 input flows during the measurement: in each prefix a
# helper (bench/input_flow.cpp, through the end-to-end driver) presses F24,
# a key that starts nothing, every 100 ms, so that each wineserver serves
# the same input and the launcher stays awake.  Without it the helper only
# keeps a window in front, as a user's desktop always has one.
#
# Four programs run side by side over the same 30 s, each in a Wine prefix
# of its own, so that each has a wineserver of its own and the server's time
# counts for the program it serves: Fesk.exe on the demo settings, Fesk.exe
# on 100 programs that all have a shortcut key, and a minimal poller beside
# each.  A process's time and its wineserver's are read from /proc (user plus
# system time, clock ticks); the other processes of each prefix (explorer,
# services ...) are shown apart.  The prefixes stay beside the build folder
# for the next run (the first run makes them, about 10 s each).  Each run
# also prints how many sensing ticks each Fesk.exe ran during it, asked of
# the launcher before and after the measurement.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build/win}" && pwd)
seconds=${FESK_IDLE_SECONDS:-30}
rounds=${FESK_IDLE_RUNS:-3}
settle=${FESK_IDLE_SETTLE:-10}
with_input=${FESK_IDLE_INPUT:-0}

ninja -C "$build" Fesk minimal_poller input_flow >/dev/null
fesk_exe=${FESK_EXE:-$build/launcher/win32/Fesk.exe}
poller_exe=$build/bench/minimal_poller.exe
input_flow_exe=$build/bench/input_flow.exe
base=$(cd "$build/.." && pwd)/idle-cpu-wine
mkdir -p "$base"

export WINEDEBUG=-all
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# "window" is the poller started with no timer: a window that only waits
# for messages, the floor of any Wine program with a window.
runs=(fesk-demo poller-a fesk-100 poller-b window)
declare -A exe_of=([fesk-demo]=Fesk.exe [fesk-100]=Fesk.exe [poller-a]=minimal_poller.exe
                   [poller-b]=minimal_poller.exe [window]=minimal_poller.exe)
declare -A args_of=([window]=idle)

# The settings: the demo's, and 100 programs with a shortcut each (the six
# modifier sets a shortcut can use in turn, a letter per six programs).
hundred_ini() {
  printf '[SYSTEM]\r\nMODE=0\r\nSELECTKEY=1\r\nWINSELECTKEY=6\r\nTRIGGER1=1\r\nTRIGGER2=1\r\n'
  printf 'TRIGGER3=1\r\nTRIGGER4=1\r\nSYSTEMICON=0\r\nHINT=ON\r\n[FESKIN]\r\nHINT=ON\r\n'
  local modifiers=("Ctrl+Shift+Alt+" "Ctrl+Shift+" "Ctrl+Alt+" "Ctrl+" "Shift+Alt+" "Alt+")
  local letters=ABCDEFGHIJKLMNOPQ slot
  for ((slot = 0; slot < 100; slot++)); do
    printf '[CMD%d]\r\nDISCRIPTION=Program %d\r\nCMDLINE=notepad.exe\r\nCMDSHOW=SW_SHOW\r\n' $slot $slot
    printf 'ACTCODE=lRlRl\r\nRUNPOS=111111111\r\nHOTKEY=%s%s\r\nDISPLAYPOS=\r\n' \
      "${modifiers[slot % 6]}" "${letters:slot / 6:1}"
  done
}
for run in "${runs[@]}"; do
  rm -rf "$base/$run/folder"
  mkdir -p "$base/$run/folder"
done
cp "$fesk_exe" "$base/fesk-demo/folder/Fesk.exe"
cp "$here/demo/Fesk.Ini" "$here/demo/FESK.TBL" "$base/fesk-demo/folder/"
cp "$fesk_exe" "$base/fesk-100/folder/Fesk.exe"
hundred_ini >"$base/fesk-100/folder/Fesk.Ini"
cp "$poller_exe" "$base/poller-a/folder/"
cp "$poller_exe" "$base/poller-b/folder/"
cp "$poller_exe" "$base/window/folder/"
for run in "${runs[@]}"; do cp "$input_flow_exe" "$base/$run/folder/"; done

# A display of its own, chosen as the Wine tests choose theirs.
. "$here/tests/wine/private-display.sh"
start_private_display

cleanup() {
  for run in "${runs[@]}"; do WINEPREFIX=$base/$run/prefix wineserver -k >/dev/null 2>&1 || true; done
  kill $xvfb_pid >/dev/null 2>&1 || true
  wait $xvfb_pid 2>/dev/null || true
}
trap cleanup EXIT

for run in "${runs[@]}"; do
  prefix=$base/$run/prefix
  if [ ! -f "$prefix/.fesk-ready" ]; then
    mkdir -p "$prefix"
    WINEPREFIX=$prefix wineboot -i >/dev/null 2>&1
    WINEPREFIX=$prefix wineserver -w
    touch "$prefix/.fesk-ready"
  fi
done

# One measurement: the four programs started, left to settle, measured side
# by side and ended.
measure_once() {
  for run in "${runs[@]}"; do
    (cd "$base/$run/folder" && WINEPREFIX=$base/$run/prefix exec wine "${exe_of[$run]}" ${args_of[$run]:-} >/dev/null 2>&1) &
  done
  # A window in front of each prefix, as a user's desktop always has one
  # (Wine hands raw input to the launcher only then), pressing F24 with
  # input flowing.
  local flow=front
  [ "$with_input" = 1 ] && flow=keys
  for run in "${runs[@]}"; do
    (cd "$base/$run/folder" &&
      WINEPREFIX=$base/$run/prefix exec wine input_flow.exe $flow $((settle + seconds + 10)) >/dev/null 2>&1) &
  done
  sleep "$settle"
  # Sensing ticks the launcher of a prefix has run so far ("none" without one).
  ticks_in() { (cd "$base/$1/folder" && WINEPREFIX=$base/$1/prefix wine input_flow.exe ticks 2>/dev/null | tr -d "\r") || true; }

  # Processes of a prefix: "program", "server" or "other" and the pid.
  processes_of() {
    local prefix=$1 exe=$2 dir pid comm
    for dir in /proc/[0-9]*; do
      pid=${dir#/proc/}
      { tr '\0' '\n' <"$dir/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" || continue
      comm=$({ cat "$dir/comm"; } 2>/dev/null) || continue
      if [[ $comm == wineserver* ]]; then
        echo "server $pid"
      elif { tr '\0' ' ' <"$dir/cmdline"; } 2>/dev/null | grep -qiF "$exe"; then
        echo "program $pid"
      else
        echo "other $pid"
      fi
    done
  }
  # User plus system time of a process, in clock ticks.
  ticks_of() { { awk '{ print $14 + $15 }' "/proc/$1/stat"; } 2>/dev/null || echo 0; }

  unset kind_of before after
  declare -A kind_of before after
  all_pids=()
  for run in "${runs[@]}"; do
    found=$(processes_of "$base/$run/prefix" "${exe_of[$run]}")
    grep -q '^program ' <<<"$found" || { echo "$run: ${exe_of[$run]} is not running"; exit 1; }
    grep -q '^server ' <<<"$found" || { echo "$run: no wineserver"; exit 1; }
    while read -r kind pid; do
      kind_of[$pid]="$run $kind"
      all_pids+=("$pid")
    done <<<"$found"
  done
  unset sensing_before
  declare -A sensing_before
  for run in fesk-demo fesk-100; do sensing_before[$run]=$(ticks_in $run); done
  for pid in "${all_pids[@]}"; do before[$pid]=$(ticks_of "$pid"); done
  start=$(date +%s.%N)
  sleep "$seconds"
  for pid in "${all_pids[@]}"; do after[$pid]=$(ticks_of "$pid"); done
  wall=$(awk -v a="$(date +%s.%N)" -v b="$start" 'BEGIN { printf "%.1f", a - b }')

  hz=$(getconf CLK_TCK)
  declare -A ms
  for run in "${runs[@]}"; do
    for kind in program server other; do ms[$run.$kind]=0; done
  done
  for pid in "${all_pids[@]}"; do
    read -r run kind <<<"${kind_of[$pid]}"
    ms[$run.$kind]=$((ms[$run.$kind] + (after[$pid] - before[$pid]) * 1000 / hz))
  done

  local input_note=""
  [ "$with_input" = 1 ] && input_note=", F24 pressed every 100 ms"
  echo "figure: idle CPU under Wine, side by side over $wall s$input_note (program + its wineserver):"
  for run in "${runs[@]}"; do
    total=$((ms[$run.program] + ms[$run.server]))
    ms[$run]=$total
    printf 'figure:   %-9s %-18s %6d ms (%.2f %% of one core) = %d ms program + %d ms wineserver; other processes of its prefix %d ms\n' \
      "$run" "${exe_of[$run]}" "$total" "$(awk -v t="$total" -v w="$wall" 'BEGIN { print 100 * t / 1000 / w }')" \
      "${ms[$run.program]}" "${ms[$run.server]}" "${ms[$run.other]}"
  done
  ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "n/a" }'; }
  demo_ratios+=("$(ratio "${ms[fesk-demo]}" "${ms[poller-a]}")")
  hundred_ratios+=("$(ratio "${ms[fesk-100]}" "${ms[poller-b]}")")
  noise_ratios+=("$(ratio "${ms[poller-b]}" "${ms[poller-a]}")")
  floor_ratios+=("$(ratio "${ms[window]}" "${ms[poller-a]}")")
  echo "figure: idle Fesk.exe, demo settings / minimal poller = ${demo_ratios[-1]}"
  echo "figure: idle Fesk.exe, 100 shortcut keys / minimal poller = ${hundred_ratios[-1]}"
  echo "figure: minimal poller / minimal poller (the noise of one run) = ${noise_ratios[-1]}"
  echo "figure: a window that only waits / minimal poller (the floor of any Wine program) = ${floor_ratios[-1]}"
  for run in fesk-demo fesk-100; do
    local now_ticks
    now_ticks=$(ticks_in $run)
    if [[ ${sensing_before[$run]} =~ ^[0-9]+$ && $now_ticks =~ ^[0-9]+$ ]]; then
      local ran=$((now_ticks - sensing_before[$run]))
      echo "figure: sensing ticks of $run over about $wall s: $ran ($(awk -v n=$ran -v w="$wall" 'BEGIN { printf "%.1f", n / w }') a second; the fast timer alone would run 100)"
    else
      echo "figure: sensing ticks of $run: not known (this Fesk.exe does not tell them)"
    fi
  done
  for run in "${runs[@]}"; do WINEPREFIX=$base/$run/prefix wineserver -k >/dev/null 2>&1 || true; done
  for run in "${runs[@]}"; do WINEPREFIX=$base/$run/prefix wineserver -w >/dev/null 2>&1 || true; done
}

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
demo_ratios=() hundred_ratios=() noise_ratios=() floor_ratios=()
for ((round = 1; round <= rounds; round++)); do
  echo "figure: run $round of $rounds"
  measure_once
done
echo "figure: median of $rounds runs: demo settings / poller = $(median "${demo_ratios[@]}"), 100 shortcut keys / poller = $(median "${hundred_ratios[@]}"), poller / poller = $(median "${noise_ratios[@]}"), waiting window / poller = $(median "${floor_ratios[@]}")"
