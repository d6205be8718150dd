// The wrapper layer: text conversion and the failures of window and dialog
// creation.
#include <windows.h>

#include <gtest/gtest.h>

#include "res/resource.h"
#include "win32/dialog.h"
#include "win32/utf.h"
#include "win32/window.h"

namespace vesm {
namespace {

TEST(UtfTest, JapaneseTextRoundTrips) {
    const std::string text = "バージョン情報 〜 ①㈱ 𠮷";
    EXPECT_EQ(Narrow(Widen(text)), text);
    EXPECT_EQ(Widen("予定"), L"予定");
    EXPECT_TRUE(Widen("").empty());
}

TEST(UtfTest, BrokenInputBecomesReplacementCharacters) {
    EXPECT_EQ(Widen("a\xff"
                    "b"),
              L"a\xfffd"
              L"b");
    const wchar_t loneSurrogate[] = {L'x', static_cast<wchar_t>(0xd800), L'y', 0};
    EXPECT_EQ(Narrow(loneSurrogate), "x\xef\xbf\xbdy");
}

class ProbeWindow : public Window {
public:
    bool refuseCreate = false;
    int creates = 0;
    static constexpr wchar_t kClass[] = L"vesmWrapperProbe";

    bool Make() {
        WindowClassInfo info;
        info.name = kClass;
        if (!RegisterClass(info)) return false;
        WindowCreateInfo create;
        create.className = kClass;
        create.title = L"probe";
        create.style = WS_POPUP;
        return Create(create);
    }

protected:
    bool OnCreate(const CREATESTRUCTW&) override {
        ++creates;
        return !refuseCreate;
    }
};

TEST(WindowTest, RefusedCreationFailsAndLeavesNoWindow) {
    ProbeWindow probe;
    probe.refuseCreate = true;
    EXPECT_FALSE(probe.Make());
    EXPECT_EQ(probe.Hwnd(), nullptr);
}

TEST(DialogTest, MissingTemplateFails) {
    Dialog dialog(9999);
    EXPECT_EQ(dialog.CreateModeless(nullptr), nullptr);
    EXPECT_EQ(dialog.DoModal(nullptr), -1);
}

}  // namespace
}  // namespace vesm
