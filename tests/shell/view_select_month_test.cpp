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
#include "shell/support/dialog_driver.h"
#include "view/select_month_dialog.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d) {
    return DateTime::Build(y, m, d).value();
}

TEST(SelectMonthTest, OpensOnTheDisplayedMonthRefusesOtherYearsAndCancelKeepsIt) {
    FakeHost host;
    host.now = At(2026, 5, 20);
    CvesmDoc doc(host);
    doc.SetDisplayDate(At(2026, 5, 1));
    host.messages.clear();
    auto dialog = std::make_unique<CSelectMonthDialog>(doc);
    DialogDriver select(dialog->CreateModeless(nullptr));
    ASSERT_TRUE(select.IsOpen()) << "dialog 461 is not linked in";
    EXPECT_EQ(select.Title(), "表示月の選択");
    EXPECT_EQ(select.Count(IDC_SELECT_MONTH_LIST), 12);
    EXPECT_EQ(select.Selected(IDC_SELECT_MONTH_LIST), 4);
    EXPECT_EQ(select.Text(IDC_SELECT_MONTH_YEAR), "2026");
    int low = 0;
    int high = 0;
    SendMessageW(select.Item(IDC_SELECT_MONTH_SPIN), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                 reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 1980);
    EXPECT_EQ(high, 2099);

    ComboSelect(select.Item(IDC_SELECT_MONTH_LIST), 11);
    for (const char* year : {"2100", "1979", ""}) {
        host.messages.clear();
        select.Type(IDC_SELECT_MONTH_YEAR, year);
        select.Press(IDOK);
        ASSERT_EQ(host.messages.size(), 1u) << "year " << year;
        EXPECT_EQ(host.messages[0].text, "1980年～2099年の間で指定してください。");
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(doc.DisplayDate(), At(2026, 5, 1));
        EXPECT_TRUE(select.IsOpen());
    }
    select.Type(IDC_SELECT_MONTH_YEAR, "2099");
    select.Press(IDOK);
    EXPECT_EQ(doc.DisplayDate(), At(2099, 12, 1));
    EXPECT_EQ(dialog->Result(), IDOK);

    dialog = std::make_unique<CSelectMonthDialog>(doc);
    select = DialogDriver(dialog->CreateModeless(nullptr));
    EXPECT_EQ(select.Text(IDC_SELECT_MONTH_YEAR), "2099");
    ComboSelect(select.Item(IDC_SELECT_MONTH_LIST), 0);
    select.Type(IDC_SELECT_MONTH_YEAR, "2000");
    select.Press(IDCANCEL);
    EXPECT_EQ(doc.DisplayDate(), At(2099, 12, 1));
    EXPECT_EQ(dialog->Result(), IDCANCEL);
}

}  // namespace
}  // namespace vesm
