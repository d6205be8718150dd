// The calendar view under Wine: what a paint applies to the frame and leaves
// in the document, tooltips, and the clicks that open a day, change the month
// or drag the window.
#include <windows.h>

#include <memory>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "model/support/fake_host.h"
#include "view/calendar_paint.h"
#include "view/vesm_view.h"
#include "win32/window.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

// Stands in for the main frame: a borderless layered tool window.
class TestFrame : public Window {
public:
    bool Open() {
        WindowClassInfo info;
        info.name = L"vesmViewTestFrame";
        if (!RegisterClass(info)) return false;
        WindowCreateInfo create;
        create.className = info.name;
        create.title = L"vesm view test";
        create.style = WS_POPUP | WS_VISIBLE;
        create.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW;
        create.x = 100;
        create.y = 80;
        create.width = 4096;
        create.height = 4096;
        return Create(create);
    }

    // Like the main frame, which makes its view while it is being created.
    void CreateViewOnCreate(CvesmView& view, CvesmDoc& doc) {
        pendingView_ = &view;
        pendingDoc_ = &doc;
    }

protected:
    bool OnCreate(const CREATESTRUCTW&) override {
        return pendingView_ == nullptr || pendingView_->Create(Hwnd(), *pendingDoc_);
    }

private:
    CvesmView* pendingView_ = nullptr;
    CvesmDoc* pendingDoc_ = nullptr;
};

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.now = At(2026, 5, 20, 10, 0);
        doc = std::make_unique<CvesmDoc>(host);
        Configure([](Settings& s) {
            s.numOfMonth = 1;
            s.numOfPast = 0;
        });
        doc->SetDisplayDate(At(2026, 5, 1));
    }

    void Configure(void (*change)(Settings&)) {
        Settings settings = doc->GetSettings();
        change(settings);
        doc->SetSettings(settings);
    }

    void OpenView() {
        ASSERT_TRUE(frame.Open());
        ASSERT_TRUE(view.Create(frame.Hwnd(), *doc));
        Repaint();
    }

    void Repaint() {
        InvalidateRect(view.Hwnd(), nullptr, FALSE);
        UpdateWindow(view.Hwnd());
        ASSERT_TRUE(view.LastPaint().has_value());
    }

    void DoubleClick(int x, int y) {
        SendMessageW(view.Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    }

    std::size_t IndexOf(DateTime day) const {
        for (std::size_t i = 0; i < doc->DayCount(); ++i) {
            if (doc->Day(i).date == day) return i;
        }
        ADD_FAILURE() << "day not in the table";
        return 0;
    }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    TestFrame frame;
    CvesmView view;
};

