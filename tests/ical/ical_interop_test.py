"""vesm-ical against another iCalendar implementation (Python's icalendar).

Usage: ical_interop_test.py VESM_ICAL
Exports a settings file and reads it with the package, imports a file the
package wrote, and checks that export then import into a clean profile gives
the same special days and tasks.
"""
import datetime as dt
import os
import subprocess
import sys
import tempfile

import icalendar
import pytz

TOOL = sys.argv[1]
TOKYO = pytz.timezone("Asia/Tokyo")

SETTINGS_LISTS = [
    "specialDay=2`5`15`0`結婚記念日, 二人",
    "specialDay=2`5`2`1`母の日",
    "specialDay=2`9`5`2`最後の月曜",
    "specialDay=2`8`11`0`山の記念`2016`2030",
    "task=0`2030`3`1`0`0`0`1975`1`1`0`0`1`終日;セミコロン",
    "task=0`2030`3`1`0`0`1`2030`2`28`18`30`1`終日アラーム",
    "task=1`2030`3`2`10`30`2`2030`3`2`10`15`1`会議",
    "task=2`2030`3`2`10`30`2`2030`3`2`11`0`1`通知と後のアラーム",
    "task=3`2030`3`3`9`0`1`2030`3`1`9`0`1`通知済み",
]

# summary -> (start, rrule, alarm triggers)
EXPECTED_EXPORT = {
    "結婚記念日, 二人": (dt.date(1980, 5, 15), {"FREQ": ["YEARLY"], "BYMONTH": [5], "BYMONTHDAY": [15]}, []),
    "母の日": (dt.date(1980, 5, 11), {"FREQ": ["YEARLY"], "BYMONTH": [5], "BYDAY": ["2SU"]}, []),
    "最後の月曜": (dt.date(1980, 9, 29), {"FREQ": ["YEARLY"], "BYMONTH": [9], "BYDAY": ["-1MO"]}, []),
    "山の記念": (dt.date(2016, 8, 11), {"FREQ": ["YEARLY"], "BYMONTH": [8], "BYMONTHDAY": [11],
                                     "UNTIL": [dt.date(2030, 12, 31)]}, []),
    "終日;セミコロン": (dt.date(2030, 3, 1), None, []),
    "終日アラーム": (dt.date(2030, 3, 1), None, [-dt.timedelta(hours=5, minutes=30)]),
    "会議": (TOKYO.localize(dt.datetime(2030, 3, 2, 10, 30)), None, [-dt.timedelta(minutes=15)]),
    "通知と後のアラーム": (TOKYO.localize(dt.datetime(2030, 3, 2, 10, 30)), None,
                  [dt.timedelta(0), dt.timedelta(minutes=30)]),
    "通知済み": (TOKYO.localize(dt.datetime(2030, 3, 3, 9, 0)), None, [-dt.timedelta(days=2)]),
}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(*args):
    return subprocess.run([TOOL, *args], capture_output=True, text=True,
                          env=dict(os.environ, TZ="Asia/Tokyo"))


def list_lines(path):
    with open(path, "rb") as f:
        text = f.read().decode("cp932")
    return sorted(line for line in text.splitlines() if line.startswith(("specialDay=", "task=")))


def write_settings(path, lines):
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("cp932"))


def check_export(folder, settings):
    out = os.path.join(folder, "out.ics")
    result = run("export", settings, out)
    check(result.returncode == 0, f"export failed: {result.stderr}")
    raw = open(out, "rb").read()
    check(all(len(line) <= 75 for line in raw.split(b"\r\n")), "a line is longer than 75 octets")
    check(b"\n" not in raw.replace(b"\r\n", b""), "a bare LF")
    calendar = icalendar.Calendar.from_ical(raw.decode("utf-8"))
    check(str(calendar["VERSION"]) == "2.0", "VERSION")
    check(str(calendar["CALSCALE"]) == "GREGORIAN", "CALSCALE")
    check("PRODID" in calendar, "PRODID")
    events = calendar.walk("VEVENT")
    check(len(events) == len(EXPECTED_EXPORT), f"{len(events)} events")
    for event in events:
        summary = str(event["SUMMARY"])
        check(summary in EXPECTED_EXPORT, f"unexpected summary {summary!r}")
        if summary not in EXPECTED_EXPORT:
            continue
        start, rrule, triggers = EXPECTED_EXPORT[summary]
        got = event.decoded("DTSTART")
        check(got == start and type(got) is type(start), f"{summary}: start {got!r}")
        if isinstance(got, dt.datetime):
            check(got.utcoffset() == dt.timedelta(hours=9), f"{summary}: zone {got.tzinfo}")
        check((dict(event["RRULE"]) if "RRULE" in event else None) == rrule,
              f"{summary}: rrule {event.get('RRULE')}")
        alarms = event.walk("VALARM")
        check([a.decoded("TRIGGER") for a in alarms] == triggers, f"{summary}: alarms")
        check(all(str(a["ACTION"]) == "DISPLAY" and str(a["DESCRIPTION"]) == summary
                  for a in alarms), f"{summary}: alarm action")
        check("UID" in event and "DTSTAMP" in event, f"{summary}: UID, DTSTAMP")
    return out


