#include "view/view_tooltips.h"

#include <commctrl.h>

#include <string>

#include "win32/utf.h"

namespace vesm {

namespace {

constexpr LPARAM kMaxTipWidth = 1000;  // lets tips break at "\r\n"

TTTOOLINFOW ToolInfo(HWND view, int id) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;  // accepted with and without common controls 6
    info.hwnd = view;
    info.uId = static_cast<UINT_PTR>(id);
    return info;
}

}  // namespace

ViewTooltips::~ViewTooltips() {
    if (tooltip_) DestroyWindow(tooltip_);
}

bool ViewTooltips::Create() {
    tooltip_ =
        CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return false;
    SetWindowPos(tooltip_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
    return true;
}

void ViewTooltips::Relay(HWND view, UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!tooltip_) return;
    MSG relayed{};
    relayed.hwnd = view;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    relayed.time = static_cast<DWORD>(GetMessageTime());
    const DWORD position = GetMessagePos();
    relayed.pt = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void ViewTooltips::Replace(HWND view, const std::vector<TooltipTool>& tools) {
    if (!tooltip_) return;
    for (int id = kLeftZoneTool; id <= kTopZoneTool; ++id) Remove(view, id);
    for (int id = kFirstDayTool; id <= kLastDayTool; ++id) Remove(view, id);
    for (const TooltipTool& tool : tools) Add(view, tool);
}

std::wstring ViewTooltips::TextOf(HWND view, int id) const {
    TTTOOLINFOW info = ToolInfo(view, id);
    if (!SendMessageW(tooltip_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info))) return {};
    wchar_t buffer[1024] = {};
    info.lpszText = buffer;
    SendMessageW(tooltip_, TTM_GETTEXTW, std::size(buffer), reinterpret_cast<LPARAM>(&info));
    return buffer;
}

void ViewTooltips::Remove(HWND view, int id) const {
    TTTOOLINFOW info = ToolInfo(view, id);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ViewTooltips::Add(HWND view, const TooltipTool& tool) const {
    std::wstring text = Widen(tool.text);
    TTTOOLINFOW info = ToolInfo(view, tool.id);
    info.rect = {tool.rect.left, tool.rect.top, tool.rect.right, tool.rect.bottom};
    info.lpszText = text.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
}

}  // namespace vesm
