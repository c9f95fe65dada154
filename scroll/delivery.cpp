// Delivery of scroll steps. It runs inside the desktop's input hooks, so
// every input event waits for it, and it can re-enter itself: a send waits
// without SMTO_BLOCK, and while it waits the thread handles incoming hook
// calls, each of which may run a whole tick (on Windows as under Wine). So a
// tick keeps its working state (the descendants it walks, the threads that
// failed it) in a DELIVERY on its own stack, where a nested tick can neither
// change nor free it, and every tick, nested or not, stops when the shared
// deadline of the tick budget has passed.
#include "scroll/delivery.h"
#include "scroll/rules_win.h"
#include "scroll/settings.h"
#include "scroll/smooth_win.h"
#include "scroll/text_match.h"
#include "scroll/tick_budget.h"
#include "scroll/wheel_win.h"
#include <stdlib.h>
#include <string.h>

#define INLINE_CHILDREN 64
#define MAX_SKIPPED_THREADS 16
#define POSTS_BETWEEN_LOOKS 32

BOOL IsScrollableChild(HWND child)
{
    char szClass[10];   // only the first 9 characters of the class are seen
    if (!GetClassNameA(child, szClass, sizeof szClass))
        return FALSE;
    if (ContainsText(szClass, "Edit"))
        return Settings.bClassEdit != 0;
    if (ContainsText(szClass, "Afx:"))
        return Settings.bClassAfx != 0;
    if (ContainsText(szClass, "channel"))
        return Settings.bClassChannel != 0;
    return Settings.bClassOther != 0;
}

static struct {
    int bOwed;
    int bModifierDown;
    DWORD dwModifierUp;
    int bModifierUpSeen;
} programs;

void SetProgramInput(int bOwed, int bModifierDown)
{
    programs.bOwed = bOwed;
    programs.bModifierDown = bModifierDown;
}

void NoteModifierReleased(void)
{
    programs.dwModifierUp = GetTickCount();
    programs.bModifierUpSeen = 1;
}

int ProgramInputOwed(void)
{
    return programs.bOwed;
}

int WheelWayNow(void)
{
    if (programs.bModifierDown)
        return WHEEL_WAY_NONE;
    if (programs.bModifierUpSeen) {
        if (GetTickCount() - programs.dwModifierUp < MODIFIER_SETTLE_MS)
            return WHEEL_WAY_REAL_ONLY;
        programs.bModifierUpSeen = 0;
    }
    return WHEEL_WAY_POST;
}

struct CHILD {
    HWND hwnd;
    DWORD dwThread;
};

// One tick's working state.
struct DELIVERY {
    int nMessageType;
    CHILD aInline[INLINE_CHILDREN];     // most targets have a handful
    CHILD *pChildren;                   // aInline, or a block of the tick's own
    int nChildren, nCapacity;
    DWORD adwSkipped[MAX_SKIPPED_THREADS];   // threads that failed this tick
    int nSkipped;
    int nPosted;
};

static BOOL CALLBACK CollectChild(HWND child, LPARAM lParam)
{
    DELIVERY *d = (DELIVERY *)lParam;
    if (!TickTimeLeft())
        return FALSE;                   // a huge tree must not outlast the budget either
    if (!IsScrollableChild(child))
        return TRUE;
    if (d->nChildren == d->nCapacity) {
        int nNew = d->nCapacity * 2;
        CHILD *p = (CHILD *)malloc((size_t)nNew * sizeof *p);
        if (!p)
            return TRUE;
        memcpy(p, d->pChildren, (size_t)d->nChildren * sizeof *p);
        if (d->pChildren != d->aInline)
            free(d->pChildren);
        d->pChildren = p;
        d->nCapacity = nNew;
    }
    d->pChildren[d->nChildren].hwnd = child;
    d->pChildren[d->nChildren].dwThread = GetWindowThreadProcessId(child, NULL);
    d->nChildren++;
    return TRUE;
}

static BOOL IsSkipped(const DELIVERY *d, DWORD dwThread)
{
    for (int i = 0; i < d->nSkipped; i++)
        if (d->adwSkipped[i] == dwThread)
            return TRUE;
    return FALSE;
}

static void Skip(DELIVERY *d, DWORD dwThread)
{
    if (d->nSkipped < MAX_SKIPPED_THREADS)
        d->adwSkipped[d->nSkipped++] = dwThread;
}

