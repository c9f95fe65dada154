// The cursor runs down the left screen edge, so every move is an edge tick
// (and the repeat timer ticks in between, as it does for a user resting at
// the edge). The hang starts just before the timed moves and lasts longer
// than the 5 s after which the system itself calls a thread hung, so both
// the timed-out sends and the immediate "hung" answers are covered.
#include "bench/bench_hung.h"
#include "bench/bench_procs.h"
#include "bench/bench_stats.h"
#include "bench/bench_target.h"
#include "testkit/kit_input.h"
#include "testkit/kit_windows.h"

#define EDGE_RESPONSIVE_MOVES 100
#define HUNG_SECONDS 7
#define HUNG_MAX_MOVES 600

static int nEdgeMove;

static double NextEdgeMove(void)
{
    nEdgeMove++;
    return TimedMove(0, 150 + (nEdgeMove * 4) % 450);
}

bool RunHungBench(HUNGRESULTS *r)
{
    CHILDPROC p;
    if (!StartVeltracIn(Paths.szSendDir, true, &p))
        return false;
    MakeForeground(Targets.hHung);
    for (int i = 0; i < 10; i++)
        NextEdgeMove();
    for (int i = 0; i < EDGE_RESPONSIVE_MOVES; i++)
        r->responsive.push_back(NextEdgeMove());

    HangChild();
    ResetScrollCount();
    double until = NowMs() + HUNG_SECONDS * 1000;
    while (NowMs() < until && (int)r->hung.size() < HUNG_MAX_MOVES)
        r->hung.push_back(NextEdgeMove());
    r->nDeliveredWhileHung = ScrollCount();

    TimedMove(400, 300);   // off the edge: the repeat timer stops
    Sleep(100);
    StopChild(&p);
    ReleaseHungChild();
    return true;
}
