#!/bin/sh
# Times vesmira.exe from start to its window with a settings file of COUNT task
# lines in reverse date order (100 000 by default), under the Wine prefix,
# display and locale of the caller (see scripts/lib/wine.sh). Prints seconds.
# usage: big_settings_start_wine.sh PATH_TO_vesmira.exe [COUNT]
set -u
exe=$1
count=${2:-100000}
folder="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/vesmira/$(id -un)"
mkdir -p "$folder"
ini="$folder/vesmira.ini"
[ -f "$ini" ] && cp "$ini" "$ini.before-bench"
awk -v n="$count" 'BEGIN {
    printf "numOfMonth=3\r\nnumOfPast=1\r\n"
    for (i = 0; i < n; i++) {
        printf "task=1`%d`%d`%d`%d`0`0`1975`1`1`0`0`0`予定%d\r\n", 2099 - int(i / 3360), 12 - int(i / 280) % 12, 28 - int(i / 10) % 28, 19 - i % 10, i
    }
}' | iconv -f UTF-8 -t CP932 >"$ini"
start=$(date +%s.%N)
wine "$exe" >/dev/null 2>&1 &
tries=0
until xwininfo -root -tree 2>/dev/null | grep -q '"vesm"'; do
    tries=$((tries + 1))
    [ "$tries" -le 2400 ] || break
    sleep 0.05
done
end=$(date +%s.%N)
echo "window after $(echo "$end - $start" | bc) s with $count tasks"
wine taskkill /im vesmira.exe /f >/dev/null 2>&1
sleep 1
if [ -f "$ini.before-bench" ]; then mv "$ini.before-bench" "$ini"; else rm -f "$ini"; fi
