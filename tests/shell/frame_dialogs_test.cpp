// The options and profile dialogs as the frame's commands open them, played
// through their controls, the rule editor, the common dialogs and message boxes.
#include <windows.h>

#include <colordlg.h>
#include <commctrl.h>
#include <dlgs.h>
#include <objbase.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <memory>
#include <optional>
#include <sstream>
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
#include "profile/profile.h"
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

// What a saved shell link starts, read back through the shell.
std::string LinkCommand(const std::wstring& path) {
    wchar_t target[MAX_PATH] = {}, arguments[MAX_PATH] = {};
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                     reinterpret_cast<void**>(&link));
    if (link &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
        link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        link->GetArguments(arguments, MAX_PATH);
    }
    if (file) file->Release();
    if (link) link->Release();
    return Narrow(target) + " " + Narrow(arguments);
}

COLORREF Swatch(const DialogDriver& page, int id) {
    auto bitmap =
        reinterpret_cast<HBITMAP>(SendMessageW(page.Item(id), BM_GETIMAGE, IMAGE_BITMAP, 0));
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const COLORREF pixel = GetPixel(memory, 2, 2);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return pixel;
}

enum Tab { kCalendar, kHolidays, kSpecials, kFonts, kTime, kWindow, kKoyomi };

// A page of the options dialog, found by a control only it has.
DialogDriver Page(const DialogDriver& options, Tab tab) {
    constexpr int only[] = {IDC_P1_MONTHS,         IDC_HOLIDAY_LIST, IDC_SPECIAL_LIST,
                            IDC_FONT_COLOUR_RESET, IDC_P5_24_HOURS,  IDC_P6_TRANSPARENCY,
                            IDC_P7_ROKUYO_OFF};
    return options.PageWith(only[tab]);
}

// Types into the dialog's edit fields and presses OK.
Step Ok(std::vector<std::pair<int, const char*>> fields = {}) {
    return [fields](const DialogDriver& dialog) {
        for (const auto& [id, text] : fields) dialog.Type(id, text);
        dialog.Post(IDOK);
    };
}

// Which of the two ways to give the birthplace can be edited.
std::string Editable(const DialogDriver& dialog) {
    std::string enabled;
    for (int id : {IDC_PROFILE_PLACE, IDC_PROFILE_EAST_OR_WEST, IDC_PROFILE_DEGREE,
                   IDC_PROFILE_LONGITUDE_MINUTE, IDC_PROFILE_LONGITUDE_SECOND})
        enabled += dialog.Enabled(id) ? '1' : '0';
    return enabled;
}

class FrameDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.now = DateTime::Build(2024, 5, 10, 12).value();
        doc = std::make_unique<CvesmDoc>(host);
        const auto rule = [&](int kind, int month, int day, int weekday, const char* name,
                              int firstYear = kAnyYear) {
            CHolidayTime made;
            made.Set(doc->FirstShownMonth(), month, day, kind, weekday, name);
            made.firstYear = firstYear;
            return made;
        };
        doc->CopyDayRules(RuleListId::Holiday,
                          {rule(1, 1, 1, 0, "元旦"), rule(1, 1, 2, 2, "成人の日", 2000),
                           rule(1, 5, 5, 0, "子供の日")});
        doc->CopyDayRules(RuleListId::SpecialDay, {rule(2, 7, 7, 0, "七夕")});
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
    // Plays the steps on the dialogs the command opens, one per dialog; message
    // boxes on the way are answered with OK and their texts returned.
    Texts Run(int command, std::vector<Step> steps) {
        std::size_t next = 0;
        const Step play = [&](const DialogDriver& dialog) {
            if (dialog.Title() == "vesmira") {
                said.push_back(dialog.Text(0xFFFF));  // a message box's text
                dialog.Post(IDOK);
            } else if (next < steps.size()) {
                steps[next++](dialog);
            } else {
                dialog.Post(IDCANCEL);
            }
        };
        ModalScript::Command(frame->Hwnd(), command, std::vector<Step>(64, play));
        EXPECT_EQ(next, steps.size()) << "steps left unplayed";
        return said;
    }
    Texts Options(std::vector<Step> steps) { return Run(ID_OPTIONS, std::move(steps)); }
    void Profile(const CProfile& stored, Step step) {
        doc->SetProfile(stored);
        writesBefore = host.writes;
        Run(ID_PROFILE, {std::move(step)});
    }
    // Every line of the comma-separated list is in the settings file.
    void ExpectLines(const std::string& lines) const {
        std::istringstream list(lines);
        for (std::string line; std::getline(list, line, ',');) {
            EXPECT_NE(host.SettingsFile().find("\r\n" + line + "\r\n"), std::string::npos) << line;
        }
    }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::unique_ptr<CMainFrame> frame;
    Texts said;
    int writesBefore = 0;
};

