#!/usr/bin/env bash
# Takes the screenshots under docs/screenshots: the main window on each of its seven pages
# at 96 DPI, every page and System Health in German and French, and once at 144 DPI, on a
# virtual display under Wine.
#   QB_SHOTS=tweaks     only the tweak pages, at 96 and 144 DPI
#   QB_SHOTS=languages  only the German and French pictures
#   QB_SHOTS=history    only the History window, in the three languages at 96 and 144 DPI
#   QB_SHOT_DISPLAY, QB_SHOT_PREFIX  the X display number and the Wine prefix to use
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"
# Build output is shown only when the build fails.
if ! log=$(scripts/build.sh win64 QuillBox quillbox-cli qb_gui_probe qb_data_files 2>&1); then
  echo "$log" >&2
  echo "The build failed; see the errors above." >&2
  exit 1
fi
bin="$root/build/win64/bin"
out="$root/docs/screenshots"
mkdir -p "$out"

export WINEPREFIX="${QB_SHOT_PREFIX:-$root/build/wineprefix-screenshots}"
. "$root/scripts/wine-env.sh"
. "$root/scripts/xvfb.sh"
qb_start_xvfb "${QB_SHOT_DISPLAY:-94}" || exit 1
trap qb_stop_xvfb EXIT
qb_prepare_prefix

probe() { wine "$bin/qb_gui_probe.exe" "$@"; }

# A window alone, cut out of the screen: shoot <file name> [window title].
shoot() {
  local id
  id=$(xdotool search --name "^${2:-Quill Box}\$" | head -n 1)
  sleep 1.5
  import -window "$id" "$out/$1.png"
}

# A window that opens over the main one: shoot_window <file name> <window title> waits for
# it, takes its picture and closes it again.
shoot_window() {
  probe wait "$2" 20 >/dev/null
  shoot "$1" "$2"
  probe close "$2" >/dev/null
  probe gone "$2" 20 >/dev/null
}

start() {
  wine "$bin/QuillBox.exe" &
  probe wait "Quill Box" 30 >/dev/null
}

set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
}

# The tweak pages and the system colours window, at the DPI given: tweak_shots <suffix>.
tweak_shots() {
  local main
  main=$(xdotool search --name '^Quill Box$' | head -n 1)
  probe click "Quill Box" "Explorer" Button >/dev/null
  shoot "tweaks-explorer-options$1"
  # Tabs are not windows of their own: click where the "Privacy" tab is drawn.
  xdotool mousemove --window "$main" $((305 * ${2:-96} / 96)) $((66 * ${2:-96} / 96)) click 1
  shoot "tweaks-privacy$1"
  probe click "Quill Box" "Input" Button >/dev/null
  shoot "tweaks-input$1"
  probe click "Quill Box" "Visual" Button >/dev/null
  xdotool mousemove --window "$main" $((215 * ${2:-96} / 96)) $((66 * ${2:-96} / 96)) click 1
  shoot "tweaks-visual-options$1"
  probe click "Quill Box" "System Colors" Button >/dev/null
  shoot_window "tweaks-syscolors$1" "Colors"
}

# The review before removal, over an application path made invalid for the picture (closing
# the list cancels: nothing is removed), and the list of entries kept. System Health is open.
review_shots() {
  local demo='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\OldEditor.exe'
  wine reg add "$demo" /ve /d 'C:\Program Files\Old Editor\editor.exe' /f >/dev/null 2>&1
  local kept
  kept="$(winepath -u "$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')")/Quill Box"
  mkdir -p "$kept"
  printf '%s\r\n' 'HKEY_CURRENT_USER\Software\Old Maker\Tool' 'C:\Users\Public\Desktop\Games' \
    'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\App Paths\Keep.exe' >"$kept/Exclusions.txt"
  # The choice starts off in a new prefix; the click turns it on (and stores it), the last one off.
  probe click "System Health" "Show what will be removed first" Button >/dev/null
  probe click "System Health" "Check & Repair" Button "Application paths entries in Registry" >/dev/null
  shoot_window system-health-review "What will be removed"
  probe click "System Health" "Exclusions..." Button >/dev/null
  shoot_window system-health-exclusions "Entries always kept"
  probe click "System Health" "Show what will be removed first" Button >/dev/null
  rm -f "$kept/Exclusions.txt"
  wine reg delete "$demo" /f >/dev/null 2>&1
}

