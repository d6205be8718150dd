// The options dialog as the frame's command opens it, played through its
// tabs, pages, the rule editor, the common dialogs and the message boxes.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "doc/builtin_lists.h"
#include "doc/doc.h"
#include "doc/rule_parse.h"
#include "frame/main_frame.h"
#include "model/support/fake_host.h"
#include "options/opt_dialog.h"
#include "res/resource.h"
#include "shell/support/dialog_driver.h"
#include "shell/support/scratch_folder.h"
#include "win32/utf.h"

namespace vesm {
namespace {

using Texts = std::vector<std::string>;
using Step = ModalScript::Step;

Texts Column(HWND list, int column) {
    Texts cells;
    for (int row = 0; row < ListViewRowCount(list); ++row) {
        cells.push_back(ListViewCell(list, row, column));
    }
    return cells;
}

Texts Names(const CvesmDoc& doc, RuleListId list) {
    Texts names;
    for (std::size_t i = 0; i < doc.RuleCount(list); ++i) names.push_back(doc.Rule(list, i).name);
    return names;
}

// What a saved shell link starts, read back through the shell.
std::string LinkCommand(const std::wstring& path) {
    wchar_t target[MAX_PATH] = {}, arguments[MAX_PATH] = {};
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            if (SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
                link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
                link->GetArguments(arguments, MAX_PATH);
            }
            file->Release();
        }
        link->Release();
    }
    return Narrow(target) + " " + Narrow(arguments);
}

enum Tab { kCalendar, kHolidays, kSpecials, kFonts, kTime, kWindow, kKoyomi };

// A page of the options dialog, found by a control only it has.
DialogDriver Page(const DialogDriver& options, Tab tab) {
    constexpr int only[] = {IDC_P1_MONTHS,         IDC_HOLIDAY_LIST, IDC_SPECIAL_LIST,
                            IDC_FONT_COLOUR_RESET, IDC_P5_24_HOURS,  IDC_P6_TRANSPARENCY,
                            IDC_P7_ROKUYO_OFF};
    return options.PageWith(only[tab]);
}

Step Name(const char* name) {
    return [name](const DialogDriver& editor) {
        editor.Type(IDC_RULE_NAME, name);
        editor.Post(IDOK);
    };
}

Step Years(const char* first, const char* last) {
    return [first, last](const DialogDriver& editor) {
        editor.Type(IDC_RULE_FIRST_YEAR, first);
        editor.Type(IDC_RULE_LAST_YEAR, last);
        editor.Post(IDOK);
    };
}

void PressOk(const DialogDriver& dialog) {
    dialog.Post(IDOK);
}

class OptionsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.now = DateTime::Build(2024, 5, 10, 12).value();
        doc = std::make_unique<CvesmDoc>(host);
        const DateTime reference = doc->FirstShownMonth();
        CHolidayTime newYear, comingOfAge, children, tanabata;
        newYear.Set(reference, 1, 1, 1, 0, "元旦");
        comingOfAge.Set(reference, 1, 2, 1, 2, "成人の日");
        comingOfAge.firstYear = 2000;
        children.Set(reference, 5, 5, 1, 0, "子供の日");
        tanabata.Set(reference, 7, 7, 2, 0, "七夕");
        doc->CopyDayRules(RuleListId::Holiday, {newYear, comingOfAge, children});
        doc->CopyDayRules(RuleListId::SpecialDay, {tanabata});
        MainFrameOptions options;
        options.quitOnDestroy = false;
        frame = std::make_unique<CMainFrame>(*doc, options);
        ASSERT_TRUE(frame->CreateFrame());
    }
    void TearDown() override { DestroyWindow(frame->Hwnd()); }

    void Store(void (*change)(Settings&)) {
        Settings settings = doc->GetSettings();
        change(settings);
        doc->SetSettings(settings);
        doc->SaveSettings();
    }
    // Plays the steps on the dialogs the options command opens, one per dialog;
    // message boxes on the way are answered with OK and their texts returned.
    Texts Options(std::vector<Step> steps) {
        std::size_t next = 0;
        const Step play = [&](const DialogDriver& dialog) {
            if (dialog.Title() == "vesmira") {
                said.push_back(dialog.MessageText());
                dialog.Post(IDOK);
            } else if (next < steps.size()) {
                steps[next++](dialog);
            } else {
                dialog.Post(IDCANCEL);
            }
        };
        ModalScript::Command(frame->Hwnd(), ID_OPTIONS, std::vector<Step>(64, play));
        EXPECT_EQ(next, steps.size()) << "steps left unplayed";
        return said;
    }
    bool FileHas(const std::string& line) const {
        return host.SettingsFile().find("\r\n" + line + "\r\n") != std::string::npos;
    }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::unique_ptr<CMainFrame> frame;
    Texts said;
};

