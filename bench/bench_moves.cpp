// The move scenarios. The cursor always moves back and forth 10 pixels over
// the foreground target, far from the screen edges. The scenarios up to ON
// at rest get the same input: no key held, the ordinary target in front; so
// Veltrac ON sees every move and scrolls nothing. The drag scenarios hold the
// scroll key (Control), so every move is one step (sensitivity 5, one scroll
// per step): in the "Mouse wheel" type over the wheel target, one wheel
// message posted to that window; over the real-input target, one real wheel
// turn that Veltrac injects after its hook returns; with the pointer held
// still, one wheel message posted to the wheel target for a move 10 pixels
// to either side of the held point, which the hook keeps from programs; in
// post and send mode over the 200-child target, a walk of the 200 children
// and a message to each.
#include "bench/bench_moves.h"
#include "bench/bench_procs.h"
#include "bench/bench_stats.h"
#include "bench/bench_target.h"
#include "testkit/kit_input.h"
#include "testkit/kit_windows.h"
#include <stdio.h>

#define MOVE_X 400
#define MOVE_Y 300   // with the pointer held still, the held point is (MOVE_X, MOVE_Y)
#define MOVE_DY 10
#define WARMUP_MOVES 50
#define HOOK_SLEEP_MS 5

#define DRAIN_MS 10000   // for the target to handle what a scenario posted or injected

static const char *const aszNames[SC_COUNT] = {
    "no hook", "bare hook", "Veltrac OFF", "Veltrac ON idle", "Veltrac ON wheel",
    "Veltrac ON real wheel", "Veltrac ON still drag", "Veltrac ON post", "Veltrac ON send",
};

// The drags over the 200-child target, sized apart from the cheap scenarios.
static bool IsChildDrag(int sc)
{
    return sc == SC_ON_POST || sc == SC_ON_SEND;
}

static bool IsWheelDrag(int sc)
{
    return sc == SC_ON_WHEEL || sc == SC_ON_REAL_WHEEL || sc == SC_ON_STILL;
}

static bool IsDrag(int sc)
{
    return IsWheelDrag(sc) || IsChildDrag(sc);
}

static HWND ScenarioTarget(int sc)
{
    switch (sc) {
    case SC_ON_WHEEL: case SC_ON_STILL: return Targets.hWheel;
    case SC_ON_REAL_WHEEL: return Targets.hRealWheel;
    case SC_ON_POST: case SC_ON_SEND: return Targets.hScroll;
    default: return Targets.hOrdinary;
    }
}

// What the scenario's target has handled: for the real wheel drag, the real
// wheel input once nExpected of it arrived; for the other wheel drags, the
// wheel target's wheel messages once it has drained its queue; else the
// children's scroll messages once they stop changing (within settleMs).
static long DeliveredCount(int sc, long nExpected, int settleMs)
{
    if (sc == SC_ON_REAL_WHEEL)
        return AwaitRealWheels(nExpected, DRAIN_MS);
    return IsWheelDrag(sc) ? DrainedWheelCount(DRAIN_MS) : SettledScrollCount(settleMs);
}

static int nMoveIndex;

// Where move i of the back-and-forth goes: between two points 10 pixels
// apart, or, with the pointer held still at (MOVE_X, MOVE_Y), 10 pixels
// above and below it, so that every move is a step from the held point.
static POINT MovePoint(int sc, int i)
{
    int dy = sc == SC_ON_STILL ? (i % 2 ? MOVE_DY : -MOVE_DY) : (i % 2) * MOVE_DY;
    return POINT{MOVE_X, MOVE_Y + dy};
}

// The next move of the scenario's back-and-forth, timed.
static double NextMove(int sc)
{
    nMoveIndex++;
    POINT pt = MovePoint(sc, nMoveIndex);
    return TimedMove(pt.x, pt.y);
}

// Before a drag begins, the pointer goes where the drag begins, so that its
// first move is a whole step like every other: where the last move went, or
// the held point.
static void PlacePointer(int sc)
{
    POINT pt = sc == SC_ON_STILL ? POINT{MOVE_X, MOVE_Y} : MovePoint(sc, nMoveIndex);
    TimedMove(pt.x, pt.y);
}