language_key='HKCU\Software\VB and VBA Program Settings\Vorlix\Language'

# The caption a language file gives a key, as the control holds it (with its "&" marks).
caption() {  # language, key
  local file="$root/resources/data/languages/$1.ini"
  # English is kept as plain text, the translations as UTF-16.
  { if [ "$1" = English ]; then cat "$file"; else iconv -f UTF-16 -t UTF-8 "$file"; fi; } |
    tr -d '\r' | sed -n "s/^$2=//p"
}

# Every page of the main window, its tabs, and System Health, in one shipped translation
# stored as the user's choice: language_shots <language> <suffix>.
language_shots() {
  local language=$1 suffix=$2 main page health
  wine reg add "$language_key" /v lng /d "$language" /f >/dev/null 2>&1
  start
  main=$(xdotool search --name '^Quill Box$' | head -n 1)
  for page in 7003:explorer 1006:system-info 1003:drives 1004:input 1026:language \
              1001:cpu-memory 1002:visual; do
    probe click "Quill Box" "$(caption "$language" "${page%%:*}")" Button >/dev/null
    shoot "${page##*:}-$suffix"
  done
  # Tabs are not windows of their own: click where the second and third tabs are drawn,
  # a place inside them in both translations (their longer captions move the tabs).
  xdotool mousemove --window "$main" 340 66 click 1
  shoot "visual-start-menu-$suffix"
  xdotool mousemove --window "$main" 420 66 click 1
  shoot "visual-desktop-$suffix"
  probe click "Quill Box" "$(caption "$language" 7003)" Button >/dev/null
  xdotool mousemove --window "$main" 340 66 click 1
  shoot "privacy-$suffix"
  health=$(caption "$language" 7010)
  probe click "Quill Box" "$(caption "$language" 1007)" Button >/dev/null
  probe wait "$health" 20 >/dev/null
  shoot "system-health-$suffix" "$health"
  probe close "$health" >/dev/null
  probe gone "$health" 20 >/dev/null
  probe close "Quill Box" >/dev/null
  probe gone "Quill Box" 20 >/dev/null
}

all_language_shots() {
  export LC_ALL=C.UTF-8  # the translated captions travel to Wine's programs as UTF-8
  language_shots German german
  language_shots French french
  wine reg delete "$language_key" /v lng /f >/dev/null 2>&1 || true
}

# The History window over a journal of a few actions: one Apply of the Explorer Options page,
# two settings of the companion and an undo of the last, the newest action chosen so that its
# items show below. history_shots <suffix> <dpi>, in the language stored as the user's choice.
history_journal() {
  # Only the actions below: the tests and benchmarks keep their journal beside the same program.
  rm -f "$bin/Backups/journal.qbj"
  start
  probe click "Quill Box" "Explorer" Button >/dev/null
  probe click "Quill Box" "Full Screen" Button >/dev/null
  probe click "Quill Box" "Apply" Button "Explorer Options" >/dev/null
  probe close "Quill Box" >/dev/null
  probe gone "Quill Box" 20 >/dev/null
  wine "$bin/quillbox-cli.exe" settings set input.mouse-speed 14 >/dev/null 2>&1
  wine "$bin/quillbox-cli.exe" settings set startmenu.no-run on >/dev/null 2>&1
  wine "$bin/quillbox-cli.exe" undo last >/dev/null 2>&1
}

history_shots() {
  local title
  title=$(caption "$3" 8600)
  start
  probe click "Quill Box" "$title" Button >/dev/null
  probe wait "$title" 20 >/dev/null
  # The first row of the list of actions, under its header.
  xdotool mousemove --window "$(xdotool search --name "^$title\$" | head -n 1)" \
    $((120 * $2 / 96)) $((88 * $2 / 96)) click 1
  shoot "history$1" "$title"
  probe close "$title" >/dev/null
  probe gone "$title" 20 >/dev/null
  probe close "Quill Box" >/dev/null
  probe gone "Quill Box" 20 >/dev/null
}

