// The iCalendar items of both context menus, through the real Save and Open
// dialogs.
#include <windows.h>

#include <dlgs.h>

#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "frame/main_frame.h"
#include "model/support/fake_host.h"
#include "res/resource.h"
#include "support/dialog_driver.h"
#include "support/scratch_folder.h"
#include "win32/utf.h"

namespace vesm {
namespace {

// Runs a menu command whose Save or Open dialog is given a path; keeps the
// file name the dialog offered.
void RunCommand(HWND frame, int command, const std::wstring& path,
                std::vector<std::string>& offered) {
    ModalScript::Command(frame, command, {[&](const DialogDriver& files) {
                             const int name = files.Item(cmb13) ? cmb13 : edt1;
                             offered.push_back(files.Text(name));
                             files.Type(name, Narrow(path));
                             files.Post(IDOK);
                         }});
}

TEST(IcalMenuTest, BothMenusExportAndImportThroughTheFileDialogs) {
    ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
    ScratchFolder folder;
    FakeHost host;
    host.now = *DateTime::Build(2030, 1, 10, 12, 0);
    CvesmDoc doc(host);
    doc.InsertTaskSorted({*DateTime::Build(2030, 2, 1, 9, 30), 1, 0, 1, "standup", NoDayDate()});
    CMainFrame frame(doc, MainFrameOptions{std::nullopt, false, {}});
    ASSERT_TRUE(frame.CreateFrame());
    std::vector<std::string> offered;
    const auto file = [&](const wchar_t* name) { return host.files[Narrow(folder.Child(name))]; };
    const auto offer = [&](const wchar_t* name, const std::string& bytes) {
        std::ofstream(folder.Child(name).c_str(), std::ios::binary) << bytes;
        host.files[Narrow(folder.Child(name))] = bytes;
    };

    RunCommand(frame.Hwnd(), ID_ICAL_EXPORT, folder.Child(L"a.ics"), offered);
    RunCommand(frame.Hwnd(), ID_ICAL_EXPORT2, folder.Child(L"b.ics"), offered);
    EXPECT_NE(file(L"a.ics").find("DTSTART;TZID=Asia/Tokyo:20300201T093000\r\nSUMMARY:standup\r\n"),
              std::string::npos)
        << file(L"a.ics");
    EXPECT_EQ(file(L"b.ics"), file(L"a.ics"));

    const std::string incoming =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nDTSTART:20300301T010000Z\r\n"
        "SUMMARY:review\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20000606\r\n"
        "RRULE:FREQ=YEARLY\r\nSUMMARY:anniversary\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    offer(L"in.ics", incoming);
    const std::size_t rules = doc.RuleCount(RuleListId::SpecialDay);
    RunCommand(frame.Hwnd(), ID_ICAL_IMPORT, folder.Child(L"in.ics"), offered);  // cancelled
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("記念日 1 件、予定 1 件を追加します。"),
              std::string::npos);
    EXPECT_NE(host.messages[0].text.find("2030/03/01 10:00 review"), std::string::npos)
        << host.messages[0].text;
    EXPECT_EQ(doc.TaskCount(), 1u);
    EXPECT_EQ(host.files[FakeHost::kSettingsPath].find("review"), std::string::npos);

    host.answers.push_back(MessageAnswer::Ok);
    const int redraws = host.redraws;
    RunCommand(frame.Hwnd(), ID_ICAL_IMPORT2, folder.Child(L"in.ics"), offered);
    EXPECT_EQ(doc.TaskCount(), 2u);
    EXPECT_EQ(doc.RuleCount(RuleListId::SpecialDay), rules + 1);
    EXPECT_NE(host.SettingsFile().find("task=1`2030`3`1`10`0`0`1975`1`1`0`0`1`review"),
              std::string::npos);
    EXPECT_NE(host.SettingsFile().find("2`6`6`0`anniversary"), std::string::npos);
    EXPECT_GT(host.redraws, redraws);

    offer(L"bad.ics", incoming.substr(0, 60));
    RunCommand(frame.Hwnd(), ID_ICAL_IMPORT, folder.Child(L"bad.ics"), offered);
    EXPECT_NE(host.messages.back().text.find("途中で切れて"), std::string::npos);
    EXPECT_EQ(doc.TaskCount(), 2u);
    EXPECT_EQ(offered, (std::vector<std::string>{"vesmira.ics", "vesmira.ics", "", "", ""}));
    DestroyWindow(frame.Hwnd());
}

}  // namespace
}  // namespace vesm
