#include "app/window_placement_win.h"

#include <windows.h>

#include "app/settings.h"

namespace {

constexpr int kMostMonitors = 16;

struct WorkAreas {
    WindowRect areas[kMostMonitors];
    int count = 0;
};

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* collected = reinterpret_cast<WorkAreas*>(data);
    MONITORINFO info;
    info.cbSize = sizeof(info);
    if (collected->count < kMostMonitors && GetMonitorInfoA(monitor, &info)) {
        WindowRect& area = collected->areas[collected->count++];
        area.left = info.rcWork.left;
        area.top = info.rcWork.top;
        area.right = info.rcWork.right;
        area.bottom = info.rcWork.bottom;
    }
    return TRUE;
}

}  // namespace

void FitWindowRectToMonitors(WindowRect& rect) {
    WorkAreas collected;
    EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&collected));
    // Creation keeps an overlapped window between the tracking sizes. A stretch of caption three
    // caption heights wide is enough to take hold of with the mouse.
    WindowLimits limits;
    limits.minWidth = GetSystemMetrics(SM_CXMINTRACK);
    limits.minHeight = GetSystemMetrics(SM_CYMINTRACK);
    limits.maxWidth = GetSystemMetrics(SM_CXMAXTRACK);
    limits.maxHeight = GetSystemMetrics(SM_CYMAXTRACK);
    limits.captionHeight = GetSystemMetrics(SM_CYCAPTION);
    limits.gripWidth = 3 * limits.captionHeight;
    FitRectToWorkAreas(rect, collected.areas, collected.count, limits);
}
