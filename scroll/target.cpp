// Delivery of scroll steps to the target's descendants through the class
// filter.
//
// Delivery in send mode runs inside the desktop's input hooks: every mouse
// event waits for it. A plain SendMessage to a hung window would freeze the
// desktop (and get the hook removed by Windows), so sends are bounded: a
// thread that times out is skipped for the rest of the tick, and the tick's
// total waiting on unresponsive windows stays near SEND_TICK_BUDGET_MS.
#include "scroll/target.h"
#include "scroll/settings.h"
#include "scroll/text_match.h"
#include <stdlib.h>
#include <string.h>

#define SEND_TIMEOUT_MS 30
#define SEND_LATE_TIMEOUT_MS 5
#define SEND_TICK_BUDGET_MS 90
#define MAX_HUNG_THREADS 16

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

// Qualifying descendants of the current tick, in enumeration order.
struct CHILD {
    HWND hwnd;
    DWORD dwThread;
};
static CHILD *aChildren;
static int nChildren, nChildCapacity;

static BOOL CALLBACK CollectChild(HWND child, LPARAM)
{
    if (!IsScrollableChild(child))
        return TRUE;
    if (nChildren == nChildCapacity) {
        int nNew = nChildCapacity ? nChildCapacity * 2 : 64;
        CHILD *p = (CHILD *)realloc(aChildren, (size_t)nNew * sizeof *p);
        if (!p)
            return TRUE;
        aChildren = p;
        nChildCapacity = nNew;
    }
    aChildren[nChildren].hwnd = child;
    aChildren[nChildren].dwThread = GetWindowThreadProcessId(child, NULL);
    nChildren++;
    return TRUE;
}

// Per-tick memory of threads that did not answer in time.
static DWORD adwHung[MAX_HUNG_THREADS];
static int nHung;
static DWORD dwWaitedMs;

static BOOL IsHungThisTick(DWORD dwThread)
{
    for (int i = 0; i < nHung; i++)
        if (adwHung[i] == dwThread)
            return TRUE;
    return FALSE;
}

static void SendBounded(const CHILD *c, UINT msg, WPARAM wParam)
{
    if (IsHungThisTick(c->dwThread))
        return;
    UINT uTimeout = dwWaitedMs < SEND_TICK_BUDGET_MS ? SEND_TIMEOUT_MS : SEND_LATE_TIMEOUT_MS;
    DWORD dwStart = GetTickCount();
    DWORD_PTR result;
    if (SendMessageTimeoutA(c->hwnd, msg, wParam, (LPARAM)c->hwnd,
                            SMTO_ABORTIFHUNG | SMTO_NORMAL, uTimeout, &result))
        return;
    // Failed: timed out, hung, or the window is gone. Only a slow thread is
    // remembered; a destroyed window fails at once and costs nothing.
    DWORD dwSpent = GetTickCount() - dwStart;
    if (dwSpent || GetLastError() == ERROR_TIMEOUT) {
        dwWaitedMs += dwSpent;
        if (nHung < MAX_HUNG_THREADS)
            adwHung[nHung++] = c->dwThread;
    }
}

static void DeliverStep(int direction)
{
    UINT msg = (direction == SCROLL_UP || direction == SCROLL_DOWN) ? WM_VSCROLL : WM_HSCROLL;
    WPARAM wParam = (direction == SCROLL_UP || direction == SCROLL_LEFT) ? SB_LINEUP : SB_LINEDOWN;
    for (int i = 0; i < nChildren; i++) {
        if (Settings.nMessageType == MESSAGE_POST)
            PostMessageA(aChildren[i].hwnd, msg, wParam, (LPARAM)aChildren[i].hwnd);
        else if (Settings.nMessageType == MESSAGE_SEND)
            SendBounded(&aChildren[i], msg, wParam);
    }
}

void ScrollChildrenSteps(HWND target, const STEPSEGMENT *segments, int nSegments)
{
    BOOL bAny = FALSE;
    for (int s = 0; s < nSegments; s++)
        if (segments[s].nRepeat > 0 && segments[s].nDirections > 0)
            bAny = TRUE;
    if (!bAny)
        return;

    nChildren = 0;
    EnumChildWindows(target, CollectChild, 0);
    nHung = 0;
    dwWaitedMs = 0;
    for (int s = 0; s < nSegments; s++)
        for (int r = 0; r < segments[s].nRepeat; r++)
            for (int d = 0; d < segments[s].nDirections; d++)
                DeliverStep(segments[s].anDirection[d]);
}

void ScrollChildren(HWND target, int direction)
{
    STEPSEGMENT one = {{direction, 0}, 1, 1};
    ScrollChildrenSteps(target, &one, 1);
}
