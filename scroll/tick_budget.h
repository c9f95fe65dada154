// How long one tick may deliver. Ticks run inside the desktop's input hooks,
// so every mouse and key event of every program waits for them; a tick stops
// delivering once it has spent its budget, and the steps that did not fit are
// dropped, never queued for later.
#pragma once
#include <windows.h>

// No message leaves after a tick has run this long...
#define TICK_DELIVERY_MS 50
// ...and a send started before then waits at most this long, so a whole
// tick, hung windows and all, ends within TICK_DELIVERY_MS + SEND_TIMEOUT_MS.
#define SEND_TIMEOUT_MS 30

// Delivery can re-enter itself: while a send waits, the thread handles
// incoming hook calls, and a whole tick can run inside another. The deadline
// is therefore shared: the outermost budget sets it, and a tick that starts
// while another is under way works within what is left of it. A hook call
// opens one budget for everything its input event causes (input/
// report_queue.h), so the bound holds per input event, not per tick; the
// clock starts at the first question, or when target selection starts it
// (StartTickClock), so that the title match and the foreground record count.
struct TICKBUDGET {
    BOOL bOutermost;
};
void BeginTickBudget(TICKBUDGET *budget);
void EndTickBudget(TICKBUDGET *budget);
// The budget a hook opens for its input event: while it is open, every input
// event of the desktop waits, so nothing may wait on another program (see
// InsideInputEvent).
void BeginEventBudget(TICKBUDGET *budget);
// Whether an input event waits for what runs now (a hook's budget is open).
BOOL InsideInputEvent(void);

// Budgets whose clock has started: each is one bound on the input events
// and timer ticks it covers.
extern unsigned nTickClocks;

// Starts the clock of the budget under way, if it has not started: before
// work whose time must count (the foreground record, the title match).
void StartTickClock(void);

// Whether a message may still be started.
BOOL TickTimeLeft(void);
// A send's wait lets waiting hook calls in; posting never waits, so a long
// posting tick (a repeat-timer tick at an edge, say) lets them in itself now
// and then. Otherwise every input event would wait for the rest of that tick
// before its own could even start.
void LetHookCallsIn(void);

// How long a send started now may wait, in ms: SEND_TIMEOUT_MS, or 0 once
// nothing may be sent.
UINT SendTimeoutNow(void);
