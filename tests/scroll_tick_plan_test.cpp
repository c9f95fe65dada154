// Edge and drag decisions as tables: which steps one tick makes and where the
// drag references end up.
#include <doctest.h>
#include "scroll/edge_bands.h"
#include "scroll/tick_plan.h"
#include "tick_plan_letters.h"
#include <stdlib.h>
#include <string>

// One 1024 x 768 monitor: the bands of a plain desktop.
static int Sides(int x, int y, int margin)
{
    SCREENRECT screen = {0, 0, 1024, 768};
    return EdgeSides(x, y, margin, &screen, 1);
}

TEST_CASE("edge steps on one monitor: margins, corners, negative and far coordinates")
{
    struct { int x, y, margin, times; const char *steps; } rows[] = {
        {500, 400, 0, 1, ""},
        {0, 400, 0, 1, "L"},
        {1, 400, 0, 1, ""},
        {1023, 400, 0, 1, "R"},
        {1022, 400, 0, 1, ""},
        {500, 0, 0, 1, "U"},
        {500, 767, 0, 1, "D"},
        {0, 0, 0, 1, "LU"},          // corner: both, horizontal first
        {1023, 767, 0, 2, "RRDD"},
        {-300, 400, 0, 1, "L"},      // monitor left of the primary one
        {500, -20, 0, 1, "U"},
        {2000, 900, 0, 1, "RD"},
        {4, 400, 4, 1, "L"},         // thickness 5
        {5, 400, 4, 1, ""},
        {1019, 400, 4, 1, "R"},
        {0, 0, 0, 3, "LLLUUU"},
        {0, 0, 0, 0, ""},            // no steps at all for 0 or fewer
        {0, 0, 0, -2, ""},
        {300, 300, 600, 1, "LU"},    // margin past the middle: left and top win
        {700, 700, 600, 1, "RD"},
        {500, 400, -1, 1, ""},       // a negative margin narrows the bands away
        {-1, 400, -1, 1, "L"},
    };
    for (auto &r : rows) {
        CAPTURE(r.x);
        CAPTURE(r.y);
        CAPTURE(r.margin);
        TICKPLAN plan = {};
        PlanEdgeSteps(&plan, Sides(r.x, r.y, r.margin), r.times);
        CHECK(Steps(plan) == r.steps);
    }
}

TEST_CASE("drag passes: strict threshold, one line per axis, negative sensitivity")
{
    struct { int lastX, lastY, x, y, sens, times; const char *steps; int endX, endY; } rows[] = {
        {100, 100, 106, 100, 5, 1, "R", 106, 100},   // 6 px scrolls
        {100, 100, 105, 100, 5, 1, "", 100, 100},    // 5 px does not
        {100, 100, 94, 100, 5, 1, "L", 94, 100},
        {100, 100, 95, 100, 5, 1, "", 100, 100},
        {100, 100, 100, 106, 5, 1, "D", 100, 106},
        {100, 100, 100, 94, 5, 1, "U", 100, 94},
        {100, 100, 110, 90, 5, 1, "RU", 110, 90},    // both axes, horizontal first
        {100, 100, 110, 90, 5, 3, "RU", 110, 90},    // still one line per axis
        {100, 100, 101, 100, 0, 1, "R", 101, 100},
        {100, 100, 100, 100, 0, 3, "", 100, 100},
        {100, 100, 100, 100, -1, 3, "LULULU", 100, 100},  // every pass Left and Up
        {100, 100, 300, 300, -1, 2, "RDLU", 300, 300},
        {100, 100, 300, 300, 5, 0, "", 100, 100},    // no passes at all
        {100, 100, 300, 300, 5, -1, "", 100, 100},
        {-2147483647, 0, 2147483647, 0, 2147483647, 1, "R", 2147483647, 0},  // no overflow
    };
    for (auto &r : rows) {
        CAPTURE(r.x);
        CAPTURE(r.y);
        CAPTURE(r.sens);
        CAPTURE(r.times);
        TICKPLAN plan = {};
        int lastX = r.lastX, lastY = r.lastY;
        PlanDragSteps(&plan, r.x, r.y, &lastX, &lastY, r.sens, r.times);
        CHECK(Steps(plan) == r.steps);
        CHECK(lastX == r.endX);
        CHECK(lastY == r.endY);
    }
}

TEST_CASE("the wheel type's drag by distance: slow moves add up, a turn starts again")
{
    // Moves on one axis, then the steps a tick plans from the sum.
    struct { const char *moves; int sens; const char *steps; int endSum; } rows[] = {
        {"1 1 1 1 1 1", 5, "D", 0},            // six 1-pixel moves: one line
        {"1 1 1 1 1", 5, "", 5},               // five do not, yet
        {"30", 5, "D", 0},                     // one long move: still one line
        {"3 3 -1", 5, "", -1},                 // a turn starts the sum again
        {"-3 -3", 5, "U", 0},
        {"2 0 2 0 2", 5, "D", 0},              // no movement leaves the sum
        {"0", -1, "LU", 0},                    // negative sensitivity: every pass
        {"2000000000 2000000000", 5, "D", 0},  // no overflow
    };
    for (auto &r : rows) {
        std::string moves = r.moves;
        CAPTURE(moves);
        int sum = 0;
        for (const char *p = r.moves; *p;) {
            char *end;
            AddDragDistance(&sum, (int)strtol(p, &end, 10));
            p = *end ? end + 1 : end;
        }
        TICKPLAN plan = {};
        int refX = 0, refY = 0, sumX = 0;
        PlanDragSteps(&plan, sumX, sum, &refX, &refY, r.sens, 1);
        sum -= refY;
        CHECK(Steps(plan) == r.steps);
        CHECK(sum == r.endSum);
    }
}

TEST_CASE("the repeat timer's away-from-edges test is the bands' own answer")
{
    CHECK(Sides(500, 400, 0) == 0);
    CHECK(Sides(0, 400, 0) == EDGE_LEFT);
    CHECK(Sides(500, 767, 0) == EDGE_BOTTOM);
    CHECK(Sides(1, 1, 0) == 0);
    CHECK(Sides(1, 1, 1) == (EDGE_LEFT | EDGE_TOP));
    CHECK(Sides(-5, 400, 0) == EDGE_LEFT);
}

TEST_CASE("repeat periods stay within what timers accept")
{
    CHECK(RepeatPeriodMs(50) == 50);
    CHECK(RepeatPeriodMs(10) == 10);
    CHECK(RepeatPeriodMs(9) == 10);
    CHECK(RepeatPeriodMs(0) == 10);
    CHECK(RepeatPeriodMs(-1) == 10);            // not 4294967295 ms, about 49 days
    CHECK(RepeatPeriodMs(-2147483647 - 1) == 10);
    CHECK(RepeatPeriodMs(2147483647) == 0x7FFFFFFFu);
}
