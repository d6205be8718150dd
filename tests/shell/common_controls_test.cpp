// The manifest asks for version 6 of the common controls; Wine would run without
// it and hide the loss. Wine's version 6 reports 5 from DllGetVersion, so the
// side-by-side folder it is loaded from tells them apart.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

TEST(CommonControlsTest, ManifestLoadsVersionSix) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), path, MAX_PATH), 0u);
    const std::wstring lower = CharLowerW(path);
    EXPECT_NE(lower.find(L"microsoft.windows.common-controls"), std::wstring::npos);
    EXPECT_NE(lower.find(L"_6.0."), std::wstring::npos) << lower;
}
