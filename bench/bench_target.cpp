// The driver's target windows: one kit target each, and one more target
// whose only child goes into the hung target's window.
#include "bench/bench_target.h"
#include "bench/bench_stats.h"
#include "testkit/kit_target.h"
#include "testkit/kit_wait.h"
#include <stdio.h>

BENCHTARGETS Targets;

enum {
    T_HUNG, T_ORDINARY, T_WHEEL, T_REAL_WHEEL, T_CHROME, T_ASIDE, T_SCROLL, T_HUNG_CHILD, T_COUNT
};
static THREADTARGET *apTargets[T_COUNT];

static bool Start(int i, const char *title, const char *cls, int nChildren, HWND hParent,
                  RECT rc = {100, 80, 700, 580})
{
    apTargets[i] = StartThreadTarget({title, BENCH_PASS_CLASS, nChildren, 0, NULL, NULL, cls,
                                      hParent, (int)rc.left, (int)rc.top,
                                      (int)(rc.right - rc.left), (int)(rc.bottom - rc.top)});
    return apTargets[i] != NULL;
}

bool StartTargets(void)
{
    // The last one comes up on top: the 200 children, where the driver starts.
    if (!Start(T_HUNG, "Bench hung target", NULL, BENCH_HUNG_TARGET_CHILDREN, NULL) ||
        !Start(T_ORDINARY, "Bench ordinary target", NULL, BENCH_FEW_CHILDREN, NULL) ||
        !Start(T_WHEEL, "Bench wheel target", "Veltrac Bench Wheel Target", 0, NULL) ||
        !Start(T_REAL_WHEEL, "Bench real-input target", BENCH_REAL_INPUT_CLASS, 0, NULL) ||
        !Start(T_CHROME, "Bench Chromium target", BENCH_CHROME_CLASS, 0, NULL) ||
        !Start(T_ASIDE, "Bench window aside", NULL, 0, NULL, {760, 60, 960, 200}) ||
        !Start(T_SCROLL, "Bench scroll target", NULL, BENCH_CHILDREN, NULL)) {
        fprintf(stderr, "bench: cannot create the target windows\n");
        return false;
    }
    Targets.hHung = ThreadTargetWindow(apTargets[T_HUNG]);
    Targets.hOrdinary = ThreadTargetWindow(apTargets[T_ORDINARY]);
    Targets.hWheel = ThreadTargetWindow(apTargets[T_WHEEL]);
    Targets.hRealWheel = ThreadTargetWindow(apTargets[T_REAL_WHEEL]);
    Targets.hScroll = ThreadTargetWindow(apTargets[T_SCROLL]);
    Targets.hChrome = ThreadTargetWindow(apTargets[T_CHROME]);
    Targets.hAside = ThreadTargetWindow(apTargets[T_ASIDE]);
    if (!Start(T_HUNG_CHILD, "", NULL, 1, Targets.hHung)) {
        fprintf(stderr, "bench: cannot create the hung child\n");
        return false;
    }
    return true;
}

void HangChild(void)
{
    HangThreadTarget(apTargets[T_HUNG_CHILD]);
}

void ReleaseHungChild(void)
{
    ReleaseThreadTarget(apTargets[T_HUNG_CHILD]);
}

void StopTargets(void)
{
    // The child first, while its parent is still there.
    for (int i = T_COUNT; i-- > 0;) {
        StopThreadTarget(apTargets[i]);
        apTargets[i] = NULL;
    }
}

void ResetScrollCount(void)
{
    for (THREADTARGET *t : apTargets)
        if (t)
            ResetThreadTarget(t);
}

long ScrollCount(void)
{
    long n = 0;
    for (THREADTARGET *t : apTargets)
        if (t)
            n += ThreadTargetScrolls(t);
    return n;
}

// Messages posted to a thread come out of its queue in the order they were
// posted, whichever of its windows they are for: once a mark posted now has
// been handled, so has every scroll message posted before it (a count that
// merely stood still for a while says nothing when the target's thread did
// not run meanwhile). A second mark a little later must find the same count,
// for messages a program still posts after its hook call has returned.
long SettledScrollCount(int ms)
{
    double until = NowMs() + ms;
    long last = -1;
    for (;;) {
        double left = until - NowMs();
        if (left <= 0 || !ThreadTargetDrain(apTargets[T_SCROLL], (int)left))
            break;
        long now = ScrollCount();
        if (now == last)
            return now;
        last = now;
        Sleep(20);
    }
    fprintf(stderr, "bench: the scroll count did not settle in %d ms\n", ms);
    return ScrollCount();
}

void ResetWheelCount(void)
{
    ResetThreadTarget(apTargets[T_WHEEL]);
    ResetThreadTarget(apTargets[T_REAL_WHEEL]);
}

long DrainedWheelCount(int ms)
{
    if (!ThreadTargetDrain(apTargets[T_WHEEL], ms))
        fprintf(stderr, "bench: the wheel target did not reach the end of its queue in %d ms\n", ms);
    return TotalWheels(ThreadTargetCounts(apTargets[T_WHEEL]));
}

// Real input is not posted: it waits in the input queue, which the target
// reads after its posted messages, so a posted mark tells nothing of it. The
// count itself is the condition.
long AwaitRealWheels(long nAtLeast, int ms)
{
    const WINDOWCOUNTS &w = ThreadTargetCounts(apTargets[T_REAL_WHEEL]);
    if (!WaitFor([&] { return w.nTagged >= nAtLeast; }, ms))
        fprintf(stderr, "bench: %ld of %ld real wheel messages reached the real-input target "
                        "in %d ms\n", (long)w.nTagged, nAtLeast, ms);
    return w.nTagged;
}

long UntaggedRealWheels(void)
{
    const WINDOWCOUNTS &w = ThreadTargetCounts(apTargets[T_REAL_WHEEL]);
    return TotalWheels(w) - w.nTagged;
}

void ResetChromeWheelCount(void)
{
    ResetThreadTarget(apTargets[T_CHROME]);
}

long DrainedChromeWheelCount(int ms)
{
    if (!ThreadTargetDrain(apTargets[T_CHROME], ms))
        fprintf(stderr, "bench: the Chromium target did not reach the end of its queue in %d ms\n",
                ms);
    return TotalWheels(ThreadTargetCounts(apTargets[T_CHROME]));
}
