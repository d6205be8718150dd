// The options dialog under Wine, driven through its real controls: tabs and
// pages, OK, Apply and Cancel, the calendar, time and window pages, and the
// start-up shortcut written into a folder of the test's own.
#include "options/opt_dialog.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shlguid.h>
#include <shobjidl.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/support/fake_host.h"
#include "res/resource.h"
#include "shell/support/dialog_driver.h"
#include "win32/utf.h"

namespace vesm {
namespace {

constexpr int kCalendarPage = 0;
constexpr int kFontPage = 3;
constexpr int kTimePage = 4;
constexpr int kWindowPage = 5;

DateTime At(int y, int m, int d, int h = 0) {
    return DateTime::Build(y, m, d, h).value();
}

std::string ThisProgram() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return Narrow(path);
}

// What a saved shell link holds, read back through the shell.
struct LinkContents {
    std::string target;
    std::string arguments;
    std::string description;
    int showCommand = 0;
};

std::optional<LinkContents> ReadLink(const std::string& path) {
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
        return std::nullopt;
    }
    IPersistFile* file = nullptr;
    std::optional<LinkContents> contents;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(Widen(path).c_str(), STGM_READ))) {
            wchar_t text[MAX_PATH] = {};
            LinkContents read;
            link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
            read.target = Narrow(text);
            link->GetArguments(text, MAX_PATH);
            read.arguments = Narrow(text);
            link->GetDescription(text, MAX_PATH);
            read.description = Narrow(text);
            link->GetShowCmd(&read.showCommand);
            contents = read;
        }
        file->Release();
    }
    link->Release();
    return contents;
}

class OptionsDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                                                           ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
    }

    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        host.now = At(2024, 5, 10, 12);
        doc = std::make_unique<CvesmDoc>(host);
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        startupFolder =
            std::filesystem::path(temp) / ("vesm-startup-" + std::to_string(GetCurrentProcessId()));
        CreateDirectoryW(startupFolder.c_str(), nullptr);
        hooks.shortcutPlace.executablePath = [] { return std::optional(ThisProgram()); };
        hooks.shortcutPlace.startupFolder = [this] {
            return std::optional(Narrow(startupFolder.wstring()));
        };
        hooks.showMessage = [this](HWND, std::string_view text) { messages.emplace_back(text); };
    }

    void TearDown() override {
        dialog.reset();
        const std::filesystem::path link = startupFolder / L"vesmira.lnk";
        DeleteFileW(link.c_str());
        RemoveDirectoryW(link.c_str());
        RemoveDirectoryW(startupFolder.c_str());
        CoUninitialize();
    }

    void SetStored(void (*change)(Settings&)) {
        Settings settings = doc->GetSettings();
        change(settings);
        doc->SetSettings(settings);
    }

    HWND Open() {
        dialog = std::make_unique<COptDialog>(*doc, hooks);
        window = dialog->CreateModeless(nullptr);
        return window;
    }

    DialogDriver Page(int index) const { return DialogDriver(dialog->Page(index)->Hwnd()); }
    HWND Tab() const { return GetDlgItem(window, IDC_OPT_TAB); }

    // As a person does it: a click on the tab's title.
    void ClickTab(int index) {
        RECT item{};
        SendMessageW(Tab(), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageW(Tab(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(Tab(), WM_LBUTTONUP, 0, at);
    }

    void Press(int id) { DialogDriver(window).Click(id); }

    std::string LinkPath() const { return Narrow((startupFolder / L"vesmira.lnk").wstring()); }
    bool FileHas(const std::string& line) const {
        return host.SettingsFile().find(line + "\r\n") != std::string::npos;
    }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::filesystem::path startupFolder;
    OptDialogHooks hooks;
    std::vector<std::string> messages;
    std::unique_ptr<COptDialog> dialog;
    HWND window = nullptr;
};

TEST_F(OptionsDialogTest, OpensOnTheStoredTabWithEveryPageInPlace) {
    SetStored([](Settings& s) { s.optTabCurSel = kTimePage; });
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(GetText(window), "Options...");
    const char* titles[] = {"カレンダー表示", "祝日",           "記念日", "フォントと色",
                            "時刻と日付",     "ウィンドウ関連", "暦"};
    ASSERT_EQ(SendMessageW(Tab(), TCM_GETITEMCOUNT, 0, 0), 7);
    POINT origin{10, 30};
    MapWindowPoints(Tab(), window, &origin, 1);
    for (int index = 0; index < 7; ++index) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(Tab(), TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(Narrow(text), titles[index]);
        HWND page = Page(index).Hwnd();
        ASSERT_NE(page, nullptr) << index;
        EXPECT_EQ(IsWindowVisible(page) != FALSE, index == kTimePage) << index;
        EXPECT_EQ(GetParent(page), window);
        EXPECT_FALSE(GetWindowLongPtrW(page, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
        RECT placed{};
        GetWindowRect(page, &placed);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
        EXPECT_EQ(placed.left, origin.x) << index;
        EXPECT_EQ(placed.top, origin.y) << index;
    }
    EXPECT_EQ(TabSelection(Tab()), kTimePage);
}

TEST_F(OptionsDialogTest, StoredIndexOutsideTheTabsOpensTheWindowPage) {
    SetStored([](Settings& s) { s.optTabCurSel = 9; });
    ASSERT_NE(Open(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Page(kWindowPage).Hwnd()));
    EXPECT_FALSE(IsWindowVisible(Page(kTimePage).Hwnd()));
    Press(IDOK);
    EXPECT_EQ(doc->GetSettings().optTabCurSel, kWindowPage);
}

TEST_F(OptionsDialogTest, CancelKeepsTheTabIndexAndOkStoresIt) {
    ASSERT_NE(Open(), nullptr);
    const int writes = host.writes;
    ClickTab(kFontPage);
    EXPECT_TRUE(IsWindowVisible(Page(kFontPage).Hwnd()));
    EXPECT_FALSE(IsWindowVisible(Page(kCalendarPage).Hwnd()));
    // Escape inside a page cancels the dialog.
    SendMessageW(Page(kFontPage).Hwnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog->Result(), IDCANCEL);
    EXPECT_EQ(doc->GetSettings().optTabCurSel, 0);
    EXPECT_EQ(host.writes, writes);

    ASSERT_NE(Open(), nullptr);
    ClickTab(kFontPage);
    Press(IDOK);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog->Result(), IDOK);
    EXPECT_EQ(doc->GetSettings().optTabCurSel, kFontPage);
    EXPECT_TRUE(FileHas("optTabCurSel=3"));
}

TEST_F(OptionsDialogTest, ApplyThenCancelKeepsTheAppliedValues) {
    ASSERT_NE(Open(), nullptr);
    const int redraws = host.redraws;
    ClickTab(kTimePage);
    Page(kTimePage).Click(IDC_P5_24_HOURS);
    ClickTab(kWindowPage);  // a hidden page keeps its state
    Press(IDC_OPT_APPLY);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(doc->GetSettings().time12or24, 24);
    EXPECT_TRUE(FileHas("time12or24=24"));
    EXPECT_EQ(host.redraws - redraws, 1);
    EXPECT_TRUE(Page(kTimePage).Checked(IDC_P5_24_HOURS));  // the pages keep their state

    Page(kTimePage).Click(IDC_P5_CLOCK);
    Press(IDCANCEL);
    EXPECT_EQ(doc->GetSettings().time12or24, 24);
    EXPECT_EQ(doc->GetSettings().clockInfo, 0);
    EXPECT_TRUE(FileHas("time12or24=24"));
    EXPECT_TRUE(FileHas("clockInfo=0"));
}

TEST_F(OptionsDialogTest, YearViewStartsInTheDisplayedYearsJanuary) {
    SetStored([](Settings& s) { s.startWeek = 5; });  // Thursday: no item in the list
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(Page(kCalendarPage).Selected(IDC_P1_WEEK_START), -1);
    Page(kCalendarPage).Choose(IDC_P1_MONTHS, 0);
    EXPECT_FALSE(Page(kCalendarPage).Enabled(IDC_P1_PAST));
    ASSERT_EQ(Page(kCalendarPage).Count(IDC_P1_PAST), 12);
    EXPECT_EQ(Page(kCalendarPage).ItemText(IDC_P1_PAST, 11), "11");
    Press(IDOK);
    EXPECT_EQ(doc->GetSettings().numOfMonth, 0);
    EXPECT_EQ(doc->GetSettings().numOfPast, 4);  // displayed May
    EXPECT_EQ(doc->GetSettings().startWeek, 5);
    EXPECT_EQ(doc->DayRange().firstShownDay, At(2024, 1, 1));
}

TEST_F(OptionsDialogTest, DaysInOneLineStackTheMonthsTheOtherWay) {
    ASSERT_NE(Open(), nullptr);
    Page(kCalendarPage).Choose(IDC_P1_MONTHS, 5);
    Page(kCalendarPage).Click(IDC_P1_MONTHS_HORIZONTAL);
    EXPECT_FALSE(Page(kCalendarPage).Enabled(IDC_P1_ROWS));
    EXPECT_TRUE(Page(kCalendarPage).Enabled(IDC_P1_COLUMNS));
    Page(kCalendarPage).Click(IDC_P1_DAYS_ROW);
    EXPECT_TRUE(Page(kCalendarPage).Checked(IDC_P1_MONTHS_VERTICAL));
    EXPECT_EQ(Page(kCalendarPage).Selected(IDC_P1_ROWS), 4);
    EXPECT_TRUE(Page(kCalendarPage).Enabled(IDC_P1_ROWS));
    EXPECT_FALSE(Page(kCalendarPage).Enabled(IDC_P1_COLUMNS));
    EXPECT_FALSE(Page(kCalendarPage).Enabled(IDC_P1_WEEK_START));

    Page(kCalendarPage).Choose(IDC_P1_MONTHS, 0);
    Page(kCalendarPage).Click(IDC_P1_DAYS_COLUMN);
    EXPECT_TRUE(Page(kCalendarPage).Checked(IDC_P1_MONTHS_HORIZONTAL));
    EXPECT_EQ(Page(kCalendarPage).Selected(IDC_P1_COLUMNS), 11);
    Page(kCalendarPage).Click(IDC_P1_DAYS_GRID);
    EXPECT_TRUE(Page(kCalendarPage).Enabled(IDC_P1_WEEK_START));
    Press(IDOK);
    const Settings s = doc->GetSettings();
    EXPECT_EQ(s.dayFormat, 0);
    EXPECT_EQ(s.calendarFormat, 1);
    EXPECT_EQ(s.numOfColumn, 12);
    EXPECT_EQ(s.numOfRow, 5);
}

TEST_F(OptionsDialogTest, OldTaskControlsHandOverOnlySafeValues) {
    ASSERT_NE(Open(), nullptr);
    EXPECT_FALSE(Page(kCalendarPage).Enabled(IDC_P1_OLD_DAYS));
    Page(kCalendarPage).Click(IDC_P1_OLD_CHECK);
    EXPECT_TRUE(Page(kCalendarPage).Enabled(IDC_P1_OLD_DAYS));
    EXPECT_TRUE(Page(kCalendarPage).Enabled(IDC_P1_OLD_ACTION));
    SetText(Page(kCalendarPage).Item(IDC_P1_OLD_DAYS), "500");
    Page(kCalendarPage).Choose(IDC_P1_OLD_ACTION, 1);
    Press(IDC_OPT_APPLY);
    EXPECT_EQ(doc->GetSettings().rmTaskSpan, 365);
    EXPECT_EQ(doc->GetSettings().rmOverTask, 1);

    Page(kCalendarPage).Click(IDC_P1_OLD_CHECK);  // unchecked, "削除する" still shown
    EXPECT_FALSE(Page(kCalendarPage).Enabled(IDC_P1_OLD_ACTION));
    EXPECT_EQ(Page(kCalendarPage).Selected(IDC_P1_OLD_ACTION), 1);
    Press(IDOK);
    EXPECT_EQ(doc->GetSettings().rmTaskInfo, 0);
    EXPECT_EQ(doc->GetSettings().rmOverTask, 0);
}

TEST_F(OptionsDialogTest, CalendarResetLeavesTheColumnCount) {
    SetStored([](Settings& s) {
        s.numOfMonth = 8;
        s.numOfColumn = 7;
        s.calendarFormat = 1;
        s.dayFormat = 2;
        s.rmTaskInfo = 1;
        s.rmTaskSpan = 40;
    });
    ASSERT_NE(Open(), nullptr);
    Page(kCalendarPage).Click(IDC_PAGE_RESET);
    EXPECT_EQ(Page(kCalendarPage).Selected(IDC_P1_MONTHS), 3);
    EXPECT_EQ(Page(kCalendarPage).Count(IDC_P1_PAST), 3);
    EXPECT_EQ(Page(kCalendarPage).Selected(IDC_P1_PAST), 1);
    EXPECT_TRUE(Page(kCalendarPage).Checked(IDC_P1_DAYS_GRID));
    EXPECT_TRUE(Page(kCalendarPage).Checked(IDC_P1_MONTHS_VERTICAL));
    EXPECT_EQ(Page(kCalendarPage).Selected(IDC_P1_ROWS), 2);
    EXPECT_EQ(Page(kCalendarPage).Selected(IDC_P1_COLUMNS), 6);
    EXPECT_FALSE(Page(kCalendarPage).Enabled(IDC_P1_OLD_SPIN));
    EXPECT_EQ(doc->GetSettings().numOfMonth, 8);  // nothing before OK
    Press(IDOK);
    const Settings s = doc->GetSettings();
    EXPECT_EQ(s.numOfMonth, 3);
    EXPECT_EQ(s.rmTaskSpan, 7);
    EXPECT_EQ(s.rmTaskInfo, 0);
    EXPECT_EQ(s.numOfColumn, 7);
}

TEST_F(OptionsDialogTest, TimePageShowsAndResetsItsSettings) {
    SetStored([](Settings& s) {
        s.time12or24 = 24;
        s.clockInfo = 1;
        s.dateFormat = 5;
        s.styleOfMonth = 1;
    });
    ASSERT_NE(Open(), nullptr);
    EXPECT_TRUE(Page(kTimePage).Checked(IDC_P5_24_HOURS));
    EXPECT_TRUE(Page(kTimePage).Checked(IDC_P5_CLOCK));
    EXPECT_EQ(Page(kTimePage).Selected(IDC_P5_DATE_FORMAT), 5);
    EXPECT_EQ(Page(kTimePage).ItemText(IDC_P5_DATE_FORMAT, 5), "dd.Jan.yyyy");
    EXPECT_TRUE(Page(kTimePage).Checked(IDC_P5_MONTH_NAME));
    Page(kTimePage).Click(IDC_PAGE_RESET);
    EXPECT_EQ(doc->GetSettings().dateFormat, 5);
    Press(IDOK);
    const Settings s = doc->GetSettings();
    EXPECT_EQ(s.time12or24, 12);
    EXPECT_EQ(s.clockInfo, 0);
    EXPECT_EQ(s.dateFormat, 0);
    EXPECT_EQ(s.styleOfMonth, 0);
}

TEST_F(OptionsDialogTest, WindowPageNeverHandsOverFullTransparency) {
    SetStored([](Settings& s) {
        s.transparent = 0;
        s.zOrder = 1;
        s.mouseTransparent = 1;
    });
    ASSERT_NE(Open(), nullptr);
    EXPECT_TRUE(Page(kWindowPage).Checked(IDC_P6_TOPMOST));
    EXPECT_TRUE(Page(kWindowPage).Checked(IDC_P6_CLICK_THROUGH));
    HWND track = Page(kWindowPage).Item(IDC_P6_TRANSPARENCY);
    EXPECT_EQ(SendMessageW(track, TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(SendMessageW(track, TBM_GETRANGEMAX, 0, 0), 255);
    TrackBarSetPos(track, 0);
    Press(IDC_OPT_APPLY);
    EXPECT_EQ(doc->GetSettings().transparent, 1);
    EXPECT_EQ(doc->GetSettings().zOrder, 1);
    EXPECT_EQ(doc->GetSettings().mouseTransparent, 1);

    Page(kWindowPage).Click(IDC_P6_BOTTOM);
    Press(IDC_OPT_APPLY);
    EXPECT_EQ(doc->GetSettings().zOrder, 2);
    Page(kWindowPage).Click(IDC_PAGE_RESET);
    Press(IDOK);
    const Settings s = doc->GetSettings();
    EXPECT_EQ(s.transparent, 148);
    EXPECT_EQ(s.zOrder, 0);
    EXPECT_EQ(s.mouseTransparent, 0);
    EXPECT_FALSE(s.startUp);
}

TEST_F(OptionsDialogTest, CheckedAutoStartWritesTheShortcutOnEveryOkAndUncheckedRemovesIt) {
    SetStored([](Settings& s) { s.startUp = true; });
    std::filesystem::path link = startupFolder / L"vesmira.lnk";
    std::FILE* old = _wfopen(link.c_str(), L"wb");
    ASSERT_NE(old, nullptr);
    std::fclose(old);
    ASSERT_NE(Open(), nullptr);
    Press(IDC_OPT_APPLY);
    std::optional<LinkContents> contents = ReadLink(LinkPath());
    ASSERT_TRUE(contents.has_value()) << "the old file was not replaced by a link";
    EXPECT_EQ(contents->target, ThisProgram());
    EXPECT_EQ(contents->arguments, "/s");
    EXPECT_EQ(contents->description, "コメント");
    EXPECT_EQ(contents->showCommand, SW_SHOWNORMAL);

    Page(kWindowPage).Click(IDC_P6_AUTO_START);
    Press(IDC_OPT_APPLY);
    EXPECT_EQ(GetFileAttributesW(link.c_str()), INVALID_FILE_ATTRIBUTES);
    Press(IDOK);  // nothing left to remove
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(doc->GetSettings().startUp);
}

TEST_F(OptionsDialogTest, ShortcutFailuresAreToldAfterTheSettingsAreSaved) {
    // A folder in the link's place can be neither replaced nor deleted as a file.
    CreateDirectoryW((startupFolder / L"vesmira.lnk").c_str(), nullptr);
    ASSERT_NE(Open(), nullptr);
    Press(IDC_OPT_APPLY);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "スタートアップからのショートカット削除に失敗しました。手動でスタートアップからショー"
              "トカットを削除してください。");
    Page(kWindowPage).Click(IDC_P6_AUTO_START);
    Press(IDC_OPT_APPLY);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1],
              "スタートアップへのショートカット作成に失敗しました。手動でスタートアップにショートカ"
              "ットを作成してください。");
    EXPECT_TRUE(doc->GetSettings().startUp);
    EXPECT_TRUE(FileHas("startUp=1"));
    EXPECT_TRUE(IsWindow(window));  // Apply still leaves the dialog open

    hooks.shortcutPlace.executablePath = [] { return std::optional<std::string>(); };
    dialog.reset();
    ASSERT_NE(Open(), nullptr);
    Press(IDOK);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[2],
              "実行モジュールのフルパスの取得に失敗しました。手動でスタートアップへの登録をお願いし"
              "ます。");
    EXPECT_FALSE(IsWindow(window));
}

TEST(StartupShortcutPlaceTest, SystemPlaceIsThisProgramAndAnExistingStartupFolder) {
    StartupShortcutPlace place = SystemStartupPlace();
    EXPECT_EQ(place.executablePath(), ThisProgram());
    std::optional<std::string> folder = place.startupFolder();
    ASSERT_TRUE(folder.has_value());
    const DWORD attributes = GetFileAttributesW(Widen(*folder).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace
}  // namespace vesm
