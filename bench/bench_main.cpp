// The benchmark driver: runs every measurement in one go, prints progress on
// stderr, then the table, the goals and, as the very last line, every figure
// of bench_figures.cpp as name=value.
// Options: --veltrac PATH, --rounds N, --moves N (per block, each scenario
// but the 200-child drags), --on-moves N (in all, each 200-child drag),
// --launches N, --tick-runs N, --hook-rounds N, --only
// moves|tick|hung|start|huge|hooks (one part; the others' figures are then
// n/a).
#include "bench/bench_figures.h"
#include "bench/bench_hook_calls.h"
#include "bench/bench_huge.h"
#include "bench/bench_hung.h"
#include "bench/bench_moves.h"
#include "bench/bench_procs.h"
#include "bench/bench_report.h"
#include "bench/bench_start.h"
#include "bench/bench_stats.h"
#include "bench/bench_target.h"
#include "bench/bench_tick.h"
#include "testkit/kit_files.h"
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

struct OPTIONS {
    const char *szVeltrac;
    const char *szOnly;
    int nRounds, nMoves, nOnMoves, nLaunches, nTickRuns, nHookRounds;
};

static bool ParseOptions(int argc, char **argv, OPTIONS *o)
{
    *o = {"", "", 10, 1000, 500, 20, 40, 15};
    for (int i = 1; i < argc; i++) {
        const char *arg = argv[i];
        const char *value = i + 1 < argc ? argv[i + 1] : NULL;
        int *number = !strcmp(arg, "--rounds")      ? &o->nRounds
                      : !strcmp(arg, "--moves")     ? &o->nMoves
                      : !strcmp(arg, "--on-moves")  ? &o->nOnMoves
                      : !strcmp(arg, "--launches")  ? &o->nLaunches
                      : !strcmp(arg, "--tick-runs") ? &o->nTickRuns
                      : !strcmp(arg, "--hook-rounds") ? &o->nHookRounds
                                                      : NULL;
        const char **text = !strcmp(arg, "--veltrac") ? &o->szVeltrac
                            : !strcmp(arg, "--only")  ? &o->szOnly
                                                      : NULL;
        if (!value || (!number && !text)) {
            fprintf(stderr, "bench: unknown or incomplete option %s\n", arg);
            return false;
        }
        if (number)
            *number = atoi(value);
        else
            *text = value;
        i++;
    }
    return o->nRounds > 0 && o->nMoves > 0 && o->nOnMoves > 0 && o->nLaunches > 0 &&
           o->nTickRuns > 0 && o->nHookRounds > 0;
}

static bool Wanted(const OPTIONS &o, const char *part)
{
    return !o.szOnly[0] || !strcmp(o.szOnly, part);
}

// A wheel drag's note: how many of the wheel messages it should have caused
// arrived, whether that was one per move, and what more the scenario shows.
static void WheelNote(const MOVERESULTS &r, int sc, const char *what, const char *more,
                      char *note, size_t size)
{
    snprintf(note, size, "%ld of %ld %s arrived%s%s", r.anDelivered[sc], r.anExpected[sc], what,
             r.anDelivered[sc] != r.anExpected[sc] ? ", NOT one per move" : "", more);
}

// A figure that is the median of per-round ratios, with their quartiles.
static void SetRoundFigure(const char *name, const std::vector<double> &ratios)
{
    double dLow, dHigh;
    Quartiles(ratios, &dLow, &dHigh);
    SetFigure(name, Median(ratios));
    SetFigureSpread(name, dLow, dHigh);
}

// A row of per-round ratios, their quartiles in the note.
static void RatioRowNote(const char *name, const std::vector<double> &ratios, const char *more)
{
    double dLow, dHigh;
    Quartiles(ratios, &dLow, &dHigh);
    char note[128];
    snprintf(note, sizeof note, "quartiles %.2f..%.2f%s", dLow, dHigh, more);
    AddRow(name, ratios, note);
}

// The ratio row of one scenario against the bare hook.
static void RatioRow(const MOVERESULTS &r, int sc, const char *name)
{
    char more[64];
    snprintf(more, sizeof more, "; pooled medians give %.2f",
             Ratio(Median(r.aSamples[sc]), Median(r.aSamples[SC_BARE])));
    RatioRowNote(name, r.aVsBare[sc], more);
}

