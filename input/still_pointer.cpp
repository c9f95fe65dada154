// Holding the pointer still. The mouse hook swallows each move of a drag, so
// the pointer stays where it was, and reports how far the move would have
// taken it. Whether it holds is decided once, where the drag begins (a drag
// that begins where nothing is scrolled holds nothing), and looked at again
// with every move: another window in front frees it at once.
#include "input/still_pointer.h"
#include "scroll/rules_win.h"
#include "scroll/settings.h"
#include "scroll/target.h"

static BOOL bHolding;
static BOOL bDeclined;          // decided where this drag began: not held
static HWND hFront;             // the window in front where holding began

BOOL HoldPointer(BOOL bWatch, BOOL bDragging)
{
    if (!OptionsNow()->bKeepPointerStill || !bWatch || !bDragging) {
        bHolding = bDeclined = FALSE;   // the common case: nothing more per move
        return FALSE;
    }
    if (bDeclined)
        return FALSE;
    HWND front = GetForegroundWindow();
    if (!bHolding) {
        // Where the drag's window would not be scrolled, nothing holds it.
        POINT pt;
        HWND target = !OptionsNow()->bUnderPointer ? FindTargetWindow()
                      : GetCursorPos(&pt)     ? FindPointerTarget(pt, NULL)
                                              : NULL;
        if (!target) {
            bDeclined = TRUE;
            return FALSE;
        }
        hFront = front;
        bHolding = TRUE;
    } else if (front != hFront) {
        // An excluded program, one run as administrator, a game: nothing
        // there could free the pointer, so it is free now, for this drag.
        bHolding = FALSE;
        bDeclined = TRUE;
    }
    return bHolding;
}

POINT HeldMoveDelta(POINT ptEvent)
{
    // Inside the hook the system has not moved the pointer yet.
    POINT now;
    if (!GetCursorPos(&now))
        return POINT{0, 0};
    return POINT{ptEvent.x - now.x, ptEvent.y - now.y};
}

void ReleasePointer(void)
{
    bHolding = bDeclined = FALSE;
}

int PointerHeld(void)
{
    return bHolding;
}
