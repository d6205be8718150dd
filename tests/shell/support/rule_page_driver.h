// Drives the rule pages and their editor under Wine without modal loops: the
// pages record their messages, and the editor runs modeless on a script that
// sets its controls and presses OK.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "options/holiday_add.h"
#include "options/rule_list_page.h"
#include "res/resource.h"
#include "shell/support/dialog_driver.h"

namespace vesm {

class RecordingEditor : public CHolidayAdd {
public:
    using CHolidayAdd::CHolidayAdd;
    std::vector<std::string> warnings;

protected:
    void Warn(std::string_view text) override { warnings.emplace_back(text); }
};

// What one run of the editor saw and did.
struct EditorRun {
    std::string caption;
    std::string nameLabel;
    std::vector<std::string> warnings;
};

// Sets the editor's controls and presses its buttons.
using EditorScript = std::function<void(const DialogDriver& editor)>;

template <class Page>
class RecordingPage : public Page {
public:
    std::vector<std::string> warnings;
    std::vector<EditorRun> editorRuns;
    std::vector<EditorScript> scripts;  // one per editor run, in order
    bool editorFails = false;

protected:
    INT_PTR RunEditor(CHolidayTime& rule, const RuleEditorContext& context) override {
        if (editorFails) return -1;
        RecordingEditor editor(rule, context);
        HWND window = editor.CreateModeless(nullptr);
        if (window == nullptr) return -1;
        const DialogDriver driver(window);
        EditorRun run{driver.Title(), driver.Text(IDC_RULE_NAME_GROUP), {}};
        const std::size_t which = editorRuns.size();
        if (which < scripts.size()) scripts[which](driver);
        run.warnings = editor.warnings;
        editorRuns.push_back(run);
        // A script that leaves the editor open cancels it; the editor's destructor closes it.
        return editor.Result() == 0 ? IDCANCEL : editor.Result();
    }
    void Warn(std::string_view text) override { warnings.emplace_back(text); }
};

}  // namespace vesm
