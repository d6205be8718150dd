// The options dialog's portable rules: how the calendar page turns control
// states into settings, the transparency floor, and what applying the edited
// values does to the document.
#include <gtest/gtest.h>

#include "doc/doc.h"
#include "doc/settings_lines.h"
#include "options/apply_settings.h"
#include "options/calendar_page_rules.h"
#include "options/window_page_rules.h"
#include "support/fake_host.h"

namespace vesm {
namespace {

TEST(CalendarPageRules, MonthsBeforeListFollowsTheMonthsShown) {
    struct Case {
        int monthsIndex;
        int wanted;
        int count;
        int selection;
        bool enabled;
    };
    const Case cases[] = {
        {kYearView, 7, 12, 7, false},  // the year view offers 0..11 but decides itself
        {6, 4, 6, 4, true},           {2, 4, 2, 1, true},  // cut down to the largest one offered
        {12, 11, 12, 11, true},       {1, 0, 1, 0, true},
        {-1, 5, 1, 0, false},  // no months choice: a lone, disabled 0
        {3, -1, 3, 0, true},   // a list that had no selection starts at 0
    };
    for (const Case& c : cases) {
        const PastMonthsList list = PastMonthsFor(c.monthsIndex, c.wanted);
        EXPECT_EQ(list.count, c.count) << c.monthsIndex << "/" << c.wanted;
        EXPECT_EQ(list.selection, c.selection) << c.monthsIndex << "/" << c.wanted;
        EXPECT_EQ(list.enabled, c.enabled) << c.monthsIndex << "/" << c.wanted;
    }
}

TEST(CalendarPageRules, ListWithoutSelectionKeepsTheStoredValue) {
    EXPECT_EQ(ChosenOrStored(-1, 1, 5), 5);  // week start Thursday has no item
    EXPECT_EQ(ChosenOrStored(1, 1, 5), 2);   // choosing Monday replaces it
    EXPECT_EQ(ChosenOrStored(0, 0, 9), 0);
}

TEST(CalendarPageRules, OldTaskDaysStayInTheUpDownRange) {
    EXPECT_EQ(OldTaskDaysFrom("500", 7), 365);
    EXPECT_EQ(OldTaskDaysFrom("365", 7), 365);
    EXPECT_EQ(OldTaskDaysFrom("0", 7), 1);
    EXPECT_EQ(OldTaskDaysFrom("012", 7), 12);
    EXPECT_EQ(OldTaskDaysFrom("99999999999999999999999", 7), 365);  // no overflow
    EXPECT_EQ(OldTaskDaysFrom("", 30), 30);
    EXPECT_EQ(OldTaskDaysFrom("1x", 30), 30);  // pasted text is no number
    EXPECT_EQ(OldTaskDaysFrom("-5", 30), 30);
    // Deleting is handed over only while old tasks are handled at all.
    EXPECT_EQ(RmOverTaskFor(true, 1), 1);
    EXPECT_EQ(RmOverTaskFor(true, -1), 0);
    EXPECT_EQ(RmOverTaskFor(false, 1), 0);
}

TEST(WindowPageRules, TransparencyIsNeverZero) {
    EXPECT_EQ(TransparencyFrom(0), 1);
    EXPECT_EQ(TransparencyFrom(-20), 1);
    EXPECT_EQ(TransparencyFrom(1), 1);
    EXPECT_EQ(TransparencyFrom(148), 148);
    EXPECT_EQ(TransparencyFrom(300), 255);
}

DateTime At(int y, int m, int d, int h = 0) {
    return DateTime::Build(y, m, d, h).value();
}

std::string ScalarLines(const Settings& settings) {
    std::string lines;
    AppendScalarLines(settings, lines);
    return lines;
}

// Every key the dialog edits, changed from its default.
Settings EditedOptions() {
    Settings s;
    s.numOfMonth = 6;
    s.numOfPast = 2;
    s.numOfRow = 2;
    s.numOfColumn = 3;
    s.calendarFormat = 1;
    s.dayFormat = 2;
    s.startWeek = 2;
    s.rmTaskInfo = 1;
    s.rmTaskSpan = 30;
    s.rmOverTask = 1;
    s.equinoxBool = false;
    s.betweenBool = false;
    s.fallsOnSun = 0;
    s.fallsOnSat = 2;
    s.fontFaceName = "Arial";
    s.fontPointSize = 12;
    s.fontWeight = 400;
    s.fontItalic = false;
    s.frameSizeOfDate = 80;
    s.colorBackground = 10020030;
    s.colorWeekday = 1002003;
    s.colorSaturday = 4005006;
    s.colorSunday = 7008009;
    s.colorToday = 10011012;
    s.colorSpecialday = 13014015;
    s.colorTaskday = 16017018;
    s.todayInfo = 3;
    s.specialDayInfo = 4;
    s.taskDayInfo = 5;
    s.time12or24 = 24;
    s.clockInfo = 1;
    s.dateFormat = 5;
    s.styleOfMonth = 1;
    s.startUp = true;
    s.transparent = 200;
    s.zOrder = 2;
    s.mouseTransparent = 1;
    s.optTabCurSel = 3;
    return s;
}

CTaskTime TaskOn(DateTime day, const std::string& text) {
    CTaskTime task;
    task.taskTime = day;
    task.taskMode = 0;
    task.text = text;
    task.alarmTime = NoDayDate();
    return task;
}

class ApplySettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.now = At(2024, 5, 10, 12);
        doc = std::make_unique<CvesmDoc>(host);
    }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
};

