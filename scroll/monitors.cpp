// Gathering monitor rectangles with EnumDisplayMonitors. Until they are known
// (a record set up by hand) the primary screen from nScreenMaxX/Y stands in.
#include "scroll/monitors.h"
#include "scroll/edge_bands.h"
#include "scroll/settings.h"

static SCREENRECT FromRect(const RECT &rc)
{
    return SCREENRECT{(int)rc.left, (int)rc.top, (int)rc.right, (int)rc.bottom};
}

static BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM)
{
    if (Settings.nMonitors >= MAX_MONITOR_RECTS)
        return FALSE;
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (!GetMonitorInfoA(monitor, &mi))
        return TRUE;
    Settings.arcMonitors[Settings.nMonitors] = FromRect(mi.rcMonitor);
    Settings.arcWorkAreas[Settings.nMonitors] = FromRect(mi.rcWork);
    Settings.nMonitors++;
    return TRUE;
}

void RefreshMonitors(void)
{
    Settings.nScreenMaxX = GetSystemMetrics(SM_CXSCREEN) - 1;
    Settings.nScreenMaxY = GetSystemMetrics(SM_CYSCREEN) - 1;
    Settings.nMonitors = 0;
    EnumDisplayMonitors(NULL, NULL, AddMonitor, 0);
}

int CursorEdgeSides(int x, int y)
{
    if (Settings.nMonitors > 0)
        return EdgeSides(x, y, Settings.nEdgeMargin, Settings.arcMonitors, Settings.nMonitors);
    SCREENRECT primary = {0, 0, Settings.nScreenMaxX + 1, Settings.nScreenMaxY + 1};
    return EdgeSides(x, y, Settings.nEdgeMargin, &primary, 1);
}