if [ "${QB_SHOTS:-all}" = history ]; then
  export LC_ALL=C.UTF-8
  set_dpi 96
  history_journal
  for dpi in 96 144; do
    set_dpi "$dpi"
    for language in English German French; do
      wine reg add "$language_key" /v lng /d "$language" /f >/dev/null 2>&1
      suffix=$([ "$language" = English ] || echo "-${language,,}")$([ "$dpi" = 96 ] || echo "-${dpi}dpi")
      history_shots "$suffix" "$dpi" "$language"
    done
  done
  wine reg delete "$language_key" /v lng /f >/dev/null 2>&1 || true
  set_dpi 96
  echo "screenshots in $out"
  exit 0
fi

if [ "${QB_SHOTS:-all}" = languages ]; then
  set_dpi 96
  all_language_shots
  echo "screenshots in $out"
  exit 0
fi

# QB_SHOTS=tweaks takes only the tweak pages' pictures.
if [ "${QB_SHOTS:-all}" = tweaks ]; then
  for dpi in 96 144; do
    set_dpi "$dpi"
    start
    tweak_shots "$([ "$dpi" = 96 ] || echo "-${dpi}dpi")" "$dpi"
    probe close "Quill Box" >/dev/null
    probe gone "Quill Box" 20 >/dev/null
  done
  set_dpi 96
  echo "screenshots in $out"
  exit 0
fi

set_dpi 96
start
tweak_shots ""
for page in "Explorer:explorer" "System info:system-info" "Visual:visual" "Drives:drives" \
            "Input:input" "Language:language"; do
  probe click "Quill Box" "${page%%:*}" Button >/dev/null
  shoot "${page##*:}"
done
probe click "Quill Box" "Visual" Button >/dev/null
# Tabs are not windows of their own: click where the "Start Menu" tab is drawn.
xdotool mousemove --window "$(xdotool search --name '^Quill Box$' | head -n 1)" 300 66 click 1
shoot visual-start-menu
xdotool mousemove --window "$(xdotool search --name '^Quill Box$' | head -n 1)" 370 66 click 1
shoot visual-desktop
probe click "Quill Box" "System Health" Button >/dev/null
probe wait "System Health" 20 >/dev/null
shoot system-health "System Health"
# The orphan-shortcut group after a run over the prefix's drive: counts and "Done ...".
probe click "System Health" "Check & Repair" Button "Orphan Shortcuts" >/dev/null
sleep 8
shoot system-health-shortcuts "System Health"
review_shots
probe close "System Health" >/dev/null
# The customisation windows, from the Visual Options tab.
probe click "Quill Box" "Visual" Button >/dev/null
xdotool mousemove --window "$(xdotool search --name '^Quill Box$' | head -n 1)" 220 66 click 1
probe click "Quill Box" "Fonts" Button >/dev/null
shoot_window fonts "Fonts"
probe click "Quill Box" "Icons" Button >/dev/null
probe wait "Icons" 20 >/dev/null
probe click "Icons" "Drive" Button >/dev/null
shoot icons "Icons"
probe click "Icons" "Next>>" Button >/dev/null
shoot_window icon-drive "Change drive icon"
probe click "Icons" "Folder" Button >/dev/null
probe click "Icons" "Next>>" Button >/dev/null
shoot_window icon-folder "Change folder icon"
probe close "Icons" >/dev/null
probe gone "Icons" 20 >/dev/null
probe click "Quill Box" "CPU & Memory" Button >/dev/null
shoot cpu-memory
probe click "Quill Box" "Tasks" Button >/dev/null
shoot_window process-manager "Process manager"
# The monitor after a few ticks of its graph, then the information page at the grown height.
sleep 5
shoot monitor-cpu-memory
# The graph following the machine's load: quiet, three busy loops for ten seconds, quiet again,
# side by side.
shoot live-1
for _ in 1 2 3; do timeout 10 sh -c 'while :; do :; done' & done
sleep 7
shoot live-2
sleep 10
shoot live-3
convert "$out"/live-{1,2,3}.png -crop 480x280+170+40 +repage +append "$out/monitor-live-load.png"
rm -f "$out"/live-{1,2,3}.png
probe click "Quill Box" "System info" Button >/dev/null
shoot monitor-system-info
probe close "Quill Box" >/dev/null
probe gone "Quill Box" 20 >/dev/null

all_language_shots

set_dpi 144
start
shoot visual-144dpi
tweak_shots -144dpi 144
probe close "Quill Box" >/dev/null
probe gone "Quill Box" 20 >/dev/null
set_dpi 96
echo "screenshots in $out"
