// The options page "暦" under Wine, driven through its real controls: the
// stored choices shown, changed by clicks, written by OK into the settings
// file with a redraw, and "リセット" turning every mark off in the page only.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "model/support/fake_host.h"
#include "options/opt_dialog.h"
#include "options/opt_pages.h"
#include "res/resource.h"
#include "shell/support/scratch_folder.h"
#include "win32/controls.h"
#include "win32/utf.h"

namespace vesm {
namespace {

class KoyomiPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                                                           ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        host.now = DateTime::Build(2026, 5, 10, 12).value();
        doc = std::make_unique<CvesmDoc>(host);
        // No shortcut is wanted: the place is a folder of the test's own.
        hooks.shortcutPlace.executablePath = [] { return std::optional<std::string>("vesm.exe"); };
        hooks.shortcutPlace.startupFolder = [this] {
            return std::optional(Narrow(startup.Path()));
        };
        hooks.showMessage = [](HWND, std::string_view text) { ADD_FAILURE() << text; };
    }

    void Open(const Settings& stored) {
        doc->SetSettings(stored);
        dialog = std::make_unique<COptDialog>(*doc, hooks);
        window = dialog->CreateModeless(nullptr);
        ASSERT_NE(window, nullptr);
    }

    HWND Page() const { return dialog->Page(kKoyomiPageIndex)->Hwnd(); }
    void Click(int id) { SendMessageW(GetDlgItem(Page(), id), BM_CLICK, 0, 0); }
    bool Checked(int id) const { return IsChecked(Page(), id); }
    void PressOk() { SendMessageW(GetDlgItem(window, IDOK), BM_CLICK, 0, 0); }
    bool FileHas(const std::string& line) const {
        return host.SettingsFile().find("\r\n" + line + "\r\n") != std::string::npos;
    }

    FakeHost host;
    ScratchFolder startup;
    std::unique_ptr<CvesmDoc> doc;
    OptDialogHooks hooks;
    std::unique_ptr<COptDialog> dialog;
    HWND window = nullptr;
};

TEST_F(KoyomiPageTest, ClickedChoicesReachTheFileAndTheView) {
    Settings stored = doc->GetSettings();
    stored.optTabCurSel = kKoyomiPageIndex;
    Open(stored);
    EXPECT_TRUE(IsWindowVisible(Page()));
    EXPECT_EQ(TabSelection(GetDlgItem(window, IDC_OPT_TAB)), kKoyomiPageIndex);
    for (int off : {IDC_P7_ROKUYO_OFF, IDC_P7_SEKKI_OFF, IDC_P7_WEEK_OFF})
        EXPECT_TRUE(Checked(off));
    EXPECT_FALSE(Checked(IDC_P7_KYUREKI));
    EXPECT_FALSE(Checked(IDC_P7_WAREKI));

    for (int id :
         {IDC_P7_ROKUYO_CELL, IDC_P7_KYUREKI, IDC_P7_SEKKI_TIP, IDC_P7_WAREKI, IDC_P7_WEEK_US}) {
        Click(id);
    }
    EXPECT_FALSE(Checked(IDC_P7_ROKUYO_OFF));
    const int redraws = host.redraws;
    PressOk();
    const Settings s = doc->GetSettings();
    EXPECT_EQ(s.rokuyoInfo, 2);
    EXPECT_EQ(s.kyurekiInfo, 1);
    EXPECT_EQ(s.sekkiInfo, 1);
    EXPECT_EQ(s.warekiInfo, 1);
    EXPECT_EQ(s.weekNumberInfo, 2);
    EXPECT_GT(host.redraws, redraws);
    const std::string written = host.SettingsFile();
    const std::size_t fortune = written.find("fortuneFlg=");
    const std::size_t marks = written.find(
        "rokuyoInfo=2\r\nkyurekiInfo=1\r\nsekkiInfo=1\r\nwarekiInfo=1\r\nweekNumberInfo=2\r\n");
    ASSERT_NE(marks, std::string::npos);
    EXPECT_LT(fortune, marks);
    EXPECT_TRUE(FileHas("optTabCurSel=6"));
}

TEST_F(KoyomiPageTest, ResetTurnsEveryMarkOffInThePageOnly) {
    Settings stored = doc->GetSettings();
    stored.rokuyoInfo = 1;
    stored.kyurekiInfo = 1;
    stored.sekkiInfo = 2;
    stored.warekiInfo = 1;
    stored.weekNumberInfo = 1;
    Open(stored);
    for (int on :
         {IDC_P7_ROKUYO_TIP, IDC_P7_KYUREKI, IDC_P7_SEKKI_CELL, IDC_P7_WAREKI, IDC_P7_WEEK_ISO}) {
        EXPECT_TRUE(Checked(on)) << on;
    }
    SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(IDC_PAGE_RESET, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(Page(), IDC_PAGE_RESET)));
    for (int off : {IDC_P7_ROKUYO_OFF, IDC_P7_SEKKI_OFF, IDC_P7_WEEK_OFF})
        EXPECT_TRUE(Checked(off));
    EXPECT_FALSE(Checked(IDC_P7_KYUREKI));
    EXPECT_FALSE(Checked(IDC_P7_WAREKI));
    EXPECT_EQ(doc->GetSettings().sekkiInfo, 2);  // nothing written before OK
    PressOk();
    const Settings s = doc->GetSettings();
    EXPECT_EQ(s.rokuyoInfo + s.kyurekiInfo + s.sekkiInfo + s.warekiInfo + s.weekNumberInfo, 0);
    EXPECT_TRUE(FileHas("sekkiInfo=0"));
}

}  // namespace
}  // namespace vesm
