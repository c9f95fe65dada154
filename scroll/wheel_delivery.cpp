// Wheel messages to the window a real wheel over the same point would reach:
// today's programs (browsers, Electron, WPF, Qt, Java, Office) scroll on
// wheel messages and use the point in lParam to decide what scrolls. Only
// posting: nothing waits on the target.
#include "scroll/wheel_delivery.h"
#include "scroll/settings.h"
#include "scroll/tick_budget.h"
#include "scroll/wheel.h"

#define MAX_WINDOW_DEPTH 64
#define POSTS_BETWEEN_LOOKS 32

void RefreshWheelSettings(void)
{
    UINT lines = 3, chars = 3;
    if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0))
        lines = 3;
    if (!SystemParametersInfoA(SPI_GETWHEELSCROLLCHARS, 0, &chars, 0))
        chars = 3;
    Settings.nWheelLineDelta = WheelStepDelta(lines);
    Settings.nWheelCharDelta = WheelStepDelta(chars);
}

static SCREENRECT ScreenRect(const RECT &rc)
{
    return SCREENRECT{(int)rc.left, (int)rc.top, (int)rc.right, (int)rc.bottom};
}

// Down through the children under the point, as the system finds the window
// for a real wheel: hidden, disabled and transparent windows are passed over.
static HWND WheelReceiver(HWND target, POINT pt)
{
    HWND w = target;
    for (int depth = 0; depth < MAX_WINDOW_DEPTH; depth++) {
        POINT local = pt;
        ScreenToClient(w, &local);
        HWND child = ChildWindowFromPointEx(w, local,
                                            CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT);
        if (!child || child == w)
            break;
        w = child;
    }
    return w;
}

void DeliverWheelSteps(HWND target, const STEPSEGMENT *segments, int nSegments)
{
    if (!Settings.nWheelLineDelta)
        RefreshWheelSettings();
    // Both rectangles in screen coordinates from one call: this runs for
    // every mouse move of a drag.
    WINDOWINFO wi = {};
    wi.cbSize = sizeof wi;
    if (!GetWindowInfo(target, &wi))
        return;
    int x, y;
    WheelPoint(Settings.nMouseX, Settings.nMouseY, ScreenRect(wi.rcWindow), ScreenRect(wi.rcClient),
               &x, &y);
    HWND receiver = WheelReceiver(target, POINT{x, y});
    LPARAM lParam = MAKELPARAM((WORD)(short)x, (WORD)(short)y);

    int nPosted = 0;
    for (int s = 0; s < nSegments; s++) {
        for (int r = 0; r < segments[s].nRepeat; r++) {
            for (int k = 0; k < segments[s].nDirections; k++) {
                if (!TickTimeLeft())
                    return;
                int direction = segments[s].anDirection[k];
                int turn = WheelTurn(direction, Settings.nWheelLineDelta, Settings.nWheelCharDelta);
                // No key flags in the low word: programs must see a plain wheel.
                if (!PostMessageA(receiver, WheelMessage(direction),
                                  MAKEWPARAM(0, (WORD)(short)turn), lParam))
                    return;               // gone, or its queue is full
                if (++nPosted % POSTS_BETWEEN_LOOKS == 0)
                    LetHookCallsIn();
            }
        }
    }
}
