#include "options/holiday_add.h"

#include <utility>

#include "res/resource.h"
#include "win32/controls.h"
#include "win32/message_box.h"

namespace vesm {

namespace {
constexpr int kYearFieldLimit = 4;  // digits a year edit takes
}  // namespace

CHolidayAdd::CHolidayAdd(CHolidayTime& rule, RuleEditorContext context)
    : Dialog(IDD_RULE_EDITOR), rule_(rule), context_(context) {}

bool CHolidayAdd::OnInitDialog() {
    CheckRadio(Hwnd(), IDC_RULE_BY_DATE, IDC_RULE_BY_WEEKDAY,
               rule_.weekday == 0 ? IDC_RULE_BY_DATE : IDC_RULE_BY_WEEKDAY);
    const std::vector<std::string> months = MonthChoices(context_.dateFormat);
    ComboFill(Item(IDC_RULE_DATE_MONTH), months);
    ComboSelect(Item(IDC_RULE_DATE_MONTH), rule_.month - 1);
    RefillDayList(rule_.dayOrOrdinal - 1);
    ComboFill(Item(IDC_RULE_ORDINAL), OrdinalChoices());
    ComboSelect(Item(IDC_RULE_ORDINAL), rule_.dayOrOrdinal - 1);
    ComboFill(Item(IDC_RULE_WEEKDAY), WeekdayChoices());
    ComboSelect(Item(IDC_RULE_WEEKDAY), rule_.weekday - 1);
    ComboFill(Item(IDC_RULE_WEEK_MONTH), months);
    ComboSelect(Item(IDC_RULE_WEEK_MONTH), rule_.month - 1);
    UpdateEnabled();
    SetText(Hwnd(), RuleEditorCaption(rule_.kind, rule_.name));
    SetText(Item(IDC_RULE_NAME_GROUP), RuleNameLabel(rule_.kind));
    SendMessageW(Item(IDC_RULE_NAME), EM_LIMITTEXT, kRuleNameLimit, 0);
    SetText(Item(IDC_RULE_NAME), rule_.name);
    for (auto [id, year] : {std::pair{IDC_RULE_FIRST_YEAR, rule_.firstYear},
                            std::pair{IDC_RULE_LAST_YEAR, rule_.lastYear}}) {
        SendMessageW(Item(id), EM_LIMITTEXT, kYearFieldLimit, 0);
        SetText(Item(id), YearFieldText(year));
    }
    return true;
}

bool CHolidayAdd::OnCommand(int id, int code, HWND control) {
    if ((id == IDC_RULE_BY_DATE || id == IDC_RULE_BY_WEEKDAY) && code == BN_CLICKED) {
        UpdateEnabled();
        return true;
    }
    if (id == IDC_RULE_DATE_MONTH && code == CBN_SELCHANGE) {
        RefillDayList(ComboSelection(Item(IDC_RULE_DATE_DAY)));
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

void CHolidayAdd::OnOK() {
    const RuleEditorInput input = ReadInput();
    if (std::optional<std::string> problem = CheckRuleInput(input, rule_.kind)) {
        Warn(*problem);
        return;
    }
    const RuleEditorResult date = ReadRuleInput(input);
    rule_.Set(context_.reference, date.month, date.dayOrOrdinal, rule_.kind, date.weekday,
              input.name);
    rule_.firstYear = date.firstYear;
    rule_.lastYear = date.lastYear;
    End(IDOK);
}

void CHolidayAdd::Warn(std::string_view text) {
    ShowMessageBox(Hwnd(), text, "vesmira", MB_OK | MB_ICONEXCLAMATION);
}

void CHolidayAdd::RefillDayList(int wantedIndex) {
    HWND days = Item(IDC_RULE_DATE_DAY);
    const DayChoices choices =
        RefillDayChoices(ComboSelection(Item(IDC_RULE_DATE_MONTH)), wantedIndex);
    SendMessageW(days, CB_RESETCONTENT, 0, 0);
    ComboFill(days, choices.items);
    ComboSelect(days, choices.selected);
}

void CHolidayAdd::UpdateEnabled() {
    const bool byDate = IsChecked(Hwnd(), IDC_RULE_BY_DATE);
    EnableItem(Hwnd(), IDC_RULE_DATE_MONTH, byDate);
    EnableItem(Hwnd(), IDC_RULE_DATE_DAY, byDate);
    EnableItem(Hwnd(), IDC_RULE_WEEK_MONTH, !byDate);
    EnableItem(Hwnd(), IDC_RULE_ORDINAL, !byDate);
    EnableItem(Hwnd(), IDC_RULE_WEEKDAY, !byDate);
}

RuleEditorInput CHolidayAdd::ReadInput() const {
    RuleEditorInput input;
    input.byDate = IsChecked(Hwnd(), IDC_RULE_BY_DATE);
    input.dateMonthIndex = ComboSelection(Item(IDC_RULE_DATE_MONTH));
    input.dayIndex = ComboSelection(Item(IDC_RULE_DATE_DAY));
    input.weekMonthIndex = ComboSelection(Item(IDC_RULE_WEEK_MONTH));
    input.ordinalIndex = ComboSelection(Item(IDC_RULE_ORDINAL));
    input.weekdayIndex = ComboSelection(Item(IDC_RULE_WEEKDAY));
    input.name = GetText(Item(IDC_RULE_NAME));
    input.firstYear = GetText(Item(IDC_RULE_FIRST_YEAR));
    input.lastYear = GetText(Item(IDC_RULE_LAST_YEAR));
    return input;
}

}  // namespace vesm
