// The manifest linked into every program asks for version 6 of the common
// controls; Wine would run without it and hide the loss. Its own program, so
// that nothing else has loaded a comctl32 before the check.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

// The side-by-side assembly of version 6 lives in its own folder; without the
// manifest the system folder's comctl32 (version 5) is loaded. Wine's copy of
// version 6 reports 5 from DllGetVersion, so the folder is what tells them apart.
TEST(CommonControlsTest, ManifestLoadsVersionSix) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
    HMODULE comctl = GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(comctl, path, MAX_PATH), 0u);
    std::wstring lower = path;
    CharLowerW(lower.data());
    EXPECT_NE(lower.find(L"microsoft.windows.common-controls"), std::wstring::npos) << lower;
    EXPECT_NE(lower.find(L"_6.0."), std::wstring::npos) << lower;
}

}  // namespace
