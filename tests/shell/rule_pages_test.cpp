// The holiday and special-day pages under Wine: the rule list and its texts,
// adding, changing and deleting through the real editor, the messages, the
// scroll after a deletion, the holiday settings and the resets.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "model/support/fake_host.h"
#include "options/opt_dialog.h"
#include "options/tab_page2.h"
#include "options/tab_page3.h"
#include "shell/support/rule_page_driver.h"
#include "win32/utf.h"

namespace vesm {
namespace {

const DateTime kApril2024 = DateTime::Build(2024, 4, 1).value();

CHolidayTime MakeRule(int kind, int month, int dayOrOrdinal, int weekday, const char* name) {
    CHolidayTime rule;
    rule.Set(kApril2024, month, dayOrOrdinal, kind, weekday, name);
    return rule;
}

std::vector<std::string> Column(HWND list, int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < ListViewRowCount(list); ++row) {
        cells.push_back(ListViewCell(list, row, column));
    }
    return cells;
}

std::vector<std::string> Names(const std::vector<CHolidayTime>& rules) {
    std::vector<std::string> names;
    for (const CHolidayTime& rule : rules) names.push_back(rule.name);
    return names;
}

class RulePagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
        parent = CreateWindowExW(0, L"STATIC", L"pages", WS_POPUP, 0, 0, 700, 500, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(parent, nullptr);
        values.firstShownMonth = kApril2024;
        values.holidays = {MakeRule(1, 1, 1, 0, "元旦"), MakeRule(1, 1, 2, 2, "成人の日"),
                           MakeRule(1, 5, 5, 0, "子供の日")};
        values.specialDays = {MakeRule(2, 7, 7, 0, "七夕")};
    }
    void TearDown() override {
        holidays.reset();
        specials.reset();
        DestroyWindow(parent);
    }

    RecordingPage<CTabPage2>& OpenHolidays(int dateFormat = 0) {
        values.settings.dateFormat = dateFormat;
        holidays = std::make_unique<RecordingPage<CTabPage2>>();
        EXPECT_NE(holidays->CreateModeless(parent), nullptr);
        holidays->Load(values);
        return *holidays;
    }
    RecordingPage<CTabPage3>& OpenSpecialDays() {
        specials = std::make_unique<RecordingPage<CTabPage3>>();
        EXPECT_NE(specials->CreateModeless(parent), nullptr);
        specials->Load(values);
        return *specials;
    }
    HWND HolidayList() const { return holidays->Item(IDC_HOLIDAY_LIST); }

    HWND parent = nullptr;
    OptionsValues values;
    std::unique_ptr<RecordingPage<CTabPage2>> holidays;
    std::unique_ptr<RecordingPage<CTabPage3>> specials;
};

// A script for the date mode: month and day indexes and the name.
EditorScript ByDate(int monthIndex, int dayIndex, const char* name) {
    return [=](HWND editor) {
        Click(editor, IDC_RULE_BY_DATE);
        SelectCombo(editor, IDC_RULE_DATE_MONTH, monthIndex);
        SelectCombo(editor, IDC_RULE_DATE_DAY, dayIndex);
        SetText(GetDlgItem(editor, IDC_RULE_NAME), name);
        Click(editor, IDOK);
    };
}

