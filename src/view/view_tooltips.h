// The view's tooltip control: the tips of the four zones and of every day
// with something to say, replaced as a whole by each paint.
#pragma once

#include <windows.h>

#include <vector>

#include "view/calendar_paint.h"

namespace vesm {

class ViewTooltips {
public:
    ViewTooltips() = default;
    ~ViewTooltips();
    ViewTooltips(const ViewTooltips&) = delete;
    ViewTooltips& operator=(const ViewTooltips&) = delete;

    // Made before the view window exists, so it has no owner; kept topmost
    // and active.
    bool Create();
    HWND Hwnd() const { return tooltip_; }
    // Hands a mouse message of the view to the control so it can show tips.
    void Relay(HWND view, UINT message, WPARAM wParam, LPARAM lParam) const;
    // Drops the tips of the previous paint and adds these, for the view window.
    void Replace(HWND view, const std::vector<TooltipTool>& tools);
    // The text of a tool, empty when there is no such tool (for tests).
    std::wstring TextOf(HWND view, int id) const;

private:
    void Remove(HWND view, int id) const;
    void Add(HWND view, const TooltipTool& tool) const;

    HWND tooltip_ = nullptr;
};

}  // namespace vesm
