// The move scenarios. The cursor always moves back and forth 10 pixels over
// the foreground target, far from the screen edges. The scenarios up to ON
// at rest get the same input: no key held, the ordinary target in front; so
// Veltrac ON sees every move and scrolls nothing. The drag scenarios hold the
// scroll key (Control) over the 200-child target: one step per move
// (sensitivity 5, one scroll per step), so each move walks the 200 children
// and delivers to all of them.
#include "bench/bench_moves.h"
#include "bench/bench_input.h"
#include "bench/bench_procs.h"
#include "bench/bench_stats.h"
#include "bench/bench_target.h"
#include <stdio.h>

#define MOVE_X 400
#define MOVE_Y 300
#define MOVE_DY 10
#define WARMUP_MOVES 50
#define HOOK_SLEEP_MS 5

static const char *const aszNames[SC_COUNT] = {
    "no hook", "bare hook", "Veltrac OFF", "Veltrac ON idle", "Veltrac ON post", "Veltrac ON send",
};

static bool IsDrag(int sc)
{
    return sc == SC_ON_POST || sc == SC_ON_SEND;
}

static int nMoveIndex;

// The next move of the back-and-forth, timed.
static double NextMove(void)
{
    nMoveIndex++;
    return TimedMove(MOVE_X, MOVE_Y + (nMoveIndex % 2) * MOVE_DY);
}

double CheckHooksWait(std::vector<double> *samples)
{
    BENCHPROC p;
    if (!StartBareHook(HOOK_SLEEP_MS, &p))
        return -1;
    MakeForeground(Targets.hScroll);
    for (int i = 0; i < 5; i++)
        NextMove();
    for (int i = 0; i < 40; i++)
        samples->push_back(NextMove());
    StopProc(&p);
    return Median(*samples);
}

static bool StartScenario(int sc, BENCHPROC *p)
{
    switch (sc) {
    case SC_BARE: return StartBareHook(0, p);
    case SC_OFF: return StartVeltracIn(Paths.szPostDir, false, p);
    case SC_ON_IDLE: return StartVeltracIn(Paths.szSendDir, true, p);
    case SC_ON_POST: return StartVeltracIn(Paths.szPostDir, true, p);
    case SC_ON_SEND: return StartVeltracIn(Paths.szSendDir, true, p);
    default: return true;
    }
}

// One scenario of one round: nMoves timed moves appended to *samples.
static bool RunScenario(int sc, int nMoves, std::vector<double> *samples, MOVERESULTS *r)
{
    BENCHPROC p = {};
    if (!StartScenario(sc, &p))
        return false;
    MakeForeground(IsDrag(sc) ? Targets.hScroll : Targets.hOrdinary);
    if (IsDrag(sc))
        InjectKey(VK_CONTROL, true);
    for (int i = 0; i < WARMUP_MOVES; i++)
        NextMove();
    SettledScrollCount(2000);   // let the warm-up's posted messages drain
    ResetScrollCount();
    for (int i = 0; i < nMoves; i++)
        samples->push_back(NextMove());
    if (IsDrag(sc))
        InjectKey(VK_CONTROL, false);
    r->anDelivered[sc] += SettledScrollCount(5000);
    if (IsDrag(sc))
        r->anExpected[sc] += (long)nMoves * BENCH_CHILDREN;
    StopProc(&p);
    return true;
}

bool RunMoveRounds(int nRounds, int nCheap, int nOn, MOVERESULTS *r)
{
    for (int round = 0; round < nRounds; round++) {
        double adRoundMedian[SC_COUNT] = {};
        for (int k = 0; k < SC_COUNT; k++) {
            // Alternate the order so that drift over a round cancels.
            int sc = round % 2 ? SC_COUNT - 1 - k : k;
            int nMoves = IsDrag(sc) ? (nOn + nRounds - 1 - round) / nRounds : nCheap;
            std::vector<double> roundSamples;
            if (!RunScenario(sc, nMoves, &roundSamples, r))
                return false;
            adRoundMedian[sc] = Median(roundSamples);
            r->aSamples[sc].insert(r->aSamples[sc].end(), roundSamples.begin(), roundSamples.end());
        }
        double dOff = Ratio(adRoundMedian[SC_OFF], adRoundMedian[SC_BARE]);
        double dIdle = Ratio(adRoundMedian[SC_ON_IDLE], adRoundMedian[SC_BARE]);
        r->aOffVsBare.push_back(dOff);
        r->aOnIdleVsBare.push_back(dIdle);
        fprintf(stderr, "round %d/%d medians (ms):", round + 1, nRounds);
        for (int sc = 0; sc < SC_COUNT; sc++)
            fprintf(stderr, " %s %.3f,", aszNames[sc], adRoundMedian[sc]);
        fprintf(stderr, " OFF/bare %.2f, ON idle/bare %.2f\n", dOff, dIdle);
    }
    return true;
}
