#include "options/rule_list_page.h"

#include <commctrl.h>

#include "doc/rule_parse.h"
#include "options/rule_page_rules.h"
#include "res/resource.h"
#include "win32/controls.h"
#include "win32/message_box.h"

namespace vesm {
namespace {

// The name column gives up room to the years; the three fill the list's width.
constexpr int kDateColumnWidth = 116;
constexpr int kNameColumnWidth = 150;
constexpr int kYearsColumnWidth = 76;

int TopRow(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
}
int RowsPerPage(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
}
void ScrollTo(HWND list, int row) {
    if (row >= 0) SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
}

}  // namespace

RuleListPage::RuleListPage(const RuleListLayout& layout)
    : COptionsPage(layout.templateId), layout_(layout) {}

bool RuleListPage::OnInitDialog() {
    SendMessageW(List(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    ListViewAddColumn(List(), 0, "日付", kDateColumnWidth);
    ListViewAddColumn(List(), 1, layout_.nameColumn, kNameColumnWidth);
    ListViewAddColumn(List(), 2, "適用年", kYearsColumnWidth);
    SetText(Item(layout_.groupId), layout_.groupText);
    return true;
}

bool RuleListPage::OnCommand(int id, int code, HWND control) {
    if (code != BN_CLICKED) return COptionsPage::OnCommand(id, code, control);
    if (id == layout_.addId) {
        AddRule();
    } else if (id == layout_.changeId) {
        ChangeRule();
    } else if (id == layout_.deleteId) {
        DeleteRule();
    } else if (id == IDC_RULE_PAGE_RESET) {
        Reset();
    } else {
        return COptionsPage::OnCommand(id, code, control);
    }
    return true;
}

bool RuleListPage::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom == static_cast<UINT_PTR>(layout_.listId) && header.code == NM_DBLCLK) {
        ChangeRule();
        result = 0;
        return true;
    }
    return false;
}

void RuleListPage::LoadRules(const std::vector<CHolidayTime>& rules, const OptionsValues& values) {
    context_ = RuleEditorContext{values.settings.dateFormat, values.firstShownMonth};
    working_ = rules;
    FillRuleList();
}

void RuleListPage::ResetRules(std::string_view builtInList) {
    working_.clear();
    // Sorted as the document sorts a loaded list: the built-in holidays hold
    // rules whose order by date changes from year to year.
    for (RuleFields& fields : ParseRuleValue(builtInList).rules) {
        InsertRuleSorted(working_, RuleFromFields(context_.reference, std::move(fields)));
    }
    FillRuleList();
}

void RuleListPage::FillRuleList() {
    ListViewClear(List());
    for (std::size_t index = 0; index < working_.size(); ++index) {
        const CHolidayTime& rule = working_[index];
        ListViewInsertRow(
            List(), static_cast<int>(index),
            {RuleDateText(rule, context_.dateFormat), rule.name, RuleYearsText(rule)});
    }
}

INT_PTR RuleListPage::RunEditor(CHolidayTime& rule, const RuleEditorContext& context) {
    CHolidayAdd editor(rule, context);
    // Owned by the options dialog, so it stays disabled while the editor is open.
    return editor.DoModal(GetAncestor(Hwnd(), GA_ROOT));
}

void RuleListPage::Warn(std::string_view text) {
    ShowMessageBox(GetAncestor(Hwnd(), GA_ROOT), text, "vesmira", MB_OK | MB_ICONEXCLAMATION);
}

void RuleListPage::AddRule() {
    CHolidayTime rule;
    rule.kind = layout_.kind;
    if (!EditRule(rule)) return;
    const int top = TopRow(List());
    ShowInserted(top, InsertRuleSorted(working_, rule));
}

void RuleListPage::ChangeRule() {
    const int selected = ListViewSelection(List());
    if (selected < 0 || static_cast<std::size_t>(selected) >= working_.size()) {
        Warn(layout_.noRuleToChange);
        return;
    }
    CHolidayTime rule = working_[static_cast<std::size_t>(selected)];
    if (!EditRule(rule)) return;
    const int top = TopRow(List());
    working_.erase(working_.begin() + selected);
    ShowInserted(top, InsertRuleSorted(working_, rule));
}

void RuleListPage::DeleteRule() {
    const int selected = ListViewSelection(List());
    if (selected < 0 || static_cast<std::size_t>(selected) >= working_.size()) {
        Warn(layout_.noRuleToDelete);
        return;
    }
    working_.erase(working_.begin() + selected);
    const int target =
        ScrollTargetAfterDelete(TopRow(List()), RowsPerPage(List()), ListViewRowCount(List()));
    FillRuleList();
    ScrollTo(List(), target);
}

bool RuleListPage::EditRule(CHolidayTime& rule) {
    const INT_PTR result = RunEditor(rule, context_);
    if (result == -1) Warn("Dialog box could not be created!");
    return result == IDOK;
}

void RuleListPage::ShowInserted(int top, std::size_t index) {
    const int row = static_cast<int>(index);
    const int target = ScrollTargetAfterEdit(top, RowsPerPage(List()), row);
    FillRuleList();
    SetFocus(List());
    ScrollTo(List(), target);
    ListViewSelect(List(), row);
}

}  // namespace vesm
