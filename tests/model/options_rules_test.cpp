// The options dialog's rules: the calendar page's states and what OK does to the document.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "doc/doc.h"
#include "doc/settings_lines.h"
#include "options/apply_settings.h"
#include "options/calendar_page_rules.h"
#include "options/window_page_rules.h"
#include "support/fake_host.h"

namespace vesm {
namespace {

TEST(CalendarPageRules, ListsAndNumbersStayInTheirRange) {
    // the year view offers 0..11 but decides itself; a wanted index is cut down to the largest
    // offered; no months choice gives a lone, disabled 0; no selection starts at 0
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
    EXPECT_EQ(ChosenOrStored(-1, 1, 5), 5);  // week start Thursday has no item
    EXPECT_EQ(ChosenOrStored(1, 1, 5), 2);   // choosing Monday replaces it
    EXPECT_EQ(ChosenOrStored(0, 0, 9), 0);
    // what is no number keeps the up-down's position
    const struct {
        const char* text;
        int upDown, days;
    } typed[] = {
        {"500", 7, 365}, {"365", 7, 365}, {"0", 7, 1},    {"012", 7, 12},
        {"", 30, 30},    {"1x", 30, 30},  {"-5", 30, 30}, {"99999999999999999999999", 7, 365}};
    for (const auto& c : typed) EXPECT_EQ(OldTaskDaysFrom(c.text, c.upDown), c.days) << c.text;
    // deleting is handed over only while old tasks are handled at all
    EXPECT_EQ(RmOverTaskFor(true, 1), 1);
    EXPECT_EQ(RmOverTaskFor(true, -1), 0);
    EXPECT_EQ(RmOverTaskFor(false, 1), 0);
    for (auto [position, transparency] : {std::pair{-20, 1}, {1, 1}, {148, 148}, {300, 255}}) {
        EXPECT_EQ(TransparencyFrom(position), transparency) << position;
    }
}

DateTime At(int y, int m, int d) {
    return DateTime::Build(y, m, d).value();
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
    // changed while the dialog was open: the window moved, an alarm chose a
    // snooze, the profile was edited; applying must not undo any of it
    Settings meanwhile = doc.GetSettings();
    meanwhile.left = 333;
    meanwhile.bottom = 777;
    meanwhile.snoozeIndex = 9;
    meanwhile.profile.birthYear = 1970;
    doc.SetSettings(meanwhile);
    for (auto [day, text] : {std::pair{At(2024, 4, 1), "古い"}, {At(2024, 5, 9), "新しい"}}) {
        doc.InsertTaskSorted(CTaskTime{day, 0, 0, 0, text, NoDayDate()});
    }
    const int writes = host.writes;
    const int redraws = host.redraws;
    values.settings = EditedSettings();
    values.holidays.emplace_back().Set(doc.FirstShownMonth(), 6, 1, 1, 0, "創立記念日");
    values.specialDays.emplace_back().Set(doc.FirstShownMonth(), 7, 7, 2, 0, "七夕");
    ApplySettings(doc, values);
    Settings expected = EditedSettings();
    expected.left = 333;
    expected.bottom = 777;
    expected.snoozeIndex = 9;
    expected.profile.birthYear = 1970;
    EXPECT_EQ(ScalarLines(doc.GetSettings()), ScalarLines(expected));
    EXPECT_EQ(host.writes - writes, 1);
    EXPECT_EQ(host.redraws - redraws, 1);
    EXPECT_NE(host.SettingsFile().find("numOfMonth=6"), std::string::npos);
    EXPECT_EQ(doc.DayRange().firstShownDay, At(2024, 3, 1));  // two of six months before May
    EXPECT_EQ(doc.DayRange().lastShownDay, At(2024, 8, 31));
    EXPECT_EQ(doc.RuleCount(RuleListId::Holiday), 1u);
    EXPECT_EQ(doc.Rule(RuleListId::Holiday, 0).name, "創立記念日");
    EXPECT_EQ(doc.RuleCount(RuleListId::SpecialDay), 1u);
    EXPECT_EQ(doc.Rule(RuleListId::SpecialDay, 0).name, "七夕");
    ASSERT_EQ(doc.TaskCount(), 1u);  // deleting tasks older than 30 days was chosen
    EXPECT_EQ(doc.Task(0).text, "新しい");
}

}  // namespace
}  // namespace vesm
