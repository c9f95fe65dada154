// What programs are owed and what they already have: the queue of events the
// hooks kept back and must give back, in order, and, for every key and
// button, whether programs have it down once that queue has been given back.
// Giving back is all or nothing: a press is queued only with room for its
// release, and one that finds no room is lost whole, its release with it, so
// nothing is ever left pressed in programs. No window calls.
#pragma once
#include "input/trigger_event.h"

#define GIVEBACK_QUEUE_SIZE 64
#define INPUT_ID_COUNT (256 + 8)        // key codes, then the buttons

struct GIVEBACK {
    TRIGGEREVENT aPending[GIVEBACK_QUEUE_SIZE];   // oldest first
    int nPending;
    int nOwed;                          // of them, events the hooks kept (not the program's own turns)
    // Down for programs, or down once the queue is through. Each such press
    // holds a place in the queue for its release.
    unsigned char abDown[INPUT_ID_COUNT];
    int nDown;
    // Presses lost whole at a full queue: their repeats and release are
    // kept from programs as well.
    unsigned char abLost[INPUT_ID_COUNT];
};

// The key (by its code as it came: left and right Control are two keys) or
// button an event belongs to; -1 for a wheel turn, which has no state.
int InputId(const TRIGGEREVENT *e);

// An event on its way to programs. With nothing waiting it passes now (FALSE:
// the hook lets it through); behind a give-back still waiting it is queued,
// or, at a full queue, lost (TRUE: the hook swallows it either way).
int GiveBackPass(GIVEBACK *g, const TRIGGEREVENT *e);

// A kept press and its release given back together (a tap or a click), or
// kept presses followed by the event that made them a chord. All or nothing:
// FALSE, with nothing queued, when the queue has no room for every event and
// the releases still to come.
int GiveBackPair(GIVEBACK *g, const TRIGGEREVENT *down, const TRIGGEREVENT *up);
int GiveBackChord(GIVEBACK *g, const TRIGGEREVENT *const *downs, int nDowns,
                  const TRIGGEREVENT *e);

// A wheel turn of the program's own (a scroll step for a window that reads
// only real input), queued like a give-back so that nothing overtakes it and
// nothing it follows is overtaken. FALSE, and dropped, at a full queue.
int GiveBackOwnTurn(GIVEBACK *g, const TRIGGEREVENT *e);

// Whether the queue holds events the hooks kept (the program's own turns
// aside): no scroll step may reach programs before them.
int GiveBackOwes(const GIVEBACK *g);

// Whether programs have the key or button down, as far as the program's own
// give-backs go (GetAsyncKeyState lags behind a queue not yet injected), and
// whether an event of it still waits in the queue.
int GiveBackHasDown(const GIVEBACK *g, int id);
int GiveBackWaiting(const GIVEBACK *g, int id);

// Programs have the key up after all (its release reached them unseen, past
// a hook that timed out), unless an event of it still waits in the queue.
void GiveBackForceUp(GIVEBACK *g, int id);

// Whether programs have Control, Shift or Alt down, or will once the queue
// is through: a wheel message read then is a zoom, a sideways scroll or a
// history step, not a scroll.
int GiveBackModifierDown(const GIVEBACK *g);

// The injector takes the first event, injects it, then calls
// GiveBackTaken; until then it counts as waiting, so events that arrive
// meanwhile queue up behind it.
const TRIGGEREVENT *GiveBackNext(const GIVEBACK *g);
void GiveBackTaken(GIVEBACK *g);