TEST_F(OptionsDialogTest, OpensOnTheStoredTabAndOnlyOkStoresTheChosenOne) {
    Store([](Settings& s) { s.optTabCurSel = 9; });  // no such tab: the window page
    const int writes = host.writes;
    Options({[](const DialogDriver& options) {
        EXPECT_EQ(options.Title(), "Options...");
        const HWND tab = options.Item(IDC_OPT_TAB);
        ASSERT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 7);
        EXPECT_EQ(TabSelection(tab), 5);
        for (Tab page = kCalendar; page <= kKoyomi; page = Tab(page + 1)) {
            EXPECT_EQ(IsWindowVisible(Page(options, page).Hwnd()) != FALSE, page == kWindow);
        }
        options.ClickTab(IDC_OPT_TAB, 3);
        EXPECT_TRUE(IsWindowVisible(Page(options, kFonts).Hwnd()));
        EXPECT_FALSE(IsWindowVisible(Page(options, kWindow).Hwnd()));
        Page(options, kFonts).Post(IDCANCEL);  // Escape inside a page
    }});
    EXPECT_EQ(host.writes, writes);
    Options({[](const DialogDriver& options) {
        options.ClickTab(IDC_OPT_TAB, 3);
        options.Post(IDOK);
    }});
    EXPECT_TRUE(FileHas("optTabCurSel=3"));
}

TEST_F(OptionsDialogTest, PageChoicesReachTheFileOnApplyAndCancelDropsTheRest) {
    Store([](Settings& s) { s.startWeek = 5; });  // Thursday: no item in the list
    const int redraws = host.redraws;
    Options({[&](const DialogDriver& options) {
        const DialogDriver calendar = Page(options, kCalendar);
        EXPECT_EQ(calendar.Selected(IDC_P1_WEEK_START), -1);
        calendar.Choose(IDC_P1_MONTHS, 5);
        calendar.Click(IDC_P1_DAYS_ROW);  // a row of days stacks the months vertically
        EXPECT_TRUE(calendar.Checked(IDC_P1_MONTHS_VERTICAL));
        EXPECT_EQ(calendar.Selected(IDC_P1_ROWS), 4);
        EXPECT_FALSE(calendar.Enabled(IDC_P1_COLUMNS));
        EXPECT_FALSE(calendar.Enabled(IDC_P1_WEEK_START));
        calendar.Choose(IDC_P1_MONTHS, 0);  // the year from January
        EXPECT_FALSE(calendar.Enabled(IDC_P1_PAST));
        calendar.Click(IDC_P1_DAYS_COLUMN);
        EXPECT_TRUE(calendar.Checked(IDC_P1_MONTHS_HORIZONTAL));
        EXPECT_EQ(calendar.Selected(IDC_P1_COLUMNS), 11);
        calendar.Click(IDC_P1_DAYS_GRID);
        EXPECT_TRUE(calendar.Enabled(IDC_P1_WEEK_START));
        EXPECT_FALSE(calendar.Enabled(IDC_P1_OLD_DAYS));
        calendar.Click(IDC_P1_OLD_CHECK);
        calendar.Type(IDC_P1_OLD_DAYS, "500");
        calendar.Choose(IDC_P1_OLD_ACTION, 1);
        Page(options, kTime).Click(IDC_P5_24_HOURS);
        const HWND track = Page(options, kWindow).Item(IDC_P6_TRANSPARENCY);
        EXPECT_EQ(SendMessageW(track, TBM_GETRANGEMIN, 0, 0), 1);
        TrackBarSetPos(track, 0);
        Page(options, kWindow).Click(IDC_P6_BOTTOM);
        for (int id : {IDC_P7_ROKUYO_CELL, IDC_P7_KYUREKI, IDC_P7_SEKKI_TIP, IDC_P7_WEEK_US}) {
            Page(options, kKoyomi).Click(id);
        }
        options.Press(IDC_OPT_APPLY);
        EXPECT_EQ(host.redraws - redraws, 1);
        EXPECT_TRUE(Page(options, kTime).Checked(IDC_P5_24_HOURS)) << "the pages keep their state";
        Page(options, kTime).Click(IDC_P5_CLOCK);
        options.Post(IDCANCEL);
    }});
    for (const char* line :
         {"numOfMonth=0", "numOfPast=4", "dayFormat=0", "calendarFormat=1", "numOfColumn=12",
          "numOfRow=5", "startWeek=5", "rmTaskInfo=1", "rmTaskSpan=365", "rmOverTask=1",
          "time12or24=24", "clockInfo=0", "transparent=1", "zOrder=2",
          "fortuneFlg=0\r\nrokuyoInfo=2\r\nkyurekiInfo=1\r\nsekkiInfo=1\r\nwarekiInfo=0\r\n"
          "weekNumberInfo=2"}) {
        EXPECT_TRUE(FileHas(line)) << line;
    }
    EXPECT_EQ(doc->DayRange().firstShownDay, DateTime::Build(2024, 1, 1).value());
}

