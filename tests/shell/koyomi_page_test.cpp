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
#include "shell/support/dialog_driver.h"
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

    DialogDriver Page() const { return DialogDriver(dialog->Page(kKoyomiPageIndex)->Hwnd()); }

    FakeHost host;
    ScratchFolder startup;
    std::unique_ptr<CvesmDoc> doc;
    OptDialogHooks hooks;
    std::unique_ptr<COptDialog> dialog;
    HWND window = nullptr;
};

// One road: the stored choices shown, "リセット" clearing them in the page
// only, clicks choosing new ones, OK writing them after fortuneFlg and redrawing.
TEST_F(KoyomiPageTest, StoredChoicesResetAndClickedOnesReachTheFileAndTheView) {
    Settings stored = doc->GetSettings();
    stored.optTabCurSel = kKoyomiPageIndex;
    stored.rokuyoInfo = 1;
    stored.kyurekiInfo = 1;
    stored.sekkiInfo = 2;
    stored.warekiInfo = 1;
    stored.weekNumberInfo = 1;
    Open(stored);
    EXPECT_TRUE(IsWindowVisible(Page().Hwnd()));
    EXPECT_EQ(TabSelection(GetDlgItem(window, IDC_OPT_TAB)), kKoyomiPageIndex);
    const int shown[] = {IDC_P7_ROKUYO_TIP, IDC_P7_KYUREKI, IDC_P7_SEKKI_CELL, IDC_P7_WAREKI,
                         IDC_P7_WEEK_ISO};
    for (int on : shown) EXPECT_TRUE(Page().Checked(on)) << on;

    Page().Press(IDC_PAGE_RESET);
    for (int off : {IDC_P7_ROKUYO_OFF, IDC_P7_SEKKI_OFF, IDC_P7_WEEK_OFF}) {
        EXPECT_TRUE(Page().Checked(off));
    }
    for (int on : shown) EXPECT_FALSE(Page().Checked(on)) << on;
    EXPECT_EQ(doc->GetSettings().sekkiInfo, 2);  // nothing written before OK

    for (int id : {IDC_P7_ROKUYO_CELL, IDC_P7_KYUREKI, IDC_P7_SEKKI_TIP, IDC_P7_WEEK_US}) {
        Page().Click(id);
    }
    const int redraws = host.redraws;
    DialogDriver(window).Press(IDOK);
    const Settings s = doc->GetSettings();
    EXPECT_EQ(s.rokuyoInfo, 2);
    EXPECT_EQ(s.kyurekiInfo, 1);
    EXPECT_EQ(s.sekkiInfo, 1);
    EXPECT_EQ(s.warekiInfo, 0);
    EXPECT_EQ(s.weekNumberInfo, 2);
    EXPECT_GT(host.redraws, redraws);
    const std::string& written = host.SettingsFile();
    EXPECT_NE(written.find("\r\nfortuneFlg=0\r\nrokuyoInfo=2\r\nkyurekiInfo=1\r\nsekkiInfo=1\r\n"
                           "warekiInfo=0\r\nweekNumberInfo=2\r\n"),
              std::string::npos);
    EXPECT_NE(written.find("\r\noptTabCurSel=6\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vesm