static void MeasureMoves(const OPTIONS &o)
{
    std::vector<double> sleepy;
    double dWait = CheckHooksWait(&sleepy);
    AddHeading("check: SendInput waits for the hooks");
    bool bWaits = dWait >= 4.5;
    AddRow("move with a bare hook that sleeps 5 ms", sleepy,
           bWaits ? "waits: the method holds" : "DOES NOT WAIT: figures below are void");
    fprintf(stderr, "hook check: median %.3f ms with a 5 ms hook\n", dWait);

    MOVERESULTS r = {};
    if (!RunMoveRounds(o.nRounds, o.nMoves, o.nOnMoves, &r))
        return;
    static const char *const aszRows[SC_COUNT] = {
        "no hook", "bare LL hook, other process", "Veltrac OFF",
        "Veltrac ON at rest, send, 4 children", "Veltrac ON, wheel, drag, no children",
        "Veltrac ON, wheel, drag, real-input window", "Veltrac ON, wheel, drag, pointer held",
        "Veltrac ON, Automatic, drag, Chromium class", "Veltrac ON, wheel, drag, under pointer",
        "Veltrac ON, post, drag, 200 children", "Veltrac ON, send, drag, 200 children",
    };
    char heading[128];
    snprintf(heading, sizeof heading, "per injected mouse move (%d rounds, each scenario between "
             "two blocks of the bare hook)", o.nRounds);
    AddHeading(heading);
    for (int sc = 0; sc < SC_COUNT; sc++) {
        char note[160] = "";
        if (sc == SC_ON_WHEEL) {
            WheelNote(r, sc, "wheel messages", "", note, sizeof note);
        } else if (sc == SC_ON_REAL_WHEEL) {
            char more[64];
            snprintf(more, sizeof more, "; %ld wheel messages of other origin", r.nRealUntagged);
            WheelNote(r, sc, "real wheel inputs", more, note, sizeof note);
        } else if (sc == SC_ON_STILL) {
            char more[96];
            snprintf(more, sizeof more, "; the pointer stayed put in %d of %d rounds",
                     r.nStillHeld, r.nStillRounds);
            WheelNote(r, sc, "wheel messages", more, note, sizeof note);
        } else if (sc == SC_ON_AUTO) {
            snprintf(note, sizeof note, "%ld smooth wheel messages", r.anDelivered[sc]);
        } else if (sc == SC_ON_POINTER) {
            WheelNote(r, sc, "wheel messages", " to the window not in front", note, sizeof note);
        } else if (r.anExpected[sc]) {
            snprintf(note, sizeof note, "%ld of %ld scroll messages arrived", r.anDelivered[sc],
                     r.anExpected[sc]);
        } else if (r.anDelivered[sc]) {
            snprintf(note, sizeof note, "%ld scroll messages (none expected)", r.anDelivered[sc]);
        }
        AddRow(aszRows[sc], r.aSamples[sc], note);
    }
    RatioRow(r, SC_OFF, "OFF/bare, ratio of medians per round");
    RatioRow(r, SC_ON_IDLE, "ON at rest/bare, ratio of medians per round");
    RatioRow(r, SC_ON_WHEEL, "wheel drag/bare, ratio of medians per round");
    RatioRow(r, SC_ON_REAL_WHEEL, "real wheel/bare, ratio of medians per round");
    RatioRow(r, SC_ON_STILL, "held drag/bare, ratio of medians per round");
    RatioRow(r, SC_ON_AUTO, "Automatic drag/bare, ratio of medians per round");
    RatioRow(r, SC_ON_POINTER, "drag under the pointer/bare, ratio of medians per round");
    for (int sc : {SC_ON_WHEEL, SC_ON_REAL_WHEEL, SC_ON_STILL, SC_ON_POINTER})
        if (r.anDelivered[sc] != r.anExpected[sc])
            fprintf(stderr, "bench: the %s delivered %ld wheel messages for %ld moves, not one "
                            "per move\n", aszRows[sc], r.anDelivered[sc], r.anExpected[sc]);
    if (!bWaits) {
        fprintf(stderr, "bench: SendInput does not wait for the hooks; the move figures are void\n");
        return;
    }
    SetRoundFigure("off_vs_bare", r.aVsBare[SC_OFF]);
    if (r.anDelivered[SC_ON_IDLE])
        fprintf(stderr, "bench: Veltrac ON scrolled %ld times at rest\n", r.anDelivered[SC_ON_IDLE]);
    SetRoundFigure("on_idle_vs_bare", r.aVsBare[SC_ON_IDLE]);
    // Without a single wheel message the drag measured nothing of the wheel.
    if (r.anDelivered[SC_ON_WHEEL] > 0)
        SetRoundFigure("wheel_vs_bare", r.aVsBare[SC_ON_WHEEL]);
    else
        fprintf(stderr, "bench: no wheel message arrived; wheel_vs_bare void\n");
    // Without real wheel input the drag took the posted path, not the real one.
    if (r.anDelivered[SC_ON_REAL_WHEEL] > 0)
        SetRoundFigure("real_wheel_vs_bare", r.aVsBare[SC_ON_REAL_WHEEL]);
    else
        fprintf(stderr, "bench: no real wheel input arrived; real_wheel_vs_bare void\n");
    // A pointer that moved was not held: the drag measured something else.
    if (r.anDelivered[SC_ON_STILL] > 0 && r.nStillHeld == r.nStillRounds)
        SetRoundFigure("still_drag_vs_bare", r.aVsBare[SC_ON_STILL]);
    else
        fprintf(stderr, "bench: the held drag scrolled %ld times and ended at %ld,%ld (held in %d "
                        "of %d rounds); still_drag_vs_bare void\n", r.anDelivered[SC_ON_STILL],
                r.nStillX, r.nStillY, r.nStillHeld, r.nStillRounds);
    if (r.anDelivered[SC_ON_AUTO] > 0)
        SetRoundFigure("auto_drag_vs_bare", r.aVsBare[SC_ON_AUTO]);
    else
        fprintf(stderr, "bench: no smooth wheel message arrived; auto_drag_vs_bare void\n");
    // Wheel messages elsewhere than the window under the pointer: not this drag.
    if (r.anDelivered[SC_ON_POINTER] == r.anExpected[SC_ON_POINTER])
        SetRoundFigure("pointer_drag_vs_bare", r.aVsBare[SC_ON_POINTER]);
    else
        fprintf(stderr, "bench: the drag under the pointer delivered %ld of %ld; "
                        "pointer_drag_vs_bare void\n", r.anDelivered[SC_ON_POINTER],
                r.anExpected[SC_ON_POINTER]);

    AUTORATE a = {};
    if (!MeasureAutoRate(1000, &a) || a.dSeconds <= 0)
        return;
    AddHeading("an Automatic drag over the Chromium-class window, a move a millisecond");
    char note[160];
    snprintf(note, sizeof note, "%ld moves in %.2f s (%.0f a second): %ld wheel messages",
             a.nMoves, a.dSeconds, a.nMoves / a.dSeconds, a.nWheels);
    AddRow("wheel messages a second", std::vector<double>{a.nWheels / a.dSeconds}, note);
    if (a.nWheels > 0)
        SetFigure("auto_msgs_per_s", a.nWheels / a.dSeconds);
    else
        fprintf(stderr, "bench: no wheel message reached the Chromium window; auto_msgs_per_s void\n");
}

