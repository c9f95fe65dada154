// The engine's drag state: which triggers are held, the lock and its end,
// and what a drag that starts or ends must start afresh. The ticks that
// deliver a drag's steps are Engine.cpp's.
#include "scroll/engine.h"
#include "scroll/engine_state.h"
#include "scroll/glide_win.h"
#include "scroll/messages.h"
#include "scroll/rules_win.h"
#include "scroll/settings.h"
#include "scroll/target.h"
#include "scroll/tick_plan.h"

ENGINESTATE Engine;


int DragLocked(void)
{
    return Engine.bDragLocked;
}

unsigned DragTicks(void)
{
    return Engine.nDragTicks;
}

int DragButtonDown(void)
{
    return Engine.bMiddleDown;
}

int DragHeld(void)
{
    DRAGSTATE d = {IsWheelLikeType(OptionsNow()->nMessageType), Settings.bHoldKey,
                   Settings.bMiddleButton, Settings.bKeyHeld, Engine.bHoldKeyDown,
                   Engine.bMiddleDown, Engine.bDragLocked};
    return IsDragHeld(&d);
}

BOOL EndLockIfFrontChanged(void)
{
    if (!Engine.bDragLocked || !Engine.hLockFront || GetForegroundWindow() == Engine.hLockFront)
        return FALSE;
    EndDragLock();
    if (Settings.hMainWnd)
        PostMessageA(Settings.hMainWnd, WM_SHOWDRAGLOCK, 0, 0);
    return TRUE;
}

void CheckDragLockFront(void)
{
    EndLockIfFrontChanged();
}

// A drag starts afresh (nothing added up, no moves to glide on) or ends. It
// glides on only when its trigger is let go cleanly (OnTriggerReport), never
// when a chord, a click, the lock's end or a change of options ends it.
void DragChanged(bool bWas)
{
    bool bNow = DragHeld() != 0;
    if (bNow == bWas)
        return;
    Engine.nDragSumX = Engine.nDragSumY = 0;
    Engine.smooth = SMOOTHDRAG{};
    Engine.bDragTargetFound = FALSE;     // a new drag finds its window anew
    StopGlide();
    if (bNow)
        ForgetGlideMoves();
}

void SetHeldTriggers(int bKeyDown, int bButtonDown)
{
    bool bWas = DragHeld() != 0;
    Engine.bHoldKeyDown = bKeyDown != 0;
    Engine.bMiddleDown = bButtonDown != 0;
    Settings.bKeyHeld = (short)(bKeyDown || bButtonDown);
    if (bWas != (DragHeld() != 0))
        Engine.nDragAxis = 0;
    DragChanged(bWas);
}

BOOL OnTriggerReport(int what, int bClean)
{
    bool bDragWas = DragHeld() != 0;
    BOOL bWas = Engine.bDragLocked;
    if (what == TRIGGER_TAPPED && Settings.bDragLock && Settings.bScrolling)
        Engine.bDragLocked = !Engine.bDragLocked;
    else if (what == TRIGGER_DRAGGED)
        Engine.bDragLocked = 0;      // a press that dragged ends the lock with it
    Engine.hLockFront = Engine.bDragLocked ? (bWas ? Engine.hLockFront : GetForegroundWindow()) : NULL;
    if (Engine.bDragLocked != bWas) {
        Engine.nDragAxis = 0;
        DragChanged(bDragWas);
    }
    // A flick: the trigger let go while the hand still moved, nothing else
    // pressed meanwhile, and no drag going on after it.
    if (what == TRIGGER_DRAGGED && bClean && !DragHeld())
        GlideAfterDrag(Engine.nGlideDirection,
                       OptionsNow()->bUnderPointer ? Engine.hDragTarget : FindTargetWindow());
    return Engine.bDragLocked != bWas;
}

void EndDragLock(void)
{
    Engine.bDragLocked = 0;
    Engine.hLockFront = NULL;
    Engine.nDragAxis = 0;
    Engine.nDragSumX = Engine.nDragSumY = 0;
    Engine.smooth = SMOOTHDRAG{};
    StopGlide();
}

BOOL EndUnusableDragLock(void)
{
    if (!Engine.bDragLocked ||
        (Settings.bDragLock && (Settings.bHoldKey || Settings.bMiddleButton)))
        return FALSE;
    EndDragLock();
    return TRUE;
}