TEST_F(RulePagesTest, ListShowsTheRulesInTheDocumentsOrderInItsDateLayout) {
    OpenHolidays(0);
    EXPECT_EQ(Column(HolidayList(), 0),
              (std::vector<std::string>{"01 . 01", "01 . 第2 月曜", "05 . 05"}));
    EXPECT_EQ(Column(HolidayList(), 1), (std::vector<std::string>{"元旦", "成人の日", "子供の日"}));
    EXPECT_EQ(GetText(holidays->Item(IDC_HOLIDAY_GROUP)), "祝日一覧（春分、秋分の日以外）");
    OpenHolidays(5);
    EXPECT_EQ(Column(HolidayList(), 0),
              (std::vector<std::string>{"01 . Jan", "第2 月曜 . Jan", "05 . May"}));
    LVCOLUMNW column{};
    wchar_t title[32] = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = title;
    column.cchTextMax = 32;
    SendMessageW(HolidayList(), LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(Narrow(title), "祝日名");
    EXPECT_EQ(column.cx, 226);
    EXPECT_TRUE(SendMessageW(HolidayList(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
                LVS_EX_FULLROWSELECT);
}

TEST_F(RulePagesTest, HolidaySettingsGoBackAsTheyCame) {
    struct Case {
        bool equinox, between;
        int sun, sat;
    };
    for (Case c : {Case{true, false, 1, 2}, Case{false, true, 0, 1}, Case{true, true, 1, 0}}) {
        values.settings.equinoxBool = c.equinox;
        values.settings.betweenBool = c.between;
        values.settings.fallsOnSun = c.sun;
        values.settings.fallsOnSat = c.sat;
        OpenHolidays();
        OptionsValues out;
        holidays->Store(out);
        EXPECT_EQ(out.settings.equinoxBool, c.equinox);
        EXPECT_EQ(out.settings.betweenBool, c.between);
        EXPECT_EQ(out.settings.fallsOnSun, c.sun);
        EXPECT_EQ(out.settings.fallsOnSat, c.sat);
        EXPECT_EQ(Names(out.holidays), Names(values.holidays));
    }
    Click(holidays->Hwnd(), IDC_SAT_FRIDAY);
    Click(holidays->Hwnd(), IDC_SUN_NONE);
    OptionsValues out;
    holidays->Store(out);
    EXPECT_EQ(out.settings.fallsOnSat, 2);
    EXPECT_EQ(out.settings.fallsOnSun, 0);
}

TEST_F(RulePagesTest, AddingTheTwentyNinthOfFebruaryIsAcceptedAndSorted) {
    RecordingPage<CTabPage2>& page = OpenHolidays();
    page.scripts.push_back([](HWND editor) {
        SelectCombo(editor, IDC_RULE_DATE_MONTH, 1);
        EXPECT_EQ(SendMessageW(GetDlgItem(editor, IDC_RULE_DATE_DAY), CB_GETCOUNT, 0, 0), 29);
        ByDate(1, 28, "閏日")(editor);
    });
    Click(page.Hwnd(), IDC_HOLIDAY_ADD);
    ASSERT_EQ(page.editorRuns.size(), 1u);
    EXPECT_EQ(page.editorRuns[0].caption, "祝日追加");
    EXPECT_EQ(page.editorRuns[0].nameLabel, "祝日名");
    EXPECT_TRUE(page.editorRuns[0].warnings.empty());
    EXPECT_EQ(Column(HolidayList(), 0),
              (std::vector<std::string>{"01 . 01", "01 . 第2 月曜", "02 . 29", "05 . 05"}));
    EXPECT_EQ(ListViewSelection(HolidayList()), 2);
    EXPECT_EQ(GetFocus(), HolidayList());
    OptionsValues out;
    page.Store(out);
    ASSERT_EQ(out.holidays.size(), 4u);
    EXPECT_EQ(out.holidays[2].kind, 1);
    EXPECT_EQ(out.holidays[2].month, 2);
    EXPECT_EQ(out.holidays[2].dayOrOrdinal, 29);
    EXPECT_EQ(out.holidays[2].weekday, 0);
}

TEST_F(RulePagesTest, ARuleOnAnExistingRulesDateGoesAfterIt) {
    RecordingPage<CTabPage2>& page = OpenHolidays();
    page.scripts.push_back(ByDate(4, 4, "端午の節句"));
    Click(page.Hwnd(), IDC_HOLIDAY_ADD);
    EXPECT_EQ(Column(HolidayList(), 1),
              (std::vector<std::string>{"元旦", "成人の日", "子供の日", "端午の節句"}));
    EXPECT_EQ(ListViewSelection(HolidayList()), 3);
}

TEST_F(RulePagesTest, EditorReportsTheFirstProblemEachTimeAndStaysOpen) {
    RecordingPage<CTabPage2>& page = OpenHolidays();
    page.scripts.push_back([](HWND editor) {
        HWND name = GetDlgItem(editor, IDC_RULE_NAME);
        Click(editor, IDOK);  // nothing chosen, no name
        SetText(name, "a`b");
        Click(editor, IDOK);
        SetText(name, "祝\xF0\x9F\x98\x80");  // outside code page 932
        Click(editor, IDOK);
        SetText(name, "新しい祝日");
        Click(editor, IDOK);  // still no date
        Click(editor, IDC_RULE_BY_WEEKDAY);
        SelectCombo(editor, IDC_RULE_WEEK_MONTH, 2);
        SelectCombo(editor, IDC_RULE_ORDINAL, 4);
        Click(editor, IDOK);  // no weekday yet
        SelectCombo(editor, IDC_RULE_WEEKDAY, 1);
        Click(editor, IDOK);
    });
    Click(page.Hwnd(), IDC_HOLIDAY_ADD);
    ASSERT_EQ(page.editorRuns.size(), 1u);
    const std::string noDate = "「月日指定」または「第何曜日指定」を指定してください";
    EXPECT_EQ(page.editorRuns[0].warnings,
              (std::vector<std::string>{
                  "祝日名を入力してください", "バッククォート文字(`)は使用できません",
                  "この文字は保存できません。別の文字に置き換えてください。", noDate, noDate}));
    EXPECT_EQ(Column(HolidayList(), 0),
              (std::vector<std::string>{"01 . 01", "01 . 第2 月曜", "03 . 最終 月曜", "05 . 05"}));
}

TEST_F(RulePagesTest, ChangeByDoubleClickMovesTheRuleAndCancelKeepsIt) {
    RecordingPage<CTabPage2>& page = OpenHolidays();
    ListViewSelect(HolidayList(), 1);
    page.scripts.push_back([](HWND editor) {
        EXPECT_TRUE(IsChecked(editor, IDC_RULE_BY_WEEKDAY));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, IDC_RULE_DATE_MONTH)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(editor, IDC_RULE_WEEKDAY)));
        EXPECT_EQ(ComboSelection(GetDlgItem(editor, IDC_RULE_WEEK_MONTH)), 0);
        EXPECT_EQ(ComboSelection(GetDlgItem(editor, IDC_RULE_ORDINAL)), 1);
        EXPECT_EQ(ComboSelection(GetDlgItem(editor, IDC_RULE_WEEKDAY)), 1);
        EXPECT_EQ(GetText(GetDlgItem(editor, IDC_RULE_NAME)), "成人の日");
        SelectCombo(editor, IDC_RULE_WEEK_MONTH, 9);
        Click(editor, IDOK);
    });
    page.scripts.push_back([](HWND editor) {
        SetText(GetDlgItem(editor, IDC_RULE_NAME), "別の名前");
        Click(editor, IDCANCEL);
    });
    NMHDR doubleClick{HolidayList(), IDC_HOLIDAY_LIST, static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(page.Hwnd(), WM_NOTIFY, IDC_HOLIDAY_LIST, reinterpret_cast<LPARAM>(&doubleClick));
    ASSERT_EQ(page.editorRuns.size(), 1u);
    EXPECT_EQ(page.editorRuns[0].caption, "祝日変更");
    EXPECT_EQ(Column(HolidayList(), 1), (std::vector<std::string>{"元旦", "子供の日", "成人の日"}));
    EXPECT_EQ(ListViewCell(HolidayList(), 2, 0), "10 . 第2 月曜");
    EXPECT_EQ(ListViewSelection(HolidayList()), 2);
    Click(page.Hwnd(), IDC_HOLIDAY_CHANGE);
    ASSERT_EQ(page.editorRuns.size(), 2u);
    EXPECT_EQ(Column(HolidayList(), 1), (std::vector<std::string>{"元旦", "子供の日", "成人の日"}));
    EXPECT_TRUE(page.warnings.empty());
}

TEST_F(RulePagesTest, ChangeAndDeleteNeedASelectionAndAFailedEditorIsReported) {
    RecordingPage<CTabPage2>& page = OpenHolidays();
    Click(page.Hwnd(), IDC_HOLIDAY_CHANGE);
    Click(page.Hwnd(), IDC_HOLIDAY_DELETE);
    page.editorFails = true;
    Click(page.Hwnd(), IDC_HOLIDAY_ADD);
    EXPECT_EQ(page.warnings, (std::vector<std::string>{"変更する祝日を選択してください",
                                                       "削除する祝日を選択してください",
                                                       "Dialog box could not be created!"}));
    EXPECT_EQ(ListViewRowCount(HolidayList()), 3);
}

TEST_F(RulePagesTest, DeletingTheLastOfALongListShowsTheNewLastRow) {
    values.holidays.clear();
    for (int day = 1; day <= 28; ++day) values.holidays.push_back(MakeRule(1, 1, day, 0, "日"));
    RecordingPage<CTabPage2>& page = OpenHolidays();
    HWND list = HolidayList();
    ListViewSelect(list, 27);
    ASSERT_GT(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), 0) << "the list must scroll";
    Click(page.Hwnd(), IDC_HOLIDAY_DELETE);
    EXPECT_TRUE(page.warnings.empty());
    EXPECT_EQ(ListViewRowCount(list), 27);
    EXPECT_EQ(ListViewSelection(list), -1);
    const auto top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
    const auto perPage = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
    EXPECT_LE(top, 26);
    EXPECT_GE(top + perPage - 1, 26);
    OptionsValues out;
    page.Store(out);
    EXPECT_EQ(out.holidays.size(), 27u);
    EXPECT_EQ(out.holidays.back().dayOrOrdinal, 27);
}