static void MeasureTick(const OPTIONS &o)
{
    TICKRESULTS r = {};
    if (!RunTickBench(o.nTickRuns, &r))
        return;
    AddHeading("one edge tick at a corner, 6 steps, 200 children the filter skips");
    char note[128];
    snprintf(note, sizeof note, "a corner tick to %d passing children first: %ld messages in "
             "%.1f ms (6 x %d = %d)", BENCH_FEW_CHILDREN, r.nSanityScrolls, r.dSanityMs,
             BENCH_FEW_CHILDREN, 6 * BENCH_FEW_CHILDREN);
    AddRow("ScrollTick", r.tick, note);
    AddRow("bare EnumChildWindows + GetClassNameA", r.bare);
    AddRow("6 steps walked one by one (reference)", r.stepwise);
    RatioRowNote("tick/bare pass, each pair", r.vsBare, "");
    if (r.nSanityScrolls == 6 * BENCH_FEW_CHILDREN)
        SetRoundFigure("tick_vs_enum", r.vsBare);
    else
        fprintf(stderr, "bench: the corner tick did not deliver six steps; tick_vs_enum void\n");
}

static void MeasureHung(void)
{
    HUNGRESULTS r = {};
    if (!RunHungBench(&r))
        return;
    char heading[96], note[96];
    snprintf(heading, sizeof heading, "Veltrac ON, send, edge moves, target with %d + 1 children",
             BENCH_HUNG_TARGET_CHILDREN);
    AddHeading(heading);
    AddRow("every child responsive", r.responsive);
    snprintf(note, sizeof note, "max = hung_stall_ms; the others got %ld messages meanwhile",
             r.nDeliveredWhileHung);
    AddRow("one child's thread hung", r.hung, note);
    if (!r.hung.empty())
        SetFigure("hung_stall_ms", Summarize(r.hung).dMax);
}

static void MeasureStart(const OPTIONS &o)
{
    std::vector<double> veltrac, trivial;
    if (!RunStartBench(o.nLaunches, &veltrac, &trivial))
        return;
    AddHeading("launch to first paint (alternating launches)");
    AddRow("Veltrac.exe", veltrac);
    AddRow("trivial Win32 program", trivial);
    std::vector<double> ratios;
    for (size_t i = 0; i < veltrac.size() && i < trivial.size(); i++)
        ratios.push_back(Ratio(veltrac[i], trivial[i]));
    RatioRowNote("Veltrac/trivial, each pair of launches", ratios, "");
    SetRoundFigure("start_vs_trivial", ratios);
}

