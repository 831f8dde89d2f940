# Starts an Xvfb display of its own for a Wine run (sourced, not run).
#
#   . tests/wine/private-display.sh; start_private_display [SCREEN]
#
# Sets DISPLAY, display (its number) and xvfb_pid.  Runs started at the same
# moment take turns choosing a display, so that no two of them pick the same
# free number.
start_private_display() {
  local screen=${1:-1024x768x24}
  exec 8>/tmp/fesk-wine-display.lock
  flock 8
  display=""
  for n in $(seq 90 140); do
    if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then display=$n; break; fi
  done
  [ -n "$display" ] || { echo "no free X display"; exit 1; }
  Xvfb :$display -screen 0 "$screen" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=:$display
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done
  flock -u 8
  exec 8>&-
}
