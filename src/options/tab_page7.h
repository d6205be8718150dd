// The options page "暦": which of the Japanese calendar's marks the calendar
// shows (六曜, the 旧暦 date, 二十四節気, era years, week numbers) and where.
#pragma once

#include "options/options_page.h"

namespace vesm {

class CTabPage7 : public COptionsPage {
public:
    CTabPage7();

    void Load(const OptionsValues& values) override;
    void Store(OptionsValues& values) const override;

protected:
    void Reset() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void Show(const Settings& marks);
};

}  // namespace vesm
