// Glide arithmetic as tables: the speed of the drag's last moves, the steps
// each tick gives as the speed falls, and when it ends.
#include <doctest.h>
#include "scroll/glide.h"

TEST_CASE("the speed of a flick: the last 100 ms of moves along the axis")
{
    struct { int nMoves, dy, gapMs, sign; unsigned ageMs; double speed; } rows[] = {
        {10, 10, 10, 1, 0, 1000},          // 100 px in the last 100 ms
        {10, 10, 10, -1, 0, 0},            // the other way: no speed
        {20, 10, 10, 1, 0, 1000},          // older moves do not count
        {10, 10, 10, 1, 200, 0},           // the hand stopped 200 ms ago
        {4, 3, 25, 1, 0, 120},             // slow
    };
    for (auto &r : rows) {
        CAPTURE(r.nMoves);
        CAPTURE(r.ageMs);
        DRAGHISTORY h = {};
        unsigned t = 5000;
        for (int i = 0; i < r.nMoves; i++)
            RecordDragMove(&h, t += r.gapMs, 0, r.dy);
        CHECK(DragSpeed(&h, t + r.ageMs, 0, r.sign) == doctest::Approx(r.speed));
    }
    DRAGHISTORY h = {};
    RecordDragMove(&h, 0xFFFFFFF0u, 50, 0);    // the tick count wraps
    CHECK(DragSpeed(&h, 0x10u, 1, 1) == doctest::Approx(500));
}

// Runs a glide in 16 ms ticks; returns its length in ms and fills the steps.
static int Glide(double speed, int sens, int *pSteps, int *pFirst, int *pLast)
{
    GLIDE g;
    if (!StartGlide(&g, speed))
        return -1;
    int ms = 0, ended = 0, n = 0;
    *pSteps = 0;
    while (!ended && ms < 60000) {
        n = AdvanceGlide(&g, GLIDE_TICK_MS, sens, &ended);
        if (ms == 0)
            *pFirst = n;
        *pSteps += n;
        *pLast = n;
        ms += GLIDE_TICK_MS;
    }
    return ms;
}

TEST_CASE("a glide slows down and ends; the fastest flick ends within 3 seconds")
{
    struct { double speed; int sens; int minMs, maxMs; } rows[] = {
        {299, 5, -1, -1},                  // too slow to glide at all
        {300, 5, 1100, 1200},              // 1151 ms
        {1000, 5, 1500, 1800},             // ln(1000/30) / -ln(0.998) = 1751 ms
        {11500, 5, 2900, 3000},            // the cap: 2971 ms
        {1e9, 5, 2900, 3000},              // the fastest possible flick: capped
        {1e9, 0, 2900, 3000},              // a sensitivity of 0 steps every pixel
    };
    for (auto &r : rows) {
        CAPTURE(r.speed);
        int steps = 0, first = 0, last = 0;
        int ms = Glide(r.speed, r.sens, &steps, &first, &last);
        CHECK(ms >= r.minMs);
        CHECK(ms <= r.maxMs);
        if (ms > 0) {
            CHECK(first >= last);          // fewer steps per tick as it slows
            // The distance is the integral of the speed: v0 / -ln(d) per ms,
            // minus what is left at the floor, in steps of the sensitivity.
            double v0 = r.speed > GLIDE_MAX_START ? GLIDE_MAX_START : r.speed;
            double px = (v0 - GLIDE_FLOOR) / 1000.0 / 0.0020020027;
            CHECK(steps <= px / (r.sens > 0 ? r.sens : 1) + 1);
            CHECK(steps >= px / (r.sens > 0 ? r.sens : 1) * 0.9 - 1);
        }
    }
}