TEST_F(OptionsDialogTest, OkKeepsWhatThePagesWereGivenAndResetsGiveTheBuiltInValues) {
    Store([](Settings& s) {
        s = Settings{};
        std::tie(s.numOfMonth, s.numOfPast, s.numOfColumn, s.calendarFormat, s.dayFormat) =
            std::make_tuple(8, 2, 7, 1, 2);
        std::tie(s.rmTaskInfo, s.rmTaskSpan, s.time12or24, s.clockInfo, s.dateFormat) =
            std::make_tuple(1, 40, 24, 1, 5);
        std::tie(s.styleOfMonth, s.transparent, s.zOrder, s.mouseTransparent) =
            std::make_tuple(1, 90, 1, 1);
        std::tie(s.rokuyoInfo, s.kyurekiInfo, s.sekkiInfo, s.warekiInfo, s.weekNumberInfo) =
            std::make_tuple(1, 1, 2, 1, 1);
        std::tie(s.fontFaceName, s.fontPointSize, s.colorSaturday) =
            std::make_tuple("Arial", 12, 200100050);
    });
    const std::string stored = host.SettingsFile();
    const int writes = host.writes;
    // The real font and colour dialogs, closed with OK, give back what they were given.
    Options({[](const DialogDriver& options) { Page(options, kFonts).Post(IDC_FONT_CHOOSE); },
             PressOk,
             [](const DialogDriver& options) { Page(options, kFonts).Post(IDC_COLOUR_SATURDAY); },
             PressOk, PressOk});
    EXPECT_EQ(host.SettingsFile(), stored);
    EXPECT_EQ(host.writes - writes, 1);

    Options({[&](const DialogDriver& options) {
        EXPECT_EQ(Page(options, kTime).SelectedText(IDC_P5_DATE_FORMAT), "dd.Jan.yyyy");
        for (const DialogDriver& page : {Page(options, kCalendar), Page(options, kTime),
                                         Page(options, kWindow), Page(options, kKoyomi)}) {
            page.Press(IDC_PAGE_RESET);
        }
        Page(options, kFonts).Press(IDC_FONT_COLOUR_RESET);
        EXPECT_FALSE(Page(options, kCalendar).Enabled(IDC_P1_OLD_SPIN));
        EXPECT_EQ(host.SettingsFile(), stored) << "nothing before OK";
        options.Post(IDOK);
    }});
    for (const char* line :
         {"numOfMonth=3", "numOfPast=1", "numOfColumn=7", "numOfRow=3", "calendarFormat=0",
          "dayFormat=0", "rmTaskInfo=0", "rmTaskSpan=7", "time12or24=12", "clockInfo=0",
          "dateFormat=0", "styleOfMonth=0", "transparent=148", "zOrder=0", "mouseTransparent=0",
          "fontFaceName=Times New Roman", "fontPointSize=20", "colorSaturday=255255",
          "rokuyoInfo=0\r\nkyurekiInfo=0\r\nsekkiInfo=0\r\nwarekiInfo=0\r\nweekNumberInfo=0"}) {
        EXPECT_TRUE(FileHas(line)) << line;
    }
}

