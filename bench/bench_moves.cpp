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
// and a message to each. In the "Automatic" type over the Chromium-class
// window the moves go up and down a longer way, so that a frame's moves add
// up to a distance; with the window under the pointer scrolled, the wheel
// target is under the pointer while a small window aside is in front.
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
    "Veltrac ON real wheel", "Veltrac ON still drag", "Veltrac ON auto", "Veltrac ON pointer",
    "Veltrac ON post", "Veltrac ON send",
};

// The drags over the 200-child target, sized apart from the cheap scenarios.
static bool IsChildDrag(int sc)
{
    return sc == SC_ON_POST || sc == SC_ON_SEND;
}

static bool IsWheelDrag(int sc)
{
    return sc == SC_ON_WHEEL || sc == SC_ON_REAL_WHEEL || sc == SC_ON_STILL ||
           sc == SC_ON_POINTER;
}

static bool IsDrag(int sc)
{
    return IsWheelDrag(sc) || IsChildDrag(sc) || sc == SC_ON_AUTO;
}

static HWND ScenarioTarget(int sc)
{
    switch (sc) {
    case SC_ON_WHEEL: case SC_ON_STILL: case SC_ON_POINTER: return Targets.hWheel;
    case SC_ON_AUTO: return Targets.hChrome;
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
    if (sc == SC_ON_AUTO)
        return DrainedChromeWheelCount(DRAIN_MS);
    return IsWheelDrag(sc) ? DrainedWheelCount(DRAIN_MS) : SettledScrollCount(settleMs);
}

static int nMoveIndex;

// Where move i of the back-and-forth goes: between two points 10 pixels
// apart, or, with the pointer held still at (MOVE_X, MOVE_Y), 10 pixels
// above and below it, so that every move is a step from the held point.
static POINT MovePoint(int sc, int i)
{
    if (sc == SC_ON_AUTO) {     // 20 moves down, 20 up: 200 pixels each way
        int k = i % 40;
        return POINT{MOVE_X, MOVE_Y - 100 + (k < 20 ? k : 40 - k) * MOVE_DY};
    }
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
    case SC_ON_AUTO: return StartVeltracIn(Paths.szAutoDir, true, p);
    case SC_ON_POINTER: return StartVeltracIn(Paths.szPointerDir, true, p);
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
    if (sc == SC_ON_POINTER)        // on top, but not in front
        MakeForeground(Targets.hAside);
    if (IsDrag(sc)) {
        PlacePointer(sc);
        KeyDown(VK_CONTROL);
    }
    for (int i = 0; i < WARMUP_MOVES; i++)
        NextMove(sc);
    DeliveredCount(sc, WARMUP_MOVES, 2000);   // let the warm-up's messages drain
    ResetScrollCount();
    ResetWheelCount();
    ResetChromeWheelCount();
    for (int i = 0; i < nMoves; i++)
        samples->push_back(NextMove(sc));
    if (sc == SC_ON_STILL)
        CheckHeld(r);
    if (IsDrag(sc))
        KeyUp(VK_CONTROL);
    // Automatic sends what a frame's moves add up to: no count per move.
    long nExpected = !IsDrag(sc) || sc == SC_ON_AUTO
                         ? 0 : (long)nMoves * (IsWheelDrag(sc) ? 1 : BENCH_CHILDREN);
    r->anDelivered[sc] += DeliveredCount(sc, nExpected, 5000);
    r->anExpected[sc] += nExpected;
    if (sc == SC_ON_REAL_WHEEL)
        r->nRealUntagged += UntaggedRealWheels();
    StopChild(&p);
    return true;
}

// The scenarios with a figure, each timed between two blocks of the bare
// hook: its reference is the mean of the bare medians just before and just
// after it, so that a drift of the machine over the round cancels.
static const int aBracketed[] = {SC_NONE,     SC_OFF,     SC_ON_IDLE,   SC_ON_WHEEL,
                                 SC_ON_REAL_WHEEL, SC_ON_STILL, SC_ON_AUTO, SC_ON_POINTER};
#define BRACKETED (int)(sizeof aBracketed / sizeof aBracketed[0])

// One block: the scenario's program started, nMoves timed moves, the program
// ended. The block's median, or -1 when a program would not start.
static double RunBlock(int sc, int nMoves, MOVERESULTS *r)
{
    std::vector<double> samples;
    if (!RunScenario(sc, nMoves, &samples, r))
        return -1;
    r->aSamples[sc].insert(r->aSamples[sc].end(), samples.begin(), samples.end());
    return Median(samples);
}

static void ReportRound(int round, int nRounds, const double *adMedian, const MOVERESULTS *r)
{
    fprintf(stderr, "round %d/%d medians (ms):", round + 1, nRounds);
    for (int sc = 0; sc < SC_COUNT; sc++)
        fprintf(stderr, " %s %.3f,", aszNames[sc], adMedian[sc]);
    fprintf(stderr, " OFF/bare %.2f, ON idle/bare %.2f, ON wheel/bare %.2f, real wheel/bare "
                    "%.2f, still drag/bare %.2f, auto/bare %.2f, pointer/bare %.2f\n",
            r->aVsBare[SC_OFF].back(), r->aVsBare[SC_ON_IDLE].back(),
            r->aVsBare[SC_ON_WHEEL].back(), r->aVsBare[SC_ON_REAL_WHEEL].back(),
            r->aVsBare[SC_ON_STILL].back(), r->aVsBare[SC_ON_AUTO].back(),
            r->aVsBare[SC_ON_POINTER].back());
}

bool RunMoveRounds(int nRounds, int nCheap, int nOn, MOVERESULTS *r)
{
    for (int round = 0; round < nRounds; round++) {
        double adMedian[SC_COUNT] = {}, adReference[SC_COUNT] = {};
        double dBefore = RunBlock(SC_BARE, nCheap, r);
        if (dBefore < 0)
            return false;
        double dBareSum = dBefore;
        int nBare = 1;
        for (int k = 0; k < BRACKETED; k++) {
            // Alternate the order, so that no scenario always follows the same one.
            int sc = aBracketed[round % 2 ? BRACKETED - 1 - k : k];
            adMedian[sc] = RunBlock(sc, nCheap, r);
            double dAfter = adMedian[sc] < 0 ? -1 : RunBlock(SC_BARE, nCheap, r);
            if (dAfter < 0)
                return false;
            adReference[sc] = (dBefore + dAfter) / 2;
            dBefore = dAfter;
            dBareSum += dAfter;
            nBare++;
        }
        adMedian[SC_BARE] = dBareSum / nBare;   // for the progress line
        // The 200-child drags have no figure: they are timed after the
        // others, against the round's bare blocks, their moves spread over
        // the rounds.
        int nOnMoves = (nOn + nRounds - 1 - round) / nRounds;
        for (int k = 0; k < 2 && nOnMoves > 0; k++) {
            int sc = (round + k) % 2 ? SC_ON_SEND : SC_ON_POST;
            adMedian[sc] = RunBlock(sc, nOnMoves, r);
            if (adMedian[sc] < 0)
                return false;
            adReference[sc] = adMedian[SC_BARE];
        }
        for (int sc = 0; sc < SC_COUNT; sc++)
            if (adReference[sc] > 0)
                r->aVsBare[sc].push_back(Ratio(adMedian[sc], adReference[sc]));
        ReportRound(round, nRounds, adMedian, r);
    }
    return true;
}

bool MeasureAutoRate(int nMoves, AUTORATE *r)
{
    CHILDPROC p = {};
    if (!StartScenario(SC_ON_AUTO, &p))
        return false;
    MakeForeground(Targets.hChrome);
    // Up and down 400 pixels in moves of 2.
    auto Y = [](int i) { int k = i % 400; return MOVE_Y - 150 + (k < 200 ? k : 400 - k) * 2; };
    TimedMove(MOVE_X, Y(0));
    KeyDown(VK_CONTROL);
    ResetChromeWheelCount();
    double t0 = NowMs();
    for (int i = 1; i <= nMoves; i++) {
        while (NowMs() < t0 + i)
            ;                       // the pace of a fast mouse: a move a millisecond
        TimedMove(MOVE_X, Y(i));
    }
    r->dSeconds = (NowMs() - t0) / 1000.0;
    KeyUp(VK_CONTROL);
    r->nMoves = nMoves;
    r->nWheels = DrainedChromeWheelCount(DRAIN_MS);
    StopChild(&p);
    return true;
}
