#include "options/tab_page7.h"

#include "res/resource.h"
#include "win32/controls.h"

namespace vesm {

namespace {

// Three radios in id order stand for the values 0, 1 and 2.
int ChosenOf(HWND page, int firstId) {
    return CheckedRadio(page, firstId, firstId + 2).value_or(firstId) - firstId;
}

void ChooseOf(HWND page, int firstId, int value) {
    CheckRadio(page, firstId, firstId + 2, firstId + (value >= 0 && value <= 2 ? value : 0));
}

}  // namespace

CTabPage7::CTabPage7() : COptionsPage(IDD_PAGE_KOYOMI) {}

void CTabPage7::Load(const OptionsValues& values) {
    Show(values.settings);
}

void CTabPage7::Show(const Settings& marks) {
    ChooseOf(Hwnd(), IDC_P7_ROKUYO_OFF, marks.rokuyoInfo);
    SetChecked(Hwnd(), IDC_P7_KYUREKI, marks.kyurekiInfo == 1);
    ChooseOf(Hwnd(), IDC_P7_SEKKI_OFF, marks.sekkiInfo);
    SetChecked(Hwnd(), IDC_P7_WAREKI, marks.warekiInfo == 1);
    ChooseOf(Hwnd(), IDC_P7_WEEK_OFF, marks.weekNumberInfo);
}

void CTabPage7::Store(OptionsValues& values) const {
    Settings& s = values.settings;
    s.rokuyoInfo = ChosenOf(Hwnd(), IDC_P7_ROKUYO_OFF);
    s.kyurekiInfo = IsChecked(Hwnd(), IDC_P7_KYUREKI) ? 1 : 0;
    s.sekkiInfo = ChosenOf(Hwnd(), IDC_P7_SEKKI_OFF);
    s.warekiInfo = IsChecked(Hwnd(), IDC_P7_WAREKI) ? 1 : 0;
    s.weekNumberInfo = ChosenOf(Hwnd(), IDC_P7_WEEK_OFF);
}

void CTabPage7::Reset() {
    Show(Settings{});
}

bool CTabPage7::OnCommand(int id, int code, HWND control) {
    if (id == IDC_PAGE_RESET && code == BN_CLICKED) {
        Reset();
        return true;
    }
    return COptionsPage::OnCommand(id, code, control);
}

}  // namespace vesm
