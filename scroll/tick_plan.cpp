// Edge and drag decisions. The comparisons are strict and use the signed
// sensitivity as stored; a negative sensitivity makes every pass scroll Left
// and Up. Arithmetic is done in 64 bits so extreme values from an edited
// settings file cannot overflow.
#include "scroll/tick_plan.h"
#include "scroll/edge_bands.h"

static void AddSegment(TICKPLAN *plan, const int *dirs, int nDirs, int nRepeat)
{
    if (nDirs == 0 || nRepeat <= 0 || plan->nSegments >= MAX_TICK_SEGMENTS)
        return;
    STEPSEGMENT *s = &plan->aSegments[plan->nSegments++];
    s->anDirection[0] = dirs[0];
    s->anDirection[1] = nDirs > 1 ? dirs[1] : dirs[0];
    s->nDirections = nDirs;
    s->nRepeat = nRepeat;
}

void PlanEdgeSteps(TICKPLAN *plan, int nSides, int nTimes)
{
    int dir;
    if (nSides & (EDGE_LEFT | EDGE_RIGHT)) {
        dir = (nSides & EDGE_LEFT) ? SCROLL_LEFT : SCROLL_RIGHT;
        AddSegment(plan, &dir, 1, nTimes);
    }
    if (nSides & (EDGE_TOP | EDGE_BOTTOM)) {
        dir = (nSides & EDGE_TOP) ? SCROLL_UP : SCROLL_DOWN;
        AddSegment(plan, &dir, 1, nTimes);
    }
}

// One pass of the drag rule on one axis; returns the direction or -1.
static int DragAxis(int pos, int *last, long long nSensitivity, int less, int more)
{
    if (pos < *last - nSensitivity) {
        *last = pos;
        return less;
    }
    if (*last + nSensitivity < pos) {
        *last = pos;
        return more;
    }
    return -1;
}

static int DragPass(int x, int y, int *lastX, int *lastY, int nSensitivity, int *dirs)
{
    int n = 0;
    int h = DragAxis(x, lastX, nSensitivity, SCROLL_LEFT, SCROLL_RIGHT);
    if (h >= 0)
        dirs[n++] = h;
    int v = DragAxis(y, lastY, nSensitivity, SCROLL_UP, SCROLL_DOWN);
    if (v >= 0)
        dirs[n++] = v;
    return n;
}

void PlanDragSteps(TICKPLAN *plan, int x, int y, int *lastX, int *lastY,
                   int nSensitivity, int nTimes)
{
    if (nTimes <= 0)
        return;
    int first[2];
    int nFirst = DragPass(x, y, lastX, lastY, nSensitivity, first);
    AddSegment(plan, first, nFirst, 1);
    if (nTimes == 1)
        return;
    // The first pass leaves the references where every later pass finds
    // them (a step moves a reference to the cursor, and a pass without a
    // step leaves it), so one more pass gives the pattern of all the rest.
    int rest[2];
    int nRest = DragPass(x, y, lastX, lastY, nSensitivity, rest);
    AddSegment(plan, rest, nRest, nTimes - 1);
}

int IsDragHeld(const DRAGSTATE *d)
{
    if (d->bLocked)
        return 1;
    if (d->bWheelType)
        return (d->bHoldKey && d->bHoldKeyDown) || (d->bMiddleButton && d->bMiddleDown);
    return (d->bHoldKey || d->bMiddleButton) && d->bKeyHeld;
}

static bool IsHorizontal(int direction)
{
    return direction == SCROLL_LEFT || direction == SCROLL_RIGHT;
}

void KeepOneAxis(TICKPLAN *drag, int *pAxis, long long dx, long long dy)
{
    if (drag->nSegments == 0)
        return;
    if (!*pAxis) {
        const STEPSEGMENT &first = drag->aSegments[0];
        bool h = false, v = false;
        for (int k = 0; k < first.nDirections; k++)
            (IsHorizontal(first.anDirection[k]) ? h : v) = true;
        if (h && v)
            *pAxis = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy) ? DRAG_AXIS_HORIZONTAL
                                                              : DRAG_AXIS_VERTICAL;
        else
            *pAxis = h ? DRAG_AXIS_HORIZONTAL : DRAG_AXIS_VERTICAL;
    }
    TICKPLAN kept = {};
    for (int s = 0; s < drag->nSegments; s++) {
        STEPSEGMENT seg = drag->aSegments[s];
        int n = 0;
        for (int k = 0; k < seg.nDirections; k++)
            if (IsHorizontal(seg.anDirection[k]) == (*pAxis == DRAG_AXIS_HORIZONTAL))
                seg.anDirection[n++] = seg.anDirection[k];
        AddSegment(&kept, seg.anDirection, n, seg.nRepeat);
    }
    *drag = kept;
}

void AddDragDistance(int *pSum, int d)
{
    const long long limit = 1 << 30;    // far beyond any sensitivity that moves can reach
    long long sum = (d > 0) == (*pSum > 0) || *pSum == 0 || d == 0 ? (long long)*pSum + d : d;
    *pSum = (int)(sum > limit ? limit : sum < -limit ? -limit : sum);
}

void KeepVertical(TICKPLAN *plan)
{
    TICKPLAN kept = {};
    for (int s = 0; s < plan->nSegments; s++) {
        STEPSEGMENT seg = plan->aSegments[s];
        int n = 0;
        for (int k = 0; k < seg.nDirections; k++)
            if (!IsHorizontal(seg.anDirection[k]))
                seg.anDirection[n++] = seg.anDirection[k];
        AddSegment(&kept, seg.anDirection, n, seg.nRepeat);
    }
    *plan = kept;
}

void ReverseSteps(TICKPLAN *plan)
{
    static const int aOpposite[4] = {SCROLL_DOWN, SCROLL_UP, SCROLL_RIGHT, SCROLL_LEFT};
    for (int s = 0; s < plan->nSegments; s++)
        for (int k = 0; k < 2; k++)
            plan->aSegments[s].anDirection[k] = aOpposite[plan->aSegments[s].anDirection[k]];
}

void AppendPlan(TICKPLAN *plan, const TICKPLAN *more)
{
    for (int s = 0; s < more->nSegments; s++)
        AddSegment(plan, more->aSegments[s].anDirection, more->aSegments[s].nDirections,
                   more->aSegments[s].nRepeat);
}

unsigned RepeatPeriodMs(int nRepeatMs)
{
    const int nMin = 0xA;              // USER_TIMER_MINIMUM
    return nRepeatMs < nMin ? (unsigned)nMin : (unsigned)nRepeatMs;   // max is 0x7FFFFFFF
}
