// The shared tick deadline, kept on the performance counter: GetTickCount
// moves in steps of up to 16 ms, a third of the whole budget.
#include "scroll/tick_budget.h"

static LONGLONG llFrequency;          // counts per second
static LONGLONG llDeadline;           // no message starts after this count; 0 not yet set
static int nDepth;                    // ticks under way, nested ones included
static BOOL bEvent;                   // the outermost budget is a hook's
unsigned nTickClocks;

static LONGLONG Now(void)
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

static LONGLONG Deadline(void);

void BeginTickBudget(TICKBUDGET *budget)
{
    if (!llFrequency) {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        llFrequency = f.QuadPart > 0 ? f.QuadPart : 1000;
    }
    budget->bOutermost = nDepth == 0;
    // The clock starts at the first question, or where target selection
    // starts it: the many moves that plan nothing never read it, and a
    // thread the system set aside before any work began loses nothing.
    if (budget->bOutermost) {
        llDeadline = 0;
        bEvent = FALSE;
    }
    nDepth++;
}

void BeginEventBudget(TICKBUDGET *budget)
{
    BeginTickBudget(budget);
    if (budget->bOutermost)
        bEvent = TRUE;
}

BOOL InsideInputEvent(void)
{
    return nDepth > 0 && bEvent;
}

void EndTickBudget(TICKBUDGET *budget)
{
    (void)budget;
    if (nDepth > 0)
        nDepth--;
}

static LONGLONG Deadline(void)
{
    if (!llDeadline) {
        llDeadline = Now() + llFrequency * TICK_DELIVERY_MS / 1000;
        nTickClocks++;
    }
    return llDeadline;
}

void StartTickClock(void)
{
    if (nDepth > 0)
        Deadline();
}

BOOL TickTimeLeft(void)
{
    return Now() < Deadline();
}

UINT SendTimeoutNow(void)
{
    // A send started before the deadline may wait out the whole allowance;
    // sends nested in its wait start before the deadline too, so every one
    // of them has ended by the deadline plus one allowance.
    return Now() < Deadline() ? SEND_TIMEOUT_MS : 0;
}

void LetHookCallsIn(void)
{
    if (HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) {
        MSG msg;
        PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}
