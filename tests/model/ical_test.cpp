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

const std::vector<CHolidayTime> kNoRules;
const std::vector<CTaskTime> kNoTasks;

std::string Calendar(const std::string& body) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + body + "END:VCALENDAR\r\n";
}

std::string Event(const std::string& lines) {
    return "BEGIN:VEVENT\r\n" + lines + "END:VEVENT\r\n";
}

DateTime At(int y, int mo, int d, int h = 0, int mi = 0) {
    return *DateTime::Build(y, mo, d, h, mi);
}

ImportPlan Plan(const std::string& bytes) {
    return PlanImport(bytes, {kNoRules, kNoTasks}, At(2025, 1, 1));
}

CHolidayTime Rule(int month, int dayOrOrdinal, int weekday, const std::string& name) {
    CHolidayTime rule;
    rule.Set(At(2025, 1, 1), month, dayOrOrdinal, 2, weekday, name);
    return rule;
}

CHolidayTime Ranged(CHolidayTime rule, int firstYear, int lastYear) {
    rule.firstYear = firstYear;
    rule.lastYear = lastYear;
    return rule;
}

CTaskTime Task(DateTime time, int taskMode, const std::string& text, int alarmMode = 0,
               DateTime alarm = NoDayDate(), int armed = 1) {
    return CTaskTime{time, taskMode, alarmMode, armed, text, alarm};
}

