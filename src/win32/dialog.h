// Base class of every dialog built from a resource template. Modal dialogs run
// through DialogBoxParamW; tests create the same dialog modeless with
// CreateDialogParamW and drive it with messages. The object is bound in
// WM_INITDIALOG and kept in GWLP_USERDATA; a virtual DlgProc dispatches to
// small OnXxx handlers.
#pragma once

#include <windows.h>

namespace vesm {

class Dialog {
public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    // Destroys a modeless dialog that is still open.
    virtual ~Dialog();

    // Runs the dialog modally; returns the value passed to End, or -1 when
    // the template could not be loaded.
    INT_PTR DoModal(HWND owner);
    // Creates the dialog modeless and shows it; returns nullptr on failure.
    HWND CreateModeless(HWND owner);

    HWND Hwnd() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    // The value End was called with; 0 while the dialog has not ended.
    INT_PTR Result() const { return result_; }

protected:
    // Ends a modal dialog with EndDialog and destroys a modeless one.
    void End(INT_PTR result);

    // Returns TRUE when the message was handled (and sets DWLP_MSGRESULT
    // itself where a message needs a result).
    virtual INT_PTR DlgProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Returns whether the system should set the default focus.
    virtual bool OnInitDialog() { return true; }
    // IDOK and IDCANCEL go to OnOK and OnCancel; return whether handled.
    virtual bool OnCommand(int id, int code, HWND control);
    // Returns whether handled; result goes back to the control.
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
    virtual void OnDestroy() {}

private:
    static INT_PTR CALLBACK Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    int templateId_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
    INT_PTR result_ = 0;
};

}  // namespace vesm