SIZE WindowSize(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

TEST_F(ViewTest, PaintSizesTheFrameAndLeavesCellsZonesClockAndTooltips) {
    Configure([](Settings& s) {
        s.numOfMonth = 3;
        s.numOfPast = 1;
        s.clockInfo = 1;
    });
    doc->RebuildDays();
    OpenView();
    const PaintResult& paint = *view.LastPaint();
    // 2 vm + 9 rh x 2 + 8 rh + rh / 2 with the defaults, and a row for the clock
    EXPECT_EQ(paint.window.height, 444 + 16);
    EXPECT_GT(paint.window.width, 20 + 7 * 10);  // real names are more than 10 pixels wide
    const SIZE size = WindowSize(frame.Hwnd());
    EXPECT_EQ(size.cx, paint.window.width);
    EXPECT_EQ(size.cy, paint.window.height);
    RECT rect{};
    GetWindowRect(frame.Hwnd(), &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 80);
    EXPECT_EQ(WindowSize(view.Hwnd()).cx, paint.window.width);

    const std::size_t may10 = IndexOf(At(2026, 5, 10));
    EXPECT_EQ(doc->Day(may10).cell, paint.cells[may10]);
    EXPECT_GT(doc->Day(may10).cell.right, doc->Day(may10).cell.left);
    EXPECT_EQ(doc->Day(IndexOf(At(2026, 3, 31))).cell, Rect{});
    EXPECT_EQ(doc->Zones(), paint.zones);
    EXPECT_EQ(doc->ClockRect(), paint.clockRect);
    EXPECT_EQ(doc->ClockRect().right, paint.window.width);

    EXPECT_EQ(view.Tooltips().TextOf(view.Hwnd(), 5000), L"ここをダブルクリックすると前月へ");
    // 5 May is a holiday in the built-in list
    const int childrensDay = 10000 + static_cast<int>(IndexOf(At(2026, 5, 5)));
    EXPECT_EQ(view.Tooltips().TextOf(view.Hwnd(), childrensDay), L"・子供の日");
    const int plain = 10000 + static_cast<int>(IndexOf(At(2026, 5, 12)));
    EXPECT_EQ(view.Tooltips().TextOf(view.Hwnd(), plain), L"");
}

TEST_F(ViewTest, PaintAppliesTranslucencyTopmostAndClickThrough) {
    Configure([](Settings& s) {
        s.transparent = 200;
        s.zOrder = 1;
        s.mouseTransparent = 1;
    });
    OpenView();
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(frame.Hwnd(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 200);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    LONG_PTR exStyle = GetWindowLongPtrW(frame.Hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TRANSPARENT);

    Configure([](Settings& s) {
        s.transparent = 255;
        s.zOrder = 0;
        s.mouseTransparent = 0;
    });
    Repaint();
    ASSERT_TRUE(GetLayeredWindowAttributes(frame.Hwnd(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 255);
    exStyle = GetWindowLongPtrW(frame.Hwnd(), GWL_EXSTYLE);
    EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_TRANSPARENT);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
}

TEST_F(ViewTest, DoubleClicksInTheEdgeZonesChangeTheMonth) {
    OpenView();
    const NavigationZones zones = doc->Zones();
    DoubleClick(zones.left.left, zones.left.top + 5);
    EXPECT_EQ(doc->DisplayDate(), At(2026, 4, 1));
    Repaint();
    DoubleClick(doc->Zones().right.right, doc->Zones().right.top + 5);
    DoubleClick(doc->Zones().right.right, doc->Zones().right.top + 5);
    EXPECT_EQ(doc->DisplayDate(), At(2026, 6, 1));
    DoubleClick(doc->Zones().bottom.left + 5, doc->Zones().bottom.bottom);
    EXPECT_EQ(doc->DisplayDate(), host.now);
}

void PumpFor(DWORD milliseconds) {
    MSG message;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

// A drag runs a move loop inside the pump, so its input comes from another thread.
void PumpWhile(std::thread& input) {
    PumpFor(1500);
    input.join();
}

void SendButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

TEST_F(ViewTest, RealClicksDoubleClickADayAndDragTheFrame) {
    Configure([](Settings& s) { s.zOrder = 1; });  // on top, so the clicks reach it
    OpenView();
    DateTime opened;
    view.SetDayOpener([&](const DayRecord& day) { opened = day.date; });
    RECT frameRect{};
    GetWindowRect(frame.Hwnd(), &frameRect);
    const Rect cell = doc->Day(IndexOf(At(2026, 5, 14))).cell;
    const POINT day{frameRect.left + (cell.left + cell.right) / 2,
                    frameRect.top + (cell.top + cell.bottom) / 2};
    // Clicks from this thread, pumped in between as a message loop would.
    SetCursorPos(day.x, day.y);
    for (int click = 0; click < 2; ++click) {
        SendButton(MOUSEEVENTF_LEFTDOWN);
        SendButton(MOUSEEVENTF_LEFTUP);
        PumpFor(100);
    }
    EXPECT_EQ(opened, At(2026, 5, 14));

    std::thread drag([day] {
        SetCursorPos(day.x, day.y);
        SendButton(MOUSEEVENTF_LEFTDOWN);
        for (int step = 0; step < 10; ++step) {
            Sleep(30);
            SetCursorPos(day.x + 5 * (step + 1), day.y + 3 * (step + 1));
        }
        Sleep(100);
        SendButton(MOUSEEVENTF_LEFTUP);
    });
    PumpWhile(drag);
    RECT moved{};
    GetWindowRect(frame.Hwnd(), &moved);
    EXPECT_GT(moved.left, frameRect.left + 30);
    EXPECT_GT(moved.top, frameRect.top + 15);
}

TEST_F(ViewTest, AViewMadeDuringFrameCreationPaintsWithoutBeingAsked) {
    // The layered frame is not mapped before its first paint; nothing but
    // the view itself can ask for that paint.
    frame.CreateViewOnCreate(view, *doc);
    ASSERT_TRUE(frame.Open());
    PumpFor(300);
    ASSERT_TRUE(view.LastPaint().has_value());
    BYTE alpha = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(frame.Hwnd(), nullptr, &alpha, nullptr));
    EXPECT_EQ(WindowSize(frame.Hwnd()).cy, view.LastPaint()->window.height);
}

TEST_F(ViewTest, ExitRequestClosesTheMainWindowAtPaint) {
    FakeHost failing;
    failing.appData = std::nullopt;
    CvesmDoc broken(failing);
    ASSERT_TRUE(broken.ExitRequested());
    ASSERT_TRUE(frame.Open());
    ASSERT_TRUE(view.Create(frame.Hwnd(), broken));
    UpdateWindow(view.Hwnd());
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, frame.Hwnd(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

TEST_F(ViewTest, LargestSettingsPaintWithoutFailing) {
    Configure([](Settings& s) {
        s.fontPointSize = 256;
        s.frameSizeOfDate = 200;
        s.numOfMonth = 0;
        s.numOfPast = 4;
        s.clockInfo = 1;
    });
    doc->SetDisplayDate(At(2026, 5, 1));
    OpenView();
    const Size window = view.LastPaint()->window;
    EXPECT_GT(window.width, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_GT(window.height, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    // the hit tests still know every shown day
    EXPECT_GT(doc->Day(IndexOf(At(2026, 12, 31))).cell.bottom, 0);
}

}  // namespace
}  // namespace vesm
