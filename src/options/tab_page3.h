// The options page "記念日": the special-day rules, edited like the holidays.
#pragma once

#include "options/rule_list_page.h"

namespace vesm {

class CTabPage3 : public RuleListPage {
public:
    CTabPage3();

    void Load(const OptionsValues& values) override;
    void Store(OptionsValues& values) const override;

protected:
    void Reset() override;
};

}  // namespace vesm