TEST_F(OptionsDialogTest, RuleEditorsRefuseBadInputWithTheirMessagesAndOkWritesBothLists) {
    const int writes = host.writes;
    const Texts messages = Options({
        [](const DialogDriver& options) {
            options.ClickTab(IDC_OPT_TAB, 1);
            EXPECT_EQ(Column(Page(options, kHolidays).Item(IDC_HOLIDAY_LIST), 0),
                      (Texts{"01 . 01", "01 . 第2 月曜", "05 . 05"}));
            Page(options, kHolidays).Post(IDC_HOLIDAY_CHANGE);  // nothing selected
        },
        [](const DialogDriver& options) { Page(options, kHolidays).Post(IDC_HOLIDAY_ADD); },
        [](const DialogDriver& editor) {
            EXPECT_EQ(editor.Title(), "祝日追加");
            EXPECT_EQ(editor.Text(IDC_RULE_NAME_GROUP), "祝日名");
            ASSERT_EQ(editor.Count(IDC_RULE_DATE_MONTH), 12);
            EXPECT_EQ(editor.ItemText(IDC_RULE_DATE_MONTH, 11), "12");
            SetFocus(editor.Item(IDC_RULE_NAME));
            for (int i = 0; i < 80; ++i)
                SendMessageW(editor.Item(IDC_RULE_NAME), WM_CHAR, L'祝', 1);
            EXPECT_EQ(GetWindowTextLengthW(editor.Item(IDC_RULE_NAME)), 72);
            Name("")(editor);
        },
        Name("a`b"),
        Name("祝\xF0\x9F\x98\x80"),
        Name("閏日"),
        [](const DialogDriver& editor) {
            editor.Click(IDC_RULE_BY_DATE);
            editor.Choose(IDC_RULE_DATE_MONTH, 1);
            EXPECT_EQ(editor.Count(IDC_RULE_DATE_DAY), 29);
            editor.Choose(IDC_RULE_DATE_DAY, 28);
            Years("96", "2002")(editor);
        },
        Years("2003", "2002"),
        Years("2016", ""),
        [](const DialogDriver& options) {
            const HWND list = Page(options, kHolidays).Item(IDC_HOLIDAY_LIST);
            EXPECT_EQ(ListViewCell(list, 2, 0), "02 . 29");
            EXPECT_EQ(Column(list, 2), (Texts{"", "2000～", "2016～", ""}));
            EXPECT_EQ(ListViewSelection(list), 2);
            EXPECT_EQ(GetFocus(), list);
            ListViewSelect(list, 1);
            RECT row{LVIR_BOUNDS, 0, 0, 0};
            SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
            PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON,
                         MAKELPARAM(row.left + 4, (row.top + row.bottom) / 2));
        },
        [](const DialogDriver& editor) {
            EXPECT_TRUE(editor.Checked(IDC_RULE_BY_WEEKDAY));
            EXPECT_FALSE(editor.Enabled(IDC_RULE_DATE_MONTH));
            EXPECT_EQ(editor.SelectedText(IDC_RULE_ORDINAL) +
                          editor.SelectedText(IDC_RULE_WEEKDAY) + editor.Text(IDC_RULE_NAME) +
                          editor.Text(IDC_RULE_FIRST_YEAR) + "|" + editor.Text(IDC_RULE_LAST_YEAR),
                      "第2月曜成人の日2000|");
            editor.Choose(IDC_RULE_WEEK_MONTH, 11);
            editor.Post(IDOK);
        },
        [](const DialogDriver& options) {
            const HWND list = Page(options, kHolidays).Item(IDC_HOLIDAY_LIST);
            EXPECT_EQ(ListViewCell(list, 3, 0), "12 . 第2 月曜");
            EXPECT_EQ(ListViewSelection(list), 3);
            Page(options, kHolidays).Post(IDC_HOLIDAY_CHANGE);
        },
        [](const DialogDriver& editor) {
            editor.Type(IDC_RULE_NAME, "別の名前");
            editor.Post(IDCANCEL);
        },
        [](const DialogDriver& options) {
            EXPECT_EQ(ListViewCell(Page(options, kHolidays).Item(IDC_HOLIDAY_LIST), 3, 1),
                      "成人の日");
            Page(options, kHolidays).Click(IDC_SAT_FRIDAY);
            options.ClickTab(IDC_OPT_TAB, 2);
            Page(options, kSpecials).Post(IDC_SPECIAL_DELETE);  // nothing selected
        },
        [](const DialogDriver& options) { Page(options, kSpecials).Post(IDC_SPECIAL_ADD); },
        [](const DialogDriver& editor) {
            EXPECT_EQ(editor.Title(), "記念日追加");
            EXPECT_EQ(editor.Text(IDC_RULE_NAME_GROUP), "記念日名");
            editor.Choose(IDC_RULE_DATE_MONTH, 11);
            editor.Choose(IDC_RULE_DATE_DAY, 30);
            editor.Post(IDOK);
        },
        Name("大晦日の記念"),
        PressOk,
    });
    EXPECT_EQ(messages, (Texts{"変更する祝日を選択してください", "祝日名を入力してください",
                               "バッククォート文字(`)は使用できません",
                               "この文字は保存できません。別の文字に置き換えてください。",
                               "「月日指定」または「第何曜日指定」を指定してください",
                               "年は4桁の数字で入力してください",
                               "開始年には終了年と同じかそれより前の年を入力してください",
                               "削除する記念日を選択してください", "記念日名を入力してください"}));
    EXPECT_EQ(host.writes - writes, 1);
    const CvesmDoc reread(host);
    EXPECT_EQ(Names(reread, RuleListId::Holiday), (Texts{"元旦", "閏日", "子供の日", "成人の日"}));
    const CHolidayTime leapDay = reread.Rule(RuleListId::Holiday, 1);
    EXPECT_EQ(std::make_tuple(leapDay.month, leapDay.dayOrOrdinal, leapDay.firstYear),
              std::make_tuple(2, 29, 2016));
    EXPECT_EQ(leapDay.lastYear, kAnyYear);
    const CHolidayTime moved = reread.Rule(RuleListId::Holiday, 3);
    EXPECT_EQ(std::make_tuple(moved.month, moved.firstYear), std::make_tuple(12, 2000));
    EXPECT_EQ(Names(reread, RuleListId::SpecialDay), (Texts{"七夕", "大晦日の記念"}));
    EXPECT_EQ(reread.Rule(RuleListId::SpecialDay, 1).kind, 2);
    EXPECT_EQ(reread.GetSettings().fallsOnSat, 2);
}

