// The options page "祝日": the holiday rules, the equinox and in-between days,
// and what a holiday on a Sunday or a Saturday moves to.
#pragma once

#include "options/rule_list_page.h"

namespace vesm {

class CTabPage2 : public RuleListPage {
public:
    CTabPage2();

    void Load(const OptionsValues& values) override;
    void Store(OptionsValues& values) const override;

protected:
    void Reset() override;
};

}  // namespace vesm