def foreign_calendar():
    calendar = icalendar.Calendar()
    calendar.add("prodid", "-//interop test//")
    calendar.add("version", "2.0")

    def event(summary, start, rrule=None, triggers=()):
        e = icalendar.Event()
        e.add("uid", summary + "@test")
        e.add("summary", summary)
        e.add("dtstart", start)
        if rrule:
            e.add("rrule", rrule)
        for trigger in triggers:
            alarm = icalendar.Alarm()
            alarm.add("action", "DISPLAY")
            alarm.add("description", summary)
            alarm.add("trigger", trigger)
            e.add_component(alarm)
        calendar.add_component(e)

    event("東京で会議, 第一会議室; 持ち物あり", TOKYO.localize(dt.datetime(2030, 4, 1, 9, 0)),
          triggers=[dt.timedelta(minutes=-10)])
    event("UTC call", dt.datetime(2030, 4, 2, 1, 30, tzinfo=pytz.utc),
          triggers=[dt.timedelta(days=-1)])
    event("floating", dt.datetime(2030, 4, 3, 18, 0))
    event("誕生日", dt.date(2000, 7, 7), rrule={"FREQ": "YEARLY"})
    event("敬老の日のような日", dt.date(2000, 9, 18), rrule={"FREQ": "YEARLY", "BYMONTH": 9, "BYDAY": "3MO"})
    event("とても長い名前の予定" * 6, dt.date(2030, 4, 4))
    return calendar.to_ical()


EXPECTED_IMPORT = [
    "specialDay=2`7`7`0`誕生日`2000`",
    "specialDay=2`9`3`2`敬老の日のような日`2000`",
    "task=0`2030`4`4`0`0`0`1975`1`1`0`0`1`" + "とても長い名前の予定" * 3 + "とても長い名",
    "task=1`2030`4`1`9`0`2`2030`4`1`8`50`1`東京で会議, 第一会議室; 持ち物あり",
    "task=1`2030`4`2`10`30`1`2030`4`1`10`30`1`UTC call",
    "task=1`2030`4`3`18`0`0`1975`1`1`0`0`1`floating",
]


def check_import(folder, empty):
    foreign = os.path.join(folder, "foreign.ics")
    data = foreign_calendar()
    with open(foreign, "wb") as f:
        f.write(data)
    check(b"\r\n " in data, "the package folded no line; the test lost its folded line")
    out = os.path.join(folder, "imported.ini")
    result = run("import", empty, foreign, out)
    check(result.returncode == 0, f"import failed: {result.stderr}")
    check("記念日 2 件、予定 4 件を追加します。" in result.stdout, result.stdout)
    check(list_lines(out) == sorted(EXPECTED_IMPORT), f"imported {list_lines(out)}")


def check_round_trip_and_refusals(folder, settings, exported, empty):
    clean = os.path.join(folder, "clean.ini")
    result = run("import", empty, exported, clean)
    check(result.returncode == 0, f"round trip import failed: {result.stderr}")
    check(list_lines(clean) == sorted(SETTINGS_LISTS), f"round trip gave {list_lines(clean)}")

    before = open(settings, "rb").read()
    truncated = os.path.join(folder, "truncated.ics")
    with open(truncated, "wb") as f:
        f.write(open(exported, "rb").read()[:-40])
    result = run("import", settings, truncated, os.path.join(folder, "never.ini"))
    check(result.returncode == 1 and "途中で切れて" in result.stderr, f"truncated: {result}")
    check(not os.path.exists(os.path.join(folder, "never.ini")), "a refused import wrote a file")
    result = run("import", settings, exported, os.path.join(folder, "again.ini"))
    check(result.returncode == 0 and "すでにある 9 件" in result.stdout, f"again: {result.stdout}")
    check(open(settings, "rb").read() == before, "SETTINGS was changed")


def main():
    with tempfile.TemporaryDirectory() as folder:
        settings = os.path.join(folder, "vesmira.ini")
        empty = os.path.join(folder, "empty.ini")
        write_settings(settings, SETTINGS_LISTS)
        write_settings(empty, [])
        exported = check_export(folder, settings)
        check_import(folder, empty)
        check_round_trip_and_refusals(folder, settings, exported, empty)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


sys.exit(main())
