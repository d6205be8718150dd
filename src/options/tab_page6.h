// The options page "ウィンドウ関連": stacking, click-through, transparency and
// whether the calendar starts at logon.
#pragma once

#include "options/options_page.h"

namespace vesm {

class CTabPage6 : public COptionsPage {
public:
    CTabPage6();

    void Load(const OptionsValues& values) override;
    void Store(OptionsValues& values) const override;

protected:
    void Reset() override;
    bool OnCommand(int id, int code, HWND control) override;
};

}  // namespace vesm
