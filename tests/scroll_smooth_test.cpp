// Smooth amounts: a drag's distance as wheel delta, added up per receiver and
// axis, out at most every few milliseconds, with nothing lost.
#include <doctest.h>
#include "scroll/smooth.h"
#include <math.h>

TEST_CASE("a drag's distance as wheel delta")
{
    struct { int px, times; unsigned lines; int sens; double delta; } rows[] = {
        {5, 1, 3, 5, 40},      {1, 1, 3, 5, 8},       {10, 2, 3, 5, 160},   {-5, 1, 3, 5, -40},
        {5, 1, 1, 5, 120},     {5, 1, 0, 5, 40},      {5, 1, 0xFFFFFFFFu, 5, 40},
        {5, 1, 3, 0, 200},     {5, 1, 3, -4, 200},
    };
    for (auto &r : rows) {
        CAPTURE(r.px);
        CAPTURE(r.sens);
        CHECK(DragDelta(r.px, r.times, r.lines, r.sens) == doctest::Approx(r.delta));
    }
}

// A drag of nReports moves of one pixel, one every nMsApart, for a receiver
// that takes nQuantum; the deliveries made and their times.
struct RUN {
    int nMessages, nSum, nMinGap, nNotWhole;
};
static RUN Drag(int nReports, unsigned nMsApart, int nQuantum, int nSign = 1)
{
    SMOOTHAXIS a = {};
    static int receiver;
    RUN r = {0, 0, 1 << 30, 0};
    unsigned now = 1000, last = 0;
    auto Take = [&] {
        int wait;
        int d = SmoothTake(&a, nQuantum, now, &wait);
        if (!d)
            return;
        if (r.nMessages)
            r.nMinGap = (int)(now - last) < r.nMinGap ? (int)(now - last) : r.nMinGap;
        last = now;
        r.nMessages++;
        r.nSum += d;
        r.nNotWhole += d % nQuantum != 0;
    };
    for (int i = 0; i < nReports; i++, now += nMsApart) {
        SmoothAdd(&a, &receiver, nSign * DragDelta(1, 1, 3, 5), now);
        Take();
    }
    for (int i = 0; i < 200; i++, now++)        // the flush timer, after the drag
        Take();
    return r;
}

TEST_CASE("a slow drag gives a steady delta, nothing lost; notches stay whole")
{
    // 1 px a report is 8 units of delta: a report every 1 ms fills 8 ms gaps.
    RUN precise = Drag(1000, 1, 1);
    CHECK(precise.nSum == 8000);                 // the formula for the whole drag
    CHECK(precise.nMinGap >= SMOOTH_GAP_MS);
    CHECK(precise.nMessages <= 1000 / SMOOTH_GAP_MS + 2);
    CHECK(precise.nMessages >= 1000 / SMOOTH_GAP_MS - 2);
    RUN back = Drag(1000, 1, 1, -1);
    CHECK(back.nSum == -8000);
    // Whole notches only; what is left over is no notch, and waits.
    RUN notched = Drag(1000, 1, 120);
    CHECK(notched.nNotWhole == 0);
    CHECK(notched.nSum == 7920);                 // 66 notches; 80 units left waiting
    // A report every 20 ms: each goes at once.
    RUN sparse = Drag(50, 20, 1);
    CHECK(sparse.nMessages == 50);
    CHECK(sparse.nSum == 400);
}

TEST_CASE("a turn, another receiver or a pause starts the amount afresh")
{
    int r1, r2;
    struct { const void *second; double delta; unsigned later; int left; } rows[] = {
        {&r1, 0.5, 10, 1},        // more of the same: 0.5 + 0.5 goes out
        {&r1, -0.5, 10, 0},       // the other way: the old half is dropped
        {&r2, 0.5, 10, 0},        // another receiver
        {&r1, 0.5, SMOOTH_FRESH_MS, 0},   // too long since
    };
    for (auto &r : rows) {
        CAPTURE(r.later);
        SMOOTHAXIS a = {};
        int wait;
        SmoothAdd(&a, &r1, 0.5, 100);
        CHECK(SmoothTake(&a, 1, 100, &wait) == 0);
        SmoothAdd(&a, r.second, r.delta, 100 + r.later);
        CHECK(abs(SmoothTake(&a, 1, 100 + r.later, &wait)) == r.left);
    }
    // Held back within a gap: told how long to wait, and it goes then.
    SMOOTHAXIS a = {};
    int wait = -1;
    SmoothAdd(&a, &r1, 5, 0);
    CHECK(SmoothTake(&a, 1, 0, &wait) == 5);
    SmoothAdd(&a, &r1, 5, 3);
    CHECK(SmoothTake(&a, 1, 3, &wait) == 0);
    CHECK(wait == SMOOTH_GAP_MS - 3);
    CHECK(SmoothTake(&a, 1, 8, &wait) == 5);
    // More than one message carries: the rest after the gap.
    SmoothAdd(&a, &r1, 40000, 20);
    CHECK(SmoothTake(&a, 1, 20, &wait) == SMOOTH_MAX_DELTA);
    CHECK(wait == SMOOTH_GAP_MS);
    CHECK(SmoothTake(&a, 1, 28, &wait) == 40000 - SMOOTH_MAX_DELTA);
}
