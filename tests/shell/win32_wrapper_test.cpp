// The wrapper layer: text conversion, window and dialog binding, and the
// control helpers the dialogs use.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include "res/resource.h"
#include "win32/controls.h"
#include "win32/dialog.h"
#include "win32/utf.h"
#include "win32/window.h"

namespace vesm {
namespace {

TEST(UtfTest, JapaneseTextRoundTrips) {
    const std::string text = "バージョン情報 〜 ①㈱ 𠮷";
    EXPECT_EQ(Narrow(Widen(text)), text);
    EXPECT_EQ(Widen("予定"), L"予定");
    EXPECT_TRUE(Widen("").empty());
}

TEST(UtfTest, BrokenInputBecomesReplacementCharacters) {
    EXPECT_EQ(Widen("a\xff"
                    "b"),
              L"a\xfffd"
              L"b");
    const wchar_t loneSurrogate[] = {L'x', static_cast<wchar_t>(0xd800), L'y', 0};
    EXPECT_EQ(Narrow(loneSurrogate), "x\xef\xbf\xbdy");
}

class ProbeWindow : public Window {
public:
    bool refuseCreate = false;
    int creates = 0;
    int commands = 0;
    static constexpr wchar_t kClass[] = L"vesmWrapperProbe";

    bool Make() {
        WindowClassInfo info;
        info.name = kClass;
        if (!RegisterClass(info)) return false;
        WindowCreateInfo create;
        create.className = kClass;
        create.title = L"probe";
        create.style = WS_POPUP;
        return Create(create);
    }

protected:
    bool OnCreate(const CREATESTRUCTW&) override {
        ++creates;
        return !refuseCreate;
    }
    bool OnCommand(int id, int, HWND) override {
        if (id != 7) return false;
        ++commands;
        return true;
    }
};

TEST(WindowTest, BindsTheObjectAndRoutesMessages) {
    HWND hwnd = nullptr;
    {
        ProbeWindow probe;
        ASSERT_TRUE(probe.Make());
        hwnd = probe.Hwnd();
        EXPECT_EQ(probe.creates, 1);
        EXPECT_EQ(reinterpret_cast<ProbeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)), &probe);
        SendMessageW(hwnd, WM_COMMAND, 7, 0);
        SendMessageW(hwnd, WM_COMMAND, 8, 0);
        EXPECT_EQ(probe.commands, 1);
    }
    // The object took its window with it.
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(WindowTest, RefusedCreationFailsAndLeavesNoWindow) {
    ProbeWindow probe;
    probe.refuseCreate = true;
    EXPECT_FALSE(probe.Make());
    EXPECT_EQ(probe.Hwnd(), nullptr);
}

TEST(DialogTest, ModelessDialogEndsWithTheCommandsResult) {
    for (int command : {IDOK, IDCANCEL}) {
        Dialog dialog(IDD_ABOUTBOX);
        HWND hwnd = dialog.CreateModeless(nullptr);
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(dialog.Result(), 0);
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        EXPECT_FALSE(IsWindow(hwnd));
        EXPECT_EQ(dialog.Result(), command);
        EXPECT_EQ(dialog.Hwnd(), nullptr);
    }
}

TEST(DialogTest, MissingTemplateFails) {
    Dialog dialog(9999);
    EXPECT_EQ(dialog.CreateModeless(nullptr), nullptr);
    EXPECT_EQ(dialog.DoModal(nullptr), -1);
}

class ControlsTest : public testing::Test {
protected:
    HWND host = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                                nullptr, nullptr);
    void TearDown() override { DestroyWindow(host); }
    HWND Child(const wchar_t* className, DWORD style, int id) {
        return CreateWindowExW(0, className, L"", WS_CHILD | style, 0, 0, 200, 200, host,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
};

TEST_F(ControlsTest, ComboFillsNumbersSelectsAndReads) {
    HWND combo = Child(WC_COMBOBOXW, CBS_DROPDOWNLIST, 10);
    ComboFillNumbers(combo, 5, 60, L"%02d");
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 56);
    EXPECT_EQ(ComboSelection(combo), -1);
    ComboSelect(combo, 3);
    EXPECT_EQ(ComboSelection(combo), 3);
    EXPECT_EQ(GetText(combo), "08");
    ComboFill(combo, {"日曜日", "月曜日"});
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 58);
}

TEST_F(ControlsTest, ListViewRowsKeepTheirCells) {
    HWND list = Child(WC_LISTVIEWW, LVS_REPORT, 11);
    ListViewAddColumn(list, 0, "日付", 80);
    ListViewAddColumn(list, 1, "予定", 120);
    EXPECT_EQ(ListViewInsertRow(list, 0, {"5/10", "会議"}), 0);
    EXPECT_EQ(ListViewInsertRow(list, 0, {"5/9", "買い物"}), 0);
    EXPECT_EQ(ListViewRowCount(list), 2);
    EXPECT_EQ(ListViewCell(list, 1, 1), "会議");
    EXPECT_EQ(ListViewSelection(list), -1);
    ListViewSelect(list, 1);
    EXPECT_EQ(ListViewSelection(list), 1);
    ListViewClear(list);
    EXPECT_EQ(ListViewRowCount(list), 0);
}

TEST_F(ControlsTest, UpDownReportsTextThatIsNotAPosition) {
    HWND edit = Child(L"EDIT", ES_NUMBER, 12);
    HWND upDown = Child(UPDOWN_CLASSW, UDS_SETBUDDYINT, 13);
    SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    UpDownSetRange(upDown, 1900, 2099);
    UpDownSetPos(upDown, 2026);
    EXPECT_EQ(UpDownPos(upDown), std::optional<int>(2026));
    SetText(edit, "abc");
    EXPECT_EQ(UpDownPos(upDown), std::nullopt);
}

TEST_F(ControlsTest, ChecksAndRadiosFollowTheirHelpers) {
    for (int id = 20; id <= 22; ++id) Child(L"BUTTON", BS_AUTORADIOBUTTON, id);
    EXPECT_EQ(CheckedRadio(host, 20, 22), std::nullopt);
    CheckRadio(host, 20, 22, 21);
    EXPECT_EQ(CheckedRadio(host, 20, 22), std::optional<int>(21));
    SetChecked(host, 22, true);
    EXPECT_TRUE(IsChecked(host, 22));
    SetChecked(host, 22, false);
    EXPECT_FALSE(IsChecked(host, 22));
}

}  // namespace
}  // namespace vesm
