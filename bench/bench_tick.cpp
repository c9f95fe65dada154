// The tick measurement drives this process's own copy of the engine through
// the Settings record, exactly as the hooks' reports do inside Veltrac.
#include "bench/bench_tick.h"
#include "bench/bench_procs.h"
#include "bench/bench_stats.h"
#include "bench/bench_target.h"
#include "scroll/engine.h"
#include "scroll/settings.h"
#include "scroll/delivery.h"
#include "testkit/kit_files.h"
#include "testkit/kit_windows.h"
#include <stdio.h>

#define FILTERED_CLASS "BenchPane"   // no "Edit", "Afx:" or "channel" in it

// The start-up values (edge scrolling, the default class filter) with the
// changes of a tick that only edges start: no hold key, three steps a side,
// posted, every window a target, the cursor in the top left corner.
static void SetCornerTick(void)
{
    ResetRecord();
    Settings.bScrolling = 1;
    Settings.bHoldKey = 0;
    Settings.nScrollTimes = 3;
    Settings.nMessageType = MESSAGE_POST;
    Settings.bExcludeList = 0;
    Settings.nScreenMaxX = GetSystemMetrics(SM_CXSCREEN) - 1;
    Settings.nScreenMaxY = GetSystemMetrics(SM_CYSCREEN) - 1;
    Settings.nMouseX = Settings.nLastX = 0;
    Settings.nMouseY = Settings.nLastY = 0;
}

static BOOL CALLBACK BareClassify(HWND child, LPARAM lParam)
{
    char szClass[256];
    if (GetClassNameA(child, szClass, sizeof szClass))
        ++*(int *)lParam;
    return TRUE;
}

static double TimeTick(void)
{
    double t0 = NowMs();
    ScrollTick();
    return NowMs() - t0;
}

static double TimeBarePass(HWND target)
{
    int n = 0;
    double t0 = NowMs();
    EnumChildWindows(target, BareClassify, (LPARAM)&n);
    double t = NowMs() - t0;
    if (n != BENCH_CHILDREN)
        fprintf(stderr, "bench: warning: the bare pass saw %d children\n", n);
    return t;
}

// The corner tick's six steps, one walk each.
static double TimeStepwise(HWND target)
{
    static const int aDirections[6] = {SCROLL_LEFT, SCROLL_LEFT, SCROLL_LEFT,
                                       SCROLL_UP, SCROLL_UP, SCROLL_UP};
    double t0 = NowMs();
    for (int direction : aDirections)
        ScrollChildren(target, direction);
    return NowMs() - t0;
}

bool RunTickBench(int nRuns, TICKRESULTS *r)
{
    SetCornerTick();
    // First make sure the corner tick really is six steps: against the
    // driver's own ordinary target, whose few children pass the filter and
    // count. Not the 200: six posts to each, every one waking their thread,
    // can take this machine longer than the tick's 50 ms budget, and a tick
    // cut by its budget proves nothing about its steps.
    MakeForeground(Targets.hOrdinary);
    ResetScrollCount();
    double t0 = NowMs();
    ScrollTick();
    r->dSanityMs = NowMs() - t0;
    r->nSanityScrolls = SettledScrollCount(5000);

    CHILDPROC p;
    if (!StartChildrenTarget(FILTERED_CLASS, BENCH_CHILDREN, &p))
        return false;
    MakeForeground(p.hwnd);
    for (int i = 0; i < 3; i++) {   // warm-up
        TimeTick();
        TimeBarePass(p.hwnd);
    }
    for (int i = 0; i < nRuns; i++) {
        if (GetForegroundWindow() != p.hwnd)
            MakeForeground(p.hwnd);
        if (i % 2) {
            r->tick.push_back(TimeTick());
            r->bare.push_back(TimeBarePass(p.hwnd));
        } else {
            r->bare.push_back(TimeBarePass(p.hwnd));
            r->tick.push_back(TimeTick());
        }
        r->vsBare.push_back(Ratio(r->tick.back(), r->bare.back()));
        if (i % 4 == 0)
            r->stepwise.push_back(TimeStepwise(p.hwnd));
    }
    StopChild(&p);
    Settings.bScrolling = 0;
    return true;
}
