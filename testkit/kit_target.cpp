// The counting procedure finds its COUNTING through GWLP_USERDATA, given at
// creation; the thread target keeps one for all its windows.
#include "testkit/kit_target.h"
#include "testkit/kit_wait.h"
#include "testkit/kit_windows.h"
#include "input/inject.h"
#include <stdlib.h>
#include <string.h>

#define WM_KIT_MARKER (WM_APP + 1)
#define WM_KIT_HANG (WM_APP + 2)

struct THREADTARGET {
    THREADTARGETOPTIONS o;
    COUNTING c;
    HANDLE hThread, hReady, hHung, hRelease;
    DWORD dwThreadId;
    HWND hwnd;                        // its own window, or the parent it was given
    volatile LONG nMarkerSeen;        // the last marker the thread handled
    LONG nMarkerPosted;
};

static LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          (LONG_PTR)((CREATESTRUCTA *)lParam)->lpCreateParams);
    COUNTING *c = (COUNTING *)GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    if (c && (msg == WM_VSCROLL || msg == WM_HSCROLL)) {
        WINDOWCOUNTS &w = c->counts;
        InterlockedIncrement(&w.nScrolls);
        if ((HWND)lParam != hwnd)
            InterlockedIncrement(&w.nBadLParam);
        if (wParam == SB_LINEUP || wParam == SB_LINEDOWN)
            InterlockedIncrement(&w.anScrolls[(msg == WM_HSCROLL ? DIR_LEFT : DIR_UP) + wParam]);
        if (c->pfnFirstScroll && !InterlockedExchange(&c->bFirstDone, 1))
            c->pfnFirstScroll(c->pContext);
        if (c->dwSlowMs)
            Sleep(c->dwSlowMs);
        return 0;
    }
    if (c && (msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL)) {
        WINDOWCOUNTS &w = c->counts;
        bool bForward = (short)HIWORD(wParam) > 0;
        int dir = msg == WM_MOUSEWHEEL ? (bForward ? DIR_UP : DIR_DOWN)
                                       : (bForward ? DIR_RIGHT : DIR_LEFT);
        InterlockedIncrement(&w.anWheels[dir]);
        if (IsOwnInput((ULONG_PTR)GetMessageExtraInfo()))
            InterlockedIncrement(&w.nTagged);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateCountingWindow(const char *cls, const char *title, DWORD style, HWND parent, int x,
                          int y, int cx, int cy, int id, COUNTING *c)
{
    RegisterClassOnce(cls, CountingProc);
    return CreateWindowExA(parent ? WS_EX_NOPARENTNOTIFY : 0, cls, title, style, x, y, cx, cy,
                           parent, (HMENU)(INT_PTR)id, GetModuleHandleA(NULL), c);
}

void ResetCounts(COUNTING *c)
{
    WINDOWCOUNTS &w = c->counts;
    InterlockedExchange(&w.nScrolls, 0);
    InterlockedExchange(&w.nTagged, 0);
    InterlockedExchange(&w.nBadLParam, 0);
    for (int d = 0; d < DIR_COUNT; d++) {
        InterlockedExchange(&w.anScrolls[d], 0);
        InterlockedExchange(&w.anWheels[d], 0);
    }
}

long TotalWheels(const WINDOWCOUNTS &w)
{
    return w.anWheels[0] + w.anWheels[1] + w.anWheels[2] + w.anWheels[3];
}

std::string DirectionText(const LONG an[DIR_COUNT])
{
    std::string s;
    for (int d = 0; d < DIR_COUNT; d++)
        if (an[d])
            s += "UDLR"[d] + std::to_string(an[d]);
    return s;
}

// The thread's own messages (a marker, the hang) come as thread messages:
// they share the one queue of posted messages, in order, with those posted
// to its windows.
static DWORD WINAPI TargetThread(void *p)
{
    THREADTARGET *t = (THREADTARGET *)p;
    const THREADTARGETOPTIONS &o = t->o;
    MSG msg;
    PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE);   // the queue, before anyone posts to it
    HWND top = o.hParent;
    if (!top)
        top = CreateCountingWindow(o.szTopClass ? o.szTopClass : "VeltracThreadTop", o.szTitle,
                                   WS_OVERLAPPEDWINDOW | WS_VISIBLE, NULL, o.cx ? o.x : 120,
                                   o.cx ? o.y : 120, o.cx ? o.cx : 320, o.cy ? o.cy : 220, 0,
                                   &t->c);
    bool bMade = top != NULL;
    for (int i = 0; top && i < o.nChildren; i++)
        bMade = bMade && CreateCountingWindow(o.szChildClass, "", WS_CHILD | WS_VISIBLE, top,
                                              4 + (i % 20) * 28, 4 + (i / 20 % 20) * 28, 24, 24,
                                              100 + i, &t->c);
    t->hwnd = bMade ? top : NULL;
    if (t->hwnd && !o.hParent)
        SetForegroundWindow(t->hwnd);
    SetEvent(t->hReady);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        if (!msg.hwnd && msg.message == WM_KIT_MARKER) {
            InterlockedExchange(&t->nMarkerSeen, (LONG)msg.wParam);
        } else if (!msg.hwnd && msg.message == WM_KIT_HANG) {
            // A hung thread takes no message at all, sent ones included.
            SetEvent(t->hHung);
            WaitForSingleObject(t->hRelease, INFINITE);
        } else {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // The system destroys the rest of the thread's windows as it ends.
    if (top && !o.hParent)
        DestroyWindow(top);
    return 0;
}

THREADTARGET *StartThreadTarget(const THREADTARGETOPTIONS &options)
{
    THREADTARGET *t = (THREADTARGET *)calloc(1, sizeof *t);
    t->o = options;
    t->c.dwSlowMs = options.dwSlowMs;
    t->c.pfnFirstScroll = options.pfnFirstScroll;
    t->c.pContext = options.pContext;
    t->hReady = CreateEventA(NULL, TRUE, FALSE, NULL);
    t->hHung = CreateEventA(NULL, FALSE, FALSE, NULL);
    t->hRelease = CreateEventA(NULL, FALSE, FALSE, NULL);
    t->hThread = CreateThread(NULL, 0, TargetThread, t, 0, &t->dwThreadId);
    if (t->hThread)
        WaitForSingleObject(t->hReady, 20000);
    if (!t->hwnd) {
        StopThreadTarget(t);
        return NULL;
    }
    if (!options.hParent)
        MakeForeground(t->hwnd);
    return t;
}

THREADTARGET *StartThreadTarget(const char *szTitle, const char *szChildClass, int nChildren,
                                DWORD dwSlowMs, void (*pfnFirstScroll)(void *), void *pContext)
{
    THREADTARGETOPTIONS o = {};
    o.szTitle = szTitle;
    o.szChildClass = szChildClass;
    o.nChildren = nChildren;
    o.dwSlowMs = dwSlowMs;
    o.pfnFirstScroll = pfnFirstScroll;
    o.pContext = pContext;
    return StartThreadTarget(o);
}

HWND ThreadTargetWindow(const THREADTARGET *t)
{
    return t->hwnd;
}

const WINDOWCOUNTS &ThreadTargetCounts(const THREADTARGET *t)
{
    return t->c.counts;
}

bool ThreadTargetDrain(THREADTARGET *t, int ms)
{
    // Posted messages of one thread are handled in order: once a marker
    // posted now has come through, so has everything posted before it.
    LONG id = ++t->nMarkerPosted;
    PostThreadMessageA(t->dwThreadId, WM_KIT_MARKER, (WPARAM)id, 0);
    return WaitFor([t, id] { return t->nMarkerSeen == id; }, ms);
}

void ResetThreadTarget(THREADTARGET *t)
{
    ResetCounts(&t->c);
}

long ThreadTargetScrolls(const THREADTARGET *t)
{
    return t->c.counts.nScrolls;
}

long ThreadTargetSettle(THREADTARGET *t, int ms)
{
    if (!ThreadTargetDrain(t, ms))
        return -1;                        // not drained: no count to trust
    return t->c.counts.nScrolls + TotalWheels(t->c.counts);
}

bool HangThreadTarget(THREADTARGET *t)
{
    return PostThreadMessageA(t->dwThreadId, WM_KIT_HANG, 0, 0) &&
           WaitForSingleObject(t->hHung, 20000) == WAIT_OBJECT_0;
}

void ReleaseThreadTarget(THREADTARGET *t)
{
    SetEvent(t->hRelease);
}

void StopThreadTarget(THREADTARGET *t)
{
    if (!t)
        return;
    if (t->hThread) {
        SetEvent(t->hRelease);            // a hung thread first goes on
        PostThreadMessageA(t->dwThreadId, WM_QUIT, 0, 0);
        if (WaitForSingleObject(t->hThread, 10000) != WAIT_OBJECT_0)
            TerminateThread(t->hThread, 1);
        CloseHandle(t->hThread);
    }
    CloseHandle(t->hReady);
    CloseHandle(t->hHung);
    CloseHandle(t->hRelease);
    free(t);
}
