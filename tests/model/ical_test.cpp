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

namespace vesm::ical {
namespace {

// Test files are written with '|' for the line break.
class Ical : public ::testing::Test {
protected:
    static std::string Crlf(std::string text) {
        if (!text.empty()) text += '|';
        for (std::size_t at = 0; (at = text.find('|', at)) != std::string::npos;) {
            text.replace(at, 1, "\r\n");
        }
        return text;
    }
    static std::string Calendar(const std::string& body) {
        return Crlf("BEGIN:VCALENDAR|VERSION:2.0") + body + Crlf("END:VCALENDAR");
    }
    static std::string Event(const std::string& s) {
        return Crlf("BEGIN:VEVENT") + Crlf(s) + Crlf("END:VEVENT");
    }
    static std::string Alarm(const std::string& trigger) {
        return "|BEGIN:VALARM|TRIGGER" + trigger + "|END:VALARM";
    }
    static DateTime At(int y, int mo, int d, int h = 0, int mi = 0) {
        return *DateTime::Build(y, mo, d, h, mi);
    }
    static ImportPlan Plan(const std::string& bytes) {
        return PlanImport(bytes, {{}, {}}, At(2025, 1, 1));
    }
    static CHolidayTime Rule(int month, int dayOrOrdinal, int weekday, const std::string& name,
                             int firstYear = kAnyYear, int lastYear = kAnyYear) {
        CHolidayTime rule;
        rule.Set(At(2025, 1, 1), month, dayOrOrdinal, 2, weekday, name);
        rule.firstYear = firstYear;
        rule.lastYear = lastYear;
        return rule;
    }
    static CTaskTime Task(DateTime time, int taskMode, const std::string& text, int alarmMode = 0,
                          DateTime alarm = NoDayDate(), int armed = 1) {
        return CTaskTime{time, taskMode, alarmMode, armed, text, alarm};
    }
    // Every field the import sets in one line, so that a case compares at once:
    // "20250301T1030 m1 a21 20250301T1015 x" is a timed task with an armed alarm of
    // mode 2, "2 5/5 w2 2000-2002 日" a special day on the last Monday of May.
    static std::string Text(DateTime t) {
        const DateFields f = t.Fields();
        return std::to_string(CalendarDayKey(f)) + "T" +
               std::to_string(10000 + f.hour * 100 + f.minute).substr(1);
    }
    static std::string Text(const CTaskTime& t) {
        return Text(t.taskTime) + " m" + std::to_string(t.taskMode) + " a" +
               std::to_string(t.alarmMode) + std::to_string(t.alarmArmed) + " " +
               (t.alarmMode ? Text(t.alarmTime) + " " : "") + t.text;
    }
    static std::string Text(const CHolidayTime& r) {
        return std::to_string(r.kind) + " " + std::to_string(r.month) + "/" +
               std::to_string(r.dayOrOrdinal) + " w" + std::to_string(r.weekday) + " " +
               std::to_string(r.firstYear) + "-" + std::to_string(r.lastYear) + " " + r.name;
    }
    static std::vector<std::string> Uids(const std::string& file) {
        std::vector<std::string> found;
        for (std::size_t at = 0; (at = file.find("\nUID:", at + 1)) != std::string::npos;) {
            found.push_back(file.substr(at, file.find('\r', at) - at));
        }
        return found;
    }
};

TEST_F(Ical, EscapesRoundTripAndFoldsWithoutSplittingCharacters) {
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

TEST_F(Ical, RefusesBrokenFilesWithOneMessageAndSplitsProperties) {
    const std::string good = Calendar(Event("DTSTART:20250101T000000"));
    std::string manyEvents;
    for (std::size_t i = 0; i <= kMaxEvents; ++i) manyEvents += Event("");
    const char *notCalendar = "iCalendar ファイルではありません",
               *notUtf8 = "3 行目が UTF-8 ではありません";
    const std::pair<std::string, const char*> cases[] = {
        {"", notCalendar},
        {"hello world\r\n", notCalendar},
        {Crlf("BEGIN:VEVENT|END:VEVENT"), notCalendar},
        {good.substr(0, good.size() - 10), "途中で切れて"},
        {Calendar(Crlf("SUMMARY:" + EncodeCp932("会議"))), notUtf8},
        {std::string("\xFF\xFE\x42\0\x45\0", 6), "UTF-8 ではありません"},
        {Calendar(Crlf("X:\xF4\x90\x80\x80")), notUtf8},
        {Calendar(Crlf("X:\xED\xA0\x80")), notUtf8},
        {Calendar(Crlf("X:\xE0\x9F\xBF")), notUtf8},
        {Calendar(Crlf("X:\x80")), notUtf8},
        {Calendar(Crlf("X:" + std::string(10u << 20, 'a'))), "長すぎます"},
        {Calendar(manyEvents), "予定が多すぎます"},
        {Calendar(Crlf("BEGIN:VEVENT|END:VTODO")), "4 行目の END:VTODO"},
        {Calendar(Crlf("no colon here")), "3 行目は iCalendar の行ではありません"},
    };
    for (const auto& [bytes, message] : cases) {
        const CalendarRead read = ReadCalendar(bytes);
        EXPECT_FALSE(read.calendar) << message;
        EXPECT_NE(read.error.find(message), std::string::npos) << read.error;
    }
    EXPECT_TRUE(
        ReadCalendar(Calendar(Crlf("X:\xE0\xA0\x80\xED\x9F\xBF\xF4\x8F\xBF\xBF"))).calendar);
    CalendarRead read = ReadCalendar("\xEF\xBB\xBF" + good);
    ASSERT_TRUE(read.calendar) << read.error;
    EXPECT_EQ(read.calendar->children.size(), 1u);
    read = ReadCalendar(Calendar(Event("dtstart;tzid=\"A;B:C\";x=1:2025| SUMMARY|\tMORE")));
    ASSERT_TRUE(read.calendar) << read.error;
    const Property* start = read.calendar->children.at(0).Find("DTSTART");
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->Param("TZID").value_or("-") + " " + start->Param("X").value_or("-") + " " +
                  start->value + " " + std::to_string(start->line),
              "A;B:C 1 2025SUMMARYMORE 4");
    // A fold may split a character; the joined line is what must be UTF-8.
    read = ReadCalendar(
        "BEGIN:VCALENDAR\nBEGIN:VEVENT\nSUMMARY:a\xE3\x81\n \x82\x62\nEND:VEVENT\nEND:VCALENDAR");
    ASSERT_TRUE(read.calendar) << read.error;
    EXPECT_EQ(read.calendar->children.at(0).Find("SUMMARY")->value, "aあb");
}

TEST_F(Ical, DurationsWeekdaysCivilSecondsAndZones) {
    const std::pair<const char*, std::optional<std::int64_t>> durations[] = {
        {"-PT15M", -900},      {"P1DT2H", 93600},    {"+P2W", 1209600},      {"PT0S", 0},
        {"-P1DT30S", -86430},  {"P", std::nullopt},  {"PT1D", std::nullopt}, {"P1H", std::nullopt},
        {"PT5", std::nullopt}, {"15M", std::nullopt}};
    for (const auto& [text, seconds] : durations) EXPECT_EQ(ParseDuration(text), seconds) << text;
    for (std::int64_t seconds : {-1LL, 0LL, 86399LL, 86400LL, 951782400LL, 4107542399LL}) {
        EXPECT_EQ(ParseDuration(FormatDuration(seconds)), seconds) << FormatDuration(seconds);
        EXPECT_EQ(SecondsOfCivil(CivilOfSeconds(seconds)), seconds);
    }
    EXPECT_EQ(SecondsOfCivil({2000, 3, 1}), 951868800);
    const CivilTime leap = CivilOfSeconds(951782400);
    EXPECT_EQ(leap.month * 100 + leap.day, 229);
    EXPECT_EQ(WeekdayOfCivil(2024, 5, 12), 0);
    // {year, month, ordinal, weekday, day}: 2SU, -1MO, a fifth and a fifth-last
    // that fall on the 29th and the 1st, and two that do not exist.
    const int nth[][5] = {{2024, 5, 2, 0, 12}, {2024, 5, -1, 1, 27}, {2024, 2, 5, 4, 29},
                          {2025, 2, 5, 4, 0},  {2024, 2, -5, 4, 1},  {2025, 2, -5, 4, 0}};
    for (const auto& [y, m, n, w, day] : nth) EXPECT_EQ(NthWeekdayDay(y, m, n, w), day) << n;

    const CalendarRead read = ReadCalendar(Calendar(Crlf(
        "BEGIN:VTIMEZONE|TZID:Eastern|BEGIN:STANDARD|DTSTART:19701101T020000|"
        "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU|TZOFFSETFROM:-0400|TZOFFSETTO:-0500|END:STANDARD|"
        "BEGIN:DAYLIGHT|DTSTART:19700308T020000|RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU|"
        "TZOFFSETFROM:-0500|TZOFFSETTO:-0400|END:DAYLIGHT|"
        // An earlier rule that ended: it must not compete with the current one.
        "BEGIN:STANDARD|DTSTART:19671029T020000|TZOFFSETTO:-0500|"
        "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU;UNTIL=20061029T060000Z|END:STANDARD|END:VTIMEZONE|"
        "BEGIN:VTIMEZONE|TZID:India|BEGIN:STANDARD|DTSTART:19700101T000000|"
        "TZOFFSETFROM:+0530|TZOFFSETTO:+0530|END:STANDARD|END:VTIMEZONE|"
        // A month number too long for any integer is not read; the start's month holds.
        "BEGIN:VTIMEZONE|TZID:Long|BEGIN:STANDARD|DTSTART:19700301T000000|"
        "RRULE:FREQ=YEARLY;BYMONTH=300000000000|TZOFFSETFROM:+0100|TZOFFSETTO:+0200|"
        "END:STANDARD|END:VTIMEZONE")));
    ASSERT_TRUE(read.calendar) << read.error;
    const ZoneTable table(*read.calendar);
    const CivilTime winter{2025, 1, 15, 12}, summer{2025, 10, 29, 12}, afterChange{2025, 3, 9, 3};
    EXPECT_EQ(table.ToUtc(winter, "Eastern"), SecondsOfCivil(winter) + 5 * 3600);
    EXPECT_EQ(table.ToUtc(summer, "Eastern"), SecondsOfCivil(summer) + 4 * 3600);
    EXPECT_EQ(table.ToUtc(afterChange, "Eastern"), SecondsOfCivil(afterChange) + 4 * 3600);
    EXPECT_EQ(table.ToUtc(winter, "India"), SecondsOfCivil(winter) - 5 * 3600 - 30 * 60);
    EXPECT_EQ(table.ToUtc(winter, "Asia/Tokyo"), SecondsOfCivil(winter) - 9 * 3600);
    EXPECT_EQ(table.ToUtc(summer, "Long"), SecondsOfCivil(summer) - 2 * 3600);
    EXPECT_EQ(table.ToUtc(winter, "Europe/Paris"), std::nullopt);
}

TEST_F(Ical, WritesRulesAndTasksAsEventsAndReadsThemBackOnce) {
    const std::vector<CHolidayTime> rules = {
        Rule(5, 15, 0, "結婚記念日, 二人"), Rule(5, 2, 1, "母の日"), Rule(9, 5, 2, "最後の月曜"),
        Rule(2, 29, 0, "閏日"), Rule(8, 11, 0, "山", 2016, 2030)};
    const std::vector<CTaskTime> tasks = {
        Task(At(2025, 3, 1), 0, "終日;セミコロン"),
        Task(At(2025, 3, 1), 0, "終日アラーム", 1, At(2025, 2, 28, 18, 30)),
        Task(At(2025, 3, 2, 10, 30), 1, "会議", 2, At(2025, 3, 2, 10, 15)),
        Task(At(2025, 3, 2, 10, 30), 1, "時刻指定のアラーム", 1, At(2025, 3, 2, 10, 0)),
        Task(At(2025, 3, 2, 10, 30), 2, "通知と後のアラーム", 2, At(2025, 3, 2, 11, 0)),
        Task(At(2025, 3, 3, 9, 0), 3, "通知済み", 1, At(2025, 3, 1, 9, 0)),
        Task(At(2025, 3, 3, 9, 0), 1, "済んだアラーム", 1, At(2025, 3, 3, 8, 0), 0)};
    const std::string text = ExportCalendar(rules, tasks, DateTime(1700000000));
    EXPECT_TRUE(text.starts_with("BEGIN:VCALENDAR\r\nPRODID:"));
    EXPECT_NE(text.find("\r\nX-WR-CALNAME:vesmira\r\n"), std::string::npos);  // its name elsewhere
    for (const char* lines :
         {"VERSION:2.0|CALSCALE:GREGORIAN", "DTSTAMP:20231114T221320Z", "TZID:Asia/Tokyo",
          "TZOFFSETFROM:+0900|TZOFFSETTO:+0900", "RRULE:FREQ=YEARLY;BYMONTH=5;BYMONTHDAY=15",
          "DTSTART;VALUE=DATE:20160811|RRULE:FREQ=YEARLY;BYMONTH=8;BYMONTHDAY=11;UNTIL=20301231",
          "DTSTART;VALUE=DATE:19800511|RRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=2SU",
          "DTSTART;VALUE=DATE:19800929|RRULE:FREQ=YEARLY;BYMONTH=9;BYDAY=-1MO",
          "DTSTART;VALUE=DATE:19800229", "SUMMARY:結婚記念日\\, 二人", "SUMMARY:終日\\;セミコロン",
          "DTSTART;TZID=Asia/Tokyo:20250302T103000", "DTSTART;VALUE=DATE:20250301",
          "TRIGGER:-PT5H30M", "TRIGGER:-PT15M", "TRIGGER:PT30M", "BEGIN:VALARM|ACTION:DISPLAY",
          "TRIGGER:-P2D", "END:VCALENDAR"}) {
        EXPECT_NE(text.find(Crlf(lines)), std::string::npos) << lines;
    }
    EXPECT_EQ(text.find("TRIGGER:-PT1H"), std::string::npos) << "a given alarm is not armed";
    EXPECT_EQ(Uids(text), Uids(ExportCalendar(rules, tasks, DateTime(1800000000))));
    const std::vector<std::string> uids = Uids(ExportCalendar(rules, {tasks[2], tasks[2]}, {}));
    ASSERT_EQ(uids.size(), rules.size() + 2);
    EXPECT_NE(uids[rules.size()], uids[rules.size() + 1]);

    const ImportPlan plan = Plan(text);
    ASSERT_EQ(plan.error, "");
    EXPECT_EQ(plan.notes, std::vector<std::string>());
    ASSERT_EQ(plan.specialDays.size(), rules.size());
    for (std::size_t i = 0; i < rules.size(); ++i) {
        EXPECT_EQ(Text(plan.specialDays[i]), Text(rules[i]));
    }
    ASSERT_EQ(plan.tasks.size(), tasks.size());
    for (std::size_t i = 0; i + 1 < tasks.size(); ++i) {
        EXPECT_EQ(Text(plan.tasks[i]), Text(tasks[i]));
    }
    EXPECT_EQ(plan.tasks.back().alarmMode, 0) << "a given alarm is not carried";
    const ImportPlan again = PlanImport(text, {plan.specialDays, plan.tasks}, At(2025, 1, 1));
    EXPECT_EQ(again.specialDays.size() + again.tasks.size(), 0u);
    EXPECT_EQ(again.duplicates, rules.size() + tasks.size());
    const std::string twice = Event("DTSTART:20250101T100000|SUMMARY:a");
    EXPECT_EQ(Plan(Calendar(twice + twice)).duplicates, 1u);
}

// Each event's records as the import plans them ("": refused), and the note it
// gives (none: no warning at all).
TEST_F(Ical, MapsForeignEventsToTheEditorsChoicesOrRefusesThem) {
    std::string longText, cut;
    for (int i = 0; i < 40; ++i) longText += "長";
    for (int i = 0; i < 35; ++i) cut += "長";
    const std::string longName = "x" + std::string(79, 'n'), x = "|SUMMARY:x", a = "|SUMMARY:a";
    const std::string at = "DTSTART:20250301T",
                      day = "DTSTART;VALUE=DATE:", yearly = "|RRULE:FREQ=YEARLY",
                      ten = "20250301T1000 m1 a01 ";
    const char *kAlarm = "アラームを", *kFirst = "最初の 1 回", *kCut = "72 バイトに切り詰め",
               *kUnread = "読めません";
    const struct {
        std::string event, records;
        const char* note = nullptr;
    } cases[] = {
        {at + "013000Z" + x + Alarm(":-PT15M"), "20250301T1030 m1 a21 20250301T1015 x"},
        {"DTSTART;TZID=Asia/Tokyo:20250301T103059" + x + Alarm(":-P1DT30S"),
         "20250301T1030 m1 a11 20250228T1029 x", kAlarm},
        {at + "103000|RRULE:FREQ=WEEKLY" + x + Alarm(":-P10D"),
         "20250301T1030 m1 a11 20250222T0000 x", kFirst},
        {day + "20250301" + x + Alarm(":PT25H"), "20250301T0000 m0 a11 20250301T2359 x", kAlarm},
        {at + "230000" + x + Alarm(";RELATED=END:PT1H") + "|DTEND:20250302T000000",
         "20250301T2300 m1 a21 20250302T0100 x"},
        {at + "100000" + x + Alarm(";VALUE=DATE-TIME:20250228T000000Z"),
         "20250301T1000 m1 a11 20250228T0900 x"},
        {"DTSTART:20991231T100000" + x, "20991231T1000 m1 a01 x"},
        {at + "103000" + x + Alarm(":-PT3H"), "20250301T1030 m1 a11 20250301T0730 x"},
        {at + "235960" + x + Alarm(":-PT2H59M"), "20250301T2359 m1 a21 20250301T2100 x"},
        {at + "100000" + x + "|SUMMARY:y" + Alarm(":-PT15M") + Alarm(":-PT15M"),
         "20250301T1000 m1 a21 20250301T0945 x"},
        {day + "20250301" + yearly + ";BYDAY=2SU" + x, "20250301T0000 m0 a01 x", kFirst},
        {day + "20250301" + yearly + ";BYMONTHDAY=32" + x, "20250301T0000 m0 a01 x", kFirst},
        {day + "20250301" + yearly + ";BYMONTHDAY=0" + x, "20250301T0000 m0 a01 x", kFirst},
        {day + "20250301" + yearly + ";BYMONTH=4;BYMONTHDAY=31" + x, "20250301T0000 m0 a01 x",
         kFirst},
        {day + "20250301" + yearly + ";BYMONTH=3;BYDAY=5SU" + x, "20250301T0000 m0 a01 x", kFirst},
        {at + "100000|X-VESMIRA-TASK-MODE:9" + x, "20250301T1000 m1 a01 x"},
        {day + "20250301" + yearly + ";BYMONTH=13" + x, "20250301T0000 m0 a01 x", kFirst},
        {day + "20000229" + yearly + a, "2 2/29 w0 2000-0 a"},
        {day + "19700101" + yearly + ";BYMONTH=12;BYMONTHDAY=31" + a, "2 12/31 w0 0-0 a"},
        {day + "20000101" + yearly + ";BYMONTH=5;BYDAY=-1MO;COUNT=3" + a, "2 5/5 w2 2000-2002 a"},
        {day + "19800101" + yearly + ";UNTIL=20191231T150000Z" + a, "2 1/1 w0 0-2019 a"},
        {day + "20000101" + yearly + ";COUNT=1" + a, "2 1/1 w0 2000-2000 a"},
        {day + "20000101" + yearly + ";COUNT=101" + a, "2 1/1 w0 2000-0 a", "毎年になります"},
        {day + "19700101" + yearly + ";COUNT=10" + a, "", "2099"},
        {day + "21000101" + yearly + a, "", "2099"},
        {day + "20000101|RRULE:freq=YEARLY" + a, "2 1/1 w0 2000-0 a"},
        {day + "20000101" + yearly + "|SUMMARY:a`b", "", "バッククォート"},
        {day + "20000101" + yearly + "|SUMMARY:" + longName,
         "2 1/1 w0 2000-0 " + longName.substr(0, 72), "72 文字に切り詰め"},
        {at + "100000|SUMMARY:" + longText, ten + longText.substr(0, 36 * 3), kCut},
        {at + "100000|SUMMARY:" + cut + "abc", ten + cut + "ab", kCut},
        {at + "100000|SUMMARY:" + cut + "  x", ten + cut, kCut},  // no spaces left at the cut
        {day + "20000101" + yearly + "|SUMMARY:" + longName.substr(0, 71) + "   y",
         "2 1/1 w0 2000-0 " + longName.substr(0, 71), "72 文字に切り詰め"},
        {day + "19800101|SUMMARY: a\rb\\nc ", "19800101T0000 m0 a01 a b c"},
        {at + "100000|SUMMARY:絵文字\xF0\x9F\x98\x80", "", "保存できない文字"},
        {at + "100000|SUMMARY:a`b", "", "バッククォート"},
        {at + "100000", "", "SUMMARY"},
        {"SUMMARY:a", "", "DTSTART"},
        {day + "21000229" + a, "", kUnread},
        {at + "1O0000" + a, "", kUnread},
        {at + "10O000" + a, "", kUnread},
        {at + "106000" + a, "", kUnread},
        {at + "240000" + a, "", kUnread},
        {day + "19600101" + a, "", "2099"},
        {"DTSTART;TZID=Mars/Base:20250301T100000" + a, "", "Mars/Base"},
        {"DTSTART:19790301T100000" + a, "", "2099"},
        {"DTSTART:21000301T100000Z" + a, "", "2099"},
        {"BEGIN:VTODO|DUE;VALUE=DATE:20250301" + x + "|END:VTODO", "20250301T0000 m0 a01 x"},
    };
    for (const auto& c : cases) {
        const bool todo = c.event.starts_with("BEGIN:VTODO");
        const ImportPlan plan = Plan(Calendar(todo ? Crlf(c.event) : Event(c.event)));
        const std::string notes = ImportSummary(plan);
        std::string records;
        for (const CHolidayTime& rule : plan.specialDays) records += Text(rule);
        for (const CTaskTime& task : plan.tasks) records += Text(task);
        EXPECT_EQ(records, c.records) << c.event;
        EXPECT_EQ(notes.find("注意") != std::string::npos, c.note != nullptr) << notes;
        EXPECT_NE(notes.find(c.note ? c.note : ""), std::string::npos) << notes;
        // A rule refused as a rule must not be tried again as a task.
        EXPECT_EQ(notes.find(kFirst) != std::string::npos, c.note == kFirst) << notes;
    }
    EXPECT_NE(ImportSummary(Plan("junk")).find("iCalendar ファイルではありません"),
              std::string::npos);
}

TEST_F(Ical, SummaryCountsAndShowsTheFirstRecords) {
    std::string body;
    for (int day = 1; day <= 7; ++day) {
        body += Event("DTSTART;VALUE=DATE:2025030" + std::to_string(day) + "|SUMMARY:予定" +
                      std::to_string(day));
    }
    body +=
        Event("DTSTART;VALUE=DATE:20000511|RRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=2SU|SUMMARY:母の日");
    body += Event("DTSTART;VALUE=DATE:20250301|SUMMARY:予定1");
    for (int year = 2101; year <= 2111; ++year) {
        body += Event("DTSTART;VALUE=DATE:" + std::to_string(year) + "0101|SUMMARY:遠い");
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
