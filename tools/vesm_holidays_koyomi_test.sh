#!/bin/sh
# Runs vesm-holidays --koyomi as a user would: the line format, known days,
# every day of the supported years once and in order, refused combinations.
# usage: vesm_holidays_koyomi_test.sh PATH_TO_vesm-holidays
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
tab=$(printf '\t')

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

"$tool" 2033 2034 --koyomi >"$work/out" 2>"$work/err" || fail "2033 2034: exit status $?"
[ -s "$work/err" ] && fail "2033 2034: wrote to stderr"
[ "$(wc -l <"$work/out")" -eq 730 ] || fail "2033 2034: not one line per day"
bad=$(grep -cvE "^20(33|34)-[01][0-9]-[0-3][0-9]${tab}閏?1?[0-9]${tab}[1-3]?[0-9]${tab}(大安|赤口|先勝|友引|先負|仏滅)${tab}[^${tab}]*${tab}令和[0-9]+${tab}[1-5]?[0-9]\$" "$work/out")
[ "$bad" -eq 0 ] || fail "2033 2034: $bad lines out of format"
for line in "2033-12-21${tab}11${tab}30${tab}仏滅${tab}冬至${tab}令和15${tab}51" \
            "2033-12-22${tab}閏11${tab}1${tab}大安${tab}${tab}令和15${tab}51" \
            "2034-01-02${tab}閏11${tab}12${tab}仏滅${tab}${tab}令和16${tab}1"; do
    grep -qxF "$line" "$work/out" || fail "2033 2034: missing line '$line'"
done

"$tool" 2019 --koyomi >"$work/2019" || fail "2019: exit status $?"
for line in "2019-04-30${tab}3${tab}26${tab}仏滅${tab}${tab}平成31${tab}18" \
            "2019-05-01${tab}3${tab}27${tab}大安${tab}${tab}令和元${tab}18"; do
    grep -qxF "$line" "$work/2019" || fail "2019: missing line '$line'"
done

"$tool" 1980 2099 --koyomi >"$work/all" || fail "1980 2099: exit status $?"
[ "$(cut -f1 "$work/all" | sort -u | wc -l)" -eq 43830 ] || fail "1980 2099: not every day once"
cut -f1 "$work/all" | sort -c 2>/dev/null || fail "1980 2099: days not in order"
head -n1 "$work/all" | grep -q "^1980-01-01${tab}" || fail "1980 2099: does not start on 1980-01-01"
tail -n1 "$work/all" | grep -q "^2099-12-31${tab}" || fail "1980 2099: does not end on 2099-12-31"

"$tool" 2024 --koyomi --settings "$work/none.ini" >"$work/out" 2>"$work/err"
[ $? -eq 2 ] || fail "--koyomi with --settings: not refused"
[ -s "$work/out" ] && fail "--koyomi with --settings: printed days"
"$tool" 2100 --koyomi >"$work/out" 2>&1
[ $? -eq 2 ] || fail "--koyomi 2100: not refused"

[ "$failures" -eq 0 ] && echo "vesm-holidays --koyomi: all checks passed"
[ "$failures" -eq 0 ]
