// Wheel messages to the window a real wheel over the same point would reach:
// today's programs (browsers, Electron, WPF, Qt, Java, Office) scroll on
// wheel messages and use the point in lParam to decide what scrolls. Only
// posting: nothing waits on the target. A window that reads only real input
// (scroll/wheel.h) gets a real wheel turn instead, when the pointer is over
// the target: the system routes real input by the pointer, so anywhere else
// it would land in another window. Turns are never injected here (this runs
// inside a hook): the hooks queue them and inject them after returning.
#include "scroll/wheel_win.h"
#include "scroll/delivery.h"
#include "scroll/settings.h"
#include "scroll/step_posts.h"
#include "scroll/tick_budget.h"
#include "scroll/wheel.h"

#define MAX_WINDOW_DEPTH 64
#define POSTS_BETWEEN_LOOKS 32
#define PLACE_KEPT_MS 100

// A drag posts a wheel message for nearly every mouse move, over the same
// window. Where the target lies, and the receiver under the point when it has
// no children of its own, are kept for a moment and used again while the
// point stays on that receiver: each of those moves then costs the window
// manager no more than the post. A window that moves or gains children
// meanwhile is seen at most PLACE_KEPT_MS later.
static struct {
    HWND hTarget;
    SCREENRECT window, client;     // the target's, in screen coordinates
    HWND hReceiver;                // a window without children under the point, or NULL
    SCREENRECT receiver;
    bool bReal;                    // it reads only real input, and the pointer is over it
    bool bUnder;                   // the system's own window under the point
    DWORD dwWhen;
} place;

static bool Contains(const SCREENRECT &r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

int (*pfnQueueRealTurn)(int nDelta, int bHorizontal, HWND hReceiver);

void RefreshWheelSettings(void)
{
    UINT lines = 3, chars = 3;
    if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0))
        lines = 3;
    if (!SystemParametersInfoA(SPI_GETWHEELSCROLLCHARS, 0, &chars, 0))
        chars = 3;
    Settings.nWheelLineDelta = WheelStepDelta(lines);
    Settings.nWheelCharDelta = WheelStepDelta(chars);
    Settings.nWheelLines = lines;
    Settings.nWheelChars = chars;
}

static SCREENRECT ScreenRect(const RECT &rc)
{
    return SCREENRECT{(int)rc.left, (int)rc.top, (int)rc.right, (int)rc.bottom};
}

// Down through the children under the point, as the system finds the window
// for a real wheel: hidden, disabled and transparent windows are passed over.
// The system's own answer comes first (one call, and this runs for every
// move of a drag); only when another window covers the point is the target's
// own tree walked.
static HWND WheelReceiver(HWND target, POINT pt, bool *pbUnder)
{
    HWND under = WindowFromPoint(pt);
    *pbUnder = under == target || (under && IsChild(target, under));
    if (*pbUnder)
        return under;
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

// The receiver or an ancestor up to the target is of a real-input class.
static bool ReadsOnlyRealInput(HWND receiver, HWND target)
{
    char szClass[64];
    HWND w = receiver;
    for (int depth = 0; w && depth < MAX_WINDOW_DEPTH; depth++) {
        if (GetClassNameA(w, szClass, sizeof szClass) && IsRealInputClass(szClass))
            return true;
        if (w == target)
            break;
        w = GetAncestor(w, GA_PARENT);
    }
    return false;
}

// The pointer is over the target: real input there reaches it.
static bool PointerOverTarget(HWND target)
{
    POINT pt = {Settings.nMouseX, Settings.nMouseY};
    HWND under = WindowFromPoint(pt);
    return under == target || (under && IsChild(target, under));
}

int WheelMayDeliver(HWND target)
{
    int nWay = WheelWayNow();
    return nWay == WHEEL_WAY_POST ||
           (nWay == WHEEL_WAY_REAL_ONLY && pfnQueueRealTurn && PointerOverTarget(target));
}

BOOL FindWheelPlace(HWND target, WHEELPLACE *w)
{
    if (!Settings.nWheelLineDelta)
        RefreshWheelSettings();
    DWORD now = GetTickCount();
    if (place.hTarget != target || now - place.dwWhen > PLACE_KEPT_MS) {
        // Both rectangles in screen coordinates from one call.
        WINDOWINFO wi = {};
        wi.cbSize = sizeof wi;
        if (!GetWindowInfo(target, &wi)) {
            place.hTarget = NULL;
            return FALSE;
        }
        place.hTarget = target;
        place.window = ScreenRect(wi.rcWindow);
        place.client = ScreenRect(wi.rcClient);
        place.hReceiver = NULL;
        place.dwWhen = now;
    }
    WheelPoint(Settings.nMouseX, Settings.nMouseY, place.window, place.client, &w->x, &w->y);
    w->bAtCursor = Contains(place.window, Settings.nMouseX, Settings.nMouseY);
    w->hReceiver = place.hReceiver;
    w->bReal = place.bReal;
    w->bUnder = place.bUnder;
    if (!w->hReceiver || !Contains(place.receiver, w->x, w->y)) {
        bool bUnder;
        w->hReceiver = WheelReceiver(target, POINT{w->x, w->y}, &bUnder);
        w->bUnder = bUnder;
        w->bReal = w->bAtCursor && bUnder && pfnQueueRealTurn &&
                   ReadsOnlyRealInput(w->hReceiver, target);
        RECT rc;
        bool bLeaf = !GetWindow(w->hReceiver, GW_CHILD) && GetWindowRect(w->hReceiver, &rc);
        place.hReceiver = bLeaf ? w->hReceiver : NULL;
        place.bReal = w->bReal;
        place.bUnder = w->bUnder;
        if (bLeaf)
            place.receiver = ScreenRect(rc);
    }
    return TRUE;
}

void ForgetWheelPlace(void)
{
    place.hTarget = NULL;
}

void DeliverWheelSteps(HWND target, const STEPSEGMENT *segments, int nSegments)
{
    int nWay = WheelWayNow();
    if (nWay == WHEEL_WAY_NONE)
        return;
    WHEELPLACE w;
    if (!FindWheelPlace(target, &w))
        return;
    HWND receiver = w.hReceiver;
    bool bReal = w.bReal, bAtCursor = w.bAtCursor;
    int x = w.x, y = w.y;
    // Right after a modifier's release only real input keeps its order.
    if (nWay == WHEEL_WAY_REAL_ONLY) {
        if (!bAtCursor || !w.bUnder || !pfnQueueRealTurn)
            return;
        bReal = true;
    }
    if (bReal && bAtCursor) {
        REALTURN aTurns[4];
        int n = SumRealTurns(segments, nSegments, Settings.nWheelLineDelta,
                             Settings.nWheelCharDelta, aTurns);
        for (int i = 0; i < n; i++)
            if (aTurns[i].nDelta)
                pfnQueueRealTurn(aTurns[i].nDelta, aTurns[i].bHorizontal, receiver);
        return;
    }
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
                // Gone, or its queue is full: look again next time.
                if (!PostStep(receiver, WheelMessage(direction),
                              MAKEWPARAM(0, (WORD)(short)turn), lParam, ForgetWheelPlace)) {
                    ForgetWheelPlace();
                    return;
                }
                if (++nPosted % POSTS_BETWEEN_LOOKS == 0)
                    LetHookCallsIn();
            }
        }
    }
}
