// The scroll engine. It runs on the program's one thread, inside the handling
// of a hook report or a timer tick, and keeps its state in the Settings record.
// A tick plans its steps first and looks for a target only when there is
// something to deliver: most cursor reports plan nothing, and they are the
// program's whole day while it is ON.
#include "scroll/engine.h"
#include "scroll/delivery.h"
#include "scroll/monitors.h"
#include "scroll/settings.h"
#include "scroll/target.h"
#include "scroll/tick_plan.h"

static int DragHeld(void)
{
    DRAGSTATE d = {Settings.nMessageType == MESSAGE_WHEEL, Settings.bHoldKey,
                   Settings.bMiddleButton, Settings.bKeyHeld, Settings.bHoldKeyDown,
                   Settings.bMiddleDown, Settings.bDragLocked};
    return IsDragHeld(&d);
}

void ScrollTick(void)
{
    if (!Settings.bScrolling)
        return;
    TICKPLAN plan = {};
    if (Settings.bEdgeScroll == 1)
        PlanEdgeSteps(&plan, CursorEdgeSides(Settings.nMouseX, Settings.nMouseY),
                      Settings.nScrollTimes);
    // The drag references (and a one-axis drag's axis) move only when the
    // tick has a target to scroll. Drag steps are planned on their own, turned
    // as the drag options say, and then follow the edge steps.
    int lastX = Settings.nLastX, lastY = Settings.nLastY, axis = Settings.nDragAxis;
    TICKPLAN drag = {};
    bool bDragged = false;
    if (DragHeld()) {
        long long dx = (long long)Settings.nMouseX - lastX, dy = (long long)Settings.nMouseY - lastY;
        PlanDragSteps(&drag, Settings.nMouseX, Settings.nMouseY, &lastX, &lastY,
                      Settings.nSensitivity, Settings.nScrollTimes);
        // A drag is a drag even when one axis drops its steps: it is no tap.
        bDragged = drag.nSegments > 0;
        if (Settings.bOneAxis)
            KeepOneAxis(&drag, &axis, dx, dy);
        if (Settings.bReverse)
            ReverseSteps(&drag);
    }
    AppendPlan(&plan, &drag);
    // Behind a give-back still waiting, a step would reach programs before
    // it (a wheel message ahead of a Control release would arrive with
    // Control down): the references stay, and the next report takes it up.
    if ((plan.nSegments == 0 && !bDragged) || Settings.bGiveBackWaiting)
        return;
    HWND target = FindTargetWindow();
    if (!target)
        return;
    Settings.nLastX = lastX;
    Settings.nLastY = lastY;
    Settings.nDragAxis = axis;
    // Counted before delivery: a tick nested in this one's delivery must see
    // that a drag is under way.
    if (bDragged)
        Settings.nDragTicks++;
    DeliverSteps(target, plan.aSegments, plan.nSegments);
}

void OnMouseReport(int x, int y)
{
    Settings.nLastX = Settings.nMouseX;
    Settings.nLastY = Settings.nMouseY;
    Settings.nMouseX = x;
    Settings.nMouseY = y;
    if (!Settings.bScrolling)
        return;
    // A drag held by the lock or by a button has no auto-repeat to drive it:
    // its moves do, whatever the edge setting.
    if (Settings.bEdgeScroll == 1 || ((Settings.bDragLocked || Settings.bMiddleDown) && DragHeld()))
        ScrollTick();
    if (Settings.bEdgeRepeat == 1 && !Settings.bTimerRunning) {
        Settings.idRepeatTimer =
            SetTimer(NULL, 0, RepeatPeriodMs(Settings.nRepeatMs), RepeatTimerProc);
        // A refused timer is asked for again at the next report.
        Settings.bTimerRunning = Settings.idRepeatTimer != 0;
    }
}

static int ArrowDirection(int vk)
{
    switch (vk) {
    case VK_UP: return SCROLL_UP;
    case VK_DOWN: return SCROLL_DOWN;
    case VK_LEFT: return SCROLL_LEFT;
    case VK_RIGHT: return SCROLL_RIGHT;
    default: return -1;
    }
}

void OnKeyReport(int vk, int pressed)
{
    int direction = ArrowDirection(vk);
    if (Settings.bArrowKeys && direction >= 0) {
        // Press, every auto-repeat and the release all scroll.
        HWND target = FindTargetWindow();
        if (target && Settings.nScrollTimes > 0) {
            STEPSEGMENT steps = {{direction, direction}, 1, Settings.nScrollTimes};
            DeliverSteps(target, &steps, 1);
        }
        return;
    }
    if (vk == Settings.nScrollVk || vk == MIDDLE_BUTTON_KEY) {
        Settings.bKeyHeld = (short)pressed;
        int *pDown = vk == MIDDLE_BUTTON_KEY ? &Settings.bMiddleDown : &Settings.bHoldKeyDown;
        // A new press (not an auto-repeat) and a release start a one-axis
        // drag afresh.
        if (*pDown != (pressed != 0))
            Settings.nDragAxis = 0;
        *pDown = pressed != 0;
        if (Settings.bKeyHeld && DragHeld())
            ScrollTick();
    }
}

BOOL OnTriggerReport(int what)
{
    BOOL bWas = Settings.bDragLocked;
    if (what == TRIGGER_TAPPED && Settings.bDragLock && Settings.bScrolling)
        Settings.bDragLocked = !Settings.bDragLocked;
    else if (what == TRIGGER_DRAGGED)
        Settings.bDragLocked = 0;      // a press that dragged ends the lock with it
    if (Settings.bDragLocked == bWas)
        return FALSE;
    Settings.nDragAxis = 0;
    return TRUE;
}

void EndDragLock(void)
{
    Settings.bDragLocked = 0;
    Settings.nDragAxis = 0;
}

BOOL EndUnusableDragLock(void)
{
    if (!Settings.bDragLocked ||
        (Settings.bDragLock && (Settings.bHoldKey || Settings.bMiddleButton)))
        return FALSE;
    EndDragLock();
    return TRUE;
}

void CALLBACK RepeatTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    if (!CursorEdgeSides(Settings.nMouseX, Settings.nMouseY)) {
        KillTimer(NULL, Settings.idRepeatTimer);
        Settings.bTimerRunning = 0;
        return;
    }
    ScrollTick();
}
