// The scroll Engine. It runs on the program's one thread, inside the handling
// of a hook report or a timer tick, and keeps its state in the Settings record
// and in its own (engine_state.h).
// A tick plans its steps first and looks for a target only when there is
// something to deliver: most cursor reports plan nothing, and they are the
// program's whole day while it is ON. In the classic types a drag compares
// the last two cursor reports; in the "Mouse wheel" type it adds up the
// distance moved, so a slow drag scrolls too.
#include "scroll/engine.h"
#include "scroll/delivery.h"
#include "scroll/engine_state.h"
#include "scroll/glide_win.h"
#include "scroll/monitors.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "scroll/target.h"
#include "scroll/rules_win.h"
#include "scroll/smooth.h"
#include "scroll/tick_plan.h"
#include "scroll/wheel_win.h"

// "Mouse wheel" and "Automatic": the triggers are kept, and a drag goes by
// the distance moved, so a slow drag scrolls too.
static bool WheelType(void)
{
    return IsWheelLikeType(OptionsNow()->nMessageType) != 0;
}

static bool AutoType(void)
{
    return OptionsNow()->nMessageType == MESSAGE_AUTO;
}

// The direction of a smooth drag's distance, for a glide after it.
static int SmoothDirection(int dx, int dy)
{
    if ((dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy))
        return dx > 0 ? SCROLL_RIGHT : SCROLL_LEFT;
    return dy > 0 ? SCROLL_DOWN : SCROLL_UP;
}

// The direction a glide would take after this drag step: of a pass with
// both, the axis that moved more.
static int LastDirection(const TICKPLAN *drag, long long dx, long long dy)
{
    const STEPSEGMENT &s = drag->aSegments[drag->nSegments - 1];
    if (s.nDirections == 1)
        return s.anDirection[0];
    bool bHorizontalFirst = s.anDirection[0] == SCROLL_LEFT || s.anDirection[0] == SCROLL_RIGHT;
    bool bHorizontal = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy);
    return s.anDirection[bHorizontal == bHorizontalFirst ? 0 : 1];
}

// The window a drag scrolls with "Scroll the Window Under the Pointer": the
// one under the pointer where it began, found again when the pointer
// crosses into another top-level window (held still, it never does). Its
// rectangle tells the crossing without asking the window manager per move.
static HWND DragTarget(void)
{
    POINT pt = {Settings.nMouseX, Settings.nMouseY};
    if (Engine.bDragTargetFound && PtInRect(&Engine.rcDragTarget, pt))
        return Engine.hDragTarget;
    Engine.hDragTarget = FindPointerTarget(pt, NULL);
    Engine.bDragTargetFound = TRUE;
    // A rule of programs.txt for the window crossed into applies from here.
    UseOptionsOf(Engine.hDragTarget, Engine.hDragTarget ? WindowFromPoint(pt) : NULL);
    // Over nothing to scroll, the next move looks again.
    if (!Engine.hDragTarget || !GetWindowRect(Engine.hDragTarget, &Engine.rcDragTarget))
        SetRectEmpty(&Engine.rcDragTarget);
    return Engine.hDragTarget;
}

// The options of the window in front, for the steps that go there (an edge's,
// the arrow keys') while no drag has chosen a window. The rules are asked
// only where there are any and only for a step: most moves are no step, and
// a question to the window manager costs an idle move as much as the hook.
static void UseFrontOptions(HWND front)
{
    const RULESET *rules = ProgramRules();
    if (front && rules && !rules->lines.empty())
        UseOptionsOf(front, NULL);
}

