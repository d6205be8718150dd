// One page of the options dialog: a borderless child dialog, created once and
// kept while hidden, so its controls hold their state between tab switches.
#pragma once

#include "options/options_values.h"
#include "win32/dialog.h"

namespace vesm {

class COptionsPage : public Dialog {
public:
    using Dialog::Dialog;

    // Fills the page's controls from the values the dialog opened with.
    virtual void Load(const OptionsValues& values) = 0;
    // Writes the page's current control state into the values to apply.
    virtual void Store(OptionsValues& values) const = 0;

protected:
    // The page's own "リセット" button restores its built-in defaults in the page only.
    virtual void Reset() = 0;

    // Enter and Escape inside a page are the options dialog's OK and Cancel;
    // ending the page itself would leave a hole in the dialog.
    void OnOK() override { ForwardToDialog(IDOK); }
    void OnCancel() override { ForwardToDialog(IDCANCEL); }

private:
    void ForwardToDialog(int id) {
        SendMessageW(GetParent(Hwnd()), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
};

}  // namespace vesm
