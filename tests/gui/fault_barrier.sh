#!/usr/bin/env bash
# A handler that throws does not end the program: the view catches the fault at the window
# procedure, shows one plain message, and the window goes on answering. Driven on the
# probe's demonstration window, whose test-only "Throw" button looks up a control that
# does not exist.
# Usage: bash tests/gui/fault_barrier.sh <folder of the win64 programs>  (DISPLAY, WINEPREFIX set)
set -uo pipefail
bin=${1:?usage: fault_barrier.sh <win64 bin folder>}
probe() { wine "$bin/qb_gui_probe.exe" "$@"; }
fail() { echo "fault barrier: FAILED: $*"; exit 1; }
title="Quill Box"

wine "$bin/qb_gui_probe.exe" demo >/dev/null 2>&1 &
demo_pid=$!
trap 'kill $demo_pid 2>/dev/null' EXIT
probe wait "$title" 60 >/dev/null || fail "the demonstration window did not appear"

for attempt in 1 2; do
  probe click "$title" "Throw" Button || fail "the window has no Throw button"
  text=$(probe message "$title" 20) || fail "no message after fault $attempt"
  echo "$text" | grep -q "could not finish" || fail "unexpected message: $text"
  echo "$text" | grep -q "no such control" || fail "the message does not say what failed: $text"
  echo "fault barrier: fault $attempt shown: $(echo "$text" | grep 'What went wrong')"
done

# Still answering: a navigation button switches the page.
probe click "$title" "Visual" Button || fail "could not click Visual after the faults"
shown=1
for _ in $(seq 1 50); do
  if probe visible "$title" "Visual" QbFrame >/dev/null 2>&1; then shown=0; break; fi
  sleep 0.2
done
[ $shown -eq 0 ] || fail "the window stopped answering after the faults"

probe close "$title" >/dev/null || fail "could not ask the window to close"
probe gone "$title" 30 >/dev/null || fail "the window did not close"
wait "$demo_pid"
status=$?
[ $status -eq 0 ] || fail "the demonstration ended with status $status"
echo "fault barrier: passed"
