# Sourced: a virtual X display for Windows programs under Wine.
#   qb_start_xvfb [number]  starts Xvfb on a free display (the number given when it is free),
#                           waits until the server answers and exports DISPLAY
#   qb_stop_xvfb            stops the Wine server of WINEPREFIX and then that Xvfb
# Callers usually run: qb_start_xvfb "$N" || exit 1; trap qb_stop_xvfb EXIT

qb_display_free() {
  [ ! -e "/tmp/.X11-unix/X$1" ] && [ ! -e "/tmp/.X$1-lock" ]
}

qb_start_xvfb() {
  local preferred=${1:-} number
  for number in $preferred $(seq 90 160); do
    qb_display_free "$number" || continue
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    QB_XVFB_PID=$!
    # Answering, not merely started: a program started too early finds no display.
    local tenth
    for tenth in $(seq 1 100); do
      if xdpyinfo -display ":$number" >/dev/null 2>&1; then
        export DISPLAY=":$number"
        return 0
      fi
      kill -0 "$QB_XVFB_PID" 2>/dev/null || break  # lost a race for the number: try the next
      sleep 0.1
    done
    kill "$QB_XVFB_PID" 2>/dev/null
    wait "$QB_XVFB_PID" 2>/dev/null
  done
  echo "no free X display could be started" >&2
  return 1
}

qb_stop_xvfb() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "${QB_XVFB_PID:-}" ]; then
    kill "$QB_XVFB_PID" 2>/dev/null || true
    wait "$QB_XVFB_PID" 2>/dev/null || true
    QB_XVFB_PID=
  fi
}
