// A person at a dialog: sets its controls, presses its buttons, reads what it
// shows. A modal dialog is played from inside its loop by a thread timer.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "win32/controls.h"
#include "win32/utf.h"

namespace vesm {

class DialogDriver {
public:
    explicit DialogDriver(HWND dialog) : dialog_(dialog) {}

    HWND Hwnd() const { return dialog_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }
    bool IsOpen() const { return IsWindow(dialog_) != FALSE; }
    std::string Title() const { return GetText(dialog_); }

    void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    // A button's command, sent at once (modeless) or queued (inside a modal loop).
    void Press(int id) const {
        SendMessageW(dialog_, WM_COMMAND, Command(id, BN_CLICKED), Lparam(id));
    }
    void Post(int id) const {
        PostMessageW(dialog_, WM_COMMAND, Command(id, BN_CLICKED), Lparam(id));
    }
    // As the drop-down list does it: the selection, then the notification.
    void Choose(int id, int index) const {
        ComboSelect(Item(id), index);
        SendMessageW(dialog_, WM_COMMAND, Command(id, CBN_SELCHANGE), Lparam(id));
    }
    void ChooseText(int id, std::string_view text) const {
        const std::wstring item = Widen(text);
        Choose(id, static_cast<int>(SendMessageW(Item(id), CB_FINDSTRINGEXACT, WPARAM(-1),
                                                 reinterpret_cast<LPARAM>(item.c_str()))));
    }
    void Type(int id, std::string_view text) const { SetText(Item(id), text); }

    std::string Text(int id) const { return GetText(Item(id)); }
    bool Checked(int id) const { return IsChecked(dialog_, id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    int Selected(int id) const { return ComboSelection(Item(id)); }
    int Count(int id) const { return static_cast<int>(SendMessageW(Item(id), CB_GETCOUNT, 0, 0)); }
    std::string ItemText(int id, int index) const {
        wchar_t text[128] = {};
        SendMessageW(Item(id), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        return Narrow(text);
    }
    std::string SelectedText(int id) const {
        return Selected(id) < 0 ? "(none)" : ItemText(id, Selected(id));
    }
    // The child dialog (a tab page) that holds the control id.
    DialogDriver PageWith(int id) const {
        HWND page = nullptr;
        while ((page = FindWindowExW(dialog_, page, L"#32770", nullptr)) && !GetDlgItem(page, id)) {
        }
        return DialogDriver(page);
    }
    // As a person does it: a click on the title of a tab.
    void ClickTab(int id, int index) const {
        RECT item{};
        SendMessageW(Item(id), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageW(Item(id), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(Item(id), WM_LBUTTONUP, 0, at);
    }

private:
    static WPARAM Command(int id, int code) { return MAKEWPARAM(id, code); }
    LPARAM Lparam(int id) const { return reinterpret_cast<LPARAM>(Item(id)); }

    HWND dialog_;
};

struct ModalScriptState {
    std::vector<std::function<void(const DialogDriver&)>> steps;
    std::size_t next = 0;
    HWND last = nullptr;
    ULONGLONG lastStepAt = 0;
    std::vector<std::string> titles;
};

// Plays a user through the modal dialogs a message opens: each new enabled dialog
// of this thread gets the next step, which ends by posting a button (Post).
// Dialogs beyond the script are cancelled; returns the titles seen. Runs do not nest.
class ModalScript {
public:
    using Step = std::function<void(const DialogDriver&)>;

    static std::vector<std::string> Run(HWND target, UINT message, WPARAM wParam, LPARAM lParam,
                                        std::vector<Step> steps) {
        state_ = ModalScriptState{};
        state_.steps = std::move(steps);
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, &OnTimer);
        SendMessageW(target, message, wParam, lParam);
        KillTimer(nullptr, timer);
        return state_.titles;
    }
    // A frame command such as opening the options or the task list.
    static std::vector<std::string> Command(HWND frame, int id, std::vector<Step> steps) {
        return Run(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0, std::move(steps));
    }

private:
    static BOOL CALLBACK Visit(HWND window, LPARAM) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (std::wstring(className) != L"#32770" || !IsWindowVisible(window) ||
            !IsWindowEnabled(window)) {
            return TRUE;
        }
        const DialogDriver dialog(window);
        if (window == state_.last) {  // one step per dialog until it is replaced
            if (GetTickCount64() - state_.lastStepAt > kStuckMilliseconds) {
                ADD_FAILURE() << "\"" << dialog.Title() << "\" stayed open after its step";
                dialog.Post(IDCANCEL);  // fail the test instead of hanging it
                state_.lastStepAt = GetTickCount64();
            }
            return FALSE;
        }
        state_.last = window;
        state_.lastStepAt = GetTickCount64();
        state_.titles.push_back(dialog.Title());
        if (state_.next < state_.steps.size()) {
            state_.steps[state_.next++](dialog);
        } else {
            dialog.Post(IDCANCEL);
        }
        return FALSE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), &Visit, 0);
    }

    static constexpr ULONGLONG kStuckMilliseconds = 10000;
    static inline ModalScriptState state_;
};

}  // namespace vesm