TEST_F(RulePagesTest, HolidayResetRestoresTheBuiltInListAndSettingsInThePageOnly) {
    values.settings.equinoxBool = false;
    values.settings.betweenBool = false;
    values.settings.fallsOnSun = 0;
    values.settings.fallsOnSat = 2;
    RecordingPage<CTabPage2>& page = OpenHolidays();
    Click(page.Hwnd(), IDC_RULE_PAGE_RESET);
    OptionsValues out;
    page.Store(out);
    EXPECT_TRUE(out.settings.equinoxBool);
    EXPECT_TRUE(out.settings.betweenBool);
    EXPECT_EQ(out.settings.fallsOnSun, 1);
    EXPECT_EQ(out.settings.fallsOnSat, 0);
    ASSERT_EQ(out.holidays.size(), 14u);
    EXPECT_EQ(out.holidays.front().name, "元旦");
    EXPECT_EQ(out.holidays[1].name, "成人の日");
    EXPECT_EQ(out.holidays.back().name, "勤労感謝の日");
    EXPECT_EQ(ListViewCell(HolidayList(), 12, 0), "11 . 03");
    EXPECT_EQ(ListViewCell(HolidayList(), 8, 0), "07 . 第3 月曜");
    EXPECT_EQ(out.holidays[8].date, DateTime::Build(2024, 7, 15).value());
    EXPECT_EQ(values.holidays.size(), 3u);
}

