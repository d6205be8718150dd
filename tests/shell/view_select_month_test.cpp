// The select-month dialog under Wine: it opens on the displayed month and
// accepts only years 1980 to 2099.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "model/support/fake_host.h"
#include "res/resource.h"
#include "view/select_month_dialog.h"
#include "win32/controls.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d) {
    return DateTime::Build(y, m, d).value();
}

class SelectMonthTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
        host.now = At(2026, 5, 20);
        doc = std::make_unique<CvesmDoc>(host);
        doc->SetDisplayDate(At(2026, 5, 1));
        dialog = std::make_unique<CSelectMonthDialog>(*doc);
        ASSERT_NE(dialog->CreateModeless(nullptr), nullptr) << "dialog 461 is not linked in";
        host.messages.clear();
    }

    void Choose(int month, const wchar_t* year) {
        ComboSelect(dialog->Item(IDC_SELECT_MONTH_LIST), month - 1);
        SetWindowTextW(dialog->Item(IDC_SELECT_MONTH_YEAR), year);
        SendMessageW(dialog->Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::unique_ptr<CSelectMonthDialog> dialog;
};

TEST_F(SelectMonthTest, OpensOnTheDisplayedMonthWithTwelveMonths) {
    EXPECT_EQ(GetText(dialog->Hwnd()), "表示月の選択");
    HWND months = dialog->Item(IDC_SELECT_MONTH_LIST);
    EXPECT_EQ(SendMessageW(months, CB_GETCOUNT, 0, 0), 12);
    EXPECT_EQ(ComboSelection(months), 4);
    EXPECT_EQ(GetText(dialog->Item(IDC_SELECT_MONTH_YEAR)), "2026");
    int low = 0;
    int high = 0;
    SendMessageW(dialog->Item(IDC_SELECT_MONTH_SPIN), UDM_GETRANGE32,
                 reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 1980);
    EXPECT_EQ(high, 2099);
}

TEST_F(SelectMonthTest, YearsOutsideTheRangeAreRefusedAndTheDialogStays) {
    for (const wchar_t* year : {L"2100", L"1979", L""}) {
        host.messages.clear();
        Choose(3, year);
        ASSERT_EQ(host.messages.size(), 1u) << "year " << year;
        EXPECT_EQ(host.messages[0].text, "1980年～2099年の間で指定してください。");
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(doc->DisplayDate(), At(2026, 5, 1));
        EXPECT_TRUE(IsWindow(dialog->Hwnd()));
    }
}

TEST_F(SelectMonthTest, December2099IsAcceptedAndShown) {
    Choose(12, L"2099");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(doc->DisplayDate(), At(2099, 12, 1));
    EXPECT_EQ(dialog->Result(), IDOK);
}

TEST_F(SelectMonthTest, CancelChangesNothing) {
    ComboSelect(dialog->Item(IDC_SELECT_MONTH_LIST), 0);
    SetWindowTextW(dialog->Item(IDC_SELECT_MONTH_YEAR), L"2000");
    SendMessageW(dialog->Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(doc->DisplayDate(), At(2026, 5, 1));
    EXPECT_EQ(dialog->Result(), IDCANCEL);
}

}  // namespace
}  // namespace vesm
