#!/usr/bin/env bash
# The packages as a user meets them, under Wine:
#  - the 64-bit installer in silent mode installs into Program Files: every file, the Start
#    menu shortcut and every uninstall value are there, and the program starts from there;
#  - the program's own cleaner leaves the program's uninstall entry alone while it removes
#    a broken one, and writes its backup beside the program;
#  - while the console program runs, the installer and the uninstaller refuse with status 2
#    and change nothing;
#  - the silent uninstaller removes exactly what was installed and keeps that backup;
#  - a chosen folder (/D=) is installed into and removed whole;
#  - the 32-bit installer holds the same files (it cannot run here: listed with 7z);
#  - the portable zip runs from a folder with a space and non-ASCII letters in its name and
#    writes its backups beside itself.
# Usage: bash tests/packaging/install.sh <dist folder> <win64 bin folder with qb_gui_probe.exe>
# (DISPLAY and WINEPREFIX set, the prefix initialised).
set -uo pipefail
dist=$(cd "${1:?usage: install.sh <dist> <win64 bin>}" && pwd)
bin=$(cd "${2:?usage: install.sh <dist> <win64 bin>}" && pwd)
export LANG=C.UTF-8 LC_ALL=C.UTF-8  # non-ASCII paths on wine's command line
drive_c="$WINEPREFIX/drive_c"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuillBox'
orphan_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QbPackagingOrphan'

failures=0
pass() { echo "packaging: ok: $*"; }
fail() { echo "packaging: FAILED: $*"; failures=$((failures + 1)); }
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }
probe() { wine "$bin/qb_gui_probe.exe" "$@"; }

