// Per-event cost of the desktop's mouse hooks: the time one injected mouse
// move takes with no hook, with a bare hook in another process, with Veltrac
// OFF and with Veltrac ON at rest (no key held, away from the edges, over an
// ordinary target), with Veltrac ON drag-scrolling in the "Mouse wheel" type
// over a window with no children (one that takes posted wheel messages, one
// of a class that reads only real input, and the first again with the
// pointer held still, or not in front while the drag scrolls the window
// under the pointer), in the "Automatic" type over a Chromium-class window
// (smooth wheel messages), and with Veltrac ON drag-scrolling a 200-child target
// in post and in send mode; in rounds that alternate every scenario with the
// bare hook, its reference.
#pragma once
#include <vector>

enum {
    SC_NONE, SC_BARE, SC_OFF, SC_ON_IDLE, SC_ON_WHEEL, SC_ON_REAL_WHEEL, SC_ON_STILL,
    SC_ON_AUTO, SC_ON_POINTER, SC_ON_POST, SC_ON_SEND, SC_COUNT
};

struct MOVERESULTS {
    std::vector<double> aSamples[SC_COUNT];
    // One ratio per round: the scenario's median over the mean of the bare
    // hook's medians just before and just after it (the 200-child drags: over
    // the mean of the round's bare medians; SC_BARE has none).
    std::vector<double> aVsBare[SC_COUNT];
    long anDelivered[SC_COUNT];           // scroll (wheel) messages the target got; real
                                          // wheel input only, for SC_ON_REAL_WHEEL
    long anExpected[SC_COUNT];
    long nRealUntagged;                   // wheel messages the real-input target got otherwise
    int nStillRounds, nStillHeld;         // rounds of the held drag, and those whose pointer
                                          // was still where the drag began at its end
    long nStillX, nStillY;                // where the pointer was at the end of the last one
};

// Median time of a move with a bare hook that sleeps 5 ms: at least 5 when
// SendInput really waits for the hooks. -1 when it could not be measured.
double CheckHooksWait(std::vector<double> *samples);

// nCheap moves per block for the bare hook and the scenarios up to
// SC_ON_STILL, which post or inject at most one wheel message a move; nOn
// moves in all (spread over the rounds) for each 200-child drag. A round
// runs the bare hook, a scenario, the bare hook, the next scenario, and so
// on (in reverse order every other round), then the two 200-child drags.
// False if a program would not start.
bool RunMoveRounds(int nRounds, int nCheap, int nOn, MOVERESULTS *r);

// An "Automatic" drag over the Chromium-class window of nMoves moves, one
// each millisecond as near as the moves allow: the wheel messages that
// reached it per second of the drag. -1 when the program would not start.
struct AUTORATE {
    long nMoves, nWheels;
    double dSeconds;
};
bool MeasureAutoRate(int nMoves, AUTORATE *r);
