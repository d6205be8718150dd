#!/bin/sh
# Runs vesm-holidays as a user would: refused years, the output format and
# order, a settings file, and that the settings file is left untouched.
# usage: vesm_holidays_test.sh PATH_TO_vesm-holidays PATH_TO_jp_holidays_official.csv
tool=$1
official=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
tab=$(printf '\t')

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expect_status() {  # expected-status description args...
    want=$1
    what=$2
    shift 2
    "$tool" "$@" >"$work/out" 2>"$work/err"
    got=$?
    [ "$got" -eq "$want" ] || fail "$what: exit status $got, expected $want"
}

# Refused arguments: status 2, a message, no output.
for args in "1979" "2100" "2020 2100" "1979 2020" "abc" "" "2030 2020" "2020 2021 2022" "2020 --settings"; do
    # shellcheck disable=SC2086
    expect_status 2 "arguments '$args'" $args
    [ -s "$work/out" ] && fail "arguments '$args' printed holidays"
    [ -s "$work/err" ] || fail "arguments '$args' gave no message"
done
"$tool" 1979 2>&1 | grep -q "1980-2099" || fail "the refusal of 1979 does not name the supported years"

# One year with the built-in lists.
expect_status 0 "2024" 2024
cp "$work/out" "$work/2024"
bad=$(grep -cvE "^2024-[01][0-9]-[0-3][0-9]${tab}(holiday|special)${tab}[^${tab}]+\$" "$work/2024")
[ "$bad" -eq 0 ] || fail "2024: $bad lines out of format"
cut -f1 "$work/2024" | sort -c 2>/dev/null || fail "2024: lines not in date order"
for line in "2024-01-01${tab}holiday${tab}元旦" "2024-02-23${tab}holiday${tab}天皇誕生日" \
            "2024-05-06${tab}holiday${tab}振替休日" "2024-05-12${tab}special${tab}母の日" \
            "2024-09-22${tab}holiday${tab}秋分の日" "2024-12-31${tab}special${tab}大晦日"; do
    grep -qxF "$line" "$work/2024" || fail "2024: missing line '$line'"
done
holidays=$(grep -c "${tab}holiday${tab}" "$work/2024")
published=$(grep -c '^2024-' "$official")
[ "$holidays" -eq "$published" ] || fail "2024: $holidays holidays, $published published"

# The law's days in every year: to 2050 exactly the published dates, the
# same for a file that carries the list earlier versions had built in.
expect_status 0 "1980 2099" 1980 2099
grep "${tab}holiday${tab}" "$work/out" >"$work/law"
cut -f1 "$work/law" | awk '$0 <= "2050-12-31"' >"$work/law-dates"
grep -E '^(19[89][0-9]|20[0-4][0-9]|2050)-' "$official" | cut -d, -f1 >"$work/published"
cmp -s "$work/law-dates" "$work/published" || fail "1980 2099: the holidays differ from the published ones"
grep -q "^2099-" "$work/law" || fail "1980 2099: nothing in 2099"
printf 'holiday=1`%s\r\n' '1`1`0`元旦' '1`2`2`成人の日' '2`11`0`建国記念日' '2`23`0`天皇誕生日' \
    '4`29`0`昭和の日' '5`3`0`憲法記念日' '5`4`0`みどりの日' '5`5`0`子供の日' '7`3`2`海の日' \
    '8`11`0`山の日' '9`3`2`敬老の日' '10`2`2`スポーツの日' '11`3`0`文化の日' '11`23`0`勤労感謝の日' |
    iconv -f UTF-8 -t CP932 >"$work/earlier.ini"
expect_status 0 "earlier built-in list" 1980 2099 --settings "$work/earlier.ini"
cmp -s "$work/out" "$work/law" || fail "earlier built-in list: not the law's holidays"

# A range is the years one after another.
expect_status 0 "2023 2024" 2023 2024
grep -v '^2023-' "$work/out" | cmp -s - "$work/2024" || fail "2023 2024: the 2024 part differs"
grep -q '^2023-' "$work/out" || fail "2023 2024: no 2023 lines"

# A settings file (code page 932) with its own lists and settings; a day that
# is both prints its holiday line, then its special line. An old task there
# would be purged and saved by the calendar; the tool must not write.
settings="$work/vesmira.ini"
printf '%s\r\n' "fallsOnSun=0" "rmOverTask=1" "rmTaskSpan=7" \
    'holiday=1`5`5`0`子供の日' 'specialDay=2`5`5`0`菖蒲湯' \
    'task=0`2001`1`1`0`0`0`1975`1`1`0`0`0`古い予定' | iconv -f UTF-8 -t CP932 >"$settings"
cp "$settings" "$work/before"
expect_status 0 "--settings" 2024 --settings "$settings"
printf '%s\n' "2024-03-20${tab}holiday${tab}春分の日" "2024-05-05${tab}holiday${tab}子供の日" \
    "2024-05-05${tab}special${tab}菖蒲湯" "2024-09-22${tab}holiday${tab}秋分の日" >"$work/want"
cmp -s "$work/out" "$work/want" || { fail "--settings: unexpected output"; cat "$work/out"; }
cmp -s "$settings" "$work/before" || fail "--settings: the settings file was changed"

# Bad lines are reported and skipped; a missing file is an error.
printf '%s\r\n' 'holiday=1`2`30`0`x' 'holiday=1`1`1`0`元旦' | iconv -f UTF-8 -t CP932 >"$work/bad.ini"
expect_status 0 "bad rule line" 2024 --settings "$work/bad.ini"
grep -qxF "2024-01-01${tab}holiday${tab}元旦" "$work/out" || fail "bad rule line: the good line is lost"
grep -q '^2024-02' "$work/out" && fail "bad rule line: a February day is marked"
grep -q "祝日または記念日のデータに誤りがあります" "$work/err" || fail "bad rule line: no message"
expect_status 1 "missing settings file" 2024 --settings "$work/none.ini"
grep -q "none.ini" "$work/err" || fail "missing settings file: message does not name it"
mkdir "$work/folder.ini"
expect_status 1 "a folder as settings file" 2024 --settings "$work/folder.ini"
grep -q "folder.ini" "$work/err" || fail "a folder as settings file: message does not name it"

[ "$failures" -eq 0 ] && echo "vesm-holidays: all checks passed"
[ "$failures" -eq 0 ]
