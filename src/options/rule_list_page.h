// The part the holiday and special-day pages share: a working list of rules
// shown in a list view in the same order, with add, change (also by double
// click), delete and a reset to a built-in list.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "doc/holiday_time.h"
#include "options/holiday_add.h"
#include "options/options_page.h"

namespace vesm {

struct RuleListLayout {
    int templateId = 0;
    int kind = 0;  // of the rules "追加" makes
    int listId = 0;
    int addId = 0;
    int changeId = 0;
    int deleteId = 0;
    int groupId = 0;
    const char* groupText = "";
    const char* nameColumn = "";
    const char* noRuleToChange = "";
    const char* noRuleToDelete = "";
};

class RuleListPage : public COptionsPage {
public:
    explicit RuleListPage(const RuleListLayout& layout);

    const std::vector<CHolidayTime>& WorkingList() const { return working_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;

    void LoadRules(const std::vector<CHolidayTime>& rules, const OptionsValues& values);
    // Replaces the working list with an encoded built-in list, in its order.
    void ResetRules(std::string_view builtInList);
    void FillRuleList();

    // The modal editor and the message box; tests drive both without a modal loop.
    virtual INT_PTR RunEditor(CHolidayTime& rule, const RuleEditorContext& context);
    virtual void Warn(std::string_view text);

private:
    void AddRule();
    void ChangeRule();
    void DeleteRule();
    bool EditRule(CHolidayTime& rule);
    void ShowInserted(int top, std::size_t index);
    HWND List() const { return Item(layout_.listId); }

    RuleListLayout layout_;
    std::vector<CHolidayTime> working_;
    RuleEditorContext context_;
};

}  // namespace vesm
