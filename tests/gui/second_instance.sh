#!/usr/bin/env bash
# A second start while Quill Box runs ends at once and shows nothing; the first window stays.
# Usage: second_instance.sh <folder of QuillBox.exe and qb_gui_probe.exe>
set -uo pipefail
bin=$1
probe() { wine "$bin/qb_gui_probe.exe" "$@"; }
fail() { echo "FAIL: $*"; wineserver -k >/dev/null 2>&1; exit 1; }

wine "$bin/QuillBox.exe" &
probe wait "Quill Box" 60 >/dev/null || fail "the first Quill Box window did not appear"

timeout 60 wine "$bin/QuillBox.exe" || fail "the second start did not end by itself"
windows=$(xdotool search --onlyvisible --name '^Quill Box$' | wc -l)
[ "$windows" -eq 1 ] || fail "expected one Quill Box window, found $windows"
probe visible "Quill Box" "Explorer" Button >/dev/null || fail "the first window stopped answering"

probe close "Quill Box" >/dev/null
probe gone "Quill Box" 30 >/dev/null || fail "Quill Box did not close"
echo "second start ended at once; the first window stayed and closed normally"
