// Every menu command the frame receives; About is passed on to the
// application object.
#include "doc/doc.h"
#include "frame/calendar_file_commands.h"
#include "frame/frame_commands.h"
#include "frame/main_frame.h"
#include "options/opt_dialog.h"
#include "profile/profile_dialog.h"
#include "tasks/task_dialog.h"
#include "view/navigation_commands.h"
#include "view/select_month_dialog.h"
#include "win32/message_box.h"

namespace vesm {

namespace {

// No help file belongs to the program; saying so beats a silent menu item.
void ShowNoHelp(HWND owner) {
    ShowMessageBox(owner, "ヘルプはありません。", "vesmira", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

void CMainFrame::RunEditingDialog(const std::function<void()>& run) {
    if (editingDialogOpen_) {
        MessageBeep(MB_OK);
        return;
    }
    editingDialogOpen_ = true;
    run();
    editingDialogOpen_ = false;
}

bool CMainFrame::OnCommand(int id, int, HWND) {
    switch (FrameCommandFor(id)) {
        case FrameCommand::About:
            if (options_.showAbout) options_.showAbout(Hwnd());
            return true;
        case FrameCommand::Exit:
            PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
            return true;
        case FrameCommand::Options:
            RunEditingDialog([this] { RunOptionsDialog(nullptr, doc_); });
            return true;
        case FrameCommand::TaskList:
            RunEditingDialog([this] { RunTaskList(nullptr, doc_, NoDayDate()); });
            return true;
        case FrameCommand::HelpTopics:
        case FrameCommand::Help:
        case FrameCommand::ContextHelp:
            ShowNoHelp(Hwnd());
            return true;
        case FrameCommand::PreviousMonth:
            ShowPreviousMonth(doc_);
            return true;
        case FrameCommand::NextMonth:
            ShowNextMonth(doc_);
            return true;
        case FrameCommand::SelectMonth:
            CSelectMonthDialog(doc_).DoModal(nullptr);
            return true;
        case FrameCommand::CurrentMonth:
            ShowCurrentMonth(doc_);
            return true;
        case FrameCommand::Profile:
            RunEditingDialog([this] { RunProfileDialog(doc_); });
            return true;
        case FrameCommand::ExportCalendar:
            RunEditingDialog([this] { ExportCalendarFile(doc_); });
            return true;
        case FrameCommand::ImportCalendar:
            RunEditingDialog([this] { ImportCalendarFile(doc_); });
            return true;
        case FrameCommand::None:
            return false;
    }
    return false;
}

}  // namespace vesm