TEST_F(OptionsDialogTest, RuleResetsShowTheBuiltInListsAndTheLastRowStaysInViewAfterADelete) {
    Store([](Settings& s) {
        std::tie(s.dateFormat, s.equinoxBool, s.fallsOnSun, s.fallsOnSat) =
            std::make_tuple(5, false, 0, 2);
    });
    const std::size_t builtIn = ParseRuleValue(kBuiltInHolidays).rules.size();
    Options({[&](const DialogDriver& options) {
        options.ClickTab(IDC_OPT_TAB, 1);
        EXPECT_TRUE(Page(options, kHolidays).Checked(IDC_SAT_FRIDAY));
        EXPECT_TRUE(Page(options, kHolidays).Checked(IDC_SUN_NONE));
        Page(options, kHolidays).Press(IDC_RULE_PAGE_RESET);
        Page(options, kSpecials).Press(IDC_RULE_PAGE_RESET);
        const HWND list = Page(options, kHolidays).Item(IDC_HOLIDAY_LIST);
        const Texts names = Column(list, 1), years = Column(list, 2);
        ASSERT_EQ(names.size(), builtIn);
        EXPECT_EQ(ListViewCell(list, 1, 0), "第2 月曜 . Jan");
        EXPECT_EQ(names[1] + years[1] + names[2] + years[2], "成人の日2000～成人の日～1999");
        ListViewSelect(list, static_cast<int>(builtIn) - 1);
        Page(options, kHolidays).Press(IDC_HOLIDAY_DELETE);
        const auto top = static_cast<std::size_t>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
        const auto rows = static_cast<std::size_t>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
        EXPECT_GT(top, 0u);
        EXPECT_GE(top + rows, builtIn - 1) << "the new last row is in view";
        EXPECT_EQ(Column(Page(options, kSpecials).Item(IDC_SPECIAL_LIST), 1),
                  (Texts{"バレンタインデー", "ひな祭り", "ホワイトデー", "母の日", "父の日", "七夕",
                         "クリスマスイブ", "クリスマス", "大晦日"}));
        options.Post(IDOK);
    }});
    EXPECT_EQ(doc->RuleCount(RuleListId::Holiday), builtIn - 1);
    EXPECT_EQ(doc->RuleCount(RuleListId::SpecialDay), 9u);
    for (const char* line : {"equinoxBool=1", "betweenBool=1", "fallsOnSun=1", "fallsOnSat=0"}) {
        EXPECT_TRUE(FileHas(line)) << line;
    }
}

