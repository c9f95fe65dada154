// The edge and drag decisions of one scroll tick, as plain arithmetic on the
// cursor positions and options: no window calls, so they test as tables.
#pragma once
#include "scroll/steps.h"

struct TICKPLAN {
    STEPSEGMENT aSegments[MAX_TICK_SEGMENTS];
    int nSegments;
};

// Edge steps for the sides EdgeSides() found: nTimes Left or Right, then
// nTimes Up or Down. Left wins over Right and Up over Down.
void PlanEdgeSteps(TICKPLAN *plan, int nSides, int nTimes);

// Drag passes: moves *lastX / *lastY to the cursor on every step, exactly as
// nTimes passes one after the other would.
void PlanDragSteps(TICKPLAN *plan, int x, int y, int *lastX, int *lastY,
                   int nSensitivity, int nTimes);

// Whether drag scrolling is under way. In the classic types the hold key and
// the middle button share one held state, and either option enables both;
// in the "Mouse wheel" type each drags only when its own option is on.
// A lock drags as if a trigger were held, in every type.
struct DRAGSTATE {
    int bWheelType;
    int bHoldKey, bMiddleButton;        // the options
    int bKeyHeld;                       // the shared state of the classic types
    int bHoldKeyDown, bMiddleDown;      // each trigger on its own
    int bLocked;
};
int IsDragHeld(const DRAGSTATE *d);

// One axis at a time: the drag steps of the axis already chosen are kept,
// those of the other dropped. Without a choice yet, the first step chooses:
// the axis with the larger movement (dx, dy) when both have a step, vertical
// on a tie.
#define DRAG_AXIS_HORIZONTAL 1
#define DRAG_AXIS_VERTICAL 2
void KeepOneAxis(TICKPLAN *drag, int *pAxis, long long dx, long long dy);

// The wheel type's drag by distance: a move adds to its axis's sum, and a
// move the other way starts the sum again from it. PlanDragSteps on the sums
// against 0 then gives the steps.
void AddDragDistance(int *pSum, int d);

// The horizontal steps dropped: a window that is never scrolled sideways.
void KeepVertical(TICKPLAN *plan);

// The steps the other way round: Down for Up, Left for Right.
void ReverseSteps(TICKPLAN *plan);

// The segments of more after those of plan (as many as fit).
void AppendPlan(TICKPLAN *plan, const TICKPLAN *more);

// The USER_TIMER_MINIMUM..USER_TIMER_MAXIMUM range that timers accept: a
// negative or zero period from an edited file must not become ~49 days.
unsigned RepeatPeriodMs(int nRepeatMs);