TEST_F(FrameDialogTest, OptionsPageChoicesReachTheFileOnApplyAndEscapeInAPageDropsTheRest) {
    Store([](Settings& s) {
        s.startWeek = 5;  // Thursday: no item in the list
        std::tie(s.fontFaceName, s.fontPointSize, s.specialDayInfo) =
            std::make_tuple("Liberation Sans", 48, 13);
    });
    const int redraws = host.redraws;
    Options(
        {[&](const DialogDriver& options) {
             const DialogDriver calendar = Page(options, kCalendar);
             EXPECT_EQ(calendar.Selected(IDC_P1_WEEK_START), -1);
             calendar.Choose(IDC_P1_MONTHS, 5);
             calendar.Click(IDC_P1_DAYS_ROW);  // a row of days stacks the months vertically
             EXPECT_TRUE(calendar.Checked(IDC_P1_MONTHS_VERTICAL));
             EXPECT_EQ(calendar.Selected(IDC_P1_ROWS), 4);
             EXPECT_FALSE(calendar.Enabled(IDC_P1_WEEK_START));
             calendar.Choose(IDC_P1_MONTHS, 0);  // the year from January
             EXPECT_FALSE(calendar.Enabled(IDC_P1_PAST));
             calendar.Click(IDC_P1_DAYS_COLUMN);
             EXPECT_TRUE(calendar.Checked(IDC_P1_MONTHS_HORIZONTAL));
             EXPECT_EQ(calendar.Selected(IDC_P1_COLUMNS), 11);
             calendar.Click(IDC_P1_DAYS_GRID);
             EXPECT_TRUE(calendar.Enabled(IDC_P1_WEEK_START));
             calendar.Click(IDC_P1_OLD_CHECK);
             calendar.Type(IDC_P1_OLD_DAYS, "500");
             calendar.Choose(IDC_P1_OLD_ACTION, 1);
             Page(options, kTime).Click(IDC_P5_24_HOURS);
             TrackBarSetPos(Page(options, kWindow).Item(IDC_P6_TRANSPARENCY), 0);
             Page(options, kWindow).Click(IDC_P6_BOTTOM);
             for (int id : {IDC_P7_ROKUYO_CELL, IDC_P7_KYUREKI, IDC_P7_SEKKI_TIP, IDC_P7_WEEK_US}) {
                 Page(options, kKoyomi).Click(id);
             }
             const DialogDriver fonts = Page(options, kFonts);
             fonts.Choose(IDC_SHAPE_TODAY, 10);
             SendMessageW(fonts.Item(IDC_SHAPE_SPECIAL_DAY), CB_SETCURSEL, static_cast<WPARAM>(-1),
                          0);
             LOGFONTW box{};
             GetObjectW(reinterpret_cast<HFONT>(
                            SendMessageW(fonts.Item(IDC_FONT_CURRENT), WM_GETFONT, 0, 0)),
                        sizeof box, &box);
             EXPECT_EQ(box.lfHeight, 14) << "48 points are shown at the box's own height";
             fonts.Post(IDC_FONT_CHOOSE);
         },
         [](const DialogDriver& fontDialog) {
             EXPECT_EQ(fontDialog.Text(cmb1) + fontDialog.Text(cmb3), "Liberation Sans48");
             fontDialog.ChooseText(cmb1, "Liberation Mono");
             fontDialog.ChooseText(cmb3, "10");
             fontDialog.Post(IDOK);
         },
         [](const DialogDriver& options) {
             EXPECT_EQ(Page(options, kFonts).Text(IDC_FONT_CURRENT), "10 pt. Liberation Mono");
             Page(options, kFonts).Post(IDC_COLOUR_WEEKDAY);
         },
         [](const DialogDriver& colourDialog) {
             EXPECT_EQ(colourDialog.Text(COLOR_RED) + colourDialog.Text(COLOR_GREEN) +
                           colourDialog.Text(COLOR_BLUE),
                       "255255255");
             Ok({{COLOR_RED, "1"}, {COLOR_GREEN, "2"}, {COLOR_BLUE, "3"}})(colourDialog);
         },
         [&](const DialogDriver& options) {
             EXPECT_EQ(Swatch(Page(options, kFonts), IDC_COLOUR_WEEKDAY), RGB(1, 2, 3));
             options.Press(IDC_OPT_APPLY);
             EXPECT_EQ(host.redraws - redraws, 1);
             Page(options, kTime).Click(IDC_P5_CLOCK);
             Page(options, kTime).Post(IDCANCEL);
         }});
    ExpectLines(
        "numOfMonth=0,numOfPast=4,dayFormat=0,calendarFormat=1,numOfColumn=12,numOfRow=5,"
        "startWeek=5,rmTaskInfo=1,rmTaskSpan=365,rmOverTask=1,time12or24=24,clockInfo=0,"
        "transparent=1,zOrder=2,todayInfo=10,specialDayInfo=13,colorWeekday=1002003,"
        "fontFaceName=Liberation Mono,fontPointSize=10,rokuyoInfo=2,kyurekiInfo=1,sekkiInfo=1,"
        "warekiInfo=0,weekNumberInfo=2");
    EXPECT_EQ(doc->DayRange().firstShownDay, DateTime::Build(2024, 1, 1).value());
}