TEST_F(ApplySettingsTest, EditedKeysReachTheDocumentAndTheRestStays) {
    // Changed while the dialog was open: the window moved, an alarm chose a
    // snooze, the profile was edited. Applying must not undo any of it.
    Settings meanwhile = doc->GetSettings();
    meanwhile.left = 333;
    meanwhile.bottom = 777;
    meanwhile.snoozeIndex = 9;
    meanwhile.profile.birthYear = 1970;
    doc->SetSettings(meanwhile);

    OptionsValues values;
    values.settings = EditedOptions();
    ApplySettings(*doc, values);

    Settings expected = values.settings;
    expected.version = meanwhile.version;
    expected.left = meanwhile.left;
    expected.top = meanwhile.top;
    expected.right = meanwhile.right;
    expected.bottom = meanwhile.bottom;
    expected.snoozeIndex = meanwhile.snoozeIndex;
    expected.profile = meanwhile.profile;
    EXPECT_EQ(ScalarLines(doc->GetSettings()), ScalarLines(expected));
}

TEST_F(ApplySettingsTest, OldTasksGoOnlyWhenDeletingWasChosen) {
    doc->InsertTaskSorted(TaskOn(At(2024, 4, 1), "古い"));
    doc->InsertTaskSorted(TaskOn(At(2024, 5, 9), "新しい"));
    OptionsValues values;
    values.settings = doc->GetSettings();
    values.settings.rmTaskInfo = 1;
    values.settings.rmTaskSpan = 7;
    values.settings.rmOverTask = 0;
    ApplySettings(*doc, values);
    EXPECT_EQ(doc->TaskCount(), 2u);

    values.settings.rmOverTask = 1;
    ApplySettings(*doc, values);
    ASSERT_EQ(doc->TaskCount(), 1u);
    EXPECT_EQ(doc->Task(0).text, "新しい");
}

TEST_F(ApplySettingsTest, SavesTheEditedListsRebuildsAndRedrawsOnce) {
    const int writes = host.writes;
    const int redraws = host.redraws;
    OptionsValues values;
    values.settings = doc->GetSettings();
    CHolidayTime holiday;
    holiday.Set(doc->FirstShownMonth(), 6, 1, 1, 0, "創立記念日");
    CHolidayTime specialDay;
    specialDay.Set(doc->FirstShownMonth(), 7, 7, 2, 0, "七夕");
    values.holidays = {holiday};
    values.specialDays = {specialDay};
    values.settings.numOfMonth = 0;  // the whole year from January
    values.settings.numOfPast = 4;
    ApplySettings(*doc, values);
    EXPECT_EQ(host.writes - writes, 1);
    EXPECT_EQ(host.redraws - redraws, 1);
    EXPECT_NE(host.SettingsFile().find("numOfMonth=0"), std::string::npos);
    EXPECT_EQ(doc->DayRange().firstShownDay, At(2024, 1, 1));
    EXPECT_EQ(doc->DayRange().lastShownDay, At(2024, 12, 31));
    ASSERT_EQ(doc->RuleCount(RuleListId::Holiday), 1u);
    EXPECT_EQ(doc->Rule(RuleListId::Holiday, 0).name, "創立記念日");
    ASSERT_EQ(doc->RuleCount(RuleListId::SpecialDay), 1u);
    EXPECT_EQ(doc->Rule(RuleListId::SpecialDay, 0).name, "七夕");
}

}  // namespace
}  // namespace vesm
