// Why Control did not reach your editor: the scroll triggers (the hold key
// and the middle button) as other programs see them. In the "Mouse wheel"
// message type a trigger that is used for scrolling must not reach programs
// (Control would turn every wheel message into a zoom, a middle press starts
// a browser's autoscroll), yet whatever it is not used for must: a tap, a
// chord such as Control+C or Control+click, a middle click. In every type the
// machine also tells when a press turned out to be a tap (or click) or a drag,
// which is what locks and unlocks drag scrolling. It takes one input event,
// or one change of the program, at a time and answers whether the hook
// passes or swallows the event, which events to give back to programs
// afterwards, and what a released press was. It knows nothing of windows.
#pragma once

enum { TRIG_KEY, TRIG_BUTTON, TRIG_WHEEL };
enum { TRIG_LEFT = 1, TRIG_RIGHT, TRIG_MIDDLE, TRIG_X1, TRIG_X2 };

// One input event as a hook saw it, with what it takes to replay it.
struct TRIGGEREVENT {
    int nKind;          // TRIG_KEY, TRIG_BUTTON or TRIG_WHEEL
    int nCode;          // key: its code with left and right folded (Control is 17); button: TRIG_*
    int bDown;          // going (or, a key, staying) down; a wheel turn counts as down
    int bWasDown;       // key or button: programs already had it down before this event
    int nRawVk;         // key: the code as it came (VK_LCONTROL...)
    int nScan;          // key: scan code
    int bExtended;      // key: an extended key
    int nWheelDelta;    // wheel: the turn, signed
    int bHorizontal;    // wheel: a horizontal wheel
};

// What the program is doing now, as far as the triggers care.
struct TRIGGERCONFIG {
    int bWatch;         // scrolling is ON: presses of the triggers are followed
    int bKeep;          // ON in the "Mouse wheel" type: triggers are kept back too
    int nHoldVk;        // the hold key's folded code; 0 when holding a key does not scroll
    int bMiddle;        // the middle button scrolls
    int bLockTaps;      // taps lock drag scrolling: kept back, a tap is not given back
    unsigned nDrags;    // drag ticks delivered so far: compared at a release
};

// What a released press was (TRIGGERANSWER.nReleased).
enum { RELEASED_NOTHING, RELEASED_TAP, RELEASED_DRAG };

struct TRIGGERANSWER {
    int bSwallow;       // the hook keeps this event from programs
    int bGiveBack;      // events were queued to be given back (see TriggerNextGiveBack)
    int nReleased;      // a trigger's release: a tap (or click) or the end of a drag
};

#define TRIGGER_QUEUE_SIZE 64

// A trigger press being followed: down with nothing else pressed meanwhile
// (DOWN), or down with something else pressed (CHORD, given back if kept).
enum { TRIGGER_IDLE, TRIGGER_DOWN, TRIGGER_CHORD };

struct TRIGGERPRESS {
    int nState;
    int bKept;                      // programs do not have it: it was swallowed
    int bOther;                     // the other trigger was pressed meanwhile: no tap
    TRIGGEREVENT down;              // the press, to give back
    unsigned nDrags;                // drag ticks at the press
};

struct TRIGGER {
    TRIGGERPRESS key;
    TRIGGERPRESS button;
    TRIGGEREVENT aPending[TRIGGER_QUEUE_SIZE];   // to give back, oldest first
    int nPending;
};

void TriggerInit(TRIGGER *t);

// One event of the desktop that the program did not inject itself.
TRIGGERANSWER TriggerOnEvent(TRIGGER *t, const TRIGGEREVENT *e, const TRIGGERCONFIG *c);

// Switched OFF, exiting, a hook installed again, or the message type
// changed: a press is no longer followed; a kept one is forgotten (programs
// never saw it, and its real release reaching them later is harmless), and
// nothing is given back for it. Events already queued are still given back.
void TriggerForget(TRIGGER *t);

// The give-back queue. The injector gives back the first event, then calls
// TriggerGiveBackDone; until then the event counts as pending, so events
// that arrive meanwhile queue up behind it.
const TRIGGEREVENT *TriggerNextGiveBack(const TRIGGER *t);
void TriggerGiveBackDone(TRIGGER *t);
