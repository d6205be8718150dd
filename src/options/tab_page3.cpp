#include "options/tab_page3.h"

#include "doc/builtin_lists.h"
#include "options/rule_page_rules.h"
#include "res/resource.h"

namespace vesm {
namespace {

constexpr RuleListLayout kSpecialDayLayout = {
    .templateId = IDD_PAGE_SPECIAL_DAY,
    .kind = kSpecialDayKind,
    .listId = IDC_SPECIAL_LIST,
    .addId = IDC_SPECIAL_ADD,
    .changeId = IDC_SPECIAL_CHANGE,
    .deleteId = IDC_SPECIAL_DELETE,
    .groupId = IDC_SPECIAL_GROUP,
    .groupText = "記念日一覧",
    .nameColumn = "記念日名",
    .noRuleToChange = "変更する記念日を選択してください",
    .noRuleToDelete = "削除する記念日を選択してください",
};

}  // namespace

CTabPage3::CTabPage3() : RuleListPage(kSpecialDayLayout) {}

void CTabPage3::Load(const OptionsValues& values) {
    LoadRules(values.specialDays, values);
}

void CTabPage3::Store(OptionsValues& values) const {
    values.specialDays = WorkingList();
}

void CTabPage3::Reset() {
    ResetRules(kBuiltInSpecialDays);
}

}  // namespace vesm
