#!/usr/bin/env bash
# Builds all three builds and runs every test tier:
#   native   unit tests against the in-memory machine, under ASan and UBSan
#   wine     the Windows test programs against the real services, in a throwaway prefix
#   fuzz     each parser of outside data under libFuzzer and ASan, briefly
#   gui      the real program under Xvfb + Wine, driven through window messages
#   packaging  the installers and the portable zip, installed and removed under Wine
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh" || exit 1

passed=0
failed=0
tier() {
  local name=$1; shift
  echo "=== $name"
  if "$@"; then passed=$((passed + 1)); echo "=== $name: passed"
  else failed=$((failed + 1)); echo "=== $name: FAILED"; fi
}

# The 32-bit test program is built too, so that a fault of the x86 calling convention or of
# pointer size stops the build; it is not run, since a 32-bit Wine cannot start on a kernel
# without 32-bit executables.
build_all() {
  scripts/build.sh native-asan &&
  scripts/build.sh win64 &&
  scripts/build.sh win32 QuillBox qb_win32_tests
}

# The programs are of the right kind and carry their data files, the help file included.
artifacts() {
  file build/win64/bin/QuillBox.exe | grep -q 'PE32+ executable (GUI) x86-64' &&
  file build/win32/bin/QuillBox.exe | grep -q 'PE32 executable (GUI) Intel 80386' &&
  echo "QuillBox.exe: win64 PE32+, win32 PE32" &&
  for data in languages/English.ini winaquas.skn Splash.spl newhelp.chm; do
    [ -s "build/win64/bin/$data" ] || { echo "missing beside the program: $data"; return 1; }
  done &&
  7z l build/win64/bin/newhelp.chm | grep -q ' index.html$' &&
  echo "newhelp.chm holds the help pages"
}

native_tests() {
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/native-asan --output-on-failure
}

# One throwaway prefix per run: initialising one takes a while.
export WINEPREFIX="$root/build/wineprefix-test"
. "$root/scripts/wine-env.sh"
. "$root/scripts/xvfb.sh"

# Windows programs need an X display even when they show nothing: a virtual one of our own
# (QB_TEST_DISPLAY when that one is free), stopped with the prefix's Wine server at the end.
trap qb_stop_xvfb EXIT
qb_start_xvfb "${QB_TEST_DISPLAY:-97}" || exit 1

wine_tests() {
  qb_full_disk_release
  rm -rf "$WINEPREFIX"
  qb_prepare_prefix || return 1
  qb_full_disk
  # One entry per suite: a failure names its suite, a hang names where it hung.
  ctest --test-dir build/win64 --output-on-failure --timeout 300
  local status=$?
  qb_full_disk_release
  return $status
}

# The installers and zips as users get them: written by scripts/package.sh, then installed,
# run, cleaned with and uninstalled silently in the test prefix.
packaging_tests() {
  qb_prepare_prefix && scripts/package.sh >/dev/null &&
  bash tests/packaging/install.sh build/dist build/win64/bin
}

# Every parser of outside data, briefly: each libFuzzer target of fuzz/ for 20 seconds.
fuzz_tests() {
  scripts/fuzz.sh "${QB_FUZZ_SECONDS:-20}"
}

gui_tests() {
  local status=0
  for test in tests/gui/*.sh; do
    [ -e "$test" ] || continue
    echo "--- $test"
    bash "$test" "$root/build/win64/bin" || status=1
  done
  return $status
}

tier build build_all || true
if [ $failed -ne 0 ]; then echo "tiers: 0 passed, 1 failed"; exit 1; fi
tier artifacts artifacts
tier native native_tests
tier fuzz fuzz_tests
tier wine wine_tests
tier gui gui_tests
tier packaging packaging_tests
qb_stop_xvfb

echo "tiers: $passed passed, $failed failed"
[ $failed -eq 0 ]
