// Automatic delivery. Each drag move adds its distance, as wheel delta, to
// the receiver's amount on each axis (scroll/smooth.h); what the receiver
// takes goes out at once, and what must wait for the next gap goes from a
// one-shot timer that exists only while something waits. Where the amount
// goes and how is the receiver's table row: line codes to the receiver,
// wheel messages in whole notches or exact deltas, or real wheel turns,
// queued by the hooks. No wheel message goes while programs have Control,
// Shift or Alt down.
#include "scroll/smooth_win.h"
#include "scroll/delivery.h"
#include "scroll/receiver_win.h"
#include "scroll/rules_win.h"
#include "scroll/settings.h"
#include "scroll/smooth.h"
#include "scroll/step_posts.h"
#include "scroll/wheel.h"
#include "scroll/wheel_win.h"

enum { AXIS_VERTICAL, AXIS_HORIZONTAL };

static struct {
    SMOOTHAXIS aAxis[2];
    HWND hReceiver;             // what the amounts are for
    HWND hTo;                   // where wheel messages go: the receiver, or its root
    RECEIVERWAY way;
    int x, y;                   // the point they carry
    BOOL bRealOk;               // the pointer is over the receiver: real turns reach it
    BOOL bOverRoot;             // the pointer is over the receiver's top-level window
    UINT_PTR idTimer;
    HWND hRootOf, hRoot;        // the receiver's top-level window and its rectangle,
    RECT rcRoot;                // asked at most every ROOT_KEPT_MS
    DWORD dwRootAt;
} smooth;

// A drag's moves come a millisecond apart, and each question about another
// program's window is a round trip to the window manager; a top-level
// window that moves meanwhile is seen at most this much later.
#define ROOT_KEPT_MS 100

static int Way(int nAxis)
{
    return nAxis == AXIS_VERTICAL ? smooth.way.nVertical : smooth.way.nHorizontal;
}

static int LineDelta(int nAxis)
{
    return nAxis == AXIS_VERTICAL ? Settings.nWheelLineDelta : Settings.nWheelCharDelta;
}

static int Quantum(int nWay, int nAxis)
{
    switch (nWay) {
    case WAY_NOTCHED: return WHEEL_NOTCH;
    case WAY_LINES: return LineDelta(nAxis);
    default: return 1;
    }
}

// Whether what waits on this axis may go now: line codes always, wheel
// messages not while a modifier is down, and right after one was let go
// only as real input (which keeps its place behind the release).
static BOOL MayGo(int nWay)
{
    if (nWay == WAY_LINES)
        return TRUE;
    int nWheel = WheelWayNow();
    if (nWheel == WHEEL_WAY_NONE)
        return FALSE;
    if (nWay == WAY_REAL || nWheel == WHEEL_WAY_REAL_ONLY)
        return smooth.bRealOk && pfnQueueRealTurn;
    return TRUE;
}

static void Send(int nAxis, int nWay, int nDelta)
{
    BOOL bHorizontal = nAxis == AXIS_HORIZONTAL;
    if (nWay == WAY_LINES) {
        // Up and right are positive, as a wheel turns them.
        UINT msg = bHorizontal ? WM_HSCROLL : WM_VSCROLL;
        WPARAM code = bHorizontal ? (nDelta > 0 ? SB_LINERIGHT : SB_LINELEFT)
                                  : (nDelta > 0 ? SB_LINEUP : SB_LINEDOWN);
        for (int n = (nDelta < 0 ? -nDelta : nDelta) / LineDelta(nAxis); n > 0; n--)
            if (!PostStep(smooth.hReceiver, msg, code, 0, NULL))
                break;
        return;
    }
    if (nWay == WAY_REAL || WheelWayNow() == WHEEL_WAY_REAL_ONLY) {
        pfnQueueRealTurn(nDelta, bHorizontal, smooth.hReceiver);
        return;
    }
    // No key flags in the low word: a plain wheel, whatever the keys.
    // Gone, or its queue is full: start afresh.
    if (!PostStep(smooth.hTo, bHorizontal ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL,
                  MAKEWPARAM(0, (WORD)(short)nDelta),
                  MAKELPARAM((WORD)(short)smooth.x, (WORD)(short)smooth.y), ForgetSmooth))
        ForgetSmooth();
}

static void CALLBACK FlushTimerProc(HWND, UINT, UINT_PTR, DWORD);

// Sends what may go now on both axes; the timer comes for the rest.
static void Flush(DWORD dwNow)
{
    int nWait = 0;
    for (int nAxis = 0; nAxis < 2; nAxis++) {
        int nWay = Way(nAxis);
        if (nWay == WAY_NONE || nWay == WAY_NEVER) {
            SmoothForget(&smooth.aAxis[nAxis]);
            continue;
        }
        if (!MayGo(nWay))
            continue;                   // it waits for the next move
        int nAxisWait = 0;
        int nDelta = SmoothTake(&smooth.aAxis[nAxis], Quantum(nWay, nAxis), dwNow, &nAxisWait);
        if (nDelta)
            Send(nAxis, nWay, nDelta);
        if (nAxisWait && (!nWait || nAxisWait < nWait))
            nWait = nAxisWait;
    }
    if (nWait && !smooth.idTimer)
        smooth.idTimer = SetTimer(NULL, 0, (UINT)nWait, FlushTimerProc);
}

