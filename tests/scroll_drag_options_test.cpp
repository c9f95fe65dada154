// The drag options as arithmetic: one axis at a time keeps the steps of one
// axis and drops the other's, reverse turns drag steps round, and a lock
// counts as a held trigger in every message type.
#include <doctest.h>
#include "scroll/tick_plan.h"
#include "tick_plan_letters.h"
#include <string>

// A drag plan from the reference (100, 100) to the cursor.
static TICKPLAN Drag(int x, int y, int sensitivity = 5, int times = 1)
{
    TICKPLAN plan = {};
    int lastX = 100, lastY = 100;
    PlanDragSteps(&plan, x, y, &lastX, &lastY, sensitivity, times);
    return plan;
}

TEST_CASE("one axis at a time: the first step chooses, the other axis is dropped")
{
    struct { int x, y, axisBefore; const char *steps; int axisAfter; } rows[] = {
        {100, 120, 0, "D", DRAG_AXIS_VERTICAL},
        {130, 100, 0, "R", DRAG_AXIS_HORIZONTAL},
        {130, 110, 0, "R", DRAG_AXIS_HORIZONTAL},     // both: the larger movement wins
        {110, 130, 0, "D", DRAG_AXIS_VERTICAL},
        {80, 80, 0, "U", DRAG_AXIS_VERTICAL},         // a tie goes vertical
        {130, 110, DRAG_AXIS_VERTICAL, "D", DRAG_AXIS_VERTICAL},   // chosen before: kept
        {130, 100, DRAG_AXIS_VERTICAL, "", DRAG_AXIS_VERTICAL},    // wandering sideways
        {100, 70, DRAG_AXIS_HORIZONTAL, "", DRAG_AXIS_HORIZONTAL},
        {103, 102, 0, "", 0},                          // no step: nothing chosen yet
    };
    for (auto &r : rows) {
        CAPTURE(r.x);
        CAPTURE(r.y);
        CAPTURE(r.axisBefore);
        TICKPLAN plan = Drag(r.x, r.y);
        int axis = r.axisBefore;
        KeepOneAxis(&plan, &axis, r.x - 100, r.y - 100);
        CHECK(Steps(plan) == r.steps);
        CHECK(axis == r.axisAfter);
    }
    // Every pass of a negative sensitivity: Left and Up each time, one kept.
    TICKPLAN plan = Drag(100, 100, -1, 3);
    int axis = 0;
    KeepOneAxis(&plan, &axis, 0, 0);
    CHECK(Steps(plan) == "UUU");
}

TEST_CASE("reverse turns drag steps round; plans join in order")
{
    TICKPLAN plan = Drag(130, 70);
    CHECK(Steps(plan) == "RU");
    ReverseSteps(&plan);
    CHECK(Steps(plan) == "LD");
    plan = Drag(100, 100, -1, 2);
    ReverseSteps(&plan);
    CHECK(Steps(plan) == "RDRD");

    TICKPLAN edge = {};
    PlanEdgeSteps(&edge, 0, 1);            // no edge: nothing
    TICKPLAN drag = Drag(100, 130);
    AppendPlan(&edge, &drag);
    CHECK(Steps(edge) == "D");
}

TEST_CASE("a lock counts as a held trigger, in every type")
{
    struct { int wheel, hold, middle, held, holdDown, middleDown, locked, expect; } rows[] = {
        {0, 1, 0, 0, 0, 0, 1, 1},
        {1, 1, 0, 0, 0, 0, 1, 1},
        {0, 0, 0, 0, 0, 0, 1, 1},            // locked from a click, nothing held now
        {0, 1, 0, 1, 1, 0, 0, 1},
        {0, 0, 1, 1, 1, 0, 0, 1},            // classic: either option enables both
        {1, 0, 1, 1, 1, 0, 0, 0},            // wheel: each drags only with its own option
        {1, 0, 1, 1, 0, 1, 0, 1},
        {1, 1, 0, 1, 0, 1, 0, 0},
        {0, 1, 1, 0, 0, 0, 0, 0},
    };
    for (auto &r : rows) {
        DRAGSTATE d = {r.wheel, r.hold, r.middle, r.held, r.holdDown, r.middleDown, r.locked};
        CHECK(IsDragHeld(&d) == r.expect);
    }
}
