#include "view/select_month_dialog.h"

#include "doc/doc.h"
#include "res/resource.h"
#include "view/month_navigation.h"
#include "view/navigation_commands.h"
#include "win32/controls.h"

namespace vesm {

CSelectMonthDialog::CSelectMonthDialog(CvesmDoc& doc) : Dialog(IDD_SELECT_MONTH), doc_(doc) {}

bool CSelectMonthDialog::OnInitDialog() {
    SetText(Hwnd(), "表示月の選択");
    const DateFields displayed = doc_.DisplayDate().Fields();
    HWND months = Item(IDC_SELECT_MONTH_LIST);
    ComboFillNumbers(months, 1, 12);
    ComboSelect(months, displayed.month - 1);
    HWND years = Item(IDC_SELECT_MONTH_SPIN);
    UpDownSetRange(years, kFirstShownYear, kLastShownYear);
    UpDownSetPos(years, displayed.year);
    return true;
}

void CSelectMonthDialog::OnOK() {
    // A year that is no valid position counts as out of range.
    const int year = UpDownPos(Item(IDC_SELECT_MONTH_SPIN)).value_or(0);
    const int month = ComboSelection(Item(IDC_SELECT_MONTH_LIST)) + 1;
    if (ShowChosenMonth(doc_, year, month, Hwnd())) End(IDOK);
}

}  // namespace vesm
