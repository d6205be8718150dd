#!/bin/sh
# Starts vesmira.exe with a settings file of its own (the whole year, opaque,
# own colours and one holiday), photographs the screen and checks the window's
# place and size, its background, the holiday in the Sunday colour and the
# today mark; then a second start must end by itself and leave one window.
# The settings file found in the prefix is put back afterwards.
# Runs inside scripts/test's Wine environment (prefix, display, locale, TZ).
set -u
exe=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
settings=
kept=

end_calendar() {
    wine taskkill /im vesmira.exe >/dev/null 2>&1
    tries=0
    while [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null && [ "$tries" -lt 25 ]; do
        tries=$((tries + 1))
        sleep 0.2
    done
    if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null; then
        wine taskkill /im vesmira.exe /f >/dev/null 2>&1
        kill "$pid" 2>/dev/null
    fi
    pid=
}

cleanup() {
    end_calendar
    if [ -n "$kept" ]; then
        cp "$kept" "$settings"
    elif [ -n "$settings" ]; then
        rm -f "$settings"
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "calendar_screenshot_test: $1"
    exit 1
}

# A calendar left by an earlier test would take this start's place.
wine taskkill /im vesmira.exe /f >/dev/null 2>&1

appdata=$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
user=$(wine cmd /c 'echo %USERNAME%' 2>/dev/null | tr -d '\r')
folder="$(winepath -u "$appdata" 2>/dev/null)/vesmira/$user"
[ -n "$appdata" ] && [ -n "$user" ] || fail "no application-data folder in the prefix"
mkdir -p "$folder" || fail "cannot create $folder"
settings="$folder/vesmira.ini"
if [ -f "$settings" ]; then
    kept="$work/kept.ini"
    cp "$settings" "$kept"
fi

# The shown year is the current one. Its first Wednesday of March from the 4th
# on is the holiday; the Wednesday after it stays a plain day.
year=$(date +%Y)
today=$(date +%m-%d)
march4=$(date -d "$year-03-04" +%w)
holiday=$((4 + (3 - march4 + 7) % 7))
plain=$((holiday + 7))

# Code page 932 and CRLF, as the program writes its own file. Without list
# lines of other kinds only this holiday exists; derived holidays are off.
{
    printf '%s\r\n' version=182 left=60 top=40 right=400 bottom=400 numOfMonth=0 numOfPast=0 \
        fallsOnSun=0 fallsOnSat=0 equinoxBool=0 betweenBool=0 numOfColumn=4 calendarFormat=1 \
        dayFormat=0 transparent=255 styleOfMonth=0 todayInfo=11 'fontFaceName=Times New Roman' \
        fontPointSize=20 fontWeight=700 fontItalic=0 frameSizeOfDate=120 \
        colorBackground=30060090 colorWeekday=255255255 colorSaturday=255255000 \
        colorSunday=255000000 colorToday=200000 clockInfo=0 zOrder=0 mouseTransparent=0 \
        startWeek=1
    printf 'holiday=1`3`%d`0`検査の日\r\n' "$holiday"
} | iconv -f UTF-8 -t CP932 >"$settings" || fail "cannot write $settings"

wine "$exe" >/dev/null 2>&1 &
pid=$!

# The frame opens at 4096 x 4096 and takes its size at the first paint; before
# that, Wine may briefly show its X window as 1 x 1 at the origin.
geometry=
tries=0
while [ "$tries" -lt 100 ]; do
    tries=$((tries + 1))
    info=$(xwininfo -name vesm 2>/dev/null)
    width=$(echo "$info" | sed -n 's/^ *Width: *//p')
    if [ -n "$width" ] && [ "$width" -gt 1 ] && [ "$width" -lt 4096 ]; then
        geometry=$(echo "$info" | sed -n \
            -e 's/^ *Absolute upper-left X: *//p' -e 's/^ *Absolute upper-left Y: *//p' \
            -e 's/^ *Width: *//p' -e 's/^ *Height: *//p' | tr '\n' ' ')
        break
    fi
    kill -0 "$pid" 2>/dev/null || fail "vesmira.exe ended before showing its window"
    sleep 0.2
done
[ -n "$geometry" ] || fail "no sized window titled vesm appeared"
sleep 1 # the paint that sized the window may still be on its way to the screen

import -window root "$work/shot.png" || fail "no screenshot"
convert "$work/shot.png" -depth 8 "ppm:$work/shot.ppm" || fail "cannot convert the screenshot"
# shellcheck disable=SC2086 # the geometry is four numbers
python3 "$here/calendar_screenshot_check.py" "$work/shot.ppm" $geometry "$year" "$today" \
    "03-$holiday" "03-$plain" || {
    cp "$work/shot.png" "${TMPDIR:-/tmp}/calendar_screenshot_failed.png" 2>/dev/null
    fail "the screenshot does not show the calendar as set (kept in ${TMPDIR:-/tmp}/calendar_screenshot_failed.png)"
}

vesm_windows() { xwininfo -root -tree 2>/dev/null | grep -c '"vesm"'; }
wine "$exe" /s >/dev/null 2>&1 &
second=$!
tries=0
while kill -0 "$second" 2>/dev/null; do
    tries=$((tries + 1))
    [ "$tries" -le 150 ] || fail "the second start did not end"
    sleep 0.2
done
[ "$(vesm_windows)" -eq 1 ] || fail "a second start left $(vesm_windows) windows titled vesm"
kill -0 "$pid" 2>/dev/null || fail "a second start ended the first"

end_calendar
[ "$(vesm_windows)" -eq 0 ] || fail "the window stayed after the end"
echo "calendar_screenshot_test: passed"
