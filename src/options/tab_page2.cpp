#include "options/tab_page2.h"

#include "doc/builtin_lists.h"
#include "options/rule_page_rules.h"
#include "res/resource.h"
#include "win32/controls.h"

namespace vesm {
namespace {

constexpr RuleListLayout kHolidayLayout = {
    .templateId = IDD_PAGE_HOLIDAY,
    .kind = kHolidayKind,
    .listId = IDC_HOLIDAY_LIST,
    .addId = IDC_HOLIDAY_ADD,
    .changeId = IDC_HOLIDAY_CHANGE,
    .deleteId = IDC_HOLIDAY_DELETE,
    .groupId = IDC_HOLIDAY_GROUP,
    .groupText = "祝日一覧（春分、秋分の日以外）",
    .nameColumn = "祝日名",
    .noRuleToChange = "変更する祝日を選択してください",
    .noRuleToDelete = "削除する祝日を選択してください",
};

// fallsOnSun: 1 moves to the next day that is not a holiday, 0 keeps it.
int SundayRadio(int fallsOnSun) {
    return fallsOnSun == 1 ? IDC_SUN_NEXT_DAY : IDC_SUN_NONE;
}

// fallsOnSat: 1 next Monday, 2 previous Friday, 0 no substitute.
int SaturdayRadio(int fallsOnSat) {
    if (fallsOnSat == 1) return IDC_SAT_MONDAY;
    if (fallsOnSat == 2) return IDC_SAT_FRIDAY;
    return IDC_SAT_NONE;
}

}  // namespace

CTabPage2::CTabPage2() : RuleListPage(kHolidayLayout) {}

void CTabPage2::Load(const OptionsValues& values) {
    LoadRules(values.holidays, values);
    const Settings& settings = values.settings;
    SetChecked(Hwnd(), IDC_EQUINOX, settings.equinoxBool);
    SetChecked(Hwnd(), IDC_BETWEEN, settings.betweenBool);
    CheckRadio(Hwnd(), IDC_SUN_NEXT_DAY, IDC_SUN_NONE, SundayRadio(settings.fallsOnSun));
    CheckRadio(Hwnd(), IDC_SAT_FRIDAY, IDC_SAT_NONE, SaturdayRadio(settings.fallsOnSat));
}

void CTabPage2::Store(OptionsValues& values) const {
    Settings& settings = values.settings;
    settings.equinoxBool = IsChecked(Hwnd(), IDC_EQUINOX);
    settings.betweenBool = IsChecked(Hwnd(), IDC_BETWEEN);
    settings.fallsOnSun = IsChecked(Hwnd(), IDC_SUN_NEXT_DAY) ? 1 : 0;
    settings.fallsOnSat = 0;
    if (IsChecked(Hwnd(), IDC_SAT_MONDAY)) settings.fallsOnSat = 1;
    if (IsChecked(Hwnd(), IDC_SAT_FRIDAY)) settings.fallsOnSat = 2;
    values.holidays = WorkingList();
}

void CTabPage2::Reset() {
    SetChecked(Hwnd(), IDC_EQUINOX, true);
    SetChecked(Hwnd(), IDC_BETWEEN, true);
    CheckRadio(Hwnd(), IDC_SUN_NEXT_DAY, IDC_SUN_NONE, IDC_SUN_NEXT_DAY);
    CheckRadio(Hwnd(), IDC_SAT_FRIDAY, IDC_SAT_NONE, IDC_SAT_NONE);
    ResetRules(kBuiltInHolidays);
}

}  // namespace vesm