static void SendBounded(DELIVERY *d, const CHILD *c, UINT msg, WPARAM wParam)
{
    DWORD_PTR result;
    if (SendMessageTimeoutA(c->hwnd, msg, wParam, (LPARAM)c->hwnd,
                            SMTO_ABORTIFHUNG | SMTO_NORMAL, SendTimeoutNow(), &result))
        return;
    // Timed out or hung: the thread gets nothing more this tick. A window
    // that is gone fails at once and says nothing about its thread.
    if (GetLastError() != ERROR_INVALID_WINDOW_HANDLE)
        Skip(d, c->dwThread);
}

static void PostOne(DELIVERY *d, const CHILD *c, UINT msg, WPARAM wParam)
{
    if (++d->nPosted % POSTS_BETWEEN_LOOKS == 0)
        LetHookCallsIn();
    // A full queue (10,000 messages on Windows) refuses the rest; there is
    // no point in offering that thread more this tick.
    if (!PostMessageA(c->hwnd, msg, wParam, (LPARAM)c->hwnd) &&
        GetLastError() != ERROR_INVALID_WINDOW_HANDLE)
        Skip(d, c->dwThread);
}

// One step to every child; FALSE once the budget is spent.
static BOOL DeliverStep(DELIVERY *d, int direction)
{
    UINT msg = (direction == SCROLL_UP || direction == SCROLL_DOWN) ? WM_VSCROLL : WM_HSCROLL;
    WPARAM wParam = (direction == SCROLL_UP || direction == SCROLL_LEFT) ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < d->nChildren; i++) {
        if (!TickTimeLeft())
            return FALSE;
        const CHILD *c = &d->pChildren[i];
        if (IsSkipped(d, c->dwThread))
            continue;
        if (d->nMessageType == MESSAGE_POST)
            PostOne(d, c, msg, wParam);
        else
            SendBounded(d, c, msg, wParam);
    }
    return TRUE;
}

static void DeliverClassic(DELIVERY *d, HWND target, const STEPSEGMENT *segments, int nSegments)
{
    d->pChildren = d->aInline;
    d->nCapacity = INLINE_CHILDREN;
    EnumChildWindows(target, CollectChild, (LPARAM)d);
    // Nothing to receive: however many steps, there is no work.
    BOOL bGoing = d->nChildren > 0;
    for (int s = 0; s < nSegments && bGoing; s++)
        for (int r = 0; r < segments[s].nRepeat && bGoing; r++)
            for (int k = 0; k < segments[s].nDirections && bGoing; k++)
                bGoing = DeliverStep(d, segments[s].anDirection[k]);
    if (d->pChildren != d->aInline)
        free(d->pChildren);
}

void DeliverSteps(HWND target, const STEPSEGMENT *segments, int nSegments)
{
    BOOL bAny = FALSE;
    for (int s = 0; s < nSegments; s++)
        if (segments[s].nRepeat > 0 && segments[s].nDirections > 0)
            bAny = TRUE;
    int nType = OptionsNow()->nMessageType;
    // Nothing overtakes input the hooks still owe programs.
    if (!bAny || programs.bOwed ||
        (nType != MESSAGE_POST && nType != MESSAGE_SEND && !IsWheelLikeType(nType)))
        return;

    TICKBUDGET budget;
    BeginTickBudget(&budget);
    if (nType == MESSAGE_WHEEL) {
        DeliverWheelSteps(target, segments, nSegments);
    } else if (nType == MESSAGE_AUTO) {
        DeliverAutoSteps(target, segments, nSegments);
    } else {
        DELIVERY d;
        d.nMessageType = nType;
        d.nChildren = d.nSkipped = d.nPosted = 0;
        DeliverClassic(&d, target, segments, nSegments);
    }
    EndTickBudget(&budget);
}

void DeliverDistance(HWND target, int dx, int dy)
{
    if (programs.bOwed || OptionsNow()->nMessageType != MESSAGE_AUTO)
        return;
    TICKBUDGET budget;
    BeginTickBudget(&budget);
    DeliverSmoothDrag(target, dx, dy);
    EndTickBudget(&budget);
}

void ScrollChildren(HWND target, int direction)
{
    STEPSEGMENT one = {{direction, 0}, 1, 1};
    DeliverSteps(target, &one, 1);
}
