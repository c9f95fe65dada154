// Wheel delivery's decisions as plain arithmetic.
#include "scroll/wheel.h"
#include <string.h>

int WheelStepDelta(unsigned int nPerNotch)
{
    if (nPerNotch == 0 || nPerNotch == 0xFFFFFFFFu)
        return WHEEL_NOTCH;
    unsigned int d = WHEEL_NOTCH / nPerNotch;
    return d > 0 ? (int)d : 1;
}

void WheelPoint(int cursorX, int cursorY, const SCREENRECT &window, const SCREENRECT &client,
                int *pX, int *pY)
{
    if (cursorX >= window.left && cursorX < window.right && cursorY >= window.top &&
        cursorY < window.bottom) {
        *pX = cursorX;
        *pY = cursorY;
        return;
    }
    *pX = (int)(((long long)client.left + client.right) / 2);
    *pY = (int)(((long long)client.top + client.bottom) / 2);
}

int NearestInside(int v, int lo, int hi)
{
    if (hi <= lo)
        return lo;
    return v < lo ? lo : v >= hi ? hi - 1 : v;
}

unsigned int WheelMessage(int direction)
{
    return direction == SCROLL_LEFT || direction == SCROLL_RIGHT ? 0x020Eu    // WM_MOUSEHWHEEL
                                                                 : 0x020Au;   // WM_MOUSEWHEEL
}

int WheelTurn(int direction, int nVerticalDelta, int nHorizontalDelta)
{
    switch (direction) {
    case SCROLL_UP: return nVerticalDelta;
    case SCROLL_DOWN: return -nVerticalDelta;
    case SCROLL_RIGHT: return nHorizontalDelta;
    default: return -nHorizontalDelta;
    }
}

static const char *const aszRealInputClasses[] = {
    "Windows.UI.Core.CoreWindow",
    "ApplicationFrameWindow",
    "Windows.UI.Input.InputSite.WindowClass",
    "Windows.UI.Composition.DesktopWindowContentBridge",
    "InputSiteWindowClass",
    "Microsoft.UI.Content.DesktopChildSiteBridge",
    "WinUIDesktopWin32WindowClass",
    "CASCADIA_HOSTING_WINDOW_CLASS",
};

int IsRealInputClass(const char *szClass)
{
    for (const char *c : aszRealInputClasses)
        if (strcmp(szClass, c) == 0)
            return 1;
    return 0;
}

#define MAX_WHEEL_DELTA 32767

int SumRealTurns(const STEPSEGMENT *segments, int nSegments, int nVerticalDelta,
                 int nHorizontalDelta, REALTURN aTurns[4])
{
    long long allSums[4] = {};
    int anOrder[4], n = 0;
    for (int s = 0; s < nSegments; s++) {
        if (segments[s].nRepeat <= 0)
            continue;
        for (int k = 0; k < segments[s].nDirections; k++) {
            int d = segments[s].anDirection[k];
            if (d < 0 || d > 3)
                continue;
            bool bSeen = false;
            for (int i = 0; i < n; i++)
                bSeen = bSeen || anOrder[i] == d;
            if (!bSeen)
                anOrder[n++] = d;
            allSums[d] += (long long)segments[s].nRepeat * WheelTurn(d, nVerticalDelta, nHorizontalDelta);
            if (allSums[d] > MAX_WHEEL_DELTA)
                allSums[d] = MAX_WHEEL_DELTA;
            if (allSums[d] < -MAX_WHEEL_DELTA)
                allSums[d] = -MAX_WHEEL_DELTA;
        }
    }
    for (int i = 0; i < n; i++) {
        aTurns[i].nDelta = (int)allSums[anOrder[i]];
        aTurns[i].bHorizontal = anOrder[i] == SCROLL_LEFT || anOrder[i] == SCROLL_RIGHT;
    }
    return n;
}