TEST_F(RulePagesTest, SpecialDayPageUsesItsOwnWordsAndKind) {
    RecordingPage<CTabPage3>& page = OpenSpecialDays();
    HWND list = page.Item(IDC_SPECIAL_LIST);
    EXPECT_EQ(Column(list, 1), (std::vector<std::string>{"七夕"}));
    EXPECT_EQ(GetText(page.Item(IDC_SPECIAL_GROUP)), "記念日一覧");
    Click(page.Hwnd(), IDC_SPECIAL_CHANGE);
    Click(page.Hwnd(), IDC_SPECIAL_DELETE);
    EXPECT_EQ(page.warnings, (std::vector<std::string>{"変更する記念日を選択してください",
                                                       "削除する記念日を選択してください"}));
    page.scripts.push_back([](HWND editor) {
        SelectCombo(editor, IDC_RULE_DATE_MONTH, 9);
        SelectCombo(editor, IDC_RULE_DATE_DAY, 0);
        Click(editor, IDOK);
        SetText(GetDlgItem(editor, IDC_RULE_NAME), "記念");
        Click(editor, IDOK);
    });
    Click(page.Hwnd(), IDC_SPECIAL_ADD);
    ASSERT_EQ(page.editorRuns.size(), 1u);
    EXPECT_EQ(page.editorRuns[0].caption, "記念日追加");
    EXPECT_EQ(page.editorRuns[0].nameLabel, "記念日名");
    EXPECT_EQ(page.editorRuns[0].warnings,
              (std::vector<std::string>{"記念日名を入力してください"}));
    OptionsValues out;
    page.Store(out);
    ASSERT_EQ(out.specialDays.size(), 2u);
    EXPECT_EQ(out.specialDays[1].kind, 2);
    EXPECT_EQ(out.specialDays[1].name, "記念");
    ListViewSelect(list, 0);
    page.scripts.push_back([](HWND editor) {
        SetText(GetDlgItem(editor, IDC_RULE_NAME), "");
        Click(editor, IDOK);
    });
    Click(page.Hwnd(), IDC_SPECIAL_CHANGE);
    ASSERT_EQ(page.editorRuns.size(), 2u);
    EXPECT_EQ(page.editorRuns[1].caption, "記念日変更");
    EXPECT_EQ(page.editorRuns[1].warnings,
              (std::vector<std::string>{"記念日名を入力してください"}));
    EXPECT_EQ(Column(list, 1), (std::vector<std::string>{"七夕", "記念"}));
}