std::string Unfold(std::string text) {
    for (std::size_t at; (at = text.find("\r\n ")) != std::string::npos;) text.erase(at, 3);
    return text;
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
    std::size_t start = 0;
    for (std::size_t end; (end = folded.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string physical = folded.substr(start, end - start);
        EXPECT_LE(physical.size(), 75u);
        const std::string body = start == 0 ? physical : physical.substr(1);
        EXPECT_EQ(DecodeCp932(EncodeCp932(body)), body) << "split character";
    }
    EXPECT_EQ(start, folded.size());
    EXPECT_EQ(Unfold(folded), line + "\r\n");
    EXPECT_EQ(FoldLine(std::string(75, 'x')), std::string(75, 'x') + "\r\n");
}

TEST(IcalRead, RefusesBrokenFilesWithOneMessage) {
    const std::string good = Calendar(Event("DTSTART:20250101T000000\r\n"));
    std::string manyEvents;
    for (std::size_t i = 0; i <= kMaxEvents; ++i) manyEvents += Event("");
    const struct {
        std::string bytes;
        const char* message;
    } cases[] = {
        {"", "iCalendar ファイルではありません"},
        {"hello world\r\n", "iCalendar ファイルではありません"},
        {"BEGIN:VEVENT\r\nEND:VEVENT\r\n", "iCalendar ファイルではありません"},
        {good.substr(0, good.size() - 10), "途中で切れて"},
        {Calendar("SUMMARY:" + EncodeCp932("会議") + "\r\n"), "3 行目が UTF-8 ではありません"},
        {std::string("\xFF\xFE"
                     "B\0E\0",
                     6),
         "UTF-8 ではありません"},
        {Calendar("X:\xF4\x90\x80\x80\r\n"), "3 行目が UTF-8 ではありません"},
        {Calendar("X:\xED\xA0\x80\r\n"), "3 行目が UTF-8 ではありません"},
        {Calendar("X:\xE0\x9F\xBF\r\n"), "3 行目が UTF-8 ではありません"},
        {Calendar("X:\x80\r\n"), "3 行目が UTF-8 ではありません"},
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
    const struct {
        const char* text;
        std::optional<std::int64_t> seconds;
    } durations[] = {
        {"-PT15M", -900},      {"P1DT2H", 93600},    {"+P2W", 1209600},      {"PT0S", 0},
        {"-P1DT30S", -86430},  {"P", std::nullopt},  {"PT1D", std::nullopt}, {"P1H", std::nullopt},
        {"PT5", std::nullopt}, {"15M", std::nullopt}};
    for (const auto& d : durations) EXPECT_EQ(ParseDuration(d.text), d.seconds) << d.text;
    for (std::int64_t seconds : {-1LL, 0LL, 86399LL, 86400LL, 951782400LL, 4107542399LL}) {
        EXPECT_EQ(FormatDuration(seconds), FormatDuration(*ParseDuration(FormatDuration(seconds))));
        EXPECT_EQ(ParseDuration(FormatDuration(seconds)), seconds) << FormatDuration(seconds);
        EXPECT_EQ(SecondsOfCivil(CivilOfSeconds(seconds)), seconds);
    }
    EXPECT_EQ(SecondsOfCivil({2000, 3, 1}), 951868800);
    CivilTime leap = CivilOfSeconds(951782400);
    EXPECT_EQ(leap.month * 100 + leap.day, 229);
    EXPECT_EQ(WeekdayOfCivil(2024, 5, 12), 0);
    EXPECT_EQ(NthWeekdayDay(2024, 5, 2, 0), 12);   // 2SU
    EXPECT_EQ(NthWeekdayDay(2024, 5, -1, 1), 27);  // -1MO
    EXPECT_EQ(NthWeekdayDay(2024, 2, 5, 4), 29);
    EXPECT_EQ(NthWeekdayDay(2025, 2, 5, 4), 0);
    EXPECT_EQ(NthWeekdayDay(2024, 2, -5, 4), 1);
    EXPECT_EQ(NthWeekdayDay(2025, 2, -5, 4), 0);
}

TEST(IcalTime, ConvertsThroughTheFilesZoneAndKnownNames) {
    const std::string zone =
        "BEGIN:VTIMEZONE\r\nTZID:Eastern\r\n"
        "BEGIN:STANDARD\r\nDTSTART:19701101T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\n"
        "TZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\nEND:STANDARD\r\n"
        "BEGIN:DAYLIGHT\r\nDTSTART:19700308T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\n"
        "TZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n";
    CalendarRead read = ReadCalendar(Calendar(zone));
    ASSERT_TRUE(read.calendar) << read.error;
    ZoneTable zones(*read.calendar);
    const CivilTime winter{2025, 1, 15, 12}, summer{2025, 7, 15, 12}, afterChange{2025, 3, 9, 3};
    EXPECT_EQ(zones.ToUtc(winter, "Eastern"), SecondsOfCivil(winter) + 5 * 3600);
    EXPECT_EQ(zones.ToUtc(summer, "Eastern"), SecondsOfCivil(summer) + 4 * 3600);
    EXPECT_EQ(zones.ToUtc(afterChange, "Eastern"), SecondsOfCivil(afterChange) + 4 * 3600);
    EXPECT_EQ(zones.ToUtc(winter, "Asia/Tokyo"), SecondsOfCivil(winter) - 9 * 3600);
    EXPECT_EQ(zones.ToUtc(winter, "Europe/Paris"), std::nullopt);

    const std::string india =
        "BEGIN:VTIMEZONE\r\nTZID:India\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
        "TZOFFSETFROM:+0530\r\nTZOFFSETTO:+0530\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
    read = ReadCalendar(Calendar(india));
    ASSERT_TRUE(read.calendar) << read.error;
    EXPECT_EQ(ZoneTable(*read.calendar).ToUtc(winter, "India"),
              SecondsOfCivil(winter) - 5 * 3600 - 30 * 60);
}

const std::vector<CHolidayTime> kRules = {
    Rule(5, 15, 0, "結婚記念日, 二人"), Rule(5, 2, 1, "母の日"), Rule(9, 5, 2, "最後の月曜"),
    Rule(2, 29, 0, "閏日"), Ranged(Rule(8, 11, 0, "山"), 2016, 2030)};
const std::vector<CTaskTime> kTasks = {
    Task(At(2025, 3, 1), 0, "終日;セミコロン"),
    Task(At(2025, 3, 1), 0, "終日アラーム", 1, At(2025, 2, 28, 18, 30)),
    Task(At(2025, 3, 2, 10, 30), 1, "会議", 2, At(2025, 3, 2, 10, 15)),
    Task(At(2025, 3, 2, 10, 30), 1, "時刻指定のアラーム", 1, At(2025, 3, 2, 10, 0)),
    Task(At(2025, 3, 2, 10, 30), 2, "通知と後のアラーム", 2, At(2025, 3, 2, 11, 0)),
    Task(At(2025, 3, 3, 9, 0), 3, "通知済み", 1, At(2025, 3, 1, 9, 0)),
    Task(At(2025, 3, 3, 9, 0), 1, "済んだアラーム", 1, At(2025, 3, 3, 8, 0), 0),
};

TEST(IcalExport, WritesRulesAndTasksAsEvents) {
    const std::string text = ExportCalendar(kRules, kTasks, DateTime(1700000000));
    EXPECT_TRUE(text.starts_with("BEGIN:VCALENDAR\r\nPRODID:"));
    for (const char* line :
         {"VERSION:2.0\r\n",
          "CALSCALE:GREGORIAN\r\n",
          "DTSTAMP:20231114T221320Z\r\n",
          "TZID:Asia/Tokyo\r\n",
          "TZOFFSETFROM:+0900\r\nTZOFFSETTO:+0900\r\n",
          "RRULE:FREQ=YEARLY;BYMONTH=5;BYMONTHDAY=15\r\n",
          "DTSTART;VALUE=DATE:20160811\r\nRRULE:FREQ=YEARLY;BYMONTH=8;BYMONTHDAY=11;UNTIL="
          "20301231\r\n",
          "DTSTART;VALUE=DATE:19800511\r\nRRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=2SU\r\n",
          "DTSTART;VALUE=DATE:19800929\r\nRRULE:FREQ=YEARLY;BYMONTH=9;BYDAY=-1MO\r\n",
          "DTSTART;VALUE=DATE:19800229\r\n",
          "SUMMARY:結婚記念日\\, 二人\r\n",
          "SUMMARY:終日\\;セミコロン\r\n",
          "DTSTART;TZID=Asia/Tokyo:20250302T103000\r\n",
          "DTSTART;VALUE=DATE:20250301\r\n",
          "TRIGGER:-PT5H30M\r\n",
          "TRIGGER:-PT15M\r\n",
          "TRIGGER:PT30M\r\n",
          "BEGIN:VALARM\r\nACTION:DISPLAY\r\n",
          "TRIGGER:-P2D\r\n",
          "END:VCALENDAR\r\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(text.find("TRIGGER:-PT1H"), std::string::npos) << "a given alarm is not armed";
    for (std::size_t at = 0; (at = text.find('\n', at + 1)) != std::string::npos;) {
        EXPECT_EQ(text[at - 1], '\r');
    }
    const std::string again = ExportCalendar(kRules, kTasks, DateTime(1800000000));
    auto uids = [](const std::string& file) {
        std::vector<std::string> found;
        for (std::size_t at = 0; (at = file.find("\nUID:", at + 1)) != std::string::npos;) {
            found.push_back(file.substr(at, file.find('\r', at) - at));
        }
        return found;
    };
    EXPECT_EQ(uids(text), uids(again));
    std::vector<std::string> all = uids(ExportCalendar(kRules, {kTasks[2], kTasks[2]}, {}));
    ASSERT_EQ(all.size(), kRules.size() + 2);
    EXPECT_NE(all[kRules.size()], all[kRules.size() + 1]);
}

TEST(IcalExport, WritesFloatingTimesWhereTheClockIsNotJapans) {
    VESM_NEEDS_ZONE_SWITCH();
    ScopedTimeZone zone("America/New_York");
    const std::vector<CTaskTime> tasks = {Task(At(2025, 7, 2, 10, 30), 1, "x")};
    EXPECT_FALSE(LocalClockIsJapan(tasks));
    const std::string text = ExportCalendar({}, tasks, {});
    EXPECT_NE(text.find("\r\nDTSTART:20250702T103000\r\n"), std::string::npos);
    EXPECT_EQ(text.find("VTIMEZONE"), std::string::npos);
    ImportPlan plan = Plan(text);
    ASSERT_EQ(plan.tasks.size(), 1u);
    EXPECT_EQ(plan.tasks[0].taskTime, tasks[0].taskTime);
}

TEST(IcalImport, ExportReadBackGivesTheSameListsAndNoDuplicates) {
    const std::string text = ExportCalendar(kRules, kTasks, DateTime(1700000000));
    ImportPlan plan = Plan(text);
    ASSERT_EQ(plan.error, "");
    EXPECT_EQ(plan.notes, std::vector<std::string>());
    ASSERT_EQ(plan.specialDays.size(), kRules.size());
    for (std::size_t i = 0; i < kRules.size(); ++i) {
        EXPECT_EQ(plan.specialDays[i].name, kRules[i].name);
        EXPECT_EQ(plan.specialDays[i].month, kRules[i].month);
        EXPECT_EQ(plan.specialDays[i].dayOrOrdinal, kRules[i].dayOrOrdinal);
        EXPECT_EQ(plan.specialDays[i].weekday, kRules[i].weekday);
        EXPECT_EQ(plan.specialDays[i].firstYear, kRules[i].firstYear);
        EXPECT_EQ(plan.specialDays[i].lastYear, kRules[i].lastYear);
        EXPECT_EQ(plan.specialDays[i].kind, 2);
    }
    ASSERT_EQ(plan.tasks.size(), kTasks.size());
    for (std::size_t i = 0; i + 1 < kTasks.size(); ++i) {
        const CTaskTime& t = plan.tasks[i];
        EXPECT_EQ(t.text, kTasks[i].text);
        EXPECT_EQ(t.taskTime, kTasks[i].taskTime) << t.text;
        EXPECT_EQ(t.taskMode, kTasks[i].taskMode) << t.text;
        EXPECT_EQ(t.alarmMode, kTasks[i].alarmMode) << t.text;
        EXPECT_EQ(t.alarmTime, kTasks[i].alarmTime) << t.text;
        EXPECT_EQ(t.alarmArmed, 1);
    }
    EXPECT_EQ(plan.tasks.back().alarmMode, 0) << "a given alarm is not carried";

    ImportPlan again = PlanImport(text, {plan.specialDays, plan.tasks}, At(2025, 1, 1));
    EXPECT_TRUE(again.specialDays.empty());
    EXPECT_TRUE(again.tasks.empty());
    EXPECT_EQ(again.duplicates, kRules.size() + kTasks.size());
    EXPECT_EQ(Plan(Calendar(Event("DTSTART:20250101T100000\r\nSUMMARY:a\r\n") +
                            Event("DTSTART:20250101T100000\r\nSUMMARY:a\r\n")))
                  .duplicates,
              1u);
}

TEST(IcalImport, MapsForeignEventsToTheEditorsChoices) {
    const std::string s = "SUMMARY:x\r\n";
    const std::string alarm15 = "BEGIN:VALARM\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n";
    const struct {
        std::string event;
        CTaskTime task;
        const char* note;
    } cases[] = {
        {Event("DTSTART:20250301T013000Z\r\n" + s + alarm15),
         Task(At(2025, 3, 1, 10, 30), 1, "x", 2, At(2025, 3, 1, 10, 15)), nullptr},
        {Event("DTSTART;TZID=Asia/Tokyo:20250301T103059\r\n" + s +
               "BEGIN:VALARM\r\nTRIGGER:-P1DT30S\r\nEND:VALARM\r\n"),
         Task(At(2025, 3, 1, 10, 30), 1, "x", 1, At(2025, 2, 28, 10, 29)), "アラームを"},
        {Event("DTSTART:20250301T103000\r\nRRULE:FREQ=WEEKLY\r\n" + s +
               "BEGIN:VALARM\r\nTRIGGER:-P10D\r\nEND:VALARM\r\n"),
         Task(At(2025, 3, 1, 10, 30), 1, "x", 1, At(2025, 2, 22)), "最初の 1 回"},
        {Event("DTSTART;VALUE=DATE:20250301\r\n" + s +
               "BEGIN:VALARM\r\nTRIGGER:PT25H\r\nEND:VALARM\r\n"),
         Task(At(2025, 3, 1), 0, "x", 1, At(2025, 3, 1, 23, 59)), "アラームを"},
        {Event(
             "DTSTART:20250301T230000\r\n" + s +
             "BEGIN:VALARM\r\nTRIGGER;RELATED=END:PT1H\r\nEND:VALARM\r\nDTEND:20250302T000000\r\n"),
         Task(At(2025, 3, 1, 23, 0), 1, "x", 2, At(2025, 3, 2, 1, 0)), nullptr},
        {Event("DTSTART:20250301T100000\r\n" + s +
               "BEGIN:VALARM\r\nTRIGGER;VALUE=DATE-TIME:20250228T000000Z\r\nEND:VALARM\r\n"),
         Task(At(2025, 3, 1, 10, 0), 1, "x", 1, At(2025, 2, 28, 9, 0)), nullptr},
        {Event("DTSTART:20991231T100000\r\n" + s), Task(At(2099, 12, 31, 10), 1, "x"), nullptr},
        {Event("DTSTART:20250301T103000\r\n" + s +
               "BEGIN:VALARM\r\nTRIGGER:-PT3H\r\nEND:VALARM\r\n"),
         Task(At(2025, 3, 1, 10, 30), 1, "x", 1, At(2025, 3, 1, 7, 30)), nullptr},
        {Event("DTSTART:20250301T235960\r\n" + s +
               "BEGIN:VALARM\r\nTRIGGER:-PT2H59M\r\nEND:VALARM\r\n"),
         Task(At(2025, 3, 1, 23, 59), 1, "x", 2, At(2025, 3, 1, 21, 0)), nullptr},
        {"BEGIN:VTODO\r\nDUE;VALUE=DATE:20250301\r\n" + s + "END:VTODO\r\n",
         Task(At(2025, 3, 1), 0, "x"), nullptr},
        {Event("DTSTART;VALUE=DATE:20250301\r\nRRULE:FREQ=YEARLY;BYDAY=2SU\r\n" + s),
         Task(At(2025, 3, 1), 0, "x"), "最初の 1 回"},
        {Event("DTSTART;VALUE=DATE:20250301\r\nRRULE:FREQ=YEARLY;BYMONTHDAY=32\r\n" + s),
         Task(At(2025, 3, 1), 0, "x"), "最初の 1 回"},
        {Event("DTSTART;VALUE=DATE:20250301\r\nRRULE:FREQ=YEARLY;BYMONTH=13\r\n" + s),
         Task(At(2025, 3, 1), 0, "x"), "最初の 1 回"},
        {Event("DTSTART:20250301T100000\r\n" + s + "SUMMARY:y\r\n" + alarm15 + alarm15),
         Task(At(2025, 3, 1, 10), 1, "x", 2, At(2025, 3, 1, 9, 45)), nullptr},
    };
    for (const auto& c : cases) {
        ImportPlan plan = Plan(Calendar(c.event));
        ASSERT_EQ(plan.tasks.size(), 1u) << c.event << ImportSummary(plan);
        const CTaskTime& t = plan.tasks[0];
        EXPECT_EQ(t.taskTime, c.task.taskTime) << c.event;
        EXPECT_EQ(t.taskMode, c.task.taskMode) << c.event;
        EXPECT_EQ(t.alarmMode, c.task.alarmMode) << c.event;
        EXPECT_EQ(t.alarmTime, c.task.alarmTime) << c.event;
        EXPECT_EQ(t.text, "x");
        const std::string notes = ImportSummary(plan);
        EXPECT_EQ(notes.find("注意") != std::string::npos, c.note != nullptr) << notes;
        if (c.note) {
            EXPECT_NE(notes.find(c.note), std::string::npos) << notes;
        }
    }
}

TEST(IcalImport, RulesTextsAndRefusals) {
    const struct {
        std::string event;
        int month, dayOrOrdinal, weekday, firstYear, lastYear;
    } rules[] = {
        {"DTSTART;VALUE=DATE:20000229\r\nRRULE:FREQ=YEARLY\r\n", 2, 29, 0, 2000, 0},
        {"DTSTART;VALUE=DATE:19700101\r\nRRULE:FREQ=YEARLY;BYMONTH=12;BYMONTHDAY=31\r\n", 12, 31, 0,
         0, 0},
        {"DTSTART;VALUE=DATE:20000101\r\nRRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=-1MO;COUNT=3\r\n", 5, 5,
         2, 2000, 2002},
        {"DTSTART;VALUE=DATE:19800101\r\nRRULE:FREQ=YEARLY;UNTIL=20191231T150000Z\r\n", 1, 1, 0, 0,
         2019},
    };
    for (const auto& r : rules) {
        ImportPlan plan = Plan(Calendar(Event(r.event + "SUMMARY:日\r\n")));
        ASSERT_EQ(plan.specialDays.size(), 1u) << r.event;
        EXPECT_EQ(plan.specialDays[0].month, r.month);
        EXPECT_EQ(plan.specialDays[0].dayOrOrdinal, r.dayOrOrdinal);
        EXPECT_EQ(plan.specialDays[0].weekday, r.weekday);
        EXPECT_EQ(plan.specialDays[0].firstYear, r.firstYear) << r.event;
        EXPECT_EQ(plan.specialDays[0].lastYear, r.lastYear) << r.event;
        EXPECT_EQ(plan.tasks.size(), 0u);
    }

    std::string longText, cut;
    for (int i = 0; i < 40; ++i) longText += "長";
    for (int i = 0; i < 35; ++i) cut += "長";
    const std::string ok = "DTSTART:20250301T100000\r\n";
    const struct {
        std::string event;
        const char* note;
    } texts[] = {
        {ok + "SUMMARY:" + longText + "\r\n", "72 バイトに切り詰め"},
        {ok + "SUMMARY:" + cut + "abc\r\n", "72 バイトに切り詰め"},
        {ok + "SUMMARY:絵文字\xF0\x9F\x98\x80\r\n", "保存できない文字"},
        {ok + "SUMMARY:a`b\r\n", "バッククォート"},
        {ok, "SUMMARY"},
        {"SUMMARY:a\r\n", "DTSTART"},
        {"DTSTART;VALUE=DATE:21000229\r\nSUMMARY:a\r\n", "読めません"},
        {"DTSTART:20250301T1O0000\r\nSUMMARY:a\r\n", "読めません"},
        {"DTSTART:20250301T10O000\r\nSUMMARY:a\r\n", "読めません"},
        {"DTSTART:20250301T106000\r\nSUMMARY:a\r\n", "読めません"},
        {"DTSTART:20250301T240000\r\nSUMMARY:a\r\n", "読めません"},
        {"DTSTART;VALUE=DATE:19600101\r\nSUMMARY:a\r\n", "2099"},
        {"DTSTART;TZID=Mars/Base:20250301T100000\r\nSUMMARY:a\r\n", "Mars/Base"},
        {"DTSTART:19790301T100000\r\nSUMMARY:a\r\n", "2099"},
        {"DTSTART:21000301T100000Z\r\nSUMMARY:a\r\n", "2099"},
    };
    // The first rows are shortened, the rest refused.
    const std::string shortened[] = {longText.substr(0, 36 * 3), cut + "ab"};
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        ImportPlan plan = Plan(Calendar(Event(texts[i].event)));
        if (i < std::size(shortened)) {
            ASSERT_EQ(plan.tasks.size(), 1u) << texts[i].event;
            EXPECT_EQ(plan.tasks[0].text, shortened[i]);
        } else {
            EXPECT_EQ(plan.tasks.size(), 0u) << texts[i].event;
        }
        EXPECT_NE(ImportSummary(plan).find(texts[i].note), std::string::npos)
            << ImportSummary(plan);
    }
    ImportPlan edge =
        Plan(Calendar(Event("DTSTART;VALUE=DATE:19800101\r\nSUMMARY: a\rb\\nc \r\n")));
    ASSERT_EQ(edge.tasks.size(), 1u) << ImportSummary(edge);
    EXPECT_EQ(edge.tasks[0].text, "a b c") << "a line break would split the settings line";
    const std::string longName = "x" + std::string(79, 'n');
    ImportPlan named = Plan(Calendar(
        Event("DTSTART;VALUE=DATE:20000101\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:" + longName + "\r\n")));
    ASSERT_EQ(named.specialDays.size(), 1u);
    EXPECT_EQ(named.specialDays[0].name, longName.substr(0, 72));
    EXPECT_NE(ImportSummary(Plan("junk")).find("iCalendar ファイルではありません"),
              std::string::npos);
}

TEST(IcalImport, SummaryCountsAndShowsTheFirstRecords) {
    std::string body;
    for (int day = 1; day <= 7; ++day) {
        body += Event("DTSTART;VALUE=DATE:202503" + std::string(day < 10 ? "0" : "") +
                      std::to_string(day) + "\r\nSUMMARY:予定" + std::to_string(day) + "\r\n");
    }
    body += Event(
        "DTSTART;VALUE=DATE:20000511\r\nRRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=2SU\r\n"
        "SUMMARY:母の日\r\n");
    body += Event("DTSTART;VALUE=DATE:20250301\r\nSUMMARY:予定1\r\n");
    for (int year = 2101; year <= 2111; ++year) {
        body += Event("DTSTART;VALUE=DATE:" + std::to_string(year) + "0101\r\nSUMMARY:遠い\r\n");
    }
    const std::string summary = ImportSummary(Plan(Calendar(body)));
    EXPECT_TRUE(summary.starts_with("記念日 1 件、予定 7 件を追加します。\n")) << summary;
    EXPECT_NE(summary.find("すでにある 1 件は追加しません。\n"), std::string::npos) << summary;
    EXPECT_NE(summary.find("\n  ほか 1 件\n"), std::string::npos) << summary;
    EXPECT_NE(summary.find("  5月第2日曜日 母の日\n"), std::string::npos) << summary;
    EXPECT_NE(summary.find("  2025/03/05 予定5\n  ほか 2 件"), std::string::npos) << summary;
    EXPECT_EQ(summary.find("予定6"), std::string::npos);
    EXPECT_EQ(ImportSummary(Plan(Calendar(""))), "追加するものはありません。\n");
}

}  // namespace
}  // namespace vesm::ical