// The figure each case's longest event is, if any.
static const char *HugeFigure(int c)
{
    return c == HUGE_EDGE_SEND ? "huge_steps_stall_ms" : c == HUGE_PRESS_POST ? "press_stall_ms" : NULL;
}

static void MeasureHuge(void)
{
    HUGERESULTS r = {};
    if (!RunHugeBench(&r))
        return;
    char heading[128];
    snprintf(heading, sizeof heading,
             "Veltrac ON, huge steps per tick, %d passing children in front, each move or press timed",
             BENCH_FEW_CHILDREN);
    AddHeading(heading);
    for (int i = 0; i < HUGE_COUNT; i++) {
        const HUGECASE &c = r.aCases[i];
        const char *figure = HugeFigure(i);
        int nLong = 0;
        for (double ms : c.events)
            nLong += ms >= 1000;
        char note[256], goal[48] = "", extra[64] = "";
        if (figure)
            snprintf(goal, sizeof goal, "max = %s; ", figure);
        if (c.dKeyMs >= 0)
            snprintf(extra, sizeof extra, "Control press %.0f ms; ", c.dKeyMs);
        else if (!c.releases.empty())
            snprintf(extra, sizeof extra, "releases max %.0f ms; ", Summarize(c.releases).dMax);
        if (!c.bAnsweredBefore)
            snprintf(note, sizeof note, "did not come up ON and answering: not measured");
        else
            snprintf(note, sizeof note, "%s%d >= 1 s; %sWM_NULL after: %s; %s", goal, nLong, extra,
                     c.bAnsweredAfter ? "answered" : "NO ANSWER",
                     c.bEndedWhenAsked ? "ended on WM_CLOSE" : "KILLED after WM_CLOSE");
        AddRow(HugeCaseName(i), c.events, note);
        if (figure && c.bAnsweredBefore && !c.events.empty())
            SetFigure(figure, Summarize(c.events).dMax);
    }
}

static void MeasureHookCalls(const OPTIONS &o)
{
    HOOKCALLRESULTS r = {};
    if (!RunHookCallBench(o.nHookRounds, &r))
        return;
    char heading[128], note[96];
    snprintf(heading, sizeof heading, "MouseHookProc called in this process, microseconds per call "
             "(%d rounds of batches taking turns)", o.nHookRounds);
    AddHeading(heading);
    snprintf(note, sizeof note, "%ld calls scrolled %ld times", r.nIdleCalls, r.nIdleWheels);
    AddRow("ON at rest, wheel type", r.idle, note);
    AddRow("bare procedure (CallNextHookEx), beside it", r.idleBare);
    snprintf(note, sizeof note, "%ld calls posted %ld wheel messages", r.nDragCalls, r.nDragWheels);
    AddRow("dragging, wheel type, window with no children", r.drag, note);
    AddRow("bare procedure, beside it", r.dragBare);
    RatioRowNote("at rest/bare, ratio of medians per round", r.idleVsBare, "");
    RatioRowNote("dragging/bare, ratio of medians per round", r.dragVsBare, "");
    // At rest nothing may scroll; a drag that posted nothing measured no drag.
    if (r.nIdleWheels == 0)
        SetRoundFigure("hook_idle_vs_bare", r.idleVsBare);
    else
        fprintf(stderr, "bench: the hook scrolled at rest; hook_idle_vs_bare void\n");
    if (r.nDragWheels >= r.nDragCalls)
        SetRoundFigure("hook_move_vs_bare", r.dragVsBare);
    else
        fprintf(stderr, "bench: %ld wheel messages for %ld dragging calls; hook_move_vs_bare "
                        "void\n", r.nDragWheels, r.nDragCalls);
}

int main(int argc, char **argv)
{
    // Plain LF line ends on the pipe to the shell script.
    _setmode(_fileno(stdout), _O_BINARY);
    OPTIONS o;
    if (!ParseOptions(argc, argv, &o) || !PreparePaths(o.szVeltrac) || !StartTargets())
        return 2;
    if (Wanted(o, "moves"))
        MeasureMoves(o);
    if (Wanted(o, "tick"))
        MeasureTick(o);
    if (Wanted(o, "hung"))
        MeasureHung();
    if (Wanted(o, "start"))
        MeasureStart(o);
    if (Wanted(o, "huge"))   // it may leave a flooded or killed program behind
        MeasureHuge();
    // Last: this process becomes the program for a while, and no other
    // program must run beside it.
    if (Wanted(o, "hooks"))
        MeasureHookCalls(o);
    StopTargets();
    RemoveScratchDirs();

    PrintTable(stdout);
    printf("\n");
    PrintGoals(stdout);
    PrintLastLine(stdout);
    fflush(stdout);
    return AllFiguresMeasured() ? 0 : 1;
}
