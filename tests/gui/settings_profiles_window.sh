#!/usr/bin/env bash
# The settings profiles window of the real program under Wine, through its own buttons and
# the system's file dialogs: export to a file, let the computer drift, import the file back.
# The import lists what would change and asks nothing more; Apply changes exactly that, says
# so in one message, and is one action of the history that undo takes back.
# Usage: bash tests/gui/settings_profiles_window.sh <folder of the win64 programs>
# (DISPLAY and WINEPREFIX set). A picture of the window with its list goes to build/screenshots.
set -uo pipefail
bin=${1:?usage: settings_profiles_window.sh <win64 bin folder>}
root=$(cd "$(dirname "$0")/../.." && pwd)
title="Quill Box"
window="Settings profiles"
profile='C:\qb-window-profile.ini'
profile_file="$WINEPREFIX/drive_c/qb-window-profile.ini"
policies='HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer'
shots="$root/build/screenshots"

fail() { echo "settings profiles window: FAILED: $*"; exit 1; }
probe() { wine "$bin/qb_gui_probe.exe" "$@"; }
cli() { wine "$bin/quillbox-cli.exe" "$@"; }
query() {  # query <key> <value>: the value's data as reg query prints it
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name { print $3 }'
}

rm -f "$profile_file"
wine "$bin/QuillBox.exe" >/dev/null 2>&1 &
program_pid=$!
finish() {
  if kill -0 "$program_pid" 2>/dev/null; then probe close "$title" >/dev/null 2>&1; probe gone "$title" 20 >/dev/null 2>&1; fi
  if kill -0 "$program_pid" 2>/dev/null; then kill "$program_pid" 2>/dev/null; fi
  # What this test changed goes back to the computer's values before it.
  [ -s "$profile_file" ] && cli settings apply "$profile" >/dev/null 2>&1
  rm -f "$profile_file"
}
trap finish EXIT

probe wait "$title" 60 >/dev/null || fail "no main window"
probe click "$title" "Language" Button >/dev/null || fail "no Language button"
probe click "$title" "Settings profiles..." Button >/dev/null || fail "no Settings profiles button"
probe wait "$window" 20 >/dev/null || fail "the window did not open"

# Export through the save dialog.
probe click "$window" "Export settings..." Button >/dev/null || fail "no Export button"
probe file "$window" "$profile" 20 || fail "no save dialog"
said=$(probe message "$title" 20 | tr -d '\r') || fail "no message after the export"
[ "$said" = "The settings were exported to $profile." ] || fail "the export said: $said"
grep -q '^startmenu.no-run = ' "$profile_file" || fail "the exported file lacks startmenu.no-run"
run_before=$(sed -n 's/^startmenu.no-run = //p' "$profile_file" | tr -d '\r')
speed_before=$(sed -n 's/^input.mouse-speed = //p' "$profile_file" | tr -d '\r')
[ -n "$speed_before" ] || fail "the exported file holds no mouse speed"

# Something else changes two settings meanwhile: a policy and the mouse speed.
drifted_run=$([ "$run_before" = on ] && echo 0 || echo 1)
drifted_speed=$([ "$speed_before" = 3 ] && echo 4 || echo 3)
wine reg add "$policies" /v NoRun /t REG_DWORD /d "$drifted_run" /f >/dev/null 2>&1 || fail "reg add NoRun"
wine reg add 'HKCU\Control Panel\Mouse' /v MouseSensitivity /t REG_SZ /d "$drifted_speed" /f >/dev/null 2>&1 ||
  fail "reg add MouseSensitivity"

# Import through the open dialog: the list of what would change, and nothing written yet.
probe click "$window" "Import settings..." Button >/dev/null || fail "no Import button"
probe file "$window" "$profile" 20 || fail "no open dialog"
listed=1
for _ in $(seq 1 100); do
  if probe list "$window" | tr -d '\r' | grep -q 'Static "Apply would change these 2 settings:"'; then listed=0; break; fi
  sleep 0.2
done
[ $listed -eq 0 ] || fail "the import does not list two changes: $(probe list "$window" | grep Static)"
[ "$(query "$policies" NoRun)" = "0x$drifted_run" ] || fail "the import wrote before Apply"
if probe message "$title" 1 >/dev/null 2>&1; then fail "the import asked more than the list"; fi
mkdir -p "$shots"
id=$(xdotool search --name "^$window\$" | head -n 1)
[ -n "$id" ] && import -window "$id" "$shots/settings-profiles.png"

# Apply: one message, the registry and the system as the profile says.
probe click "$window" "Apply" Button >/dev/null || fail "no Apply button"
said=$(probe message "$title" 20 | tr -d '\r') || fail "no message after Apply"
expected=$(printf '2 of 2 settings were applied.\n\nThe Start menu and desktop settings take effect when you next sign in.')
[ "$said" = "$expected" ] || fail "Apply said: $said"
if probe message "$title" 2 >/dev/null 2>&1; then fail "Apply showed a second message"; fi
[ "$(query "$policies" NoRun)" = "0x$([ "$run_before" = on ] && echo 1 || echo 0)" ] || fail "NoRun was not applied"
[ "$(query 'HKCU\Control Panel\Mouse' MouseSensitivity)" = "$speed_before" ] || fail "the mouse speed was not applied"
probe system | tr -d '\r' | grep -qx "mouse-speed $speed_before" || fail "SystemParametersInfo reads: $(probe system)"

# One action of the history, which undo takes back whole.
probe click "$window" "Close" Button >/dev/null
probe gone "$window" 20 >/dev/null || fail "the window did not close"
newest=$(cli history 2>/dev/null | tr -d '\r' | head -n 1)
case "$newest" in
  *"Settings profiles: 1 values, 1 system settings"*) ;;
  *) fail "the newest action of the history is: $newest" ;;
esac
cli undo last >/dev/null 2>&1 || fail "undo last"
[ "$(query "$policies" NoRun)" = "0x$drifted_run" ] || fail "undo did not give NoRun back"
[ "$(query 'HKCU\Control Panel\Mouse' MouseSensitivity)" = "$drifted_speed" ] || fail "undo did not give the mouse speed back"
echo "settings profiles window: exported, imported with its list, applied once, undone"
