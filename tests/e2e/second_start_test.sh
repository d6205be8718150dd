#!/bin/sh
# Starting vesmira.exe a second time while the first runs leaves exactly one
# window titled "vesm", and the second process ends by itself, silently.
# Runs inside scripts/test's Wine environment (prefix, display, locale).
set -u
exe=$1
fail() {
    echo "second_start_test: $1"
    wine taskkill /im vesmira.exe /f >/dev/null 2>&1
    exit 1
}

vesm_windows() {
    xwininfo -root -tree 2>/dev/null | grep -c '"vesm"'
}

# A first start in this prefix may find settings from earlier runs; either way
# one window must appear.
wine "$exe" >/dev/null 2>&1 &
first=$!
tries=0
until [ "$(vesm_windows)" -ge 1 ]; do
    tries=$((tries + 1))
    [ "$tries" -le 150 ] || fail "the first start showed no window titled vesm"
    sleep 0.2
done

# The second start must end on its own, and quickly.
wine "$exe" /s >/dev/null 2>&1 &
second=$!
tries=0
while kill -0 "$second" 2>/dev/null; do
    tries=$((tries + 1))
    [ "$tries" -le 150 ] || fail "the second start did not end"
    sleep 0.2
done
sleep 1
count=$(vesm_windows)
[ "$count" -eq 1 ] || fail "expected one window titled vesm, found $count"
kill -0 "$first" 2>/dev/null || fail "the first instance ended"

# End what this test started.
wine taskkill /im vesmira.exe /f >/dev/null 2>&1
echo "second_start_test: passed"