TEST_F(OptionsDialogTest, AutoStartWritesTheShortcutRemovesItAndTellsWhatFailedAfterSaving) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    EXPECT_EQ(SystemStartupPlace().executablePath(), Narrow(program));
    EXPECT_TRUE(FolderExists(Widen(SystemStartupPlace().startupFolder().value_or(""))));
    ScratchFolder startup;
    const std::wstring link = startup.Child(L"vesmira.lnk");
    Texts told;
    OptDialogHooks hooks;
    hooks.shortcutPlace.executablePath = [&] { return std::optional(Narrow(program)); };
    hooks.shortcutPlace.startupFolder = [&] { return std::optional(Narrow(startup.Path())); };
    hooks.showMessage = [&](HWND, std::string_view text) { told.emplace_back(text); };
    Store([](Settings& s) { s.startUp = true; });
    CloseHandle(CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    auto dialog = std::make_unique<COptDialog>(*doc, hooks);
    const DialogDriver options(dialog->CreateModeless(nullptr));
    options.Press(IDC_OPT_APPLY);
    EXPECT_EQ(LinkCommand(link), Narrow(program) + " /s") << "the old file is replaced";
    const DialogDriver window = Page(options, kWindow);
    window.Click(IDC_P6_AUTO_START);
    options.Press(IDC_OPT_APPLY);
    EXPECT_FALSE(FileExists(link));
    EXPECT_TRUE(told.empty());
    CreateDirectoryW(link.c_str(), nullptr);  // neither replaced nor removed as a file
    options.Press(IDC_OPT_APPLY);
    window.Click(IDC_P6_AUTO_START);
    options.Press(IDC_OPT_APPLY);
    EXPECT_TRUE(FileHas("startUp=1"));
    hooks.shortcutPlace.executablePath = [] { return std::optional<std::string>(); };
    dialog = std::make_unique<COptDialog>(*doc, hooks);
    DialogDriver(dialog->CreateModeless(nullptr)).Press(IDOK);
    EXPECT_EQ(
        told,
        (Texts{"スタートアップからのショートカット削除に失敗しました。手動でスタートアップから"
               "ショートカットを削除してください。",
               "スタートアップへのショートカット作成に失敗しました。手動でスタートアップにショ"
               "ートカットを作成してください。",
               "実行モジュールのフルパスの取得に失敗しました。手動でスタートアップへの登録をお"
               "願いします。"}));
    dialog.reset();
    CoUninitialize();
}

}  // namespace
}  // namespace vesm
