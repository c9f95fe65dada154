// Giving back what the hooks kept: the give-back queue is drained here, on
// the main thread after the hook has returned (WM_GIVEBACK), at OFF and at
// exit. Delivery's real wheel turns join the same queue, so that each keeps
// its place among the events given back.
#include "input/hooks.h"
#include "input/hook_state.h"
#include "input/inject.h"
#include "scroll/delivery.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "scroll/wheel_win.h"

unsigned nGiveBacksRefused;

// Under Wine GetCursorPos can lag behind the events the hooks have passed,
// so both points must be over the window; mostly they are one point, and
// one look at it will do (each look is a round trip to the window manager).
// *pptHook: the point of the two where input will go.
static BOOL PointerOver(HWND hwnd, POINT *pptHook)
{
    POINT pt;
    *pptHook = HookPointer();
    if (!GetCursorPos(&pt) || WindowFromPoint(pt) != hwnd)
        return FALSE;
    return (pt.x == pptHook->x && pt.y == pptHook->y) || WindowFromPoint(*pptHook) == hwnd;
}

// The pointer is still where the step found the receiver under it (the
// turn's own point): no input has moved it since, so no second look is
// needed, and the mouse hook still drops the turn if the system routes it
// to another point. This is the usual case, a turn injected right after the
// hook call that made it, and the looks cost every input event of a drag
// two round trips to the window manager.
static BOOL StillWhereSeen(const TRIGGEREVENT *e, POINT *pptSeen)
{
    *pptSeen = HookPointer();
    return pptSeen->x == e->nX && pptSeen->y == e->nY;
}

void GiveBackHeldInput(void)
{
    GIVEBACK *g = &HookTrigger()->give;
    // Each event stays queued while it is injected: real events that reach
    // the hooks meanwhile (they can, inside SendInput) queue up behind it.
    // One that SendInput refuses is counted and dropped, never retried.
    while (const TRIGGEREVENT *e = GiveBackNext(g)) {
        TRIGGEREVENT copy = *e;
        // Real input goes where the pointer is: a turn for a window the
        // pointer has left since is dropped now, and the mouse hook drops
        // one that gets there too late, when the system routes it.
        POINT ptSeen = {0, 0};
        if (copy.bOwnTurn && !StillWhereSeen(&copy, &ptSeen) &&
            !PointerOver((HWND)copy.hReceiver, &ptSeen)) {
            GiveBackTaken(g);
            continue;
        }
        if (copy.nKind == TRIG_WHEEL)
            NoteOwnWheel(copy.bOwnTurn ? (HWND)copy.hReceiver : NULL, ptSeen);
        BOOL bInjected = InjectEvent(&copy);
        if (!bInjected) {
            nGiveBacksRefused++;
            if (copy.nKind == TRIG_WHEEL)
                DropLastOwnWheel();
        }
        GiveBackTaken(g);
        if (bInjected && copy.nKind == TRIG_KEY && !copy.bDown &&
            (copy.nCode == 16 || copy.nCode == 17 || copy.nCode == 18))
            NoteModifierReleased();
    }
    TellDelivery();
}

// Called by delivery, the one call from scroll/ up into input/: a real wheel
// turn for a window that reads only real input (scroll/wheel_win.h),
// injected after the hook has returned, behind what was queued before it.
static int QueueRealTurn(int nDelta, int bHorizontal, HWND hReceiver)
{
    TRIGGEREVENT e = {};
    e.nKind = TRIG_WHEEL;
    e.bDown = 1;
    e.nWheelDelta = nDelta;
    e.bHorizontal = bHorizontal;
    e.bOwnTurn = 1;
    e.hReceiver = hReceiver;
    e.nX = Settings.nMouseX;
    e.nY = Settings.nMouseY;
    if (!GiveBackOwnTurn(&HookTrigger()->give, &e))
        return 0;
    if (Settings.hMainWnd)
        PostMessageA(Settings.hMainWnd, WM_GIVEBACK, 0, 0);
    return 1;
}

void InstallRealTurns(void)
{
    pfnQueueRealTurn = QueueRealTurn;
}