double CheckHooksWait(std::vector<double> *samples)
{
    CHILDPROC p;
    if (!StartBareHook(HOOK_SLEEP_MS, &p))
        return -1;
    MakeForeground(Targets.hScroll);
    for (int i = 0; i < 5; i++)
        NextMove(SC_BARE);
    for (int i = 0; i < 40; i++)
        samples->push_back(NextMove(SC_BARE));
    StopChild(&p);
    return Median(*samples);
}

static bool StartScenario(int sc, CHILDPROC *p)
{
    switch (sc) {
    case SC_BARE: return StartBareHook(0, p);
    case SC_OFF: return StartVeltracIn(Paths.szPostDir, false, p);
    case SC_ON_IDLE: return StartVeltracIn(Paths.szSendDir, true, p);
    case SC_ON_WHEEL: case SC_ON_REAL_WHEEL: return StartVeltracIn(Paths.szWheelDir, true, p);
    case SC_ON_STILL: return StartVeltracIn(Paths.szStillDir, true, p);
    case SC_ON_POST: return StartVeltracIn(Paths.szPostDir, true, p);
    case SC_ON_SEND: return StartVeltracIn(Paths.szSendDir, true, p);
    default: return true;
    }
}

// A drag with the pointer held still must end where it began.
static void CheckHeld(MOVERESULTS *r)
{
    POINT pt = {};
    GetCursorPos(&pt);
    r->nStillRounds++;
    r->nStillHeld += pt.x == MOVE_X && pt.y == MOVE_Y;
    r->nStillX = pt.x;
    r->nStillY = pt.y;
}

// One scenario of one round: nMoves timed moves appended to *samples.
static bool RunScenario(int sc, int nMoves, std::vector<double> *samples, MOVERESULTS *r)
{
    CHILDPROC p = {};
    if (!StartScenario(sc, &p))
        return false;
    MakeForeground(ScenarioTarget(sc));
    if (IsDrag(sc)) {
        PlacePointer(sc);
        KeyDown(VK_CONTROL);
    }
    for (int i = 0; i < WARMUP_MOVES; i++)
        NextMove(sc);
    DeliveredCount(sc, WARMUP_MOVES, 2000);   // let the warm-up's messages drain
    ResetScrollCount();
    ResetWheelCount();
    for (int i = 0; i < nMoves; i++)
        samples->push_back(NextMove(sc));
    if (sc == SC_ON_STILL)
        CheckHeld(r);
    if (IsDrag(sc))
        KeyUp(VK_CONTROL);
    long nExpected = IsDrag(sc) ? (long)nMoves * (IsWheelDrag(sc) ? 1 : BENCH_CHILDREN) : 0;
    r->anDelivered[sc] += DeliveredCount(sc, nExpected, 5000);
    r->anExpected[sc] += nExpected;
    if (sc == SC_ON_REAL_WHEEL)
        r->nRealUntagged += UntaggedRealWheels();
    StopChild(&p);
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
        fprintf(stderr, "round %d/%d medians (ms):", round + 1, nRounds);
        for (int sc = 0; sc < SC_COUNT; sc++) {
            r->aVsBare[sc].push_back(Ratio(adRoundMedian[sc], adRoundMedian[SC_BARE]));
            fprintf(stderr, " %s %.3f,", aszNames[sc], adRoundMedian[sc]);
        }
        fprintf(stderr, " OFF/bare %.2f, ON idle/bare %.2f, ON wheel/bare %.2f, real wheel/bare "
                        "%.2f, still drag/bare %.2f\n", r->aVsBare[SC_OFF].back(),
                r->aVsBare[SC_ON_IDLE].back(), r->aVsBare[SC_ON_WHEEL].back(),
                r->aVsBare[SC_ON_REAL_WHEEL].back(), r->aVsBare[SC_ON_STILL].back());
    }
    return true;
}
