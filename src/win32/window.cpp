#include "win32/window.h"

#include <exception>

#include "win32/unexpected.h"

namespace vesm {

namespace {

// What a window procedure returns after its handler threw: creation fails,
// everything else gets the default handling.
LRESULT AfterFailure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return FALSE;
    if (message == WM_CREATE) return -1;
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

Window::~Window() {
    if (hwnd_ != nullptr) {
        HWND hwnd = hwnd_;
        // Unbind first: the destroy messages must not reach a half-destroyed object.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        DestroyWindow(hwnd);
    }
}

bool Window::RegisterClass(const WindowClassInfo& info) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = info.style;
    wc.lpfnWndProc = &Window::Trampoline;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = info.icon;
    wc.hIconSm = info.smallIcon;
    wc.hCursor = info.cursor != nullptr ? info.cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = info.background;
    wc.lpszClassName = info.name;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Window::Create(const WindowCreateInfo& info) {
    HWND hwnd = CreateWindowExW(info.exStyle, info.className, info.title.c_str(), info.style,
                                info.x, info.y, info.width, info.height, info.parent,
                                info.menuOrChildId, GetModuleHandleW(nullptr), this);
    return hwnd != nullptr;
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT Window::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate(*reinterpret_cast<const CREATESTRUCTW*>(lParam)) ? 0 : -1;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        case WM_PAINT:
            if (OnPaint()) return 0;
            break;
        case WM_CLOSE:
            if (OnClose()) return 0;
            break;
        case WM_TIMER:
            if (OnTimer(wParam)) return 0;
            break;
        case WM_COMMAND:
            if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) {
                return 0;
            }
            break;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        default:
            break;
    }
    return DefaultProc(message, wParam, lParam);
}

LRESULT CALLBACK Window::Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Window*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    LRESULT result = 0;
    try {
        result = self->WndProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportUnexpectedError(hwnd, error.what());
        result = AfterFailure(hwnd, message, wParam, lParam);
    } catch (...) {
        ReportUnexpectedError(hwnd, nullptr);
        result = AfterFailure(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace vesm
