# Sourced: points Wine at a prefix, quiet, without the desktop-menu helper, and makes a
# new prefix ready (initialised, window closes without the bare-X delay).
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"winemenubuilder.exe=d;mscoree=;mshtml="}

qb_prepare_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
  fi
}

# A drive Q: on a RAM disk of a few kilobytes, for the tests of what a full disk does.
# Mounting needs the rights to; without them the drive is simply not there (QB_FULL_DRIVE
# stays unset and those tests say they were skipped).
qb_full_disk() {
  local disk="$WINEPREFIX/full-disk"
  mkdir -p "$disk"
  mountpoint -q "$disk" || mount -t tmpfs -o size=16k tmpfs "$disk" 2>/dev/null || return 0
  ln -sfn "$disk" "$WINEPREFIX/dosdevices/q:"
  export QB_FULL_DRIVE="Q:"
}

qb_full_disk_release() {
  if mountpoint -q "$WINEPREFIX/full-disk" 2>/dev/null; then umount "$WINEPREFIX/full-disk"; fi
  rm -f "$WINEPREFIX/dosdevices/q:"
  unset QB_FULL_DRIVE
}