// One tick, the drag at (dragX, dragY) in the classic types (the cursor, or
// with the pointer held still the point an event would have taken it to).
static void Tick(int dragX, int dragY)
{
    if (!Settings.bScrolling)
        return;
    // Without a drag the window in front is scrolled, with its options.
    if (!DragHeld() && Settings.bEdgeScroll == 1 &&
        CursorEdgeSides(Settings.nMouseX, Settings.nMouseY))
        UseFrontOptions(FindTargetWindow());
    TICKPLAN plan = {};
    if (Settings.bEdgeScroll == 1)
        PlanEdgeSteps(&plan, CursorEdgeSides(Settings.nMouseX, Settings.nMouseY),
                      AtSpeed(Settings.nScrollTimes));
    // The drag references (and a one-axis drag's axis) move only when the
    // tick has a target to scroll. Drag steps are planned on their own, turned
    // as the drag options say, and then follow the edge steps.
    int lastX = Settings.nLastX, lastY = Settings.nLastY, axis = Engine.nDragAxis;
    int sumX = Engine.nDragSumX, sumY = Engine.nDragSumY;
    TICKPLAN drag = {};
    bool bDragged = false;
    int nDirection = -1;
    // Automatic: the drag is a distance, not steps (scroll/smooth.h).
    SMOOTHDRAG smooth = Engine.smooth;
    int smoothX = 0, smoothY = 0;
    if (DragHeld() && AutoType()) {
        bDragged = PlanSmoothDrag(&smooth, SensitivityNow(), Settings.bOneAxis,
                                  OptionsNow()->bReverse, &smoothX, &smoothY) != 0;
        if (!OptionsNow()->bHorizontal)
            smoothX = 0;
        if (bDragged)
            nDirection = SmoothDirection(smoothX, smoothY);
    } else if (DragHeld()) {
        long long dx, dy;
        if (WheelType()) {
            // The sums are measured from 0; a step starts its axis again.
            int refX = 0, refY = 0;
            dx = sumX;
            dy = sumY;
            PlanDragSteps(&drag, sumX, sumY, &refX, &refY, SensitivityNow(),
                          Settings.nScrollTimes);
            sumX -= refX;
            sumY -= refY;
        } else {
            dx = (long long)dragX - lastX;
            dy = (long long)dragY - lastY;
            PlanDragSteps(&drag, dragX, dragY, &lastX, &lastY, SensitivityNow(),
                          Settings.nScrollTimes);
        }
        // A drag is a drag even when one axis drops its steps: it is no tap.
        bDragged = drag.nSegments > 0;
        StepsAtDragSpeed(&drag);
        if (Settings.bOneAxis)
            KeepOneAxis(&drag, &axis, dx, dy);
        if (OptionsNow()->bReverse)
            ReverseSteps(&drag);
        if (drag.nSegments > 0)
            nDirection = LastDirection(&drag, dx, dy);
    }
    // The drag's steps go where the drag goes: with the option, the window
    // under the pointer; the edge steps stay with the window in front.
    HWND dragTarget = NULL;
    // A program's rule may keep it from scrolling sideways at all.
    if (!OptionsNow()->bHorizontal) {
        KeepVertical(&plan);
        KeepVertical(&drag);
    }
    BOOL bApart = OptionsNow()->bUnderPointer && (drag.nSegments > 0 || bDragged);
    if (!bApart)
        AppendPlan(&plan, &drag);
    // Behind a give-back still waiting, a step would reach programs before
    // it (a wheel message ahead of a Control release would arrive with
    // Control down): nothing moves, so the wheel type's distance waits for
    // the next report, and the classic types' step is dropped.
    if ((plan.nSegments == 0 && !bDragged) || ProgramInputOwed())
        return;
    HWND target = plan.nSegments > 0 || !bApart ? FindTargetWindow() : NULL;
    if (bApart)
        dragTarget = DragTarget();
    if (!target && !dragTarget)
        return;
    // Nor may a wheel message reach a program that has Control, Shift or Alt
    // down: the distance waits.
    if (WheelType() && !WheelMayDeliver(dragTarget ? dragTarget : target))
        return;
    Settings.nLastX = lastX;
    Settings.nLastY = lastY;
    Engine.nDragSumX = sumX;
    Engine.nDragSumY = sumY;
    Engine.nDragAxis = axis;
    Engine.smooth = smooth;
    if (nDirection >= 0)
        Engine.nGlideDirection = nDirection;
    // Counted before delivery: a tick nested in this one's delivery must see
    // that a drag is under way.
    if (bDragged)
        Engine.nDragTicks++;
    if (target)
        DeliverSteps(target, plan.aSegments, plan.nSegments);
    if (dragTarget)
        DeliverSteps(dragTarget, drag.aSegments, drag.nSegments);
    if ((smoothX || smoothY) && (bApart ? dragTarget : target))
        DeliverDistance(bApart ? dragTarget : target, smoothX, smoothY);
}

