#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doc/date_time.h"
#include "doc/day_table.h"
#include "doc/doc.h"
#include "support/fake_host.h"
#include "support/synthetic_glyphs.h"
#include "view/calendar_paint.h"
#include "view/calendar_texts.h"
#include "view/month_navigation.h"
#include "view/navigation_commands.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

CTaskTime TaskAt(DateTime time, int taskMode, std::string text) {
    CTaskTime task;
    task.taskTime = time;
    task.taskMode = taskMode;
    task.text = std::move(text);
    return task;
}

NavigationZones ZonesOf188By444() {
    return {{0, 10, 10, 434}, {178, 10, 188, 434}, {10, 434, 178, 444}, {10, 0, 178, 10}};
}

TEST(ZoneAt, BoundsAreInclusiveAndRightWinsTheSharedCorner) {
    const NavigationZones zones = ZonesOf188By444();
    EXPECT_EQ(ZoneAt(zones, 0, 10), NavigationZone::Left);
    EXPECT_EQ(ZoneAt(zones, 10, 434), NavigationZone::Left);  // left before bottom
    EXPECT_EQ(ZoneAt(zones, 178, 434), NavigationZone::Right);
    EXPECT_EQ(ZoneAt(zones, 188, 200), NavigationZone::Right);
    EXPECT_EQ(ZoneAt(zones, 100, 444), NavigationZone::Bottom);
    EXPECT_EQ(ZoneAt(zones, 100, 0), NavigationZone::Top);
    EXPECT_EQ(ZoneAt(zones, 10, 10), NavigationZone::Left);
    EXPECT_EQ(ZoneAt(zones, 100, 200), NavigationZone::None);
    EXPECT_EQ(ZoneAt(zones, 5, 5), NavigationZone::None);  // the corners belong to no strip
}

TEST(DoubleClick, ADayWinsOverTheZonesAndEmptyAreasDoNothing) {
    const NavigationZones zones = ZonesOf188By444();
    DayRecord day;
    day.date = At(2026, 5, 10);
    EXPECT_EQ(DoubleClickActionFor(day, zones, 5, 200), DoubleClickAction::OpenDayTasks);
    DayRecord miss;
    miss.date = NoDayDate();
    EXPECT_EQ(DoubleClickActionFor(miss, zones, 5, 200), DoubleClickAction::PreviousMonth);
    EXPECT_EQ(DoubleClickActionFor(miss, zones, 183, 200), DoubleClickAction::NextMonth);
    EXPECT_EQ(DoubleClickActionFor(miss, zones, 100, 440), DoubleClickAction::CurrentMonth);
    EXPECT_EQ(DoubleClickActionFor(miss, zones, 100, 5), DoubleClickAction::ChooseMonth);
    EXPECT_EQ(DoubleClickActionFor(miss, zones, 100, 200), DoubleClickAction::None);
}

TEST(MonthSteps, MoveByOneMonthAcrossYearsToThe1st) {
    EXPECT_EQ(PreviousMonthStep(At(2026, 1, 20, 15, 30)).date, At(2025, 12, 1));
    EXPECT_EQ(PreviousMonthStep(At(1980, 2, 29)).date, At(1980, 1, 1));
    EXPECT_EQ(NextMonthStep(At(2025, 12, 31, 23, 59)).date, At(2026, 1, 1));
    EXPECT_EQ(NextMonthStep(At(2099, 11, 30)).date, At(2099, 12, 1));
    EXPECT_TRUE(NextMonthStep(At(2099, 11, 30)).refusal.empty());
}

TEST(MonthSteps, StopAtJanuary1980AndDecember2099) {
    MonthStep step = PreviousMonthStep(At(1980, 1, 15));
    EXPECT_FALSE(step.date);
    EXPECT_EQ(step.refusal, "これより前の月は表示できません");
    step = NextMonthStep(At(2099, 12, 1));
    EXPECT_FALSE(step.date);
    EXPECT_EQ(step.refusal, "これより先の月は表示できません");
}

TEST(MonthSteps, CurrentMonthRestartsTheYearOnlyInYearDisplay) {
    Settings settings;
    const DateTime now = At(2026, 8, 3, 10, 0);
    CurrentMonthStep step = CurrentMonthStepAt(settings, now);
    EXPECT_EQ(step.date, now);
    EXPECT_FALSE(step.numOfPast);
    settings.numOfMonth = 0;
    step = CurrentMonthStepAt(settings, now);
    EXPECT_EQ(step.numOfPast, 7);
}

TEST(MonthSteps, ChosenMonthMustLieIn1980To2099) {
    EXPECT_EQ(ChosenMonth(2099, 12), At(2099, 12, 1));
    EXPECT_EQ(ChosenMonth(1980, 1), At(1980, 1, 1));
    EXPECT_FALSE(ChosenMonth(2100, 1));
    EXPECT_FALSE(ChosenMonth(1979, 12));
    EXPECT_FALSE(ChosenMonth(2000, 13));
}

class NavigationOnDocument : public ::testing::Test {
protected:
    NavigationOnDocument() { host_.now = At(2026, 8, 3, 10, 0); }
    FakeHost host_;
    CvesmDoc doc_{host_};
};