TEST_F(RulePagesTest, SpecialDayResetGivesTheNineBuiltInDaysInOrder) {
    RecordingPage<CTabPage3>& page = OpenSpecialDays();
    Click(page.Hwnd(), IDC_RULE_PAGE_RESET);
    HWND list = page.Item(IDC_SPECIAL_LIST);
    EXPECT_EQ(Column(list, 1), (std::vector<std::string>{
                                   "バレンタインデー", "ひな祭り", "ホワイトデー", "母の日",
                                   "父の日", "七夕", "クリスマスイブ", "クリスマス", "大晦日"}));
    EXPECT_EQ(ListViewCell(list, 3, 0), "05 . 第2 日曜");
    EXPECT_EQ(ListViewCell(list, 4, 0), "06 . 第3 日曜");
    OptionsValues out;
    page.Store(out);
    EXPECT_EQ(out.specialDays.size(), 9u);
    EXPECT_EQ(out.specialDays[3].kind, 2);
}

TEST_F(RulePagesTest, ResetThenCancelOfTheOptionsDialogLeavesTheDocumentsLists) {
    FakeHost host;
    CvesmDoc doc(host);
    doc.CopyDayRules(RuleListId::Holiday, values.holidays);
    doc.CopyDayRules(RuleListId::SpecialDay, values.specialDays);
    const int writesBefore = host.writes;
    COptDialog dialog(doc);
    HWND window = dialog.CreateModeless(nullptr);
    ASSERT_NE(window, nullptr);
    COptionsPage* holidayPage = dialog.Page(1);
    COptionsPage* specialPage = dialog.Page(2);
    ASSERT_NE(holidayPage, nullptr);
    ASSERT_NE(specialPage, nullptr);
    Click(holidayPage->Hwnd(), IDC_RULE_PAGE_RESET);
    Click(specialPage->Hwnd(), IDC_RULE_PAGE_RESET);
    EXPECT_EQ(ListViewRowCount(holidayPage->Item(IDC_HOLIDAY_LIST)), 14);
    Click(window, IDCANCEL);
    EXPECT_EQ(doc.RuleCount(RuleListId::Holiday), 3u);
    EXPECT_EQ(doc.Rule(RuleListId::Holiday, 1).name, "成人の日");
    EXPECT_EQ(doc.RuleCount(RuleListId::SpecialDay), 1u);
    EXPECT_EQ(host.writes, writesBefore);
}

class RuleEditorTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed"; }
    HWND Open(CHolidayTime& rule, int dateFormat) {
        editor = std::make_unique<RecordingEditor>(rule, RuleEditorContext{dateFormat, kApril2024});
        return editor->CreateModeless(nullptr);
    }
    std::unique_ptr<RecordingEditor> editor;
};

TEST_F(RuleEditorTest, DayListFollowsTheMonthAndKeepsTheNearestDay) {
    CHolidayTime rule = MakeRule(1, 1, 31, 0, "月末");
    HWND window = Open(rule, 1);
    ASSERT_NE(window, nullptr);
    HWND months = GetDlgItem(window, IDC_RULE_DATE_MONTH);
    HWND days = GetDlgItem(window, IDC_RULE_DATE_DAY);
    EXPECT_EQ(GetText(window), "祝日変更");
    EXPECT_EQ(ComboSelection(months), 0);
    EXPECT_EQ(ComboSelection(days), 30);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_RULE_ORDINAL)));
    std::vector<wchar_t> text(8);
    SendMessageW(months, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
    EXPECT_EQ(Narrow(text.data()), "Jan");
    SelectCombo(window, IDC_RULE_DATE_MONTH, 3);
    EXPECT_EQ(SendMessageW(days, CB_GETCOUNT, 0, 0), 30);
    EXPECT_EQ(ComboSelection(days), 29);
    SelectCombo(window, IDC_RULE_DATE_MONTH, 0);
    EXPECT_EQ(SendMessageW(days, CB_GETCOUNT, 0, 0), 31);
    EXPECT_EQ(ComboSelection(days), 29);
    Click(window, IDC_RULE_BY_WEEKDAY);
    EXPECT_FALSE(IsWindowEnabled(days));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_RULE_WEEK_MONTH)));
    Click(window, IDCANCEL);
    EXPECT_EQ(editor->Result(), IDCANCEL);
    EXPECT_EQ(rule.dayOrOrdinal, 31);
    EXPECT_EQ(rule.month, 1);
}

TEST_F(RuleEditorTest, NameTakesSeventyTwoCharactersAndNoMore) {
    CHolidayTime rule;
    rule.kind = 1;
    HWND window = Open(rule, 0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ComboSelection(GetDlgItem(window, IDC_RULE_DATE_MONTH)), -1);
    HWND name = GetDlgItem(window, IDC_RULE_NAME);
    SetFocus(name);
    for (int i = 0; i < 80; ++i) SendMessageW(name, WM_CHAR, L'祝', 1);
    EXPECT_EQ(GetWindowTextLengthW(name), 72);
    SelectCombo(window, IDC_RULE_DATE_MONTH, 11);
    SelectCombo(window, IDC_RULE_DATE_DAY, 30);
    Click(window, IDOK);
    EXPECT_TRUE(editor->warnings.empty());
    EXPECT_EQ(editor->Result(), IDOK);
    EXPECT_EQ(Widen(rule.name).size(), 72u);
    EXPECT_EQ(rule.date, DateTime::Build(2024, 12, 31).value());
}

}  // namespace
}  // namespace vesm