void ScrollTick(void)
{
    Tick(Settings.nMouseX, Settings.nMouseY);
}

// A drag's move, counted once: to the wheel type's distance, and to the
// moves a glide reads its speed from.
static void NoteDragMove(int dx, int dy)
{
    if (AutoType()) {
        AddSmoothMove(&Engine.smooth, dx, dy);
    } else if (WheelType()) {
        AddDragDistance(&Engine.nDragSumX, dx);
        AddDragDistance(&Engine.nDragSumY, dy);
    }
    RecordGlideMove(dx, dy);
}

void OnMouseReport(int x, int y)
{
    EndLockIfFrontChanged();
    Settings.nLastX = Settings.nMouseX;
    Settings.nLastY = Settings.nMouseY;
    Settings.nMouseX = x;
    Settings.nMouseY = y;
    if (!Settings.bScrolling)
        return;
    bool bDrag = DragHeld() != 0;
    if (bDrag)
        NoteDragMove(x - Settings.nLastX, y - Settings.nLastY);
    // A drag held by the lock or by a button has no auto-repeat to drive it,
    // nor one in the wheel type, where a key's repeats add no distance: its
    // moves do, whatever the edge setting.
    if (Settings.bEdgeScroll == 1 ||
        (bDrag && (Engine.bDragLocked || Engine.bMiddleDown || WheelType())))
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

void OnStillMove(int dx, int dy)
{
    EndLockIfFrontChanged();
    if (!Settings.bScrolling || !DragHeld())
        return;
    NoteDragMove(dx, dy);
    // The references stand at the held point: each move is measured from it.
    Settings.nLastX = Settings.nMouseX;
    Settings.nLastY = Settings.nMouseY;
    Tick((int)((long long)Settings.nMouseX + dx), (int)((long long)Settings.nMouseY + dy));
}

void OnKeyReport(int vk, int pressed)
{
    int direction = ArrowDirection(vk);
    if (Settings.bArrowKeys && direction >= 0) {
        // Press, every auto-repeat and the release all scroll.
        HWND target = FindTargetWindow();
        UseFrontOptions(target);
        if (target && Settings.nScrollTimes > 0 &&
            (OptionsNow()->bHorizontal || direction == SCROLL_UP || direction == SCROLL_DOWN)) {
            STEPSEGMENT steps = {{direction, direction}, 1, AtSpeed(Settings.nScrollTimes)};
            DeliverSteps(target, &steps, 1);
        }
        return;
    }
    if (vk == Settings.nScrollVk || vk == MIDDLE_BUTTON_KEY) {
        bool bWas = DragHeld() != 0;
        Settings.bKeyHeld = (short)pressed;
        int *pDown = vk == MIDDLE_BUTTON_KEY ? &Engine.bMiddleDown : &Engine.bHoldKeyDown;
        // A new press (not an auto-repeat) and a release start a one-axis
        // drag afresh.
        if (*pDown != (pressed != 0))
            Engine.nDragAxis = 0;
        *pDown = pressed != 0;
        DragChanged(bWas);
        if (Settings.bKeyHeld && DragHeld())
            ScrollTick();
    }
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
