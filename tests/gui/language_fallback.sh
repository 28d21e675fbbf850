#!/usr/bin/env bash
# A language choice that leads nowhere still gives a usable window: Quill Box starts with
# readable captions when English.ini is removed, emptied or garbage, and when the stored
# choice names a missing language or a path. Runs a copy of the program in a folder of its
# own, so the build's data files stay as they are.
# Usage: bash tests/gui/language_fallback.sh <folder of the win64 programs>  (DISPLAY, WINEPREFIX set)
set -uo pipefail
bin=${1:?usage: language_fallback.sh <win64 bin folder>}
root=$(cd "$(dirname "$0")/../.." && pwd)
copy="$root/build/language-fallback"
probe() { wine "$bin/qb_gui_probe.exe" "$@"; }
fail() { echo "language fallback: FAILED: $*"; exit 1; }
title="Quill Box"
key='HKCU\Software\VB and VBA Program Settings\Vorlix\Language'

rm -rf "$copy" && mkdir -p "$copy/languages"
cp "$bin/QuillBox.exe" "$bin/winaquas.skn" "$bin/Splash.spl" "$copy/" || fail "could not copy the program"
english="$copy/languages/English.ini"
trap 'wine reg delete "$key" /v lng /f >/dev/null 2>&1; rm -rf "$copy"' EXIT

# One start: the navigation buttons and a frame captioned by code must read as designed.
check_start() {
  local what=$1
  wine "$copy/QuillBox.exe" >/dev/null 2>&1 &
  local pid=$!
  probe wait "$title" 60 >/dev/null || { kill $pid; fail "$what: no window"; }
  for caption in "Explorer" "System info" "Visual" "Language"; do
    probe visible "$title" "$caption" Button >/dev/null 2>&1
    [ $? -ne 2 ] || { probe close "$title"; fail "$what: no button captioned \"$caption\""; }
  done
  probe close "$title" >/dev/null
  probe gone "$title" 30 >/dev/null || fail "$what: the window did not close"
  wait $pid
  echo "language fallback: $what: readable captions"
}

set_choice() { wine reg add "$key" /v lng /t REG_SZ /d "$1" /f >/dev/null 2>&1; }

cp "$bin/languages/English.ini" "$english"
set_choice "Klingon";                  check_start "choice Klingon (no such file)"
set_choice '..\..\windows\win';        check_start "choice ..\\..\\windows\\win"
wine reg delete "$key" /v lng /f >/dev/null 2>&1
rm -f "$english";                      check_start "English.ini removed"
: > "$english";                        check_start "English.ini empty"
head -c 4096 /dev/urandom > "$english"; check_start "English.ini garbage"
echo "language fallback: passed"
