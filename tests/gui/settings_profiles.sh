#!/usr/bin/env bash
# Settings profiles from one computer to another under Wine: quillbox-cli changes and exports
# the settings of one new prefix, applies the profile in a second new prefix, and there check
# agrees, reg query shows the values and SystemParametersInfo reads the mouse speed and font
# smoothing back. Then the README's administrator examples run as written (only the profile's
# path differs), each on a computer that has drifted, with the exit codes the README promises.
# Usage: bash tests/gui/settings_profiles.sh <folder of the win64 programs>  (DISPLAY set)
set -uo pipefail
bin=${1:?usage: settings_profiles.sh <win64 bin folder>}
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env.sh"
cli="$bin/quillbox-cli.exe"
probe="$bin/qb_gui_probe.exe"
work="$root/build/settings-profiles"
template="$work/new"
started=$SECONDS

fail() { echo "settings profiles: FAILED: $*"; exit 1; }
[ -f "$cli" ] && [ -f "$probe" ] || fail "no quillbox-cli.exe or qb_gui_probe.exe in $bin"

stop_servers() {
  local prefix
  for prefix in "$work/first" "$work/second"; do
    [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1
  done
  return 0
}
trap stop_servers EXIT

# Both computers start as the same new prefix; it is made once and copied while no server runs.
stop_servers
rm -rf "$work/first" "$work/second"
mkdir -p "$work"
if [ ! -f "$template/system.reg" ]; then
  rm -rf "$template"
  WINEPREFIX=$template qb_prepare_prefix || fail "no new prefix could be made"
fi
cp -a "$template" "$work/first" && cp -a "$template" "$work/second" || fail "prefix copy"
# Each prefix keeps one server with its system processes for the whole test, started with
# their output elsewhere: otherwise every command's captured output stays open until the
# processes it started have ended, some seconds after the command.
for prefix in first second; do
  WINEPREFIX="$work/$prefix" wineserver -p >/dev/null 2>&1
  WINEPREFIX="$work/$prefix" wine cmd /c exit >/dev/null 2>&1 </dev/null
done

# on: run <prefix> <args...>: quillbox-cli in that prefix, its exit status kept in $status.
on() {
  local prefix=$1; shift
  output=$(WINEPREFIX="$work/$prefix" wine "$cli" "$@" 2>&1 | tr -d '\r')
  status=${PIPESTATUS[0]}
}
expect() {  # expect <status> <what>
  [ "$status" -eq "$1" ] || fail "$2: exit $status, not $1: $output"
}

profile="$work/first/drive_c/tweaks.ini"
for setting in "startmenu.no-run on" "desktop.hide-icons on" "input.mouse-speed 17" \
               "visual.font-smoothing off" "input.double-click-time 700"; do
  on first settings set $setting
  expect 0 "settings set $setting"
done
on first settings export 'C:\tweaks.ini'
expect 0 "export"
grep -q '^input.mouse-speed = 17' "$profile" || fail "the export lacks the mouse speed: $(cat "$profile")"
cp "$profile" "$work/second/drive_c/tweaks.ini"

on second settings check 'C:\tweaks.ini'
expect 1 "check on the new computer"
on second settings apply 'C:\tweaks.ini'
expect 0 "apply"
on second settings check 'C:\tweaks.ini'
expect 0 "check after apply"

query() {  # query <key> <value>: the value's data as reg query prints it
  WINEPREFIX="$work/second" wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { print $3 }'
}
[ "$(query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\Explorer' NoRun)" = 0x1 ] ||
  fail "reg query: NoRun is not 0x1"
[ "$(query 'HKCU\Control Panel\Mouse' MouseSensitivity)" = 17 ] || fail "reg query: MouseSensitivity is not 17"
[ "$(query 'HKCU\Control Panel\Mouse' DoubleClickSpeed)" = 700 ] || fail "reg query: DoubleClickSpeed is not 700"
[ "$(query 'HKCU\Control Panel\Desktop' FontSmoothing)" = 0 ] || fail "reg query: FontSmoothing is not 0"
system=$(WINEPREFIX="$work/second" wine "$probe" system | tr -d '\r')
[ "$system" = $'mouse-speed 17\nfont-smoothing 0' ] || fail "SystemParametersInfo reads: $system"
echo "settings profiles: exported, applied in a second prefix, checked, read back ($((SECONDS - started))s)"

# The README's examples, each command with the profile's path put in; the computer drifts
# before each example, as it would have when an administrator's engine runs it.
mapfile -t commands < <(sed -n '/^## Many machines/,/^## /p' "$root/README.md" |
  grep -o 'quillbox-cli.exe" settings [a-z]* [^ '"'"']*' | sed 's/^quillbox-cli.exe" //')
[ ${#commands[@]} -eq 5 ] || fail "the README's examples hold ${#commands[@]} commands, not 5: ${commands[*]}"
readme() {  # readme <index>: that command of the README, on the second computer
  local words
  read -r -a words <<<"${commands[$1]}"
  on second "${words[@]:0:2}" 'C:\tweaks.ini'
}
drift() { on second settings set startmenu.no-run off; expect 0 "drift"; }

# Intune: detection exits 1 (remediation needed), remediation 0, detection then 0.
drift
readme 0; expect 1 "Intune detection on a drifted computer"
readme 1; expect 0 "Intune remediation"
readme 0; expect 0 "Intune detection after remediation"
# Group Policy: the start-up script's apply.
drift
readme 2; expect 0 "Group Policy script"
# Ansible: the check reports a change (rc 1), the apply runs because of it, and a second
# run finds nothing changed (rc 0).
drift
readme 3; expect 1 "Ansible check on a drifted computer"
readme 4; expect 0 "Ansible apply"
readme 3; expect 0 "Ansible check on a computer in line"
echo "settings profiles: the README's examples give their exit codes ($((SECONDS - started))s)"
