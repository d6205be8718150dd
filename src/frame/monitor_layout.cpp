#include "frame/monitor_layout.h"

#include <windows.h>

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

}  // namespace vesm
