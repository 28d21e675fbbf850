#!/usr/bin/env bash
# Smoke test of the real program under Wine: start it, wait for the main window, click the
# "Explorer" navigation button with real window messages, check that the "Explorer" frame
# became visible, take a screenshot, close the window and check that the program ended.
# Usage: bash tests/gui/smoke.sh <folder of the win64 programs>  (DISPLAY and WINEPREFIX set)
# QB_SMOKE_PROGRAM and QB_SMOKE_ARGS run another program in its place (the probe's demo).
set -uo pipefail
bin=${1:?usage: smoke.sh <win64 bin folder>}
root=$(cd "$(dirname "$0")/../.." && pwd)
probe="$bin/qb_gui_probe.exe"
program=${QB_SMOKE_PROGRAM:-$bin/QuillBox.exe}
title="Quill Box"
shots="$root/build/screenshots"

fail() { echo "smoke: FAILED: $*"; exit 1; }
probe() { wine "$probe" "$@"; }

[ -f "$program" ] || fail "no program at $program"
[ -f "$probe" ] || fail "no probe at $probe"
mkdir -p "$shots"

wine "$program" ${QB_SMOKE_ARGS:-} >/dev/null 2>&1 &
program_pid=$!
finish() {
  if kill -0 "$program_pid" 2>/dev/null; then kill "$program_pid" 2>/dev/null; fi
}
trap finish EXIT

probe wait "$title" 60 || fail "no window titled \"$title\" appeared"

# The button may sit in a collapsed column (hidden); a click by message reaches it all the
# same. A window without it is a failure, not a reason to pass.
probe visible "$title" "Explorer" Button >/dev/null 2>&1
[ $? -ne 2 ] || fail "the \"$title\" window has no \"Explorer\" button"

probe click "$title" "Explorer" Button || fail "could not click the Explorer button"
shown=1
for _ in $(seq 1 50); do
  if probe visible "$title" "Explorer" QbFrame >/dev/null 2>&1; then shown=0; break; fi
  sleep 0.2
done
[ $shown -eq 0 ] || fail "the Explorer frame did not become visible"
echo "smoke: the Explorer frame is visible"

# The picture is kept once the window is on the screen and the screen has settled: two
# captures in a row with the same pixels (the page has finished painting).
for _ in $(seq 1 100); do
  xwininfo -name "$title" 2>/dev/null | grep -q "IsViewable" && break
  sleep 0.1
done
import -window root "$shots/smoke.png" || fail "screenshot failed"
settled=1
for _ in $(seq 1 50); do
  import -window root "$shots/smoke-next.png" || fail "screenshot failed"
  if cmp -s <(convert "$shots/smoke.png" rgb:-) <(convert "$shots/smoke-next.png" rgb:-); then
    settled=0
    break
  fi
  mv "$shots/smoke-next.png" "$shots/smoke.png"
done
rm -f "$shots/smoke-next.png"
[ $settled -eq 0 ] || fail "the screen never settled for the screenshot"
echo "smoke: screenshot $shots/smoke.png"

probe close "$title" || fail "could not ask the window to close"
probe gone "$title" 30 || fail "the window did not close"
for _ in $(seq 1 100); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.2
done
if kill -0 "$program_pid" 2>/dev/null; then fail "the program did not exit after its window closed"; fi
wait "$program_pid"
status=$?
[ $status -eq 0 ] || fail "the program exited with status $status"
echo "smoke: passed"