TEST_F(FrameDialogTest, OptionsOkKeepsWhatThePagesWereGivenAndTheirResetsGiveTheBuiltInValues) {
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
        std::tie(s.equinoxBool, s.fallsOnSun, s.fallsOnSat, s.optTabCurSel) =
            std::make_tuple(false, 0, 2, 9);  // no such tab: the window page
    });
    std::string stored = host.SettingsFile();
    stored.replace(stored.find("optTabCurSel=9"), 14, "optTabCurSel=5");  // the page shown
    const int writes = host.writes;
    // The real font and colour dialogs, closed with OK, give back what they were given.
    Options({[](const DialogDriver& options) {
                 EXPECT_EQ(TabSelection(options.Item(IDC_OPT_TAB)), 5);
                 EXPECT_TRUE(IsWindowVisible(Page(options, kWindow).Hwnd()));
                 Page(options, kFonts).Post(IDC_FONT_CHOOSE);
             },
             Ok(),
             [](const DialogDriver& options) { Page(options, kFonts).Post(IDC_COLOUR_SATURDAY); },
             Ok(), Ok()});
    EXPECT_EQ(host.SettingsFile(), stored);
    EXPECT_EQ(host.writes - writes, 1);

    const std::size_t builtIn = ParseRuleValue(kBuiltInHolidays).rules.size();
    Options({[&](const DialogDriver& options) {
        options.ClickTab(IDC_OPT_TAB, 1);
        EXPECT_FALSE(IsWindowVisible(Page(options, kWindow).Hwnd()));
        EXPECT_EQ(Page(options, kTime).SelectedText(IDC_P5_DATE_FORMAT), "dd.Jan.yyyy");
        EXPECT_TRUE(Page(options, kHolidays).Checked(IDC_SAT_FRIDAY) &&
                    Page(options, kHolidays).Checked(IDC_SUN_NONE));
        for (Tab tab : {kCalendar, kHolidays, kSpecials, kTime, kWindow, kKoyomi}) {
            Page(options, tab).Press(IDC_PAGE_RESET);
        }
        Page(options, kFonts).Press(IDC_FONT_COLOUR_RESET);
        EXPECT_EQ(Page(options, kFonts).Text(IDC_FONT_CURRENT), "20 pt. Times New Roman");
        EXPECT_EQ(Swatch(Page(options, kFonts), IDC_COLOUR_SATURDAY), RGB(0, 255, 255));
        EXPECT_FALSE(Page(options, kCalendar).Enabled(IDC_P1_OLD_SPIN));
        EXPECT_EQ(host.SettingsFile(), stored) << "nothing before OK";
        const HWND list = Page(options, kHolidays).Item(IDC_HOLIDAY_LIST);
        EXPECT_EQ(static_cast<std::size_t>(ListViewRowCount(list)), builtIn);
        EXPECT_EQ(ListViewCell(list, 1, 0), "第2 月曜 . Jan");
        EXPECT_EQ(ListViewCell(list, 1, 1) + ListViewCell(list, 1, 2) + ListViewCell(list, 2, 1) +
                      ListViewCell(list, 2, 2),
                  "成人の日2000～成人の日～1999");
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
    ExpectLines(
        "numOfMonth=3,numOfPast=1,numOfColumn=7,numOfRow=3,calendarFormat=0,dayFormat=0,"
        "rmTaskInfo=0,rmTaskSpan=7,time12or24=12,clockInfo=0,dateFormat=0,styleOfMonth=0,"
        "transparent=148,zOrder=0,mouseTransparent=0,fontFaceName=Times New Roman,"
        "fontPointSize=20,colorSaturday=255255,optTabCurSel=1,equinoxBool=1,betweenBool=1,"
        "fallsOnSun=1,fallsOnSat=0,"
        "rokuyoInfo=0\r\nkyurekiInfo=0\r\nsekkiInfo=0\r\nwarekiInfo=0\r\nweekNumberInfo=0");
    EXPECT_EQ(doc->RuleCount(RuleListId::Holiday), builtIn - 1);
    EXPECT_EQ(doc->RuleCount(RuleListId::SpecialDay), 9u);
}

TEST_F(FrameDialogTest, OptionsRuleEditorsRefuseBadInputWithTheirMessagesAndOkWritesBothLists) {
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
            EXPECT_EQ(editor.ItemText(IDC_RULE_DATE_MONTH, 11), "12");
            SetFocus(editor.Item(IDC_RULE_NAME));
            for (int i = 0; i < 80; ++i)
                SendMessageW(editor.Item(IDC_RULE_NAME), WM_CHAR, L'祝', 1);
            EXPECT_EQ(GetWindowTextLengthW(editor.Item(IDC_RULE_NAME)), 72);
            Ok({{IDC_RULE_NAME, ""}})(editor);
        },
        Ok({{IDC_RULE_NAME, "a`b"}}),
        Ok({{IDC_RULE_NAME, "祝\xF0\x9F\x98\x80"}}),
        Ok({{IDC_RULE_NAME, "閏日"}}),
        [](const DialogDriver& editor) {
            editor.Click(IDC_RULE_BY_DATE);
            editor.Choose(IDC_RULE_DATE_MONTH, 1);
            EXPECT_EQ(editor.Count(IDC_RULE_DATE_DAY), 29);
            editor.Choose(IDC_RULE_DATE_DAY, 28);
            Ok({{IDC_RULE_FIRST_YEAR, "96"}, {IDC_RULE_LAST_YEAR, "2002"}})(editor);
        },
        Ok({{IDC_RULE_FIRST_YEAR, "2003"}, {IDC_RULE_LAST_YEAR, "2002"}}),
        Ok({{IDC_RULE_FIRST_YEAR, "2016"}, {IDC_RULE_LAST_YEAR, ""}}),
        [](const DialogDriver& options) {
            const HWND list = Page(options, kHolidays).Item(IDC_HOLIDAY_LIST);
            EXPECT_EQ(ListViewCell(list, 2, 0), "02 . 29");
            EXPECT_EQ(Column(list, 2), (Texts{"", "2000～", "2016～", ""}));
            EXPECT_EQ(ListViewSelection(list), 2);
            ListViewSelect(list, 1);
            RECT row{LVIR_BOUNDS, 0, 0, 0};
            SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
            PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON,
                         MAKELPARAM(row.left + 4, (row.top + row.bottom) / 2));
        },
        [](const DialogDriver& editor) {
            EXPECT_TRUE(editor.Checked(IDC_RULE_BY_WEEKDAY));
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
        Ok({{IDC_RULE_NAME, "大晦日の記念"}}),
        Ok(),
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
    ASSERT_EQ(reread.RuleCount(RuleListId::Holiday), 4u);
    const CHolidayTime leapDay = reread.Rule(RuleListId::Holiday, 1);
    const CHolidayTime moved = reread.Rule(RuleListId::Holiday, 3);
    const CHolidayTime added = reread.Rule(RuleListId::SpecialDay, 1);
    EXPECT_EQ(std::make_tuple(leapDay.name, leapDay.month, leapDay.dayOrOrdinal, leapDay.firstYear,
                              leapDay.lastYear),
              std::make_tuple("閏日", 2, 29, 2016, kAnyYear));
    EXPECT_EQ(std::make_tuple(moved.name, moved.month, moved.firstYear),
              std::make_tuple("成人の日", 12, 2000));
    EXPECT_EQ(std::make_tuple(added.name, added.kind, reread.RuleCount(RuleListId::SpecialDay)),
              std::make_tuple("大晦日の記念", 2, std::size_t{2}));
    EXPECT_EQ(reread.GetSettings().fallsOnSat, 2);
}

TEST_F(FrameDialogTest, OptionsAutoStartWritesTheShortcutRemovesItAndTellsWhatFailed) {
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
    ExpectLines("startUp=0");
    EXPECT_EQ(told, Texts{"スタートアップからのショートカット削除に失敗しました。手動でスタート"
                          "アップからショートカットを削除してください。"});
    dialog.reset();
    CoUninitialize();
}

TEST_F(FrameDialogTest, ProfileRefusesBadNumbersClampsTheRestAndSavesATableBirthplaceOnlyOnOk) {
    Store([](Settings& s) { s.dateFormat = 3; });  // month names
    const CProfile west{1985, 7, 14, 9, 30, 1, 1, 77, 2, 3, 1};
    Profile(west, [&](const DialogDriver& profile) {
        EXPECT_EQ(profile.Text(IDC_PROFILE_YEAR) + profile.SelectedText(IDC_PROFILE_MONTH) +
                      profile.SelectedText(IDC_PROFILE_DAY) +
                      profile.SelectedText(IDC_PROFILE_MINUTE),
                  "1985Jul1430");
        EXPECT_TRUE(profile.Checked(IDC_PROFILE_BY_LONGITUDE));
        EXPECT_EQ(Editable(profile), "01111");
        EXPECT_EQ(profile.SelectedText(IDC_PROFILE_EAST_OR_WEST) +
                      profile.Text(IDC_PROFILE_DEGREE) + "." +
                      profile.SelectedText(IDC_PROFILE_LONGITUDE_MINUTE) + "." +
                      profile.SelectedText(IDC_PROFILE_LONGITUDE_SECOND),
                  "西経77.2.3");
        profile.Type(IDC_PROFILE_YEAR, "");
        profile.Press(IDOK);
        profile.Type(IDC_PROFILE_YEAR, "1985");
        profile.Type(IDC_PROFILE_DEGREE, "");
        profile.Press(IDOK);
        profile.Type(IDC_PROFILE_DEGREE, "135");
        profile.Choose(IDC_PROFILE_EAST_OR_WEST, 2);
        profile.Press(IDOK);
        EXPECT_EQ(host.MessageTexts(), (Texts{"西暦は1900から2099までの数字で入力してください。",
                                              "経度は0から180までの数字で入力してください。",
                                              "東経か西経を選んでください。"}));
        EXPECT_TRUE(profile.IsOpen());
        EXPECT_EQ(doc->Profile().longitudeDegree, 77);
        EXPECT_EQ(host.writes, writesBefore);
        profile.Choose(IDC_PROFILE_EAST_OR_WEST, 0);
        profile.Type(IDC_PROFILE_DEGREE, "500");
        profile.Choose(IDC_PROFILE_LONGITUDE_MINUTE, 30);
        profile.Type(IDC_PROFILE_YEAR, "3000");
        profile.Post(IDOK);
    });
    EXPECT_EQ(host.writes - writesBefore, 1);
    ExpectLines(
        "birthYear=2099,birthMonth=7,nativePlaceInfo=1,longitudeEastOrWest=0,"
        "longitudeDegree=180,longitudeMinute=30,longitudeSecond=3");

    const CProfile kanagawa{1985, 7, 14, 9, 30, 0, 0, 139, 38, 15, 1};
    const int redraws = host.redraws;
    const auto edit = [](const DialogDriver& profile) {
        EXPECT_EQ(profile.SelectedText(IDC_PROFILE_PLACE), "神奈川県");  // the later of two
        EXPECT_TRUE(profile.Checked(IDC_PROFILE_BY_PLACE));
        EXPECT_EQ(Editable(profile), "10000");
        profile.Click(IDC_PROFILE_BY_LONGITUDE);
        EXPECT_EQ(Editable(profile), "01111");
        profile.Type(IDC_PROFILE_DEGREE, "10");
        profile.Click(IDC_PROFILE_BY_PLACE);
        profile.Type(IDC_PROFILE_YEAR, "1972");
        profile.Choose(IDC_PROFILE_MONTH, 1);
        profile.Choose(IDC_PROFILE_DAY, 30);
        profile.Choose(IDC_PROFILE_HALF_OF_DAY, 1);
        profile.Choose(IDC_PROFILE_HOUR, 3);
        profile.Choose(IDC_PROFILE_MINUTE, 45);
        profile.Choose(IDC_PROFILE_PLACE, 44);
    };
    Profile(kanagawa, [&](const DialogDriver& profile) {
        edit(profile);
        profile.Post(IDCANCEL);
    });
    EXPECT_EQ(doc->Profile().birthYear, 1985);
    EXPECT_EQ(host.writes, writesBefore);
    Profile(kanagawa, [&](const DialogDriver& profile) {
        edit(profile);
        profile.Post(IDOK);
    });
    // The day list does not follow the month; fortuneFlg stays.
    ExpectLines(
        "birthYear=1972,birthMonth=2,birthDay=31,birthHour=15,birthMinute=45,"
        "nativePlaceInfo=0,longitudeEastOrWest=0,longitudeDegree=130,longitudeMinute=24,"
        "longitudeSecond=45,fortuneFlg=1");
    EXPECT_GE(host.redraws - redraws, 1);
}

}  // namespace
}  // namespace vesm
