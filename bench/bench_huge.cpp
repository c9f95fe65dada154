// The edge cases run the cursor down the left screen edge, so every move is
// an edge tick; the drag case holds Control and moves the cursor back and
// forth in the middle of the screen with a sensitivity so low that every
// pass of the drag rule scrolls; the press case rests the cursor on the top
// edge and presses and releases the middle button there, so each press
// reports both an edge move and a drag button. The first and the last have
// goals.
#include "bench/bench_huge.h"
#include "bench/bench_procs.h"
#include "bench/bench_stats.h"
#include "bench/bench_target.h"
#include "scroll/settings.h"
#include "testkit/kit_input.h"
#include "testkit/kit_windows.h"
#include <limits.h>
#include <stdio.h>

#define HUGE_EVENTS 30
#define ANSWER_MS 10000   // a program that is only busy answers well within this
#define PRESS_X 400       // where the press case rests on the top edge

// What each timed event of a case is.
enum { EVENT_EDGE_MOVE, EVENT_DRAG_MOVE, EVENT_EDGE_PRESS };

struct CASESETUP {
    const char *szName;
    const char *szFolder;
    int nEvent;
    int nMessageType, nScrollTimes, nSensitivity, bMiddleButton;
};

static const CASESETUP aSetups[HUGE_COUNT] = {
    {"edge, send, 2000000000 steps", "huge_send", EVENT_EDGE_MOVE, MESSAGE_SEND, 2000000000, 5, 0},
    {"edge, post, 40000 steps", "huge_post", EVENT_EDGE_MOVE, MESSAGE_POST, 40000, 5, 0},
    {"drag, send, 2e9 steps, sensitivity -2^31", "huge_drag", EVENT_DRAG_MOVE, MESSAGE_SEND,
     2000000000, INT_MIN, 0},
    {"middle press at top edge, post, 2e9 steps", "huge_press", EVENT_EDGE_PRESS, MESSAGE_POST,
     2000000000, 5, 1},
};

const char *HugeCaseName(int c)
{
    return aSetups[c].szName;
}

static void TimeCaseEvent(const CASESETUP &s, int i, HUGECASE *c)
{
    switch (s.nEvent) {
    case EVENT_DRAG_MOVE:
        c->events.push_back(TimedMove(400, 300 + (i % 2) * 10));
        break;
    case EVENT_EDGE_MOVE:
        c->events.push_back(TimedMove(0, 150 + (i * 4) % 450));
        break;
    case EVENT_EDGE_PRESS:
        c->events.push_back(TimedInput(MouseInput(MOUSEEVENTF_MIDDLEDOWN)));
        c->releases.push_back(TimedInput(MouseInput(MOUSEEVENTF_MIDDLEUP)));
        break;
    }
}

static void RunCase(const CASESETUP &s, const char *dir, HWND target, HUGECASE *c)
{
    CHILDPROC p;
    TimedMove(400, 300);   // away from the edges before Veltrac sees a move
    if (!StartVeltracIn(dir, true, &p))
        return;
    MakeForeground(target);
    c->bAnsweredBefore = Answers(p.hwnd, ANSWER_MS);
    if (c->bAnsweredBefore) {
        if (s.nEvent == EVENT_DRAG_MOVE) {
            double t0 = NowMs();
            KeyDown(VK_CONTROL);
            c->dKeyMs = NowMs() - t0;
        }
        if (s.nEvent == EVENT_EDGE_PRESS)
            TimedMove(PRESS_X, 0);   // the cursor rests here through every press
        for (int i = 1; i <= HUGE_EVENTS; i++)
            TimeCaseEvent(s, i, c);
        if (s.nEvent == EVENT_DRAG_MOVE)
            KeyUp(VK_CONTROL);
        TimedMove(400, 300);   // off the edge: the repeat timer may stop
        c->bAnsweredAfter = Answers(p.hwnd, ANSWER_MS);
    }
    c->bEndedWhenAsked = StopChild(&p);
    fprintf(stderr, "huge steps, %s: max %.0f ms, WM_NULL answered before %s, after %s, %s\n",
            s.szName, Summarize(c->events).dMax, c->bAnsweredBefore ? "yes" : "no",
            c->bAnsweredAfter ? "yes" : "no", c->bEndedWhenAsked ? "ended when asked" : "terminated");
}

bool RunHugeBench(HUGERESULTS *r)
{
    for (int i = 0; i < HUGE_COUNT; i++) {
        const CASESETUP &s = aSetups[i];
        HUGECASE *c = &r->aCases[i];
        c->dKeyMs = -1;
        char dir[MAX_PATH];
        CHILDPROC target;
        if (!MakeScratch(s.szFolder, [&] {
                Settings.nMessageType = s.nMessageType;
                Settings.nScrollTimes = s.nScrollTimes;
                Settings.nSensitivity = s.nSensitivity;
                Settings.bMiddleButton = s.bMiddleButton;
            }, dir) ||
            !StartChildrenTarget(BENCH_PASS_CLASS, BENCH_FEW_CHILDREN, &target))
            return false;
        RunCase(s, dir, target.hwnd, c);
        StopChild(&target);   // after Veltrac, so it never sends to a vanished window
    }
    TimedMove(400, 300);
    return true;
}
