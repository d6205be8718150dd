#include "options/tab_page5.h"

#include "options/calendar_page_rules.h"
#include "res/resource.h"
#include "win32/controls.h"

namespace vesm {

CTabPage5::CTabPage5() : COptionsPage(IDD_PAGE_TIME) {}

void CTabPage5::Load(const OptionsValues& values) {
    const Settings& s = values.settings;
    loadedDateFormat_ = s.dateFormat;
    CheckRadio(Hwnd(), IDC_P5_12_HOURS, IDC_P5_24_HOURS,
               s.time12or24 == 12 ? IDC_P5_12_HOURS : IDC_P5_24_HOURS);
    SetChecked(Hwnd(), IDC_P5_CLOCK, s.clockInfo != 0);
    HWND formats = Item(IDC_P5_DATE_FORMAT);
    SendMessageW(formats, CB_RESETCONTENT, 0, 0);
    ComboFill(formats, {"yyyy.mm.dd", "yyyy.Jan.dd", "mm.dd.yyyy", "Jan.dd.yyyy", "dd.mm.yyyy",
                        "dd.Jan.yyyy"});
    ComboSelect(formats, s.dateFormat);
    CheckRadio(Hwnd(), IDC_P5_MONTH_NUMBER, IDC_P5_MONTH_NAME,
               s.styleOfMonth == 0 ? IDC_P5_MONTH_NUMBER : IDC_P5_MONTH_NAME);
}

void CTabPage5::Store(OptionsValues& values) const {
    Settings& s = values.settings;
    s.time12or24 = IsChecked(Hwnd(), IDC_P5_12_HOURS) ? 12 : 24;
    s.clockInfo = IsChecked(Hwnd(), IDC_P5_CLOCK) ? 1 : 0;
    s.dateFormat = ChosenOrStored(ComboSelection(Item(IDC_P5_DATE_FORMAT)), 0, loadedDateFormat_);
    s.styleOfMonth = IsChecked(Hwnd(), IDC_P5_MONTH_NUMBER) ? 0 : 1;
}

void CTabPage5::Reset() {
    CheckRadio(Hwnd(), IDC_P5_12_HOURS, IDC_P5_24_HOURS, IDC_P5_12_HOURS);
    SetChecked(Hwnd(), IDC_P5_CLOCK, false);
    ComboSelect(Item(IDC_P5_DATE_FORMAT), 0);
    CheckRadio(Hwnd(), IDC_P5_MONTH_NUMBER, IDC_P5_MONTH_NAME, IDC_P5_MONTH_NUMBER);
}

bool CTabPage5::OnCommand(int id, int code, HWND control) {
    if (id == IDC_PAGE_RESET && code == BN_CLICKED) {
        Reset();
        return true;
    }
    return COptionsPage::OnCommand(id, code, control);
}

}  // namespace vesm
