// The dialogs' rules apart from their controls: the task list and editor, the options
// dialog's calendar page and what its OK does to the document, and the profile form.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "doc/doc.h"
#include "doc/settings_lines.h"
#include "options/apply_settings.h"
#include "options/calendar_page_rules.h"
#include "options/window_page_rules.h"
#include "profile/profile_form.h"
#include "support/fake_host.h"
#include "tasks/task_editor_rules.h"
#include "tasks/task_list_rows.h"

namespace vesm {
namespace {

using Texts = std::vector<std::string>;

DateTime At(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

CTaskTime Task(int taskMode, DateTime time, int alarmMode = 0, DateTime alarm = NoDayDate(),
               int armed = 1) {
    return CTaskTime{time, taskMode, alarmMode, armed, "歯医者", alarm};
}

TEST(TaskListRows, CellsForEveryModeOfTimeNotificationAndAlarm) {
    const DateTime three = At(2024, 5, 10, 15, 0);
    EXPECT_EQ(TaskRowCells(Task(0, At(2024, 5, 10)), {0, 24}),
              (Texts{"2024.05.10 ", "歯医者", "", "", ""}));
    EXPECT_EQ(TaskRowCells(Task(2, three, 1, At(2024, 5, 9, 21, 5)), {0, 24}),
              (Texts{"2024.05.10 15:00", "歯医者", "未通知", "05.09 21:05", "未通知"}));
    EXPECT_EQ(TaskRowCells(Task(3, three, 2, At(2024, 5, 10, 14, 30), 0), {0, 24}),
              (Texts{"2024.05.10 15:00", "歯医者", "通知済", "05.10 30 分前", "通知済"}));
    // an alarm at or after the task time reads as after, zero included
    EXPECT_EQ(TaskRowCells(Task(1, three, 2, three), {0, 24})[3], "05.10 00 分後");
    EXPECT_EQ(TaskRowCells(Task(1, At(2024, 5, 10, 12, 5), 1, At(2024, 5, 3, 0, 30)), {5, 12}),
              (Texts{"10.May.2024 00:05 pm", "歯医者", "", "03.May 00:30 am", "未通知"}));
    EXPECT_EQ(TaskListTitle(NoDayDate(), false, 0), "全予定表");
    EXPECT_EQ(TaskListTitle(At(2024, 5, 10), true, 0), "2024.05.10(金曜) の予定表");
    EXPECT_EQ(EditorTitle(Task(0, At(2024, 5, 10)), true, true, 0), "2024.05.10(金曜) ");
    EXPECT_EQ(EditorTitle(Task(0, At(2024, 5, 10)), false, true, 0) +
                  EditorTitle(Task(0, At(2024, 5, 10)), false, false, 0),
              "予定の変更予定の追加");
}

TEST(TaskListRows, OldTasksWithoutPendingAlarmHaveNoRowAndRowsScrollIntoView) {
    const DateTime now = At(2024, 5, 10, 12, 0);
    // old without alarm, old with the alarm pending, old with it given, after the cutoff, today
    const std::vector<CTaskTime> working = {
        Task(0, At(2024, 5, 1)), Task(1, At(2024, 5, 2, 9, 0), 1, At(2024, 5, 2, 8, 0)),
        Task(1, At(2024, 5, 3, 9, 0), 1, At(2024, 5, 3, 8, 0), 0), Task(0, At(2024, 5, 4)),
        Task(0, At(2024, 5, 10))};
    using Rows = std::vector<std::size_t>;
    EXPECT_EQ(RowPositions(working, {now, 0, 7, std::nullopt}), (Rows{0, 1, 2, 3, 4}));
    const Rows rows = RowPositions(working, {now, 1, 7, std::nullopt});
    EXPECT_EQ(rows, (Rows{1, 3, 4}));
    EXPECT_EQ(RowOfPosition(rows, 3), 1);
    EXPECT_EQ(RowOfPosition(rows, 2), -1);
    EXPECT_EQ(RowPositions(working, {now, 1, 7, At(2024, 5, 10)}), (Rows{4}));
    // deleting: none left, keep the page's last row, the page reaches the end
    EXPECT_EQ(std::tuple(TaskRowsScrollAfterDelete(0, 8, 1), TaskRowsScrollAfterDelete(3, 8, 20),
                         TaskRowsScrollAfterDelete(12, 8, 20)),
              std::tuple(-1, 10, 18));
    EXPECT_EQ(std::tuple(TaskRowsScrollAfterEdit(2, 5, 8), TaskRowsScrollAfterEdit(7, 5, 8),
                         TaskRowsScrollAfterEdit(13, 5, 8)),
              std::tuple(2, 12, 13));
}

TEST(TaskEditor, ListsOfMonthsDaysHalvesAndHours) {
    EXPECT_EQ(MonthItems(0).front() + MonthItems(0).back() + MonthItems(5).back(), "0112Dec");
    for (auto [month, year, count] :
         {std::tuple{2, 2023, 28}, {2, 2024, 29}, {2, 1900, 28}, {4, 2023, 30}, {12, 2023, 31}}) {
        EXPECT_EQ(DayItemCount(month, year), count) << month << "/" << year;
    }
    const Texts days = DayItems(30);
    EXPECT_EQ((Texts{days.front(), days[8], days.back()}), (Texts{"01", "09", "30"}));
    EXPECT_EQ(days.size(), 30u);
    EXPECT_EQ(ClampedDayIndex(30, 28), 27);  // 31 March moved to February of a common year
    EXPECT_EQ(ClampedDayIndex(14, 28), 14);
    EXPECT_EQ(std::pair(HalfItems(12), HalfItems(24)),
              std::pair(Texts{"am", "pm"}, Texts{"am", "pm", " "}));
    EXPECT_EQ(HourItems(12).back(), "11");
}

TEST(TaskEditor, OpensOnTheRecordsTimeNotificationAndAlarm) {
    const DateTime late = At(2024, 5, 10, 23, 47), three = At(2024, 5, 10, 15, 0);
    // month, day, time given, notify, task clock, alarm mode, days before, alarm clock, interval:
    // no time opens on 0:00 am, 185 minutes before as 2 h 65 min so that OK keeps the alarm
    for (auto [record, mode, shown] :
         {std::tuple{Task(0, NoDayDate()), 12,
                     std::vector{0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
          {Task(1, late), 12, {4, 9, 1, 0, 1, 11, 4, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
          {Task(3, late), 24, {4, 9, 1, 1, 2, 23, 4, 7, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0}},
          {Task(1, At(2024, 3, 1, 10, 0), 1, At(2024, 2, 23, 9, 30)),
           12,
           {2, 0, 1, 0, 0, 10, 0, 0, 1, 7, 0, 9, 3, 0, 0, 0, 0, 0}},
          {Task(1, three, 2, three - TimeSpan::Minutes(185)),
           12,
           {4, 9, 1, 0, 1, 3, 0, 0, 2, 0, 0, 0, 0, 0, 2, 6, 5, 0}}}) {
        const EditorShown s = ShownForRecord(record, mode);
        const ClockChoice &t = s.taskClock, &a = s.alarmClock;
        const RelativeAlarmChoice& i = s.interval;
        EXPECT_EQ((std::vector{s.monthIndex, s.dayIndex, int{s.timeGiven}, int{s.notify}, t.half,
                               t.hour, t.tens, t.ones, s.alarmMode, s.dayOffset, a.half, a.hour,
                               a.tens, a.ones, i.hours, i.tens, i.ones, int{i.after}}),
                  shown)
            << record.taskMode << " " << record.alarmMode << " " << mode;
    }
}

// Choices for a task at 10:00 on 10 May 2024 with no alarm, today being 1 May.
struct Editor {
    EditorChoices choices{"歯医者",     4, 9, true, false, {kBlankHalf, 10, 0, 0}, 0, 0,
                          {kBlankHalf}, 0, 0, 0,    0};
    EditorContext context{Task(0, NoDayDate()), false, 24, At(2024, 5, 1, 12, 0)};
    Editor& Interval(int hours, int tens, int ones, int direction = 0) {
        choices.alarmMode = 2;
        std::tie(choices.intervalHours, choices.intervalTens, choices.intervalOnes,
                 choices.direction) = std::tuple{hours, tens, ones, direction};
        return *this;
    }
    Editor& Fixed(int daysBefore, ClockChoice clock) {
        choices.alarmMode = 1;
        choices.dayOffset = daysBefore;
        choices.alarmClock = clock;
        return *this;
    }
    std::string Refusal() const { return ApplyEditorChoices(choices, context).refusal; }
    CTaskTime Record() const { return ApplyEditorChoices(choices, context).task.value(); }
};

TEST(TaskEditor, OkRefusesTextsInOrderWithTheLimitInCodePage932Bytes) {
    Editor e;
    for (auto [text, refusal] :
         {std::pair{"", "予定を入力してください"},
          {"a`b\xF0\x9F\x98\x80", "バッククォート文字(`)は使用できません"},
          {"歯医者\xF0\x9F\x98\x80", "この文字は保存できません。別の文字に置き換えてください。"},
          {"   ", ""}}) {
        e.choices.text = text;
        EXPECT_EQ(e.Refusal(), refusal) << text;
    }
    EXPECT_EQ(e.Record().text, "   ");
    std::string text;
    for (int i = 0; i < 35; ++i) text += "予";    // 70 bytes in code page 932
    EXPECT_TRUE(FitsTaskTextLimit(text + "ｱｲ"));  // half-width katakana: a byte each
    EXPECT_FALSE(FitsTaskTextLimit(text + "予a"));
}

TEST(TaskEditor, OkChecksTimesAndBuildsTheRecord) {
    Editor e;
    e.choices.taskClock.hour = -1;
    EXPECT_EQ(e.Refusal(), "Please input task time");
    e.choices.timeGiven = false;  // without a time of day the time lists do not count
    EXPECT_EQ(std::pair(e.Record().taskTime, e.Record().taskMode), std::pair(At(2024, 5, 10), 0));
    // an interval alarm without a time of day is refused before its parts
    EXPECT_EQ(e.Interval(-1, 0, 0).Refusal(),
              "アラーム指定で時間前指定をする場合は、予定時間を入力してください");
    Editor interval;  // no hour in the editable hours box counts as -60 minutes
    EXPECT_EQ(interval.Interval(-1, 5, 9).Refusal(), "Please input alarm time");
    EXPECT_EQ(interval.Interval(-1, 6, 4).Record().alarmTime, At(2024, 5, 10, 9, 56));
    EXPECT_EQ(interval.Interval(1, 3, 0, 1).Record().alarmTime, At(2024, 5, 10, 11, 30));
    Editor fixed;  // the blank half does not add 12
    EXPECT_EQ(fixed.Fixed(0, {kBlankHalf, 9, 0, 0}).Record().alarmTime, At(2024, 5, 10, 9, 0));
    EXPECT_EQ(fixed.Fixed(1, {kBlankHalf, 9, 0, 0}).Record().alarmTime, At(2024, 5, 9, 9, 0));
    EXPECT_EQ(fixed.Fixed(1, {kBlankHalf, 9, -1, 0}).Refusal(), "Please input alarm time");
    Editor pm;
    pm.context.time12or24 = 12;
    pm.choices.taskClock = ClockChoice{1, 3, 0, 5};
    EXPECT_EQ(pm.Record().taskTime, At(2024, 5, 10, 15, 5));
}

TEST(TaskEditor, OkDatesByTheNextYearRuleUnlessFixed) {
    Editor e;
    e.choices.dayIndex = 0;
    EXPECT_EQ(e.Record().taskTime, At(2024, 5, 1, 10, 0));
    e.choices.monthIndex = 3;
    e.choices.dayIndex = 29;
    EXPECT_EQ(e.Record().taskTime, At(2025, 4, 30, 10, 0));
    e.context.dateFixed = true;  // a one-day editor keeps the record's day
    e.context.record = Task(0, At(2024, 4, 2));
    EXPECT_EQ(e.Record().taskTime, At(2024, 4, 2, 10, 0));
    Editor leap;  // 29 February of a leap year's record would fall into a common year
    leap.context.record = Task(0, At(2024, 2, 29));
    leap.choices.monthIndex = 1;
    leap.choices.dayIndex = 28;
    EXPECT_EQ(leap.Refusal(), "2025年にはこの日がありません。別の日を選んでください。");
    const DateTime tenth = At(2024, 5, 10, 18, 0);  // only a month-day before today's is next year
    EXPECT_EQ((std::vector<int>{YearForMonthDay(5, 9, tenth), YearForMonthDay(5, 10, tenth),
                                YearForMonthDay(1, 31, tenth), YearForMonthDay(12, 1, tenth)}),
              (std::vector<int>{2025, 2024, 2025, 2024}));
}

TEST(CalendarPageRules, ListsAndNumbersStayInTheirRange) {
    // the year view decides itself; a wanted index is cut to the largest offered; no months
    // choice gives a lone, disabled 0; no selection starts at 0
    const struct {
        int monthsIndex, wanted, count, selection;
        bool enabled;
    } lists[] = {{kYearView, 7, 12, 7, false}, {6, 4, 6, 4, true}, {2, 4, 2, 1, true},
                 {12, 11, 12, 11, true},       {1, 0, 1, 0, true}, {-1, 5, 1, 0, false},
                 {3, -1, 3, 0, true}};
    for (const auto& c : lists) {
        const PastMonthsList list = PastMonthsFor(c.monthsIndex, c.wanted);
        EXPECT_EQ((std::tuple{list.count, list.selection, list.enabled}),
                  (std::tuple{c.count, c.selection, c.enabled}))
            << c.monthsIndex << "/" << c.wanted;
    }
    // a stored Thursday week start has no item; choosing Monday replaces it
    EXPECT_EQ(std::pair(ChosenOrStored(-1, 1, 5), ChosenOrStored(1, 1, 5)), std::pair(5, 2));
    // what is no number keeps the up-down's position
    const struct {
        const char* text;
        int upDown, days;
    } typed[] = {
        {"500", 7, 365}, {"365", 7, 365}, {"0", 7, 1},    {"012", 7, 12},
        {"", 30, 30},    {"1x", 30, 30},  {"-5", 30, 30}, {"99999999999999999999999", 7, 365}};
    for (const auto& c : typed) EXPECT_EQ(OldTaskDaysFrom(c.text, c.upDown), c.days) << c.text;
    // deleting is handed over only while old tasks are handled at all
    EXPECT_EQ(std::tuple(RmOverTaskFor(true, 1), RmOverTaskFor(true, -1), RmOverTaskFor(false, 1)),
              std::tuple(1, 0, 0));
    EXPECT_EQ(std::tuple(TransparencyFrom(0), TransparencyFrom(148), TransparencyFrom(300)),
              std::tuple(1, 148, 255));
}

std::string ScalarLines(const Settings& settings) {
    std::string lines;
    AppendScalarLines(settings, lines);
    return lines;
}

// Every key the dialog edits, changed from its default.
Settings EditedSettings() {
    const char* const lines =
        "numOfMonth=6 numOfPast=2 fallsOnSun=0 fallsOnSat=2 equinoxBool=0 betweenBool=0 "
        "numOfRow=2 numOfColumn=3 calendarFormat=1 dayFormat=2 transparent=200 styleOfMonth=1 "
        "todayInfo=3 specialDayInfo=4 taskDayInfo=5 startUp=1 optTabCurSel=3 rmTaskInfo=1 "
        "rmTaskSpan=30 rmOverTask=1 fontFaceName=Arial fontPointSize=12 fontWeight=400 "
        "fontItalic=0 frameSizeOfDate=80 colorBackground=10020030 colorWeekday=1002003 "
        "colorSaturday=4005006 colorSunday=7008009 colorToday=10011012 colorSpecialday=13014015 "
        "colorTaskday=16017018 time12or24=24 clockInfo=1 dateFormat=5 zOrder=2 "
        "mouseTransparent=1 startWeek=2 rokuyoInfo=2 kyurekiInfo=1 sekkiInfo=2 warekiInfo=1 "
        "weekNumberInfo=2";
    Settings edited;
    std::istringstream words(lines);
    for (std::string line; words >> line;) {
        ApplyScalarLine(edited, SplitSettingsLine(line), 5);
        EXPECT_NE(ScalarLines(edited).find("\n" + line + "\r"), std::string::npos) << line;
    }
    return edited;
}

TEST(ApplySettings, EditedKeysListsAndOldTasksReachTheDocumentWhichSavesAndRedrawsOnce) {
    FakeHost host;  // 10 May 2024
    CvesmDoc doc(host);
    OptionsValues values;
    // what changed while the dialog was open (window, snooze, profile) must stay
    const auto changedMeanwhile = [](Settings settings) {
        settings.left = 333;
        settings.bottom = 777;
        settings.snoozeIndex = 9;
        settings.profile.birthYear = 1970;
        return settings;
    };
    doc.SetSettings(changedMeanwhile(doc.GetSettings()));
    for (auto [day, text] : {std::pair{At(2024, 4, 1), "古い"}, {At(2024, 5, 9), "新しい"}}) {
        doc.InsertTaskSorted(CTaskTime{day, 0, 0, 0, text, NoDayDate()});
    }
    const std::pair before(host.writes, host.redraws);
    values.settings = EditedSettings();
    values.holidays.emplace_back().Set(doc.FirstShownMonth(), 6, 1, 1, 0, "創立記念日");
    values.specialDays.emplace_back().Set(doc.FirstShownMonth(), 7, 7, 2, 0, "七夕");
    ApplySettings(doc, values);
    EXPECT_EQ(ScalarLines(doc.GetSettings()), ScalarLines(changedMeanwhile(EditedSettings())));
    EXPECT_EQ(std::pair(host.writes, host.redraws), std::pair(before.first + 1, before.second + 1));
    EXPECT_EQ(std::pair(doc.DayRange().firstShownDay, doc.DayRange().lastShownDay),
              std::pair(At(2024, 3, 1), At(2024, 8, 31)));  // two of six months before May
    EXPECT_EQ(doc.RuleCount(RuleListId::Holiday) + doc.RuleCount(RuleListId::SpecialDay), 2u);
    EXPECT_EQ(doc.Rule(RuleListId::Holiday, 0).name + doc.Rule(RuleListId::SpecialDay, 0).name,
              "創立記念日七夕");
    ASSERT_EQ(doc.TaskCount(), 1u);  // deleting tasks older than 30 days was chosen
    EXPECT_EQ(doc.Task(0).text, "新しい");
}

CProfile Stored() {
    CProfile p;
    std::tie(p.birthYear, p.birthMonth, p.birthDay, p.birthHour, p.birthMinute) =
        std::tuple{1985, 7, 14, 9, 30};
    std::tie(p.nativePlaceInfo, p.longitudeEastOrWest, p.longitudeDegree, p.longitudeMinute,
             p.longitudeSecond, p.fortuneFlg) = std::tuple{1, 1, 77, 2, 3, 1};
    return p;
}

auto Fields(const CProfile& p) {
    return std::make_tuple(p.birthYear, p.birthMonth, p.birthDay, p.birthHour, p.birthMinute,
                           p.nativePlaceInfo, p.longitudeEastOrWest, p.longitudeDegree,
                           p.longitudeMinute, p.longitudeSecond, p.fortuneFlg);
}

TEST(ProfileForm, TwelveHourListsOnlyFor12AndDigitsClampedToTheRange) {
    EXPECT_TRUE(IsTwelveHour(12));
    for (int value : {24, 0, 13}) EXPECT_FALSE(IsTwelveHour(value)) << value;
    EXPECT_EQ(HalfOfDayItems(true), (Texts{"am", "pm"}));
    EXPECT_EQ(HalfOfDayItems(false), (Texts{"am", "pm", " "}));
    EXPECT_EQ(std::pair(LastHourItem(true), LastHourItem(false)), std::pair(11, 23));
    EXPECT_EQ(ProfileMonthItems(5).back() + ProfileMonthItems(4).back(), "Dec12");
    for (auto [text, number] : {std::pair{"1985", 1985},
                                {"3000", 2099},
                                {"12", 100},
                                {"0139", 139},
                                {"99999999999999999999999", 2099}}) {
        EXPECT_EQ(ClampedNumber(text, 100, 2099), number) << text;
    }
    for (const char* text : {"", "-5", "12a", " 139", "1,900"}) {
        EXPECT_EQ(ClampedNumber(text, 0, 2099), std::nullopt) << '"' << text << '"';
    }
}

TEST(ProfileForm, TheHourSplitsIntoHalvesAndAnUnchangedFormStoresTheSameProfile) {
    for (auto [birthHour, halfOfDay, hour] :
         {std::tuple{0, kAm, 0}, {11, kAm, 11}, {12, kPm, 0}, {23, kPm, 11}}) {
        CProfile stored = Stored();
        stored.birthHour = birthHour;
        const ProfileForm twelve = FormFromProfile(stored, true);
        EXPECT_EQ(std::pair(twelve.halfOfDay, twelve.hour), std::pair(halfOfDay, hour));
        const ProfileForm full = FormFromProfile(stored, false);
        EXPECT_EQ(std::pair(full.halfOfDay, full.hour), std::pair(kNoHalfOfDay, birthHour));
        for (auto [form, twelveHour] : {std::pair{twelve, true}, {full, false}}) {
            const FormOutcome outcome = ProfileFromForm(form, stored, twelveHour);
            ASSERT_TRUE(outcome.profile) << outcome.problem;
            EXPECT_EQ(Fields(*outcome.profile), Fields(stored)) << twelveHour << " " << birthHour;
        }
    }
}

// A birthplace from the table replaces the longitude in the controls; lists without a
// selection keep the stored values, even a minute of arc of 60 the 0-59 list cannot show.
TEST(ProfileForm, ChosenItemsABirthplaceFromTheTableAndUnselectedListsAreStored) {
    ProfileForm form = FormFromProfile(Stored(), false);
    std::tie(form.month, form.day, form.minute, form.place) = std::tuple{11, 30, 0, 44};
    form.placeFromTable = true;
    CProfile expected = Stored();
    std::tie(expected.birthMonth, expected.birthDay, expected.birthMinute) = std::tuple{12, 31, 0};
    std::tie(expected.nativePlaceInfo, expected.longitudeEastOrWest, expected.longitudeDegree,
             expected.longitudeMinute, expected.longitudeSecond) = std::tuple{0, 0, 130, 24, 45};
    EXPECT_EQ(Fields(ProfileFromForm(form, Stored(), false).profile.value()), Fields(expected));
    CProfile stored = Stored();
    stored.longitudeMinute = 60;
    form = FormFromProfile(stored, true);
    std::tie(form.month, form.day, form.hour, form.minute, form.eastOrWest, form.longitudeMinute,
             form.longitudeSecond) = std::tuple{-1, -1, -1, -1, -1, -1, -1};
    EXPECT_EQ(Fields(ProfileFromForm(form, stored, true).profile.value()), Fields(stored));
}

}  // namespace
}  // namespace vesm
