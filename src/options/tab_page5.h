// The options page "時刻と日付": 12- or 24-hour clock, whether the calendar
// shows the clock, the date format of lists, and how month titles read.
#pragma once

#include "options/options_page.h"

namespace vesm {

class CTabPage5 : public COptionsPage {
public:
    CTabPage5();

    void Load(const OptionsValues& values) override;
    void Store(OptionsValues& values) const override;

protected:
    void Reset() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    int loadedDateFormat_ = 0;
};

}  // namespace vesm
