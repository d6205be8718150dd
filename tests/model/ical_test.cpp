// iCalendar text, reading, writing and the import mapping.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doc/cp932_codec.h"
#include "ical/ical_calendar.h"
#include "ical/ical_export.h"
#include "ical/ical_import.h"
#include "ical/ical_text.h"
#include "ical/ical_time.h"
#include "model/support/time_zone.h"
#include "tasks/task_editor_rules.h"

namespace vesm::ical {
namespace {

std::string Calendar(const std::string& body) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + body + "END:VCALENDAR\r\n";
}

std::string Event(const std::string& lines) {
    return "BEGIN:VEVENT\r\n" + lines + "END:VEVENT\r\n";
}

std::string Alarm(const std::string& trigger) {
    return "BEGIN:VALARM\r\nTRIGGER" + trigger + "\r\nEND:VALARM\r\n";
}

DateTime At(int y, int mo, int d, int h = 0, int mi = 0) {
    return *DateTime::Build(y, mo, d, h, mi);
}

ImportPlan Plan(const std::string& bytes) {
    return PlanImport(bytes, {{}, {}}, At(2025, 1, 1));
}

CHolidayTime Rule(int month, int dayOrOrdinal, int weekday, const std::string& name,
                  int firstYear = kAnyYear, int lastYear = kAnyYear) {
    CHolidayTime rule;
    rule.Set(At(2025, 1, 1), month, dayOrOrdinal, 2, weekday, name);
    rule.firstYear = firstYear;
    rule.lastYear = lastYear;
    return rule;
}

CTaskTime Task(DateTime time, int taskMode, const std::string& text, int alarmMode = 0,
               DateTime alarm = NoDayDate(), int armed = 1) {
    return CTaskTime{time, taskMode, alarmMode, armed, text, alarm};
}

std::string Text(DateTime t) {
    const DateFields f = t.Fields();
    return std::to_string(f.year * 10000 + f.month * 100 + f.day) + "T" +
           std::to_string(f.hour * 100 + f.minute);
}

// Every field the import sets, in one line, so that a case compares at once.
std::string Text(const CTaskTime& t) {
    return Text(t.taskTime) + " m" + std::to_string(t.taskMode) + " a" +
           std::to_string(t.alarmMode) + std::to_string(t.alarmArmed) + " " + Text(t.alarmTime) +
           " " + t.text;
}

std::string Text(const CHolidayTime& r) {
    return std::to_string(r.kind) + " " + std::to_string(r.month) + "/" +
           std::to_string(r.dayOrOrdinal) + " w" + std::to_string(r.weekday) + " " +
           std::to_string(r.firstYear) + "-" + std::to_string(r.lastYear) + " " + r.name;
}

TEST(IcalText, EscapesRoundTripAndFoldsWithoutSplittingCharacters) {
    const std::string text = "a\\b;c,d\ne";
    EXPECT_EQ(EscapeText(text), "a\\\\b\\;c\\,d\\ne");
    EXPECT_EQ(EscapeText("\r\nx\ry\r\n"), "\\nx\\ny\\n");
    EXPECT_EQ(UnescapeText(EscapeText(text)), text);
    EXPECT_EQ(UnescapeText("x\\Ny\\:"), "x\ny:");
    std::string line = "SUMMARY:";
    for (int i = 0; i < 60; ++i) line += "あ";
    const std::string folded = FoldLine(line);
    std::string unfolded;
    std::size_t start = 0;
    for (std::size_t end; (end = folded.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string physical = folded.substr(start, end - start);
        EXPECT_LE(physical.size(), 75u);
        const std::string body = start == 0 ? physical : physical.substr(1);
        EXPECT_EQ(DecodeCp932(EncodeCp932(body)), body) << "split character";
        unfolded += body;
    }
    EXPECT_EQ(start, folded.size());
    EXPECT_EQ(unfolded, line);
    EXPECT_EQ(FoldLine(std::string(75, 'x')), std::string(75, 'x') + "\r\n");
}

TEST(IcalRead, RefusesBrokenFilesWithOneMessage) {
    const std::string good = Calendar(Event("DTSTART:20250101T000000\r\n"));
    std::string manyEvents;
    for (std::size_t i = 0; i <= kMaxEvents; ++i) manyEvents += Event("");
    const char* notUtf8 = "3 行目が UTF-8 ではありません";
    const struct {
        std::string bytes;
        const char* message;
    } cases[] = {
        {"", "iCalendar ファイルではありません"},
        {"hello world\r\n", "iCalendar ファイルではありません"},
        {"BEGIN:VEVENT\r\nEND:VEVENT\r\n", "iCalendar ファイルではありません"},
        {good.substr(0, good.size() - 10), "途中で切れて"},
        {Calendar("SUMMARY:" + EncodeCp932("会議") + "\r\n"), notUtf8},
        {std::string("\xFF\xFE"
                     "B\0E\0",
                     6),
         "UTF-8 ではありません"},
        {Calendar("X:\xF4\x90\x80\x80\r\n"), notUtf8},
        {Calendar("X:\xED\xA0\x80\r\n"), notUtf8},
        {Calendar("X:\xE0\x9F\xBF\r\n"), notUtf8},
        {Calendar("X:\x80\r\n"), notUtf8},
        {Calendar("X:" + std::string(10u << 20, 'a') + "\r\n"), "長すぎます"},
        {Calendar(manyEvents), "予定が多すぎます"},
        {Calendar("BEGIN:VEVENT\r\nEND:VTODO\r\n"), "4 行目の END:VTODO"},
        {Calendar("no colon here\r\n"), "3 行目は iCalendar の行ではありません"},
    };
    for (const auto& c : cases) {
        CalendarRead read = ReadCalendar(c.bytes);
        EXPECT_FALSE(read.calendar) << c.message;
        EXPECT_NE(read.error.find(c.message), std::string::npos) << read.error;
    }
    EXPECT_TRUE(ReadCalendar(Calendar("X:\xE0\xA0\x80\xED\x9F\xBF\xF4\x8F\xBF\xBF\r\n")).calendar);
    CalendarRead read = ReadCalendar("\xEF\xBB\xBF" + good);
    ASSERT_TRUE(read.calendar) << read.error;
    EXPECT_EQ(read.calendar->children.size(), 1u);
}

TEST(IcalRead, SplitsNameParametersAndValue) {
    CalendarRead read =
        ReadCalendar(Calendar(Event("dtstart;tzid=\"A;B:C\";x=1:2025\r\n SUMMARY\r\n\tMORE\r\n")));
    ASSERT_TRUE(read.calendar) << read.error;
    const Property* start = read.calendar->children.at(0).Find("DTSTART");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->Param("TZID"), "A;B:C");
    EXPECT_EQ(start->Param("X"), "1");
    EXPECT_EQ(start->value, "2025SUMMARYMORE");
    EXPECT_EQ(start->line, 4);
    CalendarRead lf =
        ReadCalendar("BEGIN:VCALENDAR\nBEGIN:VEVENT\nSUMMARY:a\n b\nEND:VEVENT\nEND:VCALENDAR");
    ASSERT_TRUE(lf.calendar) << lf.error;
    EXPECT_EQ(lf.calendar->children.at(0).Find("SUMMARY")->value, "ab");
}

TEST(IcalTime, DurationsWeekdaysAndCivilSeconds) {
    const std::pair<const char*, std::optional<std::int64_t>> durations[] = {
        {"-PT15M", -900},      {"P1DT2H", 93600},    {"+P2W", 1209600},      {"PT0S", 0},
        {"-P1DT30S", -86430},  {"P", std::nullopt},  {"PT1D", std::nullopt}, {"P1H", std::nullopt},
        {"PT5", std::nullopt}, {"15M", std::nullopt}};
    for (const auto& [text, seconds] : durations) EXPECT_EQ(ParseDuration(text), seconds) << text;
    for (std::int64_t seconds : {-1LL, 0LL, 86399LL, 86400LL, 951782400LL, 4107542399LL}) {
        EXPECT_EQ(FormatDuration(seconds), FormatDuration(*ParseDuration(FormatDuration(seconds))));
        EXPECT_EQ(ParseDuration(FormatDuration(seconds)), seconds) << FormatDuration(seconds);
        EXPECT_EQ(SecondsOfCivil(CivilOfSeconds(seconds)), seconds);
    }
    EXPECT_EQ(SecondsOfCivil({2000, 3, 1}), 951868800);
    const CivilTime leap = CivilOfSeconds(951782400);
    EXPECT_EQ(leap.month * 100 + leap.day, 229);
    EXPECT_EQ(WeekdayOfCivil(2024, 5, 12), 0);
    // {month, ordinal, weekday, day}: 2SU, -1MO, a fifth and a fifth-last that
    // fall on the 29th and the 1st, and two that do not exist.
    const int nth[][5] = {{2024, 5, 2, 0, 12}, {2024, 5, -1, 1, 27}, {2024, 2, 5, 4, 29},
                          {2025, 2, 5, 4, 0},  {2024, 2, -5, 4, 1},  {2025, 2, -5, 4, 0}};
    for (const auto& [y, m, n, w, day] : nth) EXPECT_EQ(NthWeekdayDay(y, m, n, w), day) << n;
}

TEST(IcalTime, ConvertsThroughTheFilesZonesAndKnownNames) {
    const std::string zones =
        "BEGIN:VTIMEZONE\r\nTZID:Eastern\r\n"
        "BEGIN:STANDARD\r\nDTSTART:19701101T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\n"
        "TZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\nEND:STANDARD\r\n"
        "BEGIN:DAYLIGHT\r\nDTSTART:19700308T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\n"
        "TZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n"
        "BEGIN:VTIMEZONE\r\nTZID:India\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
        "TZOFFSETFROM:+0530\r\nTZOFFSETTO:+0530\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
    CalendarRead read = ReadCalendar(Calendar(zones));
    ASSERT_TRUE(read.calendar) << read.error;
    const ZoneTable table(*read.calendar);
    const CivilTime winter{2025, 1, 15, 12}, summer{2025, 7, 15, 12}, afterChange{2025, 3, 9, 3};
    EXPECT_EQ(table.ToUtc(winter, "Eastern"), SecondsOfCivil(winter) + 5 * 3600);
    EXPECT_EQ(table.ToUtc(summer, "Eastern"), SecondsOfCivil(summer) + 4 * 3600);
    EXPECT_EQ(table.ToUtc(afterChange, "Eastern"), SecondsOfCivil(afterChange) + 4 * 3600);
    EXPECT_EQ(table.ToUtc(winter, "India"), SecondsOfCivil(winter) - 5 * 3600 - 30 * 60);
    EXPECT_EQ(table.ToUtc(winter, "Asia/Tokyo"), SecondsOfCivil(winter) - 9 * 3600);
    EXPECT_EQ(table.ToUtc(winter, "Europe/Paris"), std::nullopt);
}

const std::vector<CHolidayTime> kRules = {Rule(5, 15, 0, "結婚記念日, 二人"),
                                          Rule(5, 2, 1, "母の日"), Rule(9, 5, 2, "最後の月曜"),
                                          Rule(2, 29, 0, "閏日"), Rule(8, 11, 0, "山", 2016, 2030)};
const std::vector<CTaskTime> kTasks = {
    Task(At(2025, 3, 1), 0, "終日;セミコロン"),
    Task(At(2025, 3, 1), 0, "終日アラーム", 1, At(2025, 2, 28, 18, 30)),
    Task(At(2025, 3, 2, 10, 30), 1, "会議", 2, At(2025, 3, 2, 10, 15)),
    Task(At(2025, 3, 2, 10, 30), 1, "時刻指定のアラーム", 1, At(2025, 3, 2, 10, 0)),
    Task(At(2025, 3, 2, 10, 30), 2, "通知と後のアラーム", 2, At(2025, 3, 2, 11, 0)),
    Task(At(2025, 3, 3, 9, 0), 3, "通知済み", 1, At(2025, 3, 1, 9, 0)),
    Task(At(2025, 3, 3, 9, 0), 1, "済んだアラーム", 1, At(2025, 3, 3, 8, 0), 0),
};

std::vector<std::string> Uids(const std::string& file) {
    std::vector<std::string> found;
    for (std::size_t at = 0; (at = file.find("\nUID:", at + 1)) != std::string::npos;) {
        found.push_back(file.substr(at, file.find('\r', at) - at));
    }
    return found;
}

TEST(IcalExport, WritesRulesAndTasksAsEventsAndReadsThemBackOnce) {
    const std::string text = ExportCalendar(kRules, kTasks, DateTime(1700000000));
    EXPECT_TRUE(text.starts_with("BEGIN:VCALENDAR\r\nPRODID:"));
    for (const char* line :
         {"VERSION:2.0\r\nCALSCALE:GREGORIAN\r\n", "DTSTAMP:20231114T221320Z\r\n",
          "TZID:Asia/Tokyo\r\n", "TZOFFSETFROM:+0900\r\nTZOFFSETTO:+0900\r\n",
          "RRULE:FREQ=YEARLY;BYMONTH=5;BYMONTHDAY=15\r\n",
          "DTSTART;VALUE=DATE:20160811\r\nRRULE:FREQ=YEARLY;BYMONTH=8;BYMONTHDAY=11;UNTIL="
          "20301231\r\n",
          "DTSTART;VALUE=DATE:19800511\r\nRRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=2SU\r\n",
          "DTSTART;VALUE=DATE:19800929\r\nRRULE:FREQ=YEARLY;BYMONTH=9;BYDAY=-1MO\r\n",
          "DTSTART;VALUE=DATE:19800229\r\n", "SUMMARY:結婚記念日\\, 二人\r\n",
          "SUMMARY:終日\\;セミコロン\r\n", "DTSTART;TZID=Asia/Tokyo:20250302T103000\r\n",
          "DTSTART;VALUE=DATE:20250301\r\n", "TRIGGER:-PT5H30M\r\n", "TRIGGER:-PT15M\r\n",
          "TRIGGER:PT30M\r\n", "BEGIN:VALARM\r\nACTION:DISPLAY\r\n", "TRIGGER:-P2D\r\n",
          "END:VCALENDAR\r\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(text.find("TRIGGER:-PT1H"), std::string::npos) << "a given alarm is not armed";
    for (std::size_t at = 0; (at = text.find('\n', at + 1)) != std::string::npos;) {
        EXPECT_EQ(text[at - 1], '\r');
    }
    EXPECT_EQ(Uids(text), Uids(ExportCalendar(kRules, kTasks, DateTime(1800000000))));
    const std::vector<std::string> uids = Uids(ExportCalendar(kRules, {kTasks[2], kTasks[2]}, {}));
    ASSERT_EQ(uids.size(), kRules.size() + 2);
    EXPECT_NE(uids[kRules.size()], uids[kRules.size() + 1]);

    const ImportPlan plan = Plan(text);
    ASSERT_EQ(plan.error, "");
    EXPECT_EQ(plan.notes, std::vector<std::string>());
    ASSERT_EQ(plan.specialDays.size(), kRules.size());
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        EXPECT_EQ(Text(plan.specialDays[i]), Text(kRules[i]));
    }
    ASSERT_EQ(plan.tasks.size(), kTasks.size());
    for (std::size_t i = 0; i + 1 < kTasks.size(); ++i) {
        EXPECT_EQ(Text(plan.tasks[i]), Text(kTasks[i]));
    }
    EXPECT_EQ(plan.tasks.back().alarmMode, 0) << "a given alarm is not carried";
    const ImportPlan again = PlanImport(text, {plan.specialDays, plan.tasks}, At(2025, 1, 1));
    EXPECT_TRUE(again.specialDays.empty());
    EXPECT_TRUE(again.tasks.empty());
    EXPECT_EQ(again.duplicates, kRules.size() + kTasks.size());
    const std::string twice = Event("DTSTART:20250101T100000\r\nSUMMARY:a\r\n");
    EXPECT_EQ(Plan(Calendar(twice + twice)).duplicates, 1u);
}

TEST(IcalExport, WritesFloatingTimesWhereTheClockIsNotJapans) {
    VESM_NEEDS_ZONE_SWITCH();
    ScopedTimeZone zone("America/New_York");
    const std::vector<CTaskTime> tasks = {Task(At(2025, 7, 2, 10, 30), 1, "x")};
    EXPECT_FALSE(LocalClockIsJapan(tasks));
    const std::string text = ExportCalendar({}, tasks, {});
    EXPECT_NE(text.find("\r\nDTSTART:20250702T103000\r\n"), std::string::npos);
    EXPECT_EQ(text.find("VTIMEZONE"), std::string::npos);
    const ImportPlan plan = Plan(text);
    ASSERT_EQ(plan.tasks.size(), 1u);
    EXPECT_EQ(plan.tasks[0].taskTime, tasks[0].taskTime);
}

TEST(IcalImport, MapsForeignEventsToTheEditorsChoices) {
    const std::string s = "SUMMARY:x\r\n", date = "DTSTART;VALUE=DATE:20250301\r\n";
    const struct {
        std::string event;
        CTaskTime task;
        const char* note;
    } cases[] = {
        {"DTSTART:20250301T013000Z\r\n" + s + Alarm(":-PT15M"),
         Task(At(2025, 3, 1, 10, 30), 1, "x", 2, At(2025, 3, 1, 10, 15)), nullptr},
        {"DTSTART;TZID=Asia/Tokyo:20250301T103059\r\n" + s + Alarm(":-P1DT30S"),
         Task(At(2025, 3, 1, 10, 30), 1, "x", 1, At(2025, 2, 28, 10, 29)), "アラームを"},
        {"DTSTART:20250301T103000\r\nRRULE:FREQ=WEEKLY\r\n" + s + Alarm(":-P10D"),
         Task(At(2025, 3, 1, 10, 30), 1, "x", 1, At(2025, 2, 22)), "最初の 1 回"},
        {date + s + Alarm(":PT25H"), Task(At(2025, 3, 1), 0, "x", 1, At(2025, 3, 1, 23, 59)),
         "アラームを"},
        {"DTSTART:20250301T230000\r\n" + s + Alarm(";RELATED=END:PT1H") +
             "DTEND:20250302T000000\r\n",
         Task(At(2025, 3, 1, 23, 0), 1, "x", 2, At(2025, 3, 2, 1, 0)), nullptr},
        {"DTSTART:20250301T100000\r\n" + s + Alarm(";VALUE=DATE-TIME:20250228T000000Z"),
         Task(At(2025, 3, 1, 10, 0), 1, "x", 1, At(2025, 2, 28, 9, 0)), nullptr},
        {"DTSTART:20991231T100000\r\n" + s, Task(At(2099, 12, 31, 10), 1, "x"), nullptr},
        {"DTSTART:20250301T103000\r\n" + s + Alarm(":-PT3H"),
         Task(At(2025, 3, 1, 10, 30), 1, "x", 1, At(2025, 3, 1, 7, 30)), nullptr},
        {"DTSTART:20250301T235960\r\n" + s + Alarm(":-PT2H59M"),
         Task(At(2025, 3, 1, 23, 59), 1, "x", 2, At(2025, 3, 1, 21, 0)), nullptr},
        {date + "RRULE:FREQ=YEARLY;BYDAY=2SU\r\n" + s, Task(At(2025, 3, 1), 0, "x"), "最初の 1 回"},
        {date + "RRULE:FREQ=YEARLY;BYMONTHDAY=32\r\n" + s, Task(At(2025, 3, 1), 0, "x"),
         "最初の 1 回"},
        {date + "RRULE:FREQ=YEARLY;BYMONTH=13\r\n" + s, Task(At(2025, 3, 1), 0, "x"),
         "最初の 1 回"},
        {"DTSTART:20250301T100000\r\n" + s + "SUMMARY:y\r\n" + Alarm(":-PT15M") + Alarm(":-PT15M"),
         Task(At(2025, 3, 1, 10), 1, "x", 2, At(2025, 3, 1, 9, 45)), nullptr},
    };
    for (const auto& c : cases) {
        const ImportPlan plan = Plan(Calendar(Event(c.event)));
        const std::string notes = ImportSummary(plan);
        ASSERT_EQ(plan.tasks.size(), 1u) << c.event << notes;
        EXPECT_EQ(Text(plan.tasks[0]), Text(c.task)) << c.event;
        EXPECT_EQ(notes.find("注意") != std::string::npos, c.note != nullptr) << notes;
        EXPECT_NE(notes.find(c.note ? c.note : ""), std::string::npos) << notes;
    }
    const ImportPlan todo =
        Plan(Calendar("BEGIN:VTODO\r\nDUE;VALUE=DATE:20250301\r\n" + s + "END:VTODO\r\n"));
    ASSERT_EQ(todo.tasks.size(), 1u);
    EXPECT_EQ(Text(todo.tasks[0]), Text(Task(At(2025, 3, 1), 0, "x")));
}

TEST(IcalImport, RulesTextsAndRefusals) {
    const std::pair<std::string, const char*> rules[] = {
        {"20000229\r\nRRULE:FREQ=YEARLY", "2 2/29 w0 2000-0 日"},
        {"19700101\r\nRRULE:FREQ=YEARLY;BYMONTH=12;BYMONTHDAY=31", "2 12/31 w0 0-0 日"},
        {"20000101\r\nRRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=-1MO;COUNT=3", "2 5/5 w2 2000-2002 日"},
        {"19800101\r\nRRULE:FREQ=YEARLY;UNTIL=20191231T150000Z", "2 1/1 w0 0-2019 日"}};
    for (const auto& [event, rule] : rules) {
        const ImportPlan plan =
            Plan(Calendar(Event("DTSTART;VALUE=DATE:" + event + "\r\nSUMMARY:日\r\n")));
        ASSERT_EQ(plan.specialDays.size(), 1u) << event;
        EXPECT_EQ(Text(plan.specialDays[0]), rule);
        EXPECT_EQ(plan.tasks.size(), 0u);
    }
    std::string longText, cut;
    for (int i = 0; i < 40; ++i) longText += "長";
    for (int i = 0; i < 35; ++i) cut += "長";
    const std::string ok = "DTSTART:20250301T100000\r\n", a = "SUMMARY:a\r\n";
    const struct {
        std::string event;
        const char* note;
        std::string kept{};  // the task's text; empty: refused
    } texts[] = {
        {ok + "SUMMARY:" + longText + "\r\n", "72 バイトに切り詰め", longText.substr(0, 36 * 3)},
        {ok + "SUMMARY:" + cut + "abc\r\n", "72 バイトに切り詰め", cut + "ab"},
        {"DTSTART;VALUE=DATE:19800101\r\nSUMMARY: a\rb\\nc \r\n", "", "a b c"},
        {ok + "SUMMARY:絵文字\xF0\x9F\x98\x80\r\n", "保存できない文字"},
        {ok + "SUMMARY:a`b\r\n", "バッククォート"},
        {ok, "SUMMARY"},
        {a, "DTSTART"},
        {"DTSTART;VALUE=DATE:21000229\r\n" + a, "読めません"},
        {"DTSTART:20250301T1O0000\r\n" + a, "読めません"},
        {"DTSTART:20250301T10O000\r\n" + a, "読めません"},
        {"DTSTART:20250301T106000\r\n" + a, "読めません"},
        {"DTSTART:20250301T240000\r\n" + a, "読めません"},
        {"DTSTART;VALUE=DATE:19600101\r\n" + a, "2099"},
        {"DTSTART;TZID=Mars/Base:20250301T100000\r\n" + a, "Mars/Base"},
        {"DTSTART:19790301T100000\r\n" + a, "2099"},
        {"DTSTART:21000301T100000Z\r\n" + a, "2099"},
    };
    for (const auto& t : texts) {
        const ImportPlan plan = Plan(Calendar(Event(t.event)));
        std::string got = std::to_string(plan.tasks.size());
        for (const CTaskTime& task : plan.tasks) got += " " + task.text;
        EXPECT_EQ(got, t.kept.empty() ? "0" : "1 " + t.kept) << t.event;
        EXPECT_NE(ImportSummary(plan).find(t.note), std::string::npos) << ImportSummary(plan);
    }
    const std::string longName = "x" + std::string(79, 'n');
    const ImportPlan named = Plan(Calendar(
        Event("DTSTART;VALUE=DATE:20000101\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:" + longName + "\r\n")));
    ASSERT_EQ(named.specialDays.size(), 1u);
    EXPECT_EQ(named.specialDays[0].name, longName.substr(0, 72));
    EXPECT_NE(ImportSummary(Plan("junk")).find("iCalendar ファイルではありません"),
              std::string::npos);
}

TEST(IcalImport, SummaryCountsAndShowsTheFirstRecords) {
    std::string body;
    for (int day = 1; day <= 7; ++day) {
        body += Event("DTSTART;VALUE=DATE:2025030" + std::to_string(day) + "\r\nSUMMARY:予定" +
                      std::to_string(day) + "\r\n");
    }
    body += Event(
        "DTSTART;VALUE=DATE:20000511\r\nRRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=2SU\r\nSUMMARY:"
        "母の日\r\n");
    body += Event("DTSTART;VALUE=DATE:20250301\r\nSUMMARY:予定1\r\n");
    for (int year = 2101; year <= 2111; ++year) {
        body += Event("DTSTART;VALUE=DATE:" + std::to_string(year) + "0101\r\nSUMMARY:遠い\r\n");
    }
    const std::string summary = ImportSummary(Plan(Calendar(body)));
    EXPECT_TRUE(summary.starts_with("記念日 1 件、予定 7 件を追加します。\n")) << summary;
    for (const char* part : {"すでにある 1 件は追加しません。\n", "\n  ほか 1 件\n",
                             "  5月第2日曜日 母の日\n", "  2025/03/05 予定5\n  ほか 2 件"}) {
        EXPECT_NE(summary.find(part), std::string::npos) << summary;
    }
    EXPECT_EQ(summary.find("予定6"), std::string::npos);
    EXPECT_EQ(ImportSummary(Plan(Calendar(""))), "追加するものはありません。\n");
}

}  // namespace
}  // namespace vesm::ical
