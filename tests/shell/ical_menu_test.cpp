// The iCalendar items of both context menus, through the real Save and Open
// dialogs: a timer finds each dialog, checks its file name, types a path and
// presses OK.
#include <windows.h>

#include <dlgs.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "frame/main_frame.h"
#include "res/resource.h"
#include "support/frame_doc_host.h"
#include "support/scratch_folder.h"
#include "win32/utf.h"

namespace vesm {
namespace {

struct AnsweringHost : FrameDocHost {
    std::vector<std::string> texts;
    MessageAnswer answer = MessageAnswer::Ok;
    MessageAnswer ShowMessage(const MessageRequest& request) override {
        texts.push_back(request.text);
        return answer;
    }
};

struct FileDialogDriver {
    static inline std::wstring path;
    static inline std::vector<std::wstring> shownNames;
    static inline std::vector<HWND> handled;

    static BOOL CALLBACK Visit(HWND window, LPARAM) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        const int nameBox = GetDlgItem(window, cmb13) ? cmb13 : edt1;
        if (std::wstring(className) != L"#32770" || !IsWindowVisible(window) ||
            !GetDlgItem(window, nameBox) ||
            std::find(handled.begin(), handled.end(), window) != handled.end()) {
            return TRUE;
        }
        handled.push_back(window);
        wchar_t shown[MAX_PATH] = {};
        GetDlgItemTextW(window, nameBox, shown, MAX_PATH);
        shownNames.push_back(shown);
        SetDlgItemTextW(window, nameBox, path.c_str());
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return FALSE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), Visit, 0);
    }
};

void RunCommand(HWND frame, int command, const std::wstring& path) {
    FileDialogDriver::path = path;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, FileDialogDriver::OnTimer);
    SendMessageW(frame, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    KillTimer(nullptr, timer);
}

void WriteBoth(AnsweringHost& host, const std::wstring& path, const std::string& bytes) {
    std::ofstream(path.c_str(), std::ios::binary) << bytes;
    host.files[Narrow(path)] = bytes;
}

TEST(IcalMenuTest, BothMenusExportAndImportThroughTheFileDialogs) {
    ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
    ScratchFolder folder;
    AnsweringHost host;
    host.pinnedNow = *DateTime::Build(2030, 1, 10, 12, 0);
    CvesmDoc doc(host);
    doc.InsertTaskSorted({*DateTime::Build(2030, 2, 1, 9, 30), 1, 0, 1, "standup", NoDayDate()});
    MainFrameOptions options;
    options.quitOnDestroy = false;
    CMainFrame frame(doc, options);
    ASSERT_TRUE(frame.CreateFrame());

    RunCommand(frame.Hwnd(), ID_ICAL_EXPORT, folder.Child(L"a.ics"));
    RunCommand(frame.Hwnd(), ID_ICAL_EXPORT2, folder.Child(L"b.ics"));
    const std::string a = host.files[Narrow(folder.Child(L"a.ics"))];
    EXPECT_NE(a.find("DTSTART;TZID=Asia/Tokyo:20300201T093000\r\nSUMMARY:standup\r\n"),
              std::string::npos)
        << a;
    EXPECT_EQ(host.files[Narrow(folder.Child(L"b.ics"))], a);

    const std::string incoming =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nDTSTART:20300301T010000Z\r\n"
        "SUMMARY:review\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20000606\r\n"
        "RRULE:FREQ=YEARLY\r\nSUMMARY:anniversary\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    WriteBoth(host, folder.Child(L"in.ics"), incoming);
    const std::size_t tasks = doc.TaskCount();
    const std::size_t rules = doc.RuleCount(RuleListId::SpecialDay);
    host.answer = MessageAnswer::Cancel;
    RunCommand(frame.Hwnd(), ID_ICAL_IMPORT, folder.Child(L"in.ics"));
    ASSERT_EQ(host.texts.size(), 1u);
    EXPECT_NE(host.texts[0].find("記念日 1 件、予定 1 件を追加します。"), std::string::npos);
    EXPECT_NE(host.texts[0].find("2030/03/01 10:00 review"), std::string::npos) << host.texts[0];
    EXPECT_EQ(doc.TaskCount(), tasks);
    EXPECT_EQ(host.SettingsText().find("review"), std::string::npos);

    host.answer = MessageAnswer::Ok;
    const int redraws = host.redraws;
    RunCommand(frame.Hwnd(), ID_ICAL_IMPORT2, folder.Child(L"in.ics"));
    EXPECT_EQ(doc.TaskCount(), tasks + 1);
    EXPECT_EQ(doc.RuleCount(RuleListId::SpecialDay), rules + 1);
    EXPECT_NE(host.SettingsText().find("task=1`2030`3`1`10`0`0`1975`1`1`0`0`1`review"),
              std::string::npos);
    EXPECT_NE(host.SettingsText().find("2`6`6`0`anniversary"), std::string::npos);
    EXPECT_GT(host.redraws, redraws);

    WriteBoth(host, folder.Child(L"bad.ics"), incoming.substr(0, 60));
    RunCommand(frame.Hwnd(), ID_ICAL_IMPORT, folder.Child(L"bad.ics"));
    EXPECT_NE(host.texts.back().find("途中で切れて"), std::string::npos) << host.texts.back();
    EXPECT_EQ(doc.TaskCount(), tasks + 1);

    ASSERT_EQ(FileDialogDriver::shownNames.size(), 5u);
    EXPECT_EQ(FileDialogDriver::shownNames[0], L"vesmira.ics");
    EXPECT_EQ(FileDialogDriver::shownNames[1], L"vesmira.ics");
    EXPECT_EQ(FileDialogDriver::shownNames[2], L"");
    DestroyWindow(frame.Hwnd());
}

}  // namespace
}  // namespace vesm
