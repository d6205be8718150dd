#include "doc/holiday_list_upgrade.h"

#include <algorithm>
#include <string_view>
#include <tuple>

#include "doc/rule_parse.h"

namespace vesm {

namespace {

constexpr std::string_view kFirstBuiltInHolidays =
    "1`1`1`0`元旦`1`1`2`2`成人の日`1`2`11`0`建国記念日`1`4`29`0`昭和の日`1`5`3`0`憲法記念日`"
    "1`5`4`0`みどりの日`1`5`5`0`子供の日`1`7`3`2`海の日`1`9`3`2`敬老の日`1`10`2`2`体育の日`"
    "1`11`3`0`文化の日`1`11`23`0`勤労感謝の日`1`12`23`0`天皇誕生日";

constexpr std::string_view kYearlessLawHolidays =
    "1`1`1`0`元旦`1`1`2`2`成人の日`1`2`11`0`建国記念日`1`2`23`0`天皇誕生日`1`4`29`0`昭和の日`"
    "1`5`3`0`憲法記念日`1`5`4`0`みどりの日`1`5`5`0`子供の日`1`7`3`2`海の日`1`8`11`0`山の日`"
    "1`9`3`2`敬老の日`1`10`2`2`スポーツの日`1`11`3`0`文化の日`1`11`23`0`勤労感謝の日";

using RuleIdentity = std::tuple<int, int, int, int, std::string, int, int>;

template <typename Rule>
RuleIdentity Identity(const Rule& rule) {
    return {rule.kind, rule.month,     rule.dayOrOrdinal, rule.weekday,
            rule.name, rule.firstYear, rule.lastYear};
}

template <typename Rule>
std::vector<RuleIdentity> SortedIdentities(const std::vector<Rule>& rules) {
    std::vector<RuleIdentity> identities;
    for (const Rule& rule : rules) identities.push_back(Identity(rule));
    std::sort(identities.begin(), identities.end());
    return identities;
}

}  // namespace

bool IsEarlierBuiltInHolidayList(const std::vector<CHolidayTime>& rules) {
    constexpr std::size_t kFirstListSize = 13, kLawListSize = 14;
    if (rules.size() != kFirstListSize && rules.size() != kLawListSize) return false;
    const std::vector<RuleIdentity> identities = SortedIdentities(rules);
    for (std::string_view earlier : {kFirstBuiltInHolidays, kYearlessLawHolidays}) {
        if (identities == SortedIdentities(ParseRuleValue(earlier).rules)) return true;
    }
    return false;
}

}  // namespace vesm
