#!/bin/sh
# Installs vesmira with its installer into a fresh Wine prefix, silently, and
# checks what the user gets: files, version resource, Start-menu shortcut,
# Uninstall key and a running calendar; installs again over the running one
# (it must close and come back with the settings kept); uninstalls silently
# and checks that everything but the settings file is gone; and that the
# settings file goes too when the uninstaller is asked to remove it.
# Usage: install_test.sh BUILD_DIR (the windows preset's, already built)
# Needs a display, the Japanese locale and scripts/lib/wine.sh's environment.
set -u
build=$(cd "$1" && pwd)
checker=$build/tests/install/install_check.exe
prefix=$build/install-prefix
clean=$build/install-prefix-clean
packages=$build/install-test-packages

fail() {
    echo "install_test: FAILED: $1"
    if [ "${WINEPREFIX:-}" = "$prefix" ]; then wineserver -k 2>/dev/null; fi
    exit 1
}

rm -rf "$packages"
cpack --config "$build/CPackConfig.cmake" -G NSIS -B "$packages" >/dev/null ||
    fail "cannot build the installer"
installer=$(ls "$packages"/*-setup.exe)

# A prefix is slow to create: make a clean one once, and copy it for each run.
if [ ! -f "$clean/.vesm-clean" ]; then
    rm -rf "$clean"
    WINEPREFIX=$clean wineboot --init >/dev/null 2>&1 || fail "cannot create a Wine prefix"
    WINEPREFIX=$clean wineserver --wait
    touch "$clean/.vesm-clean"
fi
rm -rf "$prefix"
cp -a "$clean" "$prefix" || fail "cannot copy the clean prefix"
export WINEPREFIX=$prefix

check() {
    wine "$checker" "$@" </dev/null || fail "$*"
}

# The id of the process that shows the calendar's window.
calendar_process() {
    wine "$checker" window </dev/null | tr -d '\r'
}

check seed-settings
wine "$installer" /S </dev/null >/dev/null 2>&1 || fail "the silent install failed"
check installed

exe="$(winepath -u 'C:\users')/$(id -un)/AppData/Local/Programs/vesmira/vesmira.exe"
wine "$exe" >/dev/null 2>&1 &
first=$(calendar_process)
[ -n "$first" ] || fail "no calendar window after installing"

# An upgrade closes the running calendar and starts the new one at the end.
wine "$installer" /S </dev/null >/dev/null 2>&1 || fail "the silent upgrade failed"
check installed
second=$(calendar_process)
[ -n "$second" ] || fail "no calendar window after upgrading"
[ "$first" != "$second" ] || fail "the upgrade did not restart the calendar (process $first)"

check seed-startup-link
wine "$(dirname "$exe")/Uninstall.exe" /S </dev/null >/dev/null 2>&1 ||
    fail "the silent uninstall failed"
check removed

# Asked to, the uninstaller takes the settings file along.
wine "$installer" /S </dev/null >/dev/null 2>&1 || fail "the second silent install failed"
wine "$(dirname "$exe")/Uninstall.exe" /S /REMOVESETTINGS </dev/null >/dev/null 2>&1 ||
    fail "the uninstall with /REMOVESETTINGS failed"
check settings-removed

wineserver -k 2>/dev/null
rm -rf "$prefix"
echo "install_test: passed"
