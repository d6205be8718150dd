#include "frame/monitor_layout.h"

#include <windows.h>

#include <shellscalingapi.h>

#include "view/display_scale.h"

namespace vesm {

namespace {

Rect FromRect(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT area, LPARAM collected) {
    reinterpret_cast<MonitorLayout*>(collected)->monitors.push_back(FromRect(*area));
    return TRUE;
}

Rect PrimaryWorkArea() {
    RECT work{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
        work = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return FromRect(work);
}

}  // namespace

MonitorLayout CurrentMonitorLayout() {
    MonitorLayout layout;
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    layout.virtualScreen = Rect{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                                top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&layout));
    layout.primaryWorkArea = PrimaryWorkArea();
    return layout;
}

int MonitorDpiAt(const Rect& area) {
    const RECT rect{area.left, area.top, area.right, area.bottom};
    HMONITOR monitor = MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST);
    UINT dpiX = 0;
    UINT dpiY = 0;
    if (!monitor || FAILED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)) ||
        dpiY == 0) {
        return DisplayScale::kBaseDpi;
    }
    return static_cast<int>(dpiY);
}

}  // namespace vesm