static void CALLBACK FlushTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    if (smooth.idTimer)
        KillTimer(NULL, smooth.idTimer);
    smooth.idTimer = 0;
    if (smooth.hReceiver && IsWindow(smooth.hReceiver))
        Flush(GetTickCount());
}

void ForgetSmooth(void)
{
    SmoothForget(&smooth.aAxis[0]);
    SmoothForget(&smooth.aAxis[1]);
    smooth.hReceiver = NULL;
    smooth.hRootOf = NULL;
    if (smooth.idTimer)
        KillTimer(NULL, smooth.idTimer);
    smooth.idTimer = 0;
    ForgetWheelPlace();
}

static BOOL Contains(const RECT &r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Finds the receiver and how it wants it. The point of a wheel message lies
// over the receiver's top-level window: the cursor where it is over it,
// else the nearest point of its client area (Chromium drops a wheel whose
// point lies over another program).
static BOOL Aim(HWND target)
{
    WHEELPLACE w;
    if (!FindWheelPlace(target, &w))
        return FALSE;
    DWORD dwNow = GetTickCount();
    if (w.hReceiver != smooth.hRootOf || dwNow - smooth.dwRootAt > ROOT_KEPT_MS) {
        smooth.hRootOf = w.hReceiver;
        smooth.hRoot = GetAncestor(w.hReceiver, GA_ROOT);
        smooth.rcRoot = RECT{};
        GetWindowRect(smooth.hRoot, &smooth.rcRoot);
        smooth.dwRootAt = dwNow;
    }
    HWND hRoot = smooth.hRoot;
    const RECT &rcRoot = smooth.rcRoot;
    RECT rcClient = {};
    BOOL bOverRoot = Contains(rcRoot, Settings.nMouseX, Settings.nMouseY);
    if (w.hReceiver != smooth.hReceiver || bOverRoot != smooth.bOverRoot) {
        // Another receiver starts afresh on both axes.
        if (w.hReceiver != smooth.hReceiver) {
            SmoothForget(&smooth.aAxis[0]);
            SmoothForget(&smooth.aAxis[1]);
        }
        smooth.way = ReceiverWayOf(w.hReceiver, bOverRoot);
        // A program's rule may choose one way for all of its windows.
        int nForced = OptionsNow()->nForcedWay;
        if (nForced != WAY_NONE && smooth.way.nVertical != WAY_NEVER) {
            smooth.way.nVertical = smooth.way.nHorizontal = nForced;
            smooth.way.bToRoot = 0;
        }
        smooth.hReceiver = w.hReceiver;
        smooth.bOverRoot = bOverRoot;
    }
    smooth.hTo = smooth.way.bToRoot ? hRoot : w.hReceiver;
    smooth.bRealOk = w.bAtCursor && w.bUnder;
    if (bOverRoot) {
        smooth.x = Settings.nMouseX;
        smooth.y = Settings.nMouseY;
    } else {
        GetClientRect(hRoot, &rcClient);
        MapWindowPoints(hRoot, NULL, (POINT *)&rcClient, 2);
        smooth.x = NearestInside(Settings.nMouseX, (int)rcClient.left, (int)rcClient.right);
        smooth.y = NearestInside(Settings.nMouseY, (int)rcClient.top, (int)rcClient.bottom);
    }
    return TRUE;
}

static void Add(double dVertical, double dHorizontal)
{
    DWORD dwNow = GetTickCount();
    SmoothAdd(&smooth.aAxis[AXIS_VERTICAL], smooth.hReceiver, dVertical, dwNow);
    SmoothAdd(&smooth.aAxis[AXIS_HORIZONTAL], smooth.hReceiver, dHorizontal, dwNow);
    Flush(dwNow);
}

void DeliverSmoothDrag(HWND target, int dx, int dy)
{
    if (!Aim(target))
        return;
    // Down and right as the steps scroll: down turns the wheel backward. A
    // program's speed multiplies the amount itself, exactly either way.
    double dSpeed = OptionsNow()->nSpeed / 100.0;
    Add(-DragDelta(dy, Settings.nScrollTimes, Settings.nWheelLines, Settings.nSensitivity) * dSpeed,
        DragDelta(dx, Settings.nScrollTimes, Settings.nWheelChars, Settings.nSensitivity) * dSpeed);
}

void DeliverAutoSteps(HWND target, const STEPSEGMENT *segments, int nSegments)
{
    if (!Aim(target))
        return;
    double dVertical = 0, dHorizontal = 0;
    for (int s = 0; s < nSegments; s++)
        for (int k = 0; k < segments[s].nDirections; k++) {
            int d = segments[s].anDirection[k];
            double dTurn = (double)WheelTurn(d, Settings.nWheelLineDelta, Settings.nWheelCharDelta) *
                           segments[s].nRepeat;
            (d == SCROLL_LEFT || d == SCROLL_RIGHT ? dHorizontal : dVertical) += dTurn;
        }
    Add(dVertical, dHorizontal);
}

BOOL NeverScrolledAt(HWND target, POINT pt)
{
    HWND under = WindowFromPoint(pt);
    if (!under || (under != target && !IsChild(target, under)))
        return FALSE;
    RECEIVERWAY w = ReceiverWayOf(under, TRUE);
    return w.nVertical == WAY_NEVER;
}