setup64=$(ls "$dist"/QuillBox-*-x64-setup.exe 2>/dev/null | head -n 1)
setup86=$(ls "$dist"/QuillBox-*-x86-setup.exe 2>/dev/null | head -n 1)
zip64=$(ls "$dist"/QuillBox-*-x64.zip 2>/dev/null | head -n 1)
[ -n "$setup64" ] && [ -n "$setup86" ] && [ -n "$zip64" ] || { echo "packaging: FAILED: no packages in $dist"; exit 1; }
name=$(basename "$zip64" .zip)
version=${name#QuillBox-}; version=${version%-x64}

# The files every package carries: those of the portable zip.
shipped=$(unzip -Z1 "$zip64" | grep -v '/$' | sed "s|^$name/||" | sort)
check "the packages ship QuillBox.exe, quillbox-cli.exe, the languages, skin, splash and help" \
  bash -c 'for f in QuillBox.exe quillbox-cli.exe languages/English.ini languages/German.ini languages/French.ini winaquas.skn Splash.spl newhelp.chm; do grep -qx "$f" <<<"$1" || { echo "missing $f"; exit 1; }; done' _ "$shipped"
x86_files=$(7z l -slt "$setup86" | sed -n '/^----------$/,$ s/^Path = //p' |
            grep -v -e '^\$PLUGINSDIR' -e '^uninstall.exe$' | tr '\\' '/' | sort)
check "the x86 installer holds the same files as the zip" [ "$x86_files" = "$shipped" ]

check "the x64 installer is a 64-bit program" bash -c 'file "$1" | grep -q "PE32+ executable (GUI) x86-64"' _ "$setup64"
check "the x86 installer is a 32-bit program" bash -c 'file "$1" | grep -q "PE32 executable (GUI) Intel 80386"' _ "$setup86"
x86_program=$(mktemp -d)
7z e -y -o"$x86_program" "$setup86" QuillBox.exe >/dev/null 2>&1
check "the x86 installer carries the 32-bit QuillBox.exe" \
  bash -c 'file "$1" | grep -q "PE32 executable (GUI) Intel 80386"' _ "$x86_program/QuillBox.exe"
rm -rf "$x86_program"
check "SHA256SUMS matches every package" bash -c 'cd "$1" && sha256sum --quiet -c SHA256SUMS' _ "$dist"

reg_values() { wine reg query "$1" 2>/dev/null | tr -d '\r'; }
value_of() {  # value name, from the output of reg_values on stdin
  awk -v v="$1" '$1 == v { $1 = ""; $2 = ""; sub(/^  /, ""); print }'
}
all_files_in() { local dir=$1; while IFS= read -r f; do [ -f "$dir/$f" ] || return 1; done <<<"$shipped"; }
no_file_in() { local dir=$1; while IFS= read -r f; do [ ! -e "$dir/$f" ] || return 1; done <<<"$shipped"; }

# A broken uninstall entry (one without an uninstall command) for the cleaner to find, then the cleaner run in the program
# started from folder; waits until the entry is gone.
run_cleaner_from() {
  local exe=$1 backup_dir=$2
  wine reg add "$orphan_key" /v DisplayName /d "Removed long ago" /f >/dev/null 2>&1
  wine "$exe" >/dev/null 2>&1 &
  local pid=$!
  probe wait "Quill Box" 60 >/dev/null || { fail "the program did not start from $exe"; return 1; }
  pass "the program starts from $exe"
  probe click "Quill Box" "System Health" Button >/dev/null
  probe wait "System Health" 30 >/dev/null || { fail "System Health did not open"; return 1; }
  probe click "System Health" "Check && Repair" Button "Software removal entries in Registry" >/dev/null
  # The backup is written before anything is removed.
  for _ in $(seq 1 120); do
    ls "$backup_dir"/*.reg >/dev/null 2>&1 && break
    sleep 0.5
  done
  # The removal follows the backup: polled, not waited out.
  for _ in $(seq 1 60); do
    wine reg query "$orphan_key" >/dev/null 2>&1 || break
    sleep 0.5
  done
  check "the cleaner removed the broken uninstall entry" bash -c "! wine reg query '$orphan_key' >/dev/null 2>&1"
  probe close "System Health" >/dev/null 2>&1
  probe gone "System Health" 20 >/dev/null 2>&1
  probe close "Quill Box" >/dev/null 2>&1
  probe gone "Quill Box" 30 >/dev/null 2>&1
  wait "$pid" 2>/dev/null
}

# --- The 64-bit installer, silent, into Program Files.
wine "$setup64" /S >/dev/null 2>&1
check "the silent installer ends with status 0" [ $? -eq 0 ]
instdir="$drive_c/Program Files/Quill Box"
check "every file is installed into Program Files\\Quill Box" all_files_in "$instdir"
check "the uninstaller is installed" [ -f "$instdir/uninstall.exe" ]
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quill Box.lnk"
check "the Start menu shortcut is there" [ -f "$shortcut" ]
declare -A expected=(
  [DisplayName]="Quill Box" [DisplayVersion]="$version" [Publisher]="Quill Box"
  [DisplayIcon]='C:\Program Files\Quill Box\QuillBox.exe,0'
  [InstallLocation]='C:\Program Files\Quill Box'
  [UninstallString]='"C:\Program Files\Quill Box\uninstall.exe"'
  [QuietUninstallString]='"C:\Program Files\Quill Box\uninstall.exe" /S'
  [NoModify]=0x1 [NoRepair]=0x1
)
entry=$(reg_values "$uninstall_key")
for value in "${!expected[@]}"; do
  actual=$(value_of "$value" <<<"$entry")
  check "uninstall value $value = ${expected[$value]}" [ "$actual" = "${expected[$value]}" ]
done
size=$(value_of EstimatedSize <<<"$entry")
check "uninstall value EstimatedSize is a size in KB ($size)" [ $((size)) -gt 500 ]

cli_version=$(wine "$instdir/quillbox-cli.exe" --version 2>/dev/null | tr -d '\r')
check "the installed console program answers --version ($cli_version)" \
  bash -c '[[ "$1" == *"$2"* ]]' _ "$cli_version" "$version"

# --- The console program running: the installer (an upgrade) and the uninstaller refuse
# with status 2 and change nothing. It is kept running by a report larger than a pipe holds,
# written into a pipe that nobody reads.
busy_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\ComDlg32\OpenSaveMRU\qbbusy'
busy_reg=$(mktemp --suffix=.reg)
{ printf 'REGEDIT4\r\n\r\n[%s]\r\n' "${busy_key/HKCU/HKEY_CURRENT_USER}"
  for i in $(seq 1 800); do printf '"v%d"="C:\\\\gone\\\\report %d.txt"\r\n' "$i" "$i"; done; } >"$busy_reg"
wine reg import "$(winepath -w "$busy_reg")" >/dev/null 2>&1
installed_state() {
  (cd "$instdir" && find . -type f -printf '%p %s %T@\n' | sort)
  [ -f "$shortcut" ] && echo shortcut
  reg_values "$uninstall_key"
}
before=$(installed_state)
wine "$instdir/quillbox-cli.exe" check history --json 2>/dev/null | sleep 600 &
reader=$!
companion_blocked() {
  local pid
  for pid in $(pgrep -f 'quillbox-cli.exe check history'); do
    [[ "$(cat /proc/$pid/wchan 2>/dev/null)" == *pipe_write ]] && return 0
  done
  return 1
}
for _ in $(seq 1 120); do companion_blocked && break; sleep 0.5; done
check "the console program runs, held by its full pipe" companion_blocked
wine "$setup64" /S >/dev/null 2>&1
check "the installer refuses with status 2 while the console program runs" [ $? -eq 2 ]
# Run in place (_?=) so that its own status is seen.
wine "$instdir/uninstall.exe" /S '_?=C:\Program' 'Files\Quill' 'Box' >/dev/null 2>&1
check "the uninstaller refuses with status 2 while the console program runs" [ $? -eq 2 ]
check "neither of them changed a file, the shortcut or the uninstall entry" \
  [ "$(installed_state)" = "$before" ]
kill "$reader" 2>/dev/null
wait "$reader" 2>/dev/null
for _ in $(seq 1 60); do pgrep -f 'quillbox-cli.exe check history' >/dev/null || break; sleep 0.5; done
wine reg delete "$busy_key" /f >/dev/null 2>&1
rm -f "$busy_reg"

run_cleaner_from 'C:\Program Files\Quill Box\QuillBox.exe' "$instdir/Backups"
check "the cleaner left the program's own uninstall entry alone" \
  [ "$(reg_values "$uninstall_key" | value_of UninstallString)" = "${expected[UninstallString]}" ]
backups=$(ls "$instdir/Backups"/*.reg 2>/dev/null | wc -l)
check "the cleaner wrote its backup beside the program ($backups file)" [ "$backups" -ge 1 ]

# --- The silent uninstaller: it copies itself away and runs from there, so wait for it.
wine "$instdir/uninstall.exe" /S >/dev/null 2>&1
for _ in $(seq 1 120); do
  no_file_in "$instdir" && [ ! -e "$instdir/uninstall.exe" ] && break
  sleep 0.5
done
check "the uninstaller removed every installed file" no_file_in "$instdir"
check "the uninstaller removed itself" [ ! -e "$instdir/uninstall.exe" ]
check "the uninstaller removed the languages folder" [ ! -e "$instdir/languages" ]
check "the uninstaller removed the Start menu shortcut" [ ! -e "$shortcut" ]
check "the uninstaller removed the uninstall entry" bash -c "! wine reg query '$uninstall_key' >/dev/null 2>&1"
left_backups=$(ls "$instdir/Backups"/*.reg 2>/dev/null | wc -l)
check "the uninstaller kept the cleaner's backups" [ "$left_backups" -eq "$backups" ] 
check "only the backups are left in the folder" [ "$(ls -A "$instdir")" = "Backups" ]

# --- A chosen folder: installed into, removed whole.
# NSIS takes the rest of its command line after /D= as the folder, spaces and all, so the
# folder is passed unquoted, the way a user types it.
wine "$setup64" /S '/D=C:\Tools\Quill' 'Box' >/dev/null 2>&1
chosen="$drive_c/Tools/Quill Box"
check "/D= installs into the chosen folder" all_files_in "$chosen"
check "the uninstall entry names the chosen folder" \
  [ "$(reg_values "$uninstall_key" | value_of InstallLocation)" = 'C:\Tools\Quill Box' ]
wine "$chosen/uninstall.exe" /S >/dev/null 2>&1
for _ in $(seq 1 120); do
  [ -e "$chosen" ] || break
  sleep 0.5
done
check "the uninstaller removes a folder it leaves empty" [ ! -e "$chosen" ]

# --- The portable zip, from a folder with a space and non-ASCII letters in its name.
portable_parent="$drive_c/Tragbar Qüill Böx"
rm -rf "$portable_parent"
mkdir -p "$portable_parent"
unzip -q "$zip64" -d "$portable_parent"
run_cleaner_from "C:\\Tragbar Qüill Böx\\$name\\QuillBox.exe" "$portable_parent/$name/Backups"
portable_backups=$(ls "$portable_parent/$name/Backups"/*.reg 2>/dev/null | wc -l)
check "the portable program writes its backups beside itself" [ "$portable_backups" -ge 1 ]
rm -rf "$portable_parent"

echo "packaging: $failures failed"
[ $failures -eq 0 ]
