// The editor for one holiday or special-day rule: a fixed date or the n-th
// weekday of a month, and a name. It writes the caller's rule only on OK.
#pragma once

#include <windows.h>

#include <string_view>

#include "doc/holiday_time.h"
#include "options/rule_page_rules.h"
#include "win32/dialog.h"

namespace vesm {

struct RuleEditorContext {
    int dateFormat = 0;  // the month texts follow the document's date layout
    DateTime reference;  // the first shown month; the rule's concrete date follows it
};

class CHolidayAdd : public Dialog {
public:
    CHolidayAdd(CHolidayTime& rule, RuleEditorContext context);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;
    // Input problems; tests record them instead of showing a message box.
    virtual void Warn(std::string_view text);

private:
    void RefillDayList(int wantedIndex);
    void UpdateEnabled();
    RuleEditorInput ReadInput() const;

    CHolidayTime& rule_;
    RuleEditorContext context_;
};

}  // namespace vesm
