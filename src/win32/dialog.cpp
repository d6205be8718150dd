#include "win32/dialog.h"

#include <exception>

#include "win32/unexpected.h"

namespace vesm {

Dialog::~Dialog() {
    if (hwnd_ != nullptr && !modal_) {
        HWND hwnd = hwnd_;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        DestroyWindow(hwnd);
    }
}

INT_PTR Dialog::DoModal(HWND owner) {
    modal_ = true;
    result_ = 0;
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                           &Dialog::Trampoline, reinterpret_cast<LPARAM>(this));
}

HWND Dialog::CreateModeless(HWND owner) {
    modal_ = false;
    result_ = 0;
    HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                                   &Dialog::Trampoline, reinterpret_cast<LPARAM>(this));
    if (hwnd != nullptr) {
        ShowWindow(hwnd, SW_SHOW);
    }
    return hwnd;
}

void Dialog::End(INT_PTR result) {
    result_ = result;
    if (modal_) {
        EndDialog(hwnd_, result);
    } else {
        DestroyWindow(hwnd_);
    }
}

bool Dialog::OnCommand(int id, int /*code*/, HWND /*control*/) {
    switch (id) {
        case IDOK:
            OnOK();
            return true;
        case IDCANCEL:
            OnCancel();
            return true;
        default:
            return false;
    }
}

INT_PTR Dialog::DlgProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog() ? TRUE : FALSE;
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))
                       ? TRUE
                       : FALSE;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (!OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return FALSE;
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
            return TRUE;
        }
        case WM_DESTROY:
            OnDestroy();
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK Dialog::Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, lParam);
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return FALSE;
    }
    INT_PTR handled = FALSE;
    try {
        handled = self->DlgProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportUnexpectedError(hwnd, error.what());
        handled = FALSE;
    } catch (...) {
        ReportUnexpectedError(hwnd, nullptr);
        handled = FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return handled;
}

}  // namespace vesm
