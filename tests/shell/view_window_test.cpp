// The calendar window as a whole under Wine: the scale follows a change of
// the monitor's pixel density, and click-through lets the mouse reach the
// window beneath. Wine has no per-monitor density, so the test sends the
// density change the system would send when the window moves to such a monitor.
#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "frame/main_frame.h"
#include "support/frame_doc_host.h"

namespace vesm {
namespace {

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

RECT WindowRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

class CalendarWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc = std::make_unique<CvesmDoc>(host);
        Settings settings = doc->GetSettings();
        settings.left = 200;
        settings.top = 150;
        settings.numOfMonth = 3;
        settings.numOfPast = 1;
        settings.transparent = 255;
        doc->SetSettings(settings);
    }

    CMainFrame& Open() {
        MainFrameOptions options;
        options.quitOnDestroy = false;
        frame = std::make_unique<CMainFrame>(*doc, std::move(options));
        EXPECT_TRUE(frame->CreateFrame());
        PumpFor(300);  // the first paint gives the size
        EXPECT_TRUE(frame->View().LastPaint().has_value());
        return *frame;
    }

    void SendDpiChange(int dpi, RECT suggested) {
        SendMessageW(frame->Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
    }

    FrameDocHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(CalendarWindowTest, DensityChangeRepaintsAtTheNewScaleFromTheSuggestedCorner) {
    CMainFrame& window = Open();
    ASSERT_EQ(GetDpiForWindow(window.Hwnd()), 96u) << "the test prefix runs at 96 dots per inch";
    EXPECT_EQ(window.View().Scale().dpi, 96);
    const RECT base = WindowRectOf(window.Hwnd());
    const int baseWidth = base.right - base.left;
    EXPECT_EQ(base.bottom - base.top, 444) << "at 96 dots per inch nothing is scaled";
    EXPECT_EQ(base.left, 200);

    SendDpiChange(144, RECT{300, 220, 300 + baseWidth * 3 / 2, 220 + 666});
    EXPECT_EQ(window.View().Scale().dpi, 144);
    const Size painted = window.View().LastPaint()->window;
    // 2 vm + 9 rh x 2 + 8 rh + rh / 2 with vm 15 and rh 25 at font height 30
    EXPECT_EQ(painted.height, 692);
    const RECT dense = WindowRectOf(window.Hwnd());
    EXPECT_EQ(dense.left, 300);
    EXPECT_EQ(dense.top, 220);
    EXPECT_EQ(dense.right - dense.left, painted.width);
    EXPECT_EQ(dense.bottom - dense.top, 692);
    // Real glyphs do not scale exactly, but the columns grow about as the font.
    EXPECT_GT(painted.width, baseWidth * 13 / 10);
    EXPECT_LT(painted.width, baseWidth * 17 / 10);

    SendDpiChange(96, RECT{200, 150, 200 + baseWidth, 150 + 444});
    const RECT back = WindowRectOf(window.Hwnd());
    EXPECT_EQ(back.right - back.left, baseWidth);
    EXPECT_EQ(back.bottom - back.top, 444);
}

TEST_F(CalendarWindowTest, ClickThroughLetsThePointReachTheWindowBeneath) {
    // A static control hides from hit tests unless it asks for notifications.
    HWND beneath =
        CreateWindowExW(0, L"STATIC", L"beneath", WS_POPUP | WS_VISIBLE | SS_NOTIFY, 150, 100, 400,
                        600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(beneath, nullptr);
    CMainFrame& window = Open();
    SetWindowPos(window.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const POINT inside{260, 300};
    EXPECT_EQ(GetAncestor(WindowFromPoint(inside), GA_ROOT), window.Hwnd());

    Settings settings = doc->GetSettings();
    settings.mouseTransparent = 1;
    doc->SetSettings(settings);
    RedrawWindow(window.View().Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(WindowFromPoint(inside), beneath);

    settings.mouseTransparent = 0;
    doc->SetSettings(settings);
    RedrawWindow(window.View().Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(GetAncestor(WindowFromPoint(inside), GA_ROOT), window.Hwnd());
    DestroyWindow(beneath);
}

}  // namespace
}  // namespace vesm
