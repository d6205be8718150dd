// The holiday and special-day pages under Wine: the rule list and its texts,
// adding, changing and deleting through the real editor, its messages, the
// scroll after a deletion, the holiday settings and the resets.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/builtin_lists.h"
#include "doc/doc.h"
#include "doc/rule_parse.h"
#include "model/support/fake_host.h"
#include "options/opt_dialog.h"
#include "options/tab_page2.h"
#include "options/tab_page3.h"
#include "shell/support/rule_page_driver.h"

namespace vesm {
namespace {

using Texts = std::vector<std::string>;

const DateTime kApril2024 = DateTime::Build(2024, 4, 1).value();

CHolidayTime MakeRule(int kind, int month, int dayOrOrdinal, int weekday, const char* name) {
    CHolidayTime rule;
    rule.Set(kApril2024, month, dayOrOrdinal, kind, weekday, name);
    return rule;
}

Texts Column(HWND list, int column) {
    Texts cells;
    for (int row = 0; row < ListViewRowCount(list); ++row) {
        cells.push_back(ListViewCell(list, row, column));
    }
    return cells;
}

Texts Names(const std::vector<CHolidayTime>& rules) {
    Texts names;
    for (const CHolidayTime& rule : rules) names.push_back(rule.name);
    return names;
}

class RulePagesTest : public ::testing::Test {
protected:
    void SetUp() override {
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

TEST_F(RulePagesTest, HolidaysAddedChangedAndRefusedThroughTheEditorKeepTheirOrder) {
    RecordingPage<CTabPage2>& page = OpenHolidays(0);
    const DialogDriver buttons(page.Hwnd());
    EXPECT_EQ(Column(HolidayList(), 0), (Texts{"01 . 01", "01 . 第2 月曜", "05 . 05"}));
    EXPECT_EQ(Column(HolidayList(), 1), (Texts{"元旦", "成人の日", "子供の日"}));
    EXPECT_EQ(buttons.Text(IDC_HOLIDAY_GROUP), "祝日一覧（春分、秋分の日以外）");
    buttons.Click(IDC_HOLIDAY_CHANGE);
    buttons.Click(IDC_HOLIDAY_DELETE);
    EXPECT_EQ(page.warnings,
              (Texts{"変更する祝日を選択してください", "削除する祝日を選択してください"}));

    // Each OK reports the first problem and leaves the editor open.
    page.scripts.push_back([](const DialogDriver& editor) {
        editor.Click(IDOK);
        editor.Type(IDC_RULE_NAME, "a`b");
        editor.Click(IDOK);
        editor.Type(IDC_RULE_NAME, "祝\xF0\x9F\x98\x80");  // outside code page 932
        editor.Click(IDOK);
        editor.Type(IDC_RULE_NAME, "閏日");
        editor.Click(IDOK);
        editor.Click(IDC_RULE_BY_DATE);
        editor.Choose(IDC_RULE_DATE_MONTH, 1);
        EXPECT_EQ(editor.Count(IDC_RULE_DATE_DAY), 29);
        editor.Choose(IDC_RULE_DATE_DAY, 28);
        editor.Click(IDOK);
    });
    buttons.Click(IDC_HOLIDAY_ADD);
    ASSERT_EQ(page.editorRuns.size(), 1u);
    EXPECT_EQ(page.editorRuns[0].caption, "祝日追加");
    EXPECT_EQ(page.editorRuns[0].nameLabel, "祝日名");
    const std::string noDate = "「月日指定」または「第何曜日指定」を指定してください";
    EXPECT_EQ(page.editorRuns[0].warnings,
              (Texts{"祝日名を入力してください", "バッククォート文字(`)は使用できません",
                     "この文字は保存できません。別の文字に置き換えてください。", noDate}));
    EXPECT_EQ(ListViewSelection(HolidayList()), 2);
    EXPECT_EQ(GetFocus(), HolidayList());

    page.scripts.push_back([&](const DialogDriver& editor) {
        editor.Type(IDC_RULE_NAME, "月末の月曜");
        editor.Click(IDC_RULE_BY_WEEKDAY);
        editor.Choose(IDC_RULE_WEEK_MONTH, 2);
        editor.Choose(IDC_RULE_ORDINAL, 4);
        editor.Click(IDOK);  // no weekday yet
        editor.Choose(IDC_RULE_WEEKDAY, 1);
        editor.Click(IDOK);
    });
    page.scripts.push_back([](const DialogDriver& editor) {  // a date already taken
        editor.Click(IDC_RULE_BY_DATE);
        editor.Choose(IDC_RULE_DATE_MONTH, 4);
        editor.Choose(IDC_RULE_DATE_DAY, 4);
        editor.Type(IDC_RULE_NAME, "端午の節句");
        editor.Click(IDOK);
    });
    buttons.Click(IDC_HOLIDAY_ADD);
    buttons.Click(IDC_HOLIDAY_ADD);
    EXPECT_EQ(page.editorRuns[1].warnings, Texts{noDate});
    EXPECT_EQ(Column(HolidayList(), 0), (Texts{"01 . 01", "01 . 第2 月曜", "02 . 29",
                                               "03 . 最終 月曜", "05 . 05", "05 . 05"}));
    EXPECT_EQ(Column(HolidayList(), 1)[5], "端午の節句");
    EXPECT_EQ(ListViewSelection(HolidayList()), 5);

    // A double click changes the selected rule, which moves to its new place;
    // a cancelled change keeps it.
    ListViewSelect(HolidayList(), 1);
    page.scripts.push_back([](const DialogDriver& editor) {
        EXPECT_TRUE(editor.Checked(IDC_RULE_BY_WEEKDAY));
        EXPECT_FALSE(editor.Enabled(IDC_RULE_DATE_MONTH));
        EXPECT_TRUE(editor.Enabled(IDC_RULE_WEEKDAY));
        EXPECT_EQ(editor.Selected(IDC_RULE_WEEK_MONTH), 0);
        EXPECT_EQ(editor.Selected(IDC_RULE_ORDINAL), 1);
        EXPECT_EQ(editor.Selected(IDC_RULE_WEEKDAY), 1);
        EXPECT_EQ(editor.Text(IDC_RULE_NAME), "成人の日");
        editor.Choose(IDC_RULE_WEEK_MONTH, 9);
        editor.Click(IDOK);
    });
    page.scripts.push_back([](const DialogDriver& editor) {
        editor.Type(IDC_RULE_NAME, "別の名前");
        editor.Click(IDCANCEL);
    });
    NMHDR doubleClick{HolidayList(), IDC_HOLIDAY_LIST, static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(page.Hwnd(), WM_NOTIFY, IDC_HOLIDAY_LIST, reinterpret_cast<LPARAM>(&doubleClick));
    EXPECT_EQ(page.editorRuns[3].caption, "祝日変更");
    EXPECT_EQ(ListViewCell(HolidayList(), 5, 0), "10 . 第2 月曜");
    EXPECT_EQ(ListViewSelection(HolidayList()), 5);
    buttons.Click(IDC_HOLIDAY_CHANGE);
    ASSERT_EQ(page.editorRuns.size(), 5u);
    EXPECT_EQ(ListViewCell(HolidayList(), 5, 1), "成人の日");

    page.editorFails = true;
    buttons.Click(IDC_HOLIDAY_ADD);
    EXPECT_EQ(page.warnings.back(), "Dialog box could not be created!");
    OptionsValues out;
    page.Store(out);
    ASSERT_EQ(out.holidays.size(), 6u);
    EXPECT_EQ(out.holidays[1].name, "閏日");
    EXPECT_EQ(out.holidays[1].kind, 1);
    EXPECT_EQ(out.holidays[1].month, 2);
    EXPECT_EQ(out.holidays[1].dayOrOrdinal, 29);
    EXPECT_EQ(out.holidays[1].weekday, 0);
}

TEST_F(RulePagesTest, HolidaySettingsAndTheLayoutOfTheList) {
    struct Case {
        bool equinox, between;
        int sun, sat;
    };
    for (Case c : {Case{true, false, 1, 2}, Case{false, true, 0, 1}, Case{true, true, 1, 0}}) {
        values.settings.equinoxBool = c.equinox;
        values.settings.betweenBool = c.between;
        values.settings.fallsOnSun = c.sun;
        values.settings.fallsOnSat = c.sat;
        OpenHolidays(5);
        OptionsValues out;
        holidays->Store(out);
        EXPECT_EQ(out.settings.equinoxBool, c.equinox);
        EXPECT_EQ(out.settings.betweenBool, c.between);
        EXPECT_EQ(out.settings.fallsOnSun, c.sun);
        EXPECT_EQ(out.settings.fallsOnSat, c.sat);
        EXPECT_EQ(Names(out.holidays), Names(values.holidays));
    }
    const DialogDriver page(holidays->Hwnd());
    page.Click(IDC_SAT_FRIDAY);
    page.Click(IDC_SUN_NONE);
    OptionsValues out;
    holidays->Store(out);
    EXPECT_EQ(out.settings.fallsOnSat, 2);
    EXPECT_EQ(out.settings.fallsOnSun, 0);

    EXPECT_EQ(Column(HolidayList(), 0), (Texts{"01 . Jan", "第2 月曜 . Jan", "05 . May"}));
    LVCOLUMNW column{};
    wchar_t title[32] = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = title;
    column.cchTextMax = 32;
    SendMessageW(HolidayList(), LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(Narrow(title), "祝日名");
    EXPECT_EQ(column.cx, 150);
    EXPECT_TRUE(SendMessageW(HolidayList(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
                LVS_EX_FULLROWSELECT);
}

TEST_F(RulePagesTest, DeletingTheLastOfALongListShowsTheNewLastRow) {
    values.holidays.clear();
    for (int day = 1; day <= 28; ++day) values.holidays.push_back(MakeRule(1, 1, day, 0, "日"));
    RecordingPage<CTabPage2>& page = OpenHolidays();
    HWND list = HolidayList();
    ListViewSelect(list, 27);
    ASSERT_GT(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), 0) << "the list must scroll";
    DialogDriver(page.Hwnd()).Click(IDC_HOLIDAY_DELETE);
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

TEST_F(RulePagesTest, ResetsRestoreTheBuiltInListsInThePagesAndCancelKeepsTheDocuments) {
    FakeHost host;
    CvesmDoc doc(host);
    Settings settings = doc.GetSettings();
    settings.equinoxBool = false;
    settings.betweenBool = false;
    settings.fallsOnSun = 0;
    settings.fallsOnSat = 2;
    doc.SetSettings(settings);
    doc.CopyDayRules(RuleListId::Holiday, values.holidays);
    doc.CopyDayRules(RuleListId::SpecialDay, values.specialDays);
    const int writesBefore = host.writes;
    COptDialog dialog(doc);
    const DialogDriver options(dialog.CreateModeless(nullptr));
    ASSERT_TRUE(options.IsOpen());
    COptionsPage* holidayPage = dialog.Page(1);
    COptionsPage* specialPage = dialog.Page(2);
    DialogDriver(holidayPage->Hwnd()).Click(IDC_RULE_PAGE_RESET);
    DialogDriver(specialPage->Hwnd()).Click(IDC_RULE_PAGE_RESET);

    HWND holidayList = holidayPage->Item(IDC_HOLIDAY_LIST);
    EXPECT_EQ(ListViewCell(holidayList, 1, 0), "01 . 第2 月曜");
    EXPECT_EQ(ListViewCell(holidayList, ListViewRowCount(holidayList) - 1, 0), "12 . 23");
    OptionsValues out;
    holidayPage->Store(out);
    specialPage->Store(out);
    EXPECT_TRUE(out.settings.equinoxBool);
    EXPECT_TRUE(out.settings.betweenBool);
    EXPECT_EQ(out.settings.fallsOnSun, 1);
    EXPECT_EQ(out.settings.fallsOnSat, 0);
    ASSERT_EQ(out.holidays.size(), ParseRuleValue(kBuiltInHolidays).rules.size());
    EXPECT_EQ(out.holidays[1].name, "成人の日");
    EXPECT_EQ(out.holidays[1].date, DateTime::Build(2025, 1, 13).value());
    EXPECT_EQ(out.holidays.back().name, "天皇誕生日");
    HWND specialList = specialPage->Item(IDC_SPECIAL_LIST);
    EXPECT_EQ(Column(specialList, 1),
              (Texts{"バレンタインデー", "ひな祭り", "ホワイトデー", "母の日", "父の日", "七夕",
                     "クリスマスイブ", "クリスマス", "大晦日"}));
    EXPECT_EQ(ListViewCell(specialList, 3, 0), "05 . 第2 日曜");
    EXPECT_EQ(ListViewCell(specialList, 4, 0), "06 . 第3 日曜");
    EXPECT_EQ(out.specialDays[3].kind, 2);

    options.Press(IDCANCEL);
    EXPECT_FALSE(options.IsOpen());
    EXPECT_EQ(doc.RuleCount(RuleListId::Holiday), 3u);
    EXPECT_EQ(doc.Rule(RuleListId::Holiday, 1).name, "成人の日");
    EXPECT_EQ(doc.RuleCount(RuleListId::SpecialDay), 1u);
    EXPECT_FALSE(doc.GetSettings().equinoxBool);
    EXPECT_EQ(host.writes, writesBefore);
}

TEST_F(RulePagesTest, SpecialDayPageUsesItsOwnWordsAndKind) {
    RecordingPage<CTabPage3>& page = OpenSpecialDays();
    const DialogDriver buttons(page.Hwnd());
    HWND list = page.Item(IDC_SPECIAL_LIST);
    EXPECT_EQ(buttons.Text(IDC_SPECIAL_GROUP), "記念日一覧");
    buttons.Click(IDC_SPECIAL_CHANGE);
    buttons.Click(IDC_SPECIAL_DELETE);
    EXPECT_EQ(page.warnings,
              (Texts{"変更する記念日を選択してください", "削除する記念日を選択してください"}));
    page.scripts.push_back([](const DialogDriver& editor) {
        editor.Choose(IDC_RULE_DATE_MONTH, 9);
        editor.Choose(IDC_RULE_DATE_DAY, 0);
        editor.Click(IDOK);
        editor.Type(IDC_RULE_NAME, "記念");
        editor.Click(IDOK);
    });
    buttons.Click(IDC_SPECIAL_ADD);
    ListViewSelect(list, 0);
    page.scripts.push_back([](const DialogDriver& editor) {
        editor.Type(IDC_RULE_NAME, "");
        editor.Click(IDOK);
    });
    buttons.Click(IDC_SPECIAL_CHANGE);
    ASSERT_EQ(page.editorRuns.size(), 2u);
    EXPECT_EQ(page.editorRuns[0].caption, "記念日追加");
    EXPECT_EQ(page.editorRuns[0].nameLabel, "記念日名");
    EXPECT_EQ(page.editorRuns[1].caption, "記念日変更");
    for (const EditorRun& run : page.editorRuns) {
        EXPECT_EQ(run.warnings, Texts{"記念日名を入力してください"});
    }
    EXPECT_EQ(Column(list, 1), (Texts{"七夕", "記念"}));
    OptionsValues out;
    page.Store(out);
    ASSERT_EQ(out.specialDays.size(), 2u);
    EXPECT_EQ(out.specialDays[1].kind, 2);
}

TEST(RuleEditorTest, DayListFollowsTheMonthAndTheNameTakesSeventyTwoCharacters) {
    CHolidayTime monthEnd = MakeRule(1, 1, 31, 0, "月末");
    auto editor = std::make_unique<RecordingEditor>(monthEnd, RuleEditorContext{1, kApril2024});
    DialogDriver window(editor->CreateModeless(nullptr));
    EXPECT_EQ(window.Title(), "祝日変更");
    EXPECT_EQ(window.SelectedText(IDC_RULE_DATE_MONTH), "Jan");
    EXPECT_EQ(window.Selected(IDC_RULE_DATE_DAY), 30);
    EXPECT_FALSE(window.Enabled(IDC_RULE_ORDINAL));
    window.Choose(IDC_RULE_DATE_MONTH, 3);
    EXPECT_EQ(window.Count(IDC_RULE_DATE_DAY), 30);
    EXPECT_EQ(window.Selected(IDC_RULE_DATE_DAY), 29);
    window.Choose(IDC_RULE_DATE_MONTH, 0);
    EXPECT_EQ(window.Count(IDC_RULE_DATE_DAY), 31);
    EXPECT_EQ(window.Selected(IDC_RULE_DATE_DAY), 29);
    window.Click(IDC_RULE_BY_WEEKDAY);
    EXPECT_FALSE(window.Enabled(IDC_RULE_DATE_DAY));
    EXPECT_TRUE(window.Enabled(IDC_RULE_WEEK_MONTH));
    window.Click(IDCANCEL);
    EXPECT_EQ(editor->Result(), IDCANCEL);
    EXPECT_EQ(monthEnd.dayOrOrdinal, 31);
    EXPECT_EQ(monthEnd.month, 1);

    CHolidayTime fresh;
    fresh.kind = 1;
    editor = std::make_unique<RecordingEditor>(fresh, RuleEditorContext{0, kApril2024});
    window = DialogDriver(editor->CreateModeless(nullptr));
    EXPECT_EQ(window.Selected(IDC_RULE_DATE_MONTH), -1);
    HWND name = window.Item(IDC_RULE_NAME);
    SetFocus(name);
    for (int i = 0; i < 80; ++i) SendMessageW(name, WM_CHAR, L'祝', 1);
    EXPECT_EQ(GetWindowTextLengthW(name), 72);
    window.Choose(IDC_RULE_DATE_MONTH, 11);
    window.Choose(IDC_RULE_DATE_DAY, 30);
    window.Click(IDOK);
    EXPECT_TRUE(editor->warnings.empty());
    EXPECT_EQ(editor->Result(), IDOK);
    EXPECT_EQ(Widen(fresh.name).size(), 72u);
    EXPECT_EQ(fresh.date, DateTime::Build(2024, 12, 31).value());
}

}  // namespace
}  // namespace vesm
