// Why Control did not reach your editor: the scroll triggers (the hold key
// and the drag button) as other programs see them. In the "Mouse wheel"
// message type a trigger that is used for scrolling must not reach programs
// (Control would turn every wheel message into a zoom, a middle press starts
// a browser's autoscroll), yet whatever it is not used for must: a tap, a
// chord such as Control+C or Control+click, a click. In every type the
// machine also tells when a press turned out to be a tap (or click) or a drag,
// which is what locks and unlocks drag scrolling. It takes one input event,
// pointer move or change of the program at a time and answers whether the
// hook passes or swallows the event, what to give back to programs afterwards
// (input/give_back.h), and what a released press was. It knows nothing of
// windows.
#pragma once
#include "input/give_back.h"
#include "input/trigger_event.h"

// What the program is doing now, as far as the triggers care.
struct TRIGGERCONFIG {
    int bWatch;         // scrolling is ON: presses of the triggers are followed
    int bKeepKey;       // the hold key is kept back from programs (ON, "Mouse wheel" type)
    int bKeepButton;    // so is the drag button
    int nHoldVk;        // the hold key's folded code; 0 when holding a key does not scroll
    int nButton;        // the drag button (TRIG_MIDDLE, TRIG_X1, TRIG_X2); 0 when none drags
    int bLockTaps;      // taps lock drag scrolling: kept back, a tap is not given back
    unsigned nDrags;    // drag ticks delivered so far: compared at a release
    // Asked at a trigger's new press (never at its auto-repeats): nothing
    // would be scrolled where it is pressed, so it is left to programs
    // whole, and is neither a tap nor a drag. NULL: never.
    int (*pfnLeaveAlone)(void);
};

// What a released press was (TRIGGERANSWER.nReleased). A press is a tap or
// click only when nothing else was pressed, nothing scrolled and the pointer
// stayed within the system's drag distance of where it was pressed.
enum { RELEASED_NOTHING, RELEASED_TAP, RELEASED_DRAG };

struct TRIGGERANSWER {
    int bSwallow;       // the hook keeps this event from programs
    int bGiveBack;      // events were queued to be given back
    int nReleased;      // a trigger's release: a tap (or click) or the end of a drag
    int bClean;         // with RELEASED_DRAG: nothing else was pressed meanwhile (a glide may follow)
};

// A trigger press being followed: down with nothing else pressed meanwhile
// (DOWN), down with something else pressed, or down for programs already
// (CHORD), or pressed where nothing is scrolled and left to programs (ALONE).
enum { TRIGGER_IDLE, TRIGGER_DOWN, TRIGGER_CHORD, TRIGGER_ALONE };

struct TRIGGERPRESS {
    int nState;
    int bKept;                      // swallowed: programs do not have it
    int bOther;                     // something pressed meanwhile that makes no chord: no tap
    int bMoved;                     // the pointer left the drag box around the press point
    int nX, nY;                     // the pointer at the press
    unsigned nOrder;                // presses in the order they came
    TRIGGEREVENT down;              // the press, to give back
    unsigned nDrags;                // drag ticks at the press
};

struct TRIGGER {
    // The hold key's two sides are followed each on its own: a left and a
    // right Control are two keys, each release matches its own press, and
    // the key is held while either is down.
    TRIGGERPRESS aKey[2];
    TRIGGERPRESS button;
    unsigned nPresses;
    GIVEBACK give;
    int nX, nY;                     // the pointer as the last mouse event left it
    int nDragCX, nDragCY;           // SM_CXDRAG, SM_CYDRAG
};

// nDragCX, nDragCY: how far the pointer may stray from a press point before
// the press is no tap or click.
void TriggerInit(TRIGGER *t, int nDragCX, int nDragCY);

// One event of the desktop that the program did not inject itself.
TRIGGERANSWER TriggerOnEvent(TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c);
// A pointer move (they are never kept, and make no chord).
void TriggerOnMove(TRIGGER *t, int x, int y);

// Whether the event is a new press of a trigger (not an auto-repeat): where
// its drag would scroll is chosen then.
int TriggerIsNewPress(const TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c);

// Whether the hold key, and the drag button, drag now: pressed where
// scrolling happens, and, where triggers are kept back, not given to
// programs by a chord (every wheel message would then carry Control).
int TriggerKeyDrags(const TRIGGER *t, const TRIGGERCONFIG *c);
int TriggerButtonDrags(const TRIGGER *t, const TRIGGERCONFIG *c);

// Switched OFF, exiting, a hook installed again, or the options changed: a
// press is no longer followed, and nothing is given back for it. Events
// already queued are still given back. A kept press stays kept to its end
// where the hook that saw it still watches (nKeep: FORGET_KEEP_KEYS,
// FORGET_KEEP_BUTTONS): its auto-repeats and its release are swallowed too,
// for a release alone is no harmless thing (a Back button's release alone
// sends a browser back). Where that hook is gone, or was dead and may have
// missed the release, nothing is kept: the next press must reach programs.
#define FORGET_KEEP_KEYS    1
#define FORGET_KEEP_BUTTONS 2
void TriggerForget(TRIGGER *t, int nKeep);

// The options changed: presses followed under the old ones that the new ones
// would not follow, or would keep where they were not kept, are forgotten
// (their kept halves stay kept to their end, as above).
void TriggerRefresh(TRIGGER *t, const TRIGGERCONFIG *c);

// The system processed a release of the key (folded code) that the hook
// never saw: the hook timed out, so Windows passed it to programs. Presses
// of that key are forgotten, and programs have it up. TRUE when a followed
// press was forgotten.
int TriggerMissedRelease(TRIGGER *t, int nCode);

// Whether a kept button press, followed or forgotten, still waits for its
// release: the mouse hook must stay to swallow it.
int TriggerOwesButtonRelease(const TRIGGER *t);