TEST_F(NavigationOnDocument, LimitsShowTheirMessageAndKeepTheDate) {
    doc_.SetDisplayDate(At(1980, 1, 1));
    host_.messages.clear();
    ShowPreviousMonth(doc_);
    EXPECT_EQ(doc_.DisplayDate(), At(1980, 1, 1));
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0].text, "これより前の月は表示できません");
    EXPECT_EQ(host_.messages[0].caption, "vesmira");
    EXPECT_EQ(host_.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(host_.messages[0].buttons, MessageButtons::Ok);

    ShowNextMonth(doc_);
    EXPECT_EQ(doc_.DisplayDate(), At(1980, 2, 1));
    EXPECT_EQ(host_.messages.size(), 1u);

    EXPECT_TRUE(ShowChosenMonth(doc_, 2099, 12, nullptr));
    EXPECT_EQ(doc_.DisplayDate(), At(2099, 12, 1));
    EXPECT_FALSE(ShowChosenMonth(doc_, 2100, 1, nullptr));
    EXPECT_EQ(doc_.DisplayDate(), At(2099, 12, 1));
    EXPECT_EQ(host_.messages.size(), 2u);
}

TEST_F(NavigationOnDocument, CurrentMonthInYearDisplaySavesTheNewStart) {
    Settings settings = doc_.GetSettings();
    settings.numOfMonth = 0;
    settings.numOfPast = 0;
    doc_.SetSettings(settings);
    doc_.SetDisplayDate(At(2025, 1, 1));
    const int writes = host_.writes;
    ShowCurrentMonth(doc_);
    EXPECT_EQ(doc_.DisplayDate(), host_.now);
    EXPECT_EQ(doc_.GetSettings().numOfPast, 7);
    EXPECT_EQ(host_.writes, writes + 1);
    EXPECT_EQ(doc_.DayRange().firstShownDay, At(2026, 1, 1));
}

TEST(DayTooltip, FiveLinesInTheirOrder) {
    DayRecord day;
    day.holidayFlag = 1;
    day.holidayName = "こどもの日";
    day.specialDayFlag = 2;
    day.specialDayName = "結婚記念日";
    const CTaskTime lunch = TaskAt(At(2026, 5, 5, 12, 30), 1, "昼食会");
    const CTaskTime call = TaskAt(At(2026, 5, 5, 9, 5), 2, "電話");
    EXPECT_EQ(DayTooltipText(day, true, {&lunch, &call}, 12),
              "・今日\r\n・こどもの日\r\n・結婚記念日\r\n・00:30 pm 昼食会\r\n・09:05 am 電話");
    EXPECT_EQ(DayTooltipText(day, false, {&lunch}, 24),
              "・こどもの日\r\n・結婚記念日\r\n・12:30 昼食会");
}

TEST(DayTooltip, FlagsDecideNotNamesAndUntimedTasksHaveNoTime) {
    DayRecord day;
    day.holidayName = "stale";  // flag 0: not shown
    day.specialDayFlag = 1;     // only 2 marks a special day
    day.specialDayName = "stale";
    EXPECT_EQ(DayTooltipText(day, false, {}, 12), "");
    const CTaskTime untimed = TaskAt(At(2026, 5, 5, 23, 59), 0, "買い物");
    const CTaskTime late = TaskAt(At(2026, 5, 5, 23, 59), 3, "x");
    EXPECT_EQ(DayTooltipText(day, false, {&untimed, &late}, 12), "・買い物\r\n・11:59 pm x");
}

TEST(DayTooltip, PaintAddsZoneTipsThenDaysWithTextAndDropsOldTasks) {
    Settings settings;
    settings.numOfMonth = 1;
    settings.numOfPast = 0;
    settings.rmTaskInfo = 1;
    settings.rmTaskSpan = 7;
    std::vector<DayRecord> days;
    for (DateTime d = At(2026, 4, 1); d < At(2026, 6, 30); d = d.MidnightDaysAway(1)) {
        days.emplace_back().date = d;
    }
    days[34].holidayFlag = 1;  // 5 May
    days[34].holidayName = "こどもの日";
    const std::vector<CTaskTime> tasks = {
        TaskAt(At(2026, 5, 13, 8, 0), 1, "old"),  // on the cutoff date
        TaskAt(At(2026, 5, 14, 8, 0), 1, "kept"),
        TaskAt(At(2026, 6, 2, 8, 0), 1, "hidden"),  // in the table, not shown
    };
    testing::SyntheticGlyphs glyphs;
    const PaintInput input{settings, At(2026, 5, 10), At(2026, 5, 20, 9, 0), days, tasks};
    const CalendarPlan plan = PlanCalendar(settings, input.displayDate, glyphs);
    OwnedCanvas canvas(plan.frame.window.width, plan.frame.window.height);
    const PaintResult result = PaintCalendar(input, plan, glyphs, canvas.Canvas());

    ASSERT_EQ(result.tooltips.size(), 7u);
    EXPECT_EQ(result.tooltips[0].id, 5000);
    EXPECT_EQ(result.tooltips[0].text, "ここをダブルクリックすると前月へ");
    EXPECT_EQ(result.tooltips[0].rect, result.zones.left);
    EXPECT_EQ(result.tooltips[1].text, "ここをダブルクリックすると翌月へ");
    EXPECT_EQ(result.tooltips[2].text, "ここをダブルクリックすると表示月を現在へ戻します");
    EXPECT_EQ(result.tooltips[3].id, 5003);
    EXPECT_EQ(result.tooltips[3].text, "ここをダブルクリックすると表示月を選択できます");
    EXPECT_EQ(result.tooltips[4].id, 10034);
    EXPECT_EQ(result.tooltips[4].text, "・こどもの日");
    EXPECT_EQ(result.tooltips[4].rect, result.cells[34]);
    EXPECT_EQ(result.tooltips[5].id, 10043);
    EXPECT_EQ(result.tooltips[5].text, "・08:00 am kept");
    EXPECT_EQ(result.tooltips[6].id, 10049);
    EXPECT_EQ(result.tooltips[6].text, "・今日");
}

}  // namespace
}  // namespace vesm
