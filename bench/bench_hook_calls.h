// The hook procedures' own cost, whatever the system's delivery of input
// costs: MouseHookProc called directly in a loop on synthetic events, against
// a bare procedure that only passes the event on (CallNextHookEx), both
// timed with the performance counter, in batches that take turns. The
// program is the real one, brought up in this process by its own start-up
// code, ON, in the "Mouse wheel" type: at rest (no trigger held, away from
// the edges), and dragging with Control held (pressed through
// KeyboardHookProc) over a window of this thread with no children, where
// every move posts one wheel message.
#pragma once
#include <vector>

struct HOOKCALLRESULTS {
    // Microseconds per call, one value per batch.
    std::vector<double> idle, idleBare, drag, dragBare;
    // One ratio of the batch medians per round.
    std::vector<double> idleVsBare, dragVsBare;
    long nIdleCalls, nIdleWheels;    // timed calls at rest, and what they scrolled (none)
    long nDragCalls, nDragWheels;    // timed calls dragging, and the wheel messages they posted
};

// nRounds rounds of each state. False if the program could not be brought
// up; the process is left as it was found (hooks out, window gone).
bool RunHookCallBench(int nRounds, HOOKCALLRESULTS *r);
