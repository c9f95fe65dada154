// How long one injected move or middle press can wait when settings.dat asks
// for a huge number of steps per tick: Veltrac ON with an ordinary target (a
// few passing children, in another process) in front. Every case is bounded:
// a fixed number of events, a check before and after that the program still
// answers, and the program killed if it does not end when asked.
#pragma once
#include <vector>

enum { HUGE_EDGE_SEND, HUGE_EDGE_POST, HUGE_DRAG_SEND, HUGE_PRESS_POST, HUGE_COUNT };

struct HUGECASE {
    std::vector<double> events;     // SendInput wait of each timed move or press, in ms
    std::vector<double> releases;   // the release after each press (press case only)
    double dKeyMs;                  // the Control press (drag case only), else -1
    bool bAnsweredBefore;           // came up ON and answered; else nothing was timed
    bool bAnsweredAfter;
    bool bEndedWhenAsked;           // else it was terminated
};

struct HUGERESULTS {
    HUGECASE aCases[HUGE_COUNT];
};

// The case as a table row name.
const char *HugeCaseName(int c);

// False if a scratch folder or the target could not be made.
bool RunHugeBench(HUGERESULTS *r);
