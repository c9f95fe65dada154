// The move scenarios. The cursor always moves back and forth 10 pixels over
// the foreground target, far from the screen edges. The scenarios up to ON
// at rest get the same input: no key held, the ordinary target in front; so
// Veltrac ON sees every move and scrolls nothing. The drag scenarios hold the
// scroll key (Control), so every move is one step (sensitivity 5, one scroll
// per step): in the "Mouse wheel" type over the wheel target, one wheel
// message to that window; in post and send mode over the 200-child target,
// a walk of the 200 children and a message to each.
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

#define DRAIN_MS 10000   // for the target to handle what a scenario posted

static const char *const aszNames[SC_COUNT] = {
    "no hook", "bare hook", "Veltrac OFF", "Veltrac ON idle", "Veltrac ON wheel", "Veltrac ON post",
    "Veltrac ON send",
};

// The drags over the 200-child target, sized apart from the cheap scenarios.
static bool IsChildDrag(int sc)
{
    return sc == SC_ON_POST || sc == SC_ON_SEND;
}

static bool IsDrag(int sc)
{
    return sc == SC_ON_WHEEL || IsChildDrag(sc);
}

static HWND ScenarioTarget(int sc)
{
    return sc == SC_ON_WHEEL ? Targets.hWheel : IsChildDrag(sc) ? Targets.hScroll : Targets.hOrdinary;
}

// What the scenario's target has handled: for the wheel drag, the wheel
// target's wheel messages once it has drained its queue; else the children's
// scroll messages once they stop changing (within settleMs).
static long DeliveredCount(int sc, int settleMs)
{
    return sc == SC_ON_WHEEL ? DrainedWheelCount(DRAIN_MS) : SettledScrollCount(settleMs);
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
    case SC_ON_WHEEL: return StartVeltracIn(Paths.szWheelDir, true, p);
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
    MakeForeground(ScenarioTarget(sc));
    if (IsDrag(sc))
        InjectKey(VK_CONTROL, true);
    for (int i = 0; i < WARMUP_MOVES; i++)
        NextMove();
    DeliveredCount(sc, 2000);   // let the warm-up's posted messages drain
    ResetScrollCount();
    ResetWheelCount();
    for (int i = 0; i < nMoves; i++)
        samples->push_back(NextMove());
    if (IsDrag(sc))
        InjectKey(VK_CONTROL, false);
    r->anDelivered[sc] += DeliveredCount(sc, 5000);
    if (IsDrag(sc))
        r->anExpected[sc] += (long)nMoves * (sc == SC_ON_WHEEL ? 1 : BENCH_CHILDREN);
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
            int nMoves = IsChildDrag(sc) ? (nOn + nRounds - 1 - round) / nRounds : nCheap;
            std::vector<double> roundSamples;
            if (!RunScenario(sc, nMoves, &roundSamples, r))
                return false;
            adRoundMedian[sc] = Median(roundSamples);
            r->aSamples[sc].insert(r->aSamples[sc].end(), roundSamples.begin(), roundSamples.end());
        }
        double dOff = Ratio(adRoundMedian[SC_OFF], adRoundMedian[SC_BARE]);
        double dIdle = Ratio(adRoundMedian[SC_ON_IDLE], adRoundMedian[SC_BARE]);
        double dWheel = Ratio(adRoundMedian[SC_ON_WHEEL], adRoundMedian[SC_BARE]);
        r->aOffVsBare.push_back(dOff);
        r->aOnIdleVsBare.push_back(dIdle);
        r->aWheelVsBare.push_back(dWheel);
        fprintf(stderr, "round %d/%d medians (ms):", round + 1, nRounds);
        for (int sc = 0; sc < SC_COUNT; sc++)
            fprintf(stderr, " %s %.3f,", aszNames[sc], adRoundMedian[sc]);
        fprintf(stderr, " OFF/bare %.2f, ON idle/bare %.2f, ON wheel/bare %.2f\n", dOff, dIdle,
                dWheel);
    }
    return true;
}
