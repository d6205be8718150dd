#include "view/vesm_view.h"

#include <cstdlib>
#include <vector>

#include "doc/doc.h"
#include "view/frame_attributes.h"
#include "view/month_navigation.h"
#include "view/navigation_commands.h"
#include "view/picture_area.h"
#include "view/select_month_dialog.h"

namespace vesm {

namespace {

constexpr const wchar_t* kViewClass = L"vesmView";
// Asks for the first paint once the message loop runs.
constexpr UINT kFirstPaintMessage = WM_APP + 20;

// The rectangle around every monitor. Its extent bounds the off-screen
// picture: no more can be seen at once.
Rect VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

Size ExtentOf(Rect rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

std::vector<DayRecord> CopyDays(const CvesmDoc& doc) {
    std::vector<DayRecord> days(doc.DayCount());
    for (std::size_t i = 0; i < days.size(); ++i) days[i] = doc.Day(i);
    return days;
}

std::vector<CTaskTime> CopyTasks(const CvesmDoc& doc) {
    std::vector<CTaskTime> tasks(doc.TaskCount());
    for (std::size_t i = 0; i < tasks.size(); ++i) tasks[i] = doc.Task(i);
    return tasks;
}

// Fills what lies right of and below the picture when the window is larger.
void FillBeyond(HDC dc, Rect picture, Size window, Rgb background) {
    HBRUSH brush = CreateSolidBrush(background);
    const RECT right{picture.right, 0, window.width, window.height};
    const RECT below{0, picture.bottom, picture.right, window.height};
    if (right.left < right.right) FillRect(dc, &right, brush);
    if (below.top < below.bottom) FillRect(dc, &below, brush);
    DeleteObject(brush);
}

}  // namespace

bool CvesmView::Create(HWND parent, CvesmDoc& doc) {
    doc_ = &doc;
    SetDpi(static_cast<int>(GetDpiForWindow(parent)));
    tooltips_.Create();
    WindowClassInfo info;
    info.name = kViewClass;
    info.style = CS_DBLCLKS;
    if (!Window::RegisterClass(info)) return false;
    RECT client{};
    GetClientRect(parent, &client);
    WindowCreateInfo create;
    create.className = kViewClass;
    create.style = WS_CHILD | WS_VISIBLE;
    create.exStyle = 0;
    create.x = 0;
    create.y = 0;
    create.width = client.right;
    create.height = client.bottom;
    create.parent = parent;
    if (!Window::Create(create)) return false;
    // A layered frame stays unmapped until the first paint gives it its
    // attributes, so the system may never ask for that paint by itself.
    PostMessageW(Hwnd(), kFirstPaintMessage, 0, 0);
    return true;
}

LRESULT CvesmView::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        tooltips_.Relay(Hwnd(), message, wParam, lParam);
    }
    switch (message) {
        case kFirstPaintMessage:
            RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything
        case WM_LBUTTONDOWN: {
            const LRESULT result = DefaultProc(message, wParam, lParam);
            OnLeftButtonDown(lParam);
            return result;
        }
        case WM_MOUSEMOVE:
            OnMouseMove(wParam, lParam);
            return DefaultProc(message, wParam, lParam);
        case WM_LBUTTONUP:
            if (press_) ReleaseCapture();
            return DefaultProc(message, wParam, lParam);
        case WM_CAPTURECHANGED:
            press_.reset();
            return DefaultProc(message, wParam, lParam);
        case WM_LBUTTONDBLCLK:
            OnDoubleClick(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            return DefaultProc(message, wParam, lParam);
        default:
            return Window::WndProc(message, wParam, lParam);
    }
}

bool CvesmView::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Hwnd(), &ps);
    if (doc_) Paint(dc);
    EndPaint(Hwnd(), &ps);
    if (doc_ && lastPaint_) {
        ApplyFrameAttributes(GetParent(Hwnd()), doc_->GetSettings(), lastPaint_->window);
        FillFrame();
    }
    return true;
}

