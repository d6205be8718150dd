#include "options/tab_page6.h"

#include <commctrl.h>

#include "options/window_page_rules.h"
#include "res/resource.h"
#include "win32/controls.h"

namespace vesm {

namespace {

constexpr int kDefaultTransparency = 148;

int StackingRadio(int zOrder) {
    return zOrder == 0 ? IDC_P6_NORMAL : zOrder == 1 ? IDC_P6_TOPMOST : IDC_P6_BOTTOM;
}

}  // namespace

CTabPage6::CTabPage6() : COptionsPage(IDD_PAGE_WINDOW) {}

void CTabPage6::Load(const OptionsValues& values) {
    const Settings& s = values.settings;
    SetChecked(Hwnd(), IDC_P6_AUTO_START, s.startUp);
    HWND track = Item(IDC_P6_TRANSPARENCY);
    TrackBarSetRange(track, kTransparencyMin, kTransparencyMax);
    SendMessageW(track, TBM_SETTICFREQ, 8, 0);
    TrackBarSetPos(track, s.transparent);
    CheckRadio(Hwnd(), IDC_P6_NORMAL, IDC_P6_BOTTOM, StackingRadio(s.zOrder));
    SetChecked(Hwnd(), IDC_P6_CLICK_THROUGH, s.mouseTransparent != 0);
}

void CTabPage6::Store(OptionsValues& values) const {
    Settings& s = values.settings;
    s.startUp = IsChecked(Hwnd(), IDC_P6_AUTO_START);
    s.transparent = TransparencyFrom(TrackBarPos(Item(IDC_P6_TRANSPARENCY)));
    s.zOrder = IsChecked(Hwnd(), IDC_P6_NORMAL) ? 0 : IsChecked(Hwnd(), IDC_P6_TOPMOST) ? 1 : 2;
    s.mouseTransparent = IsChecked(Hwnd(), IDC_P6_CLICK_THROUGH) ? 1 : 0;
}

void CTabPage6::Reset() {
    SetChecked(Hwnd(), IDC_P6_AUTO_START, false);
    TrackBarSetPos(Item(IDC_P6_TRANSPARENCY), kDefaultTransparency);
    CheckRadio(Hwnd(), IDC_P6_NORMAL, IDC_P6_BOTTOM, IDC_P6_NORMAL);
    SetChecked(Hwnd(), IDC_P6_CLICK_THROUGH, false);
}

bool CTabPage6::OnCommand(int id, int code, HWND control) {
    if (id == IDC_PAGE_RESET && code == BN_CLICKED) {
        Reset();
        return true;
    }
    return COptionsPage::OnCommand(id, code, control);
}

}  // namespace vesm
