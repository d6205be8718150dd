// The options dialog: a tab control over seven pages that hold the user's
// pending choices. OK and "適用" write them all into the document and create
// or remove the start-up shortcut; "キャンセル" writes nothing.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "doc/doc.h"
#include "options/options_page.h"
#include "options/startup_shortcut.h"
#include "win32/dialog.h"

namespace vesm {

struct OptDialogHooks {
    StartupShortcutPlace shortcutPlace = SystemStartupPlace();
    // Shows a shortcut failure; by default an exclamation box captioned "vesmira".
    std::function<void(HWND owner, std::string_view text)> showMessage;
};

class COptDialog : public Dialog {
public:
    explicit COptDialog(CvesmDoc& doc, OptDialogHooks hooks = {});
    ~COptDialog() override;

    // The page of tab index, while the dialog is open.
    COptionsPage* Page(int index) const;

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnOK() override;

private:
    void CreatePages();
    void ShowPage(int index, bool show);
    OptionsValues Collect() const;
    void ApplySettingsAndShortcut();

    CvesmDoc& doc_;
    OptDialogHooks hooks_;
    OptionsValues opening_;
    std::vector<std::unique_ptr<COptionsPage>> pages_;
};

// Runs the options dialog modally over the document.
void RunOptionsDialog(HWND owner, CvesmDoc& doc);

}  // namespace vesm
