// The edge cases run the cursor down the left screen edge, so every move is
// an edge tick; the drag case holds Control and moves the cursor back and
// forth in the middle of the screen with a sensitivity so low that every
// pass of the drag rule scrolls. Only the first of these has a goal.
#include "bench/bench_huge.h"
#include "bench/bench_input.h"
#include "bench/bench_procs.h"
#include "bench/bench_stats.h"
#include "bench/bench_target.h"
#include <limits.h>
#include <stdio.h>

#define HUGE_MOVES 30
#define ANSWER_MS 10000   // a program that is only busy answers well within this

struct CASESETUP {
    const char *szName;
    const char *szFolder;
    bool bDrag;
    int nMessageType, nScrollTimes, nSensitivity;
};

static const CASESETUP aSetups[HUGE_COUNT] = {
    {"edge, send, 2000000000 steps", "huge_send", false, MESSAGE_SEND, 2000000000, 5},
    {"edge, post, 40000 steps", "huge_post", false, MESSAGE_POST, 40000, 5},
    {"drag, send, 2e9 steps, sensitivity -2^31", "huge_drag", true, MESSAGE_SEND, 2000000000,
     INT_MIN},
};

const char *HugeCaseName(int c)
{
    return aSetups[c].szName;
}

static double TimedCaseMove(const CASESETUP &s, int i)
{
    return s.bDrag ? TimedMove(400, 300 + (i % 2) * 10) : TimedMove(0, 150 + (i * 4) % 450);
}

static void RunCase(const CASESETUP &s, const char *dir, HWND target, HUGECASE *c)
{
    BENCHPROC p;
    TimedMove(400, 300);   // away from the edges before Veltrac sees a move
    if (!StartVeltracIn(dir, true, &p))
        return;
    MakeForeground(target);
    c->bAnsweredBefore = ProcAnswers(&p, ANSWER_MS);
    if (c->bAnsweredBefore) {
        if (s.bDrag) {
            double t0 = NowMs();
            InjectKey(VK_CONTROL, true);
            c->dKeyMs = NowMs() - t0;
        }
        for (int i = 1; i <= HUGE_MOVES; i++)
            c->moves.push_back(TimedCaseMove(s, i));
        if (s.bDrag)
            InjectKey(VK_CONTROL, false);
        TimedMove(400, 300);   // off the edge: the repeat timer may stop
        c->bAnsweredAfter = ProcAnswers(&p, ANSWER_MS);
    }
    c->bEndedWhenAsked = StopProc(&p);
    fprintf(stderr, "huge steps, %s: max %.0f ms, WM_NULL answered before %s, after %s, %s\n",
            s.szName, Summarize(c->moves).dMax, c->bAnsweredBefore ? "yes" : "no",
            c->bAnsweredAfter ? "yes" : "no", c->bEndedWhenAsked ? "ended when asked" : "terminated");
}

bool RunHugeBench(HUGERESULTS *r)
{
    for (int i = 0; i < HUGE_COUNT; i++) {
        const CASESETUP &s = aSetups[i];
        HUGECASE *c = &r->aCases[i];
        c->dKeyMs = -1;
        BENCHSETTINGS choice;
        choice.nMessageType = s.nMessageType;
        choice.nScrollTimes = s.nScrollTimes;
        choice.nSensitivity = s.nSensitivity;
        char dir[MAX_PATH];
        BENCHPROC target;
        if (!MakeScratch(s.szFolder, choice, dir) ||
            !StartChildrenTarget(BENCH_PASS_CLASS, BENCH_FEW_CHILDREN, &target))
            return false;
        RunCase(s, dir, target.hwnd, c);
        StopProc(&target);   // after Veltrac, so it never sends to a vanished window
    }
    TimedMove(400, 300);
    return true;
}