// The view covers the frame's client area, which the paint has just sized.
void CvesmView::FillFrame() {
    RECT frame{};
    RECT own{};
    GetClientRect(GetParent(Hwnd()), &frame);
    GetClientRect(Hwnd(), &own);
    if (frame.right != own.right || frame.bottom != own.bottom) {
        SetWindowPos(Hwnd(), nullptr, 0, 0, frame.right, frame.bottom,
                     SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

void CvesmView::Paint(HDC dc) {
    if (doc_->ExitRequested()) {
        PostMessageW(GetAncestor(Hwnd(), GA_ROOT), WM_CLOSE, 0, 0);
    }
    const Settings settings = doc_->GetSettings();
    PaintResult result = Draw(dc, settings);
    StoreInDocument(result);
    tooltips_.Replace(Hwnd(), result.tooltips);
    lastPaint_ = std::move(result);
}

PaintResult CvesmView::Draw(HDC dc, const Settings& settings) {
    const std::vector<DayRecord> days = CopyDays(*doc_);
    const std::vector<CTaskTime> tasks = CopyTasks(*doc_);
    const PaintInput input{settings, doc_->DisplayDate(), doc_->Host().Now(), days, tasks, koyomi_};
    const CalendarPlan plan = PlanCalendar(settings, input.displayDate, glyphs_, scale_);
    const Size window = plan.frame.window;
    const Rect screen = VirtualScreen();
    const Rect area = PictureArea(window, CanvasSize(plan, ExtentOf(screen)),
                                  VisiblePart(OnScreen(window), screen));
    std::optional<PixelCanvas> canvas = surface_.Canvas(area);
    if (!canvas) {
        // Without a picture the layout still counts, so hit tests keep working.
        picture_.reset();
        OwnedCanvas tiny(1, 1);
        return PaintCalendar(input, plan, glyphs_, tiny.Canvas());
    }
    PaintResult result = PaintCalendar(input, plan, glyphs_, *canvas);
    surface_.BlitTo(dc);
    picture_ = area;
    RECT client{};
    GetClientRect(Hwnd(), &client);
    FillBeyond(dc, area, {client.right, client.bottom}, RgbFromDecimal(settings.colorBackground));
    return result;
}

// Where a window of the size sits on the screen, at the view's top-left.
Rect CvesmView::OnScreen(Size window) const {
    POINT corner{0, 0};
    ClientToScreen(Hwnd(), &corner);
    return RectAt({corner.x, corner.y}, window);
}

void CvesmView::OnFrameMoved() {
    if (!picture_ || !lastPaint_) return;
    if (!PictureHolds(*picture_, VisiblePart(OnScreen(lastPaint_->window), VirtualScreen()))) {
        InvalidateRect(Hwnd(), nullptr, FALSE);
    }
}

void CvesmView::StoreInDocument(const PaintResult& result) {
    for (std::size_t i = 0; i < result.cells.size(); ++i) doc_->SetDayCell(i, result.cells[i]);
    doc_->SetClockRect(result.clockRect);
    doc_->SetZones(result.zones);
}

// A drag from any point moves the frame, as if its caption were held. The
// move starts once the mouse has moved by the system's drag distance: a move
// loop begun at the press itself swallows the clicks of a double-click.
void CvesmView::OnLeftButtonDown(LPARAM lParam) {
    press_ = POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    SetCapture(Hwnd());
}

void CvesmView::OnMouseMove(WPARAM keys, LPARAM lParam) {
    if (!press_ || !(keys & MK_LBUTTON)) return;
    const int dx = static_cast<short>(LOWORD(lParam)) - press_->x;
    const int dy = static_cast<short>(HIWORD(lParam)) - press_->y;
    if (std::abs(dx) < GetSystemMetrics(SM_CXDRAG) && std::abs(dy) < GetSystemMetrics(SM_CYDRAG)) {
        return;
    }
    POINT grip = *press_;
    ClientToScreen(Hwnd(), &grip);
    ReleaseCapture();
    PostMessageW(GetParent(Hwnd()), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(grip.x, grip.y));
}

void CvesmView::OnDoubleClick(int x, int y) {
    if (!doc_) return;
    const DayRecord day = doc_->DayAtPoint(x, y);
    switch (DoubleClickActionFor(day, doc_->Zones(), x, y)) {
        case DoubleClickAction::OpenDayTasks:
            if (dayOpener_) dayOpener_(day);
            break;
        case DoubleClickAction::NextMonth:
            ShowNextMonth(*doc_);
            break;
        case DoubleClickAction::PreviousMonth:
            ShowPreviousMonth(*doc_);
            break;
        case DoubleClickAction::CurrentMonth:
            ShowCurrentMonth(*doc_);
            break;
        case DoubleClickAction::ChooseMonth:
            CSelectMonthDialog(*doc_).DoModal(nullptr);
            break;
        case DoubleClickAction::None:
            break;
    }
}

}  // namespace vesm
