// Moving between months: the zones along the edges, double-clicks, the month
// steps and their limits on the document, and the tooltips a paint hands out.
#include <gtest/gtest.h>

#include "doc/doc.h"
#include "support/fake_host.h"
#include "support/painted_calendar.h"
#include "view/calendar_texts.h"
#include "view/month_navigation.h"
#include "view/navigation_commands.h"

namespace vesm {
namespace {

DateTime On(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

CTaskTime TaskAt(DateTime time, int taskMode, std::string text) {
    return CTaskTime{time, taskMode, 0, 0, std::move(text), {}};
}

TEST(Navigation, ZoneBoundsAreInclusiveAndADayWinsADoubleClick) {
    using Z = NavigationZone;
    using A = DoubleClickAction;
    const NavigationZones zones{
        {0, 10, 10, 434}, {178, 10, 188, 434}, {10, 434, 178, 444}, {10, 0, 178, 10}};
    DayRecord miss;
    miss.date = NoDayDate();
    for (auto [x, y, zone, action] : {std::tuple{0, 10, Z::Left, A::PreviousMonth},
                                      {10, 434, Z::Left, A::PreviousMonth},
                                      {178, 434, Z::Right, A::NextMonth},
                                      {188, 200, Z::Right, A::NextMonth},
                                      {100, 444, Z::Bottom, A::CurrentMonth},
                                      {100, 0, Z::Top, A::ChooseMonth},
                                      {100, 200, Z::None, A::None},
                                      {5, 5, Z::None, A::None}}) {
        EXPECT_EQ(ZoneAt(zones, x, y), zone) << x << "," << y;
        EXPECT_EQ(DoubleClickActionFor(miss, zones, x, y), action) << x << "," << y;
    }
    DayRecord day;
    day.date = On(2026, 5, 10);
    EXPECT_EQ(DoubleClickActionFor(day, zones, 5, 200), DoubleClickAction::OpenDayTasks);
}

TEST(Navigation, StepsMoveByAMonthWithin1980To2099AndTellWhyNot) {
    FakeHost host;
    host.now = On(2026, 8, 3, 10, 0);
    CvesmDoc doc(host);
    doc.SetDisplayDate(On(1980, 1, 15));
    host.messages.clear();
    ShowPreviousMonth(doc);
    EXPECT_EQ(doc.DisplayDate(), On(1980, 1, 15));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "これより前の月は表示できません");
    EXPECT_EQ(host.messages[0].caption, "vesmira");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
    ShowNextMonth(doc);
    EXPECT_EQ(doc.DisplayDate(), On(1980, 2, 1));
    ShowPreviousMonth(doc);
    EXPECT_EQ(doc.DisplayDate(), On(1980, 1, 1));
    EXPECT_EQ(PreviousMonthStep(On(2026, 1, 20, 15, 30)).date, On(2025, 12, 1));
    EXPECT_EQ(NextMonthStep(On(2025, 12, 31, 23, 59)).date, On(2026, 1, 1));
    EXPECT_EQ(NextMonthStep(On(2099, 11, 30)).date, On(2099, 12, 1));
    EXPECT_EQ(NextMonthStep(On(2099, 12, 1)).refusal, "これより先の月は表示できません");
    EXPECT_FALSE(NextMonthStep(On(2099, 12, 1)).date);

    EXPECT_TRUE(ShowChosenMonth(doc, 2099, 12, nullptr));
    EXPECT_EQ(doc.DisplayDate(), On(2099, 12, 1));
    EXPECT_EQ(host.messages.size(), 1u);
    for (auto [year, month] : {std::pair{2100, 1}, {1979, 12}, {2000, 13}}) {
        EXPECT_FALSE(ShowChosenMonth(doc, year, month, nullptr)) << year << "-" << month;
    }
    EXPECT_EQ(doc.DisplayDate(), On(2099, 12, 1));
    EXPECT_EQ(ChosenMonth(1980, 1), On(1980, 1, 1));

    ShowCurrentMonth(doc);  // keeps the months before in a normal display
    EXPECT_EQ(doc.DisplayDate(), host.now);
    EXPECT_EQ(doc.GetSettings().numOfPast, 1);
    Settings settings = doc.GetSettings();
    settings.numOfMonth = 0;
    doc.SetSettings(settings);
    doc.SetDisplayDate(On(2025, 1, 1));
    const int writes = host.writes;
    ShowCurrentMonth(doc);  // the year display starts again from January, and saves that
    EXPECT_EQ(doc.GetSettings().numOfPast, 7);
    EXPECT_EQ(host.writes, writes + 1);
    EXPECT_EQ(doc.DayRange().firstShownDay, On(2026, 1, 1));
}

TEST(Navigation, DayTooltipLinesComeByFlagsInTheirOrder) {
    DayRecord day;
    day.holidayFlag = 1;
    day.holidayName = "こどもの日";
    day.specialDayFlag = 2;
    day.specialDayName = "結婚記念日";
    const CTaskTime lunch = TaskAt(On(2026, 5, 5, 12, 30), 1, "昼食会");
    const CTaskTime call = TaskAt(On(2026, 5, 5, 9, 5), 2, "電話");
    EXPECT_EQ(DayTooltipText(day, true, {&lunch, &call}, 12),
              "・今日\r\n・こどもの日\r\n・結婚記念日\r\n・00:30 pm 昼食会\r\n・09:05 am 電話");
    EXPECT_EQ(DayTooltipText(day, false, {&lunch}, 24),
              "・こどもの日\r\n・結婚記念日\r\n・12:30 昼食会");
    day.holidayFlag = 0;     // a stale name is not shown
    day.specialDayFlag = 1;  // only 2 marks a special day
    const CTaskTime untimed = TaskAt(On(2026, 5, 5, 23, 59), 0, "買い物");
    const CTaskTime late = TaskAt(On(2026, 5, 5, 23, 59), 3, "x");
    EXPECT_EQ(DayTooltipText(day, false, {&untimed, &late}, 12), "・買い物\r\n・11:59 pm x");
}

class PaintedTooltips : public testing::PaintedCalendar {};

TEST_F(PaintedTooltips, ZoneTipsThenShownDaysWithTextWithoutOldTasks) {
    settings_.numOfMonth = 1;
    settings_.numOfPast = 0;
    settings_.rmTaskInfo = 1;
    days_ = testing::DayRecords(On(2026, 4, 1), On(2026, 6, 30));
    days_[34].holidayFlag = 1;  // 5 May
    days_[34].holidayName = "こどもの日";
    // on the cutoff date, kept, and in the table but not shown
    tasks_ = {TaskAt(On(2026, 5, 13, 8, 0), 1, "old"), TaskAt(On(2026, 5, 14, 8, 0), 1, "kept"),
              TaskAt(On(2026, 6, 2, 8, 0), 1, "hidden")};
    PaintAt(On(2026, 5, 10), On(2026, 5, 20, 9, 0));
    std::vector<std::pair<int, std::string>> tips;
    for (const TooltipTool& tool : result_.tooltips) tips.emplace_back(tool.id, tool.text);
    EXPECT_EQ(tips, (std::vector<std::pair<int, std::string>>{
                        {5000, "ここをダブルクリックすると前月へ"},
                        {5001, "ここをダブルクリックすると翌月へ"},
                        {5002, "ここをダブルクリックすると表示月を現在へ戻します"},
                        {5003, "ここをダブルクリックすると表示月を選択できます"},
                        {10034, "・こどもの日"},
                        {10043, "・08:00 am kept"},
                        {10049, "・今日"}}));
    ASSERT_EQ(result_.tooltips.size(), 7u);
    EXPECT_EQ(result_.tooltips[0].rect, result_.zones.left);
    EXPECT_EQ(result_.tooltips[4].rect, result_.cells[34]);
}

}  // namespace
}  // namespace vesm
