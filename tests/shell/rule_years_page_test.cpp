// The holiday page's years under Wine: the years column, the editor's year
// fields on add and change with their messages, and the reset to the law's
// list with its years.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/builtin_lists.h"
#include "doc/rule_parse.h"
#include "options/tab_page2.h"
#include "shell/support/rule_page_driver.h"

namespace vesm {
namespace {

const DateTime kApril2024 = DateTime::Build(2024, 4, 1).value();

std::vector<std::string> Column(HWND list, int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < ListViewRowCount(list); ++row) {
        cells.push_back(ListViewCell(list, row, column));
    }
    return cells;
}

class RuleYearsPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
        parent = CreateWindowExW(0, L"STATIC", L"pages", WS_POPUP, 0, 0, 700, 500, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
        OptionsValues values;
        values.firstShownMonth = kApril2024;
        CHolidayTime marineDay;
        marineDay.Set(kApril2024, 7, 20, 1, 0, "海の日");
        marineDay.firstYear = 1996;
        marineDay.lastYear = 2002;
        CHolidayTime newYear;
        newYear.Set(kApril2024, 1, 1, 1, 0, "元旦");
        values.holidays = {newYear, marineDay};
        page = std::make_unique<RecordingPage<CTabPage2>>();
        ASSERT_NE(page->CreateModeless(parent), nullptr);
        page->Load(values);
    }
    void TearDown() override {
        page.reset();
        DestroyWindow(parent);
    }
    HWND List() const { return page->Item(IDC_HOLIDAY_LIST); }
    std::vector<CHolidayTime> Stored() const {
        OptionsValues out;
        page->Store(out);
        return out.holidays;
    }

    HWND parent = nullptr;
    std::unique_ptr<RecordingPage<CTabPage2>> page;
};

void SetYears(const DialogDriver& editor, const char* first, const char* last) {
    editor.Type(IDC_RULE_FIRST_YEAR, first);
    editor.Type(IDC_RULE_LAST_YEAR, last);
}

TEST_F(RuleYearsPageTest, AddingARuleWithAnOpenEndedRange) {
    EXPECT_EQ(Column(List(), 2), (std::vector<std::string>{"", "1996～2002"}));
    page->scripts.push_back([](const DialogDriver& editor) {
        EXPECT_EQ(editor.Text(IDC_RULE_FIRST_YEAR), "");
        EXPECT_EQ(editor.Text(IDC_RULE_LAST_YEAR), "");
        editor.Choose(IDC_RULE_DATE_MONTH, 7);
        editor.Choose(IDC_RULE_DATE_DAY, 10);
        editor.Type(IDC_RULE_NAME, "山の日");
        SetYears(editor, "2016", "");
        editor.Click(IDOK);
    });
    DialogDriver(page->Hwnd()).Click(IDC_HOLIDAY_ADD);
    ASSERT_EQ(page->editorRuns.size(), 1u);
    EXPECT_TRUE(page->editorRuns[0].warnings.empty());
    EXPECT_EQ(Column(List(), 2), (std::vector<std::string>{"", "1996～2002", "2016～"}));
    std::vector<CHolidayTime> stored = Stored();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[2].firstYear, 2016);
    EXPECT_EQ(stored[2].lastYear, kAnyYear);
}

TEST_F(RuleYearsPageTest, ChangingYearsRefusesABadRangeAndKeepsTheEditorOpen) {
    ListViewSelect(List(), 1);
    page->scripts.push_back([](const DialogDriver& editor) {
        EXPECT_EQ(editor.Text(IDC_RULE_FIRST_YEAR), "1996");
        EXPECT_EQ(editor.Text(IDC_RULE_LAST_YEAR), "2002");
        SetYears(editor, "2003", "2002");
        editor.Click(IDOK);
        SetYears(editor, "96", "2002");
        editor.Click(IDOK);
        SetYears(editor, "", "2002");
        editor.Click(IDOK);
    });
    DialogDriver(page->Hwnd()).Click(IDC_HOLIDAY_CHANGE);
    ASSERT_EQ(page->editorRuns.size(), 1u);
    EXPECT_EQ(page->editorRuns[0].warnings,
              (std::vector<std::string>{"開始年には終了年と同じかそれより前の年を入力してください",
                                        "年は4桁の数字で入力してください"}));
    EXPECT_EQ(Column(List(), 2), (std::vector<std::string>{"", "～2002"}));
    EXPECT_EQ(Stored()[1].firstYear, kAnyYear);
    EXPECT_EQ(Stored()[1].lastYear, 2002);
}

TEST_F(RuleYearsPageTest, ResetShowsTheLawsListWithItsYearsInDateOrder) {
    DialogDriver(page->Hwnd()).Click(IDC_RULE_PAGE_RESET);
    std::vector<CHolidayTime> stored = Stored();
    ASSERT_EQ(stored.size(), ParseRuleValue(kBuiltInHolidays).rules.size());
    for (std::size_t i = 1; i < stored.size(); ++i) {
        DateFields before = stored[i - 1].date.Fields();
        DateFields rule = stored[i].date.Fields();
        EXPECT_LE(before.month * 100 + before.day, rule.month * 100 + rule.day) << i;
    }
    std::vector<std::string> names = Column(List(), 1);
    std::vector<std::string> years = Column(List(), 2);
    ASSERT_EQ(names.size(), stored.size());
    EXPECT_EQ(names[1], "成人の日");
    EXPECT_EQ(years[1], "2000～");
    EXPECT_EQ(names[2], "成人の日");
    EXPECT_EQ(years[2], "～1999");
    EXPECT_EQ(years[0], "");
}

}  // namespace
}  // namespace vesm
