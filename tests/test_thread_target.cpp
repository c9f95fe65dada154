// The thread target: one window class for the top and its children, counts
// kept in the window's own THREADTARGET, reached through GWLP_USERDATA.
#include "test_thread_target.h"
#include "test_support.h"
#include <stdlib.h>

struct THREADTARGET {
    THREADTARGETOPTIONS o;
    HANDLE hThread;
    HANDLE hReady;
    DWORD dwThreadId;
    HWND hwnd;
    volatile LONG nScrolls;
    volatile LONG anDirections[4];    // Up, Down, Left, Right
    volatile LONG nWheels;
    volatile LONG bFirstDone;
    volatile LONG nMarkerSeen;        // the last marker the thread handled
    LONG nMarkerPosted;
};

#define WM_MARKER (WM_APP + 1)

static LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    THREADTARGET *t = (THREADTARGET *)GetWindowLongPtrA(hwnd, GWLP_USERDATA);
    if (t && (msg == WM_VSCROLL || msg == WM_HSCROLL)) {
        InterlockedIncrement(&t->nScrolls);
        InterlockedIncrement(&t->anDirections[(msg == WM_HSCROLL ? 2 : 0) + (wParam ? 1 : 0)]);
        if (t->o.pfnFirstScroll && !InterlockedExchange(&t->bFirstDone, 1))
            t->o.pfnFirstScroll(t->o.pContext);
        if (t->o.dwSlowMs)
            Sleep(t->o.dwSlowMs);
        return 0;
    }
    if (t && msg == WM_MARKER) {
        InterlockedExchange(&t->nMarkerSeen, (LONG)wParam);
        return 0;
    }
    if (t && (msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL)) {
        InterlockedIncrement(&t->nWheels);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

static DWORD WINAPI TargetThread(void *p)
{
    THREADTARGET *t = (THREADTARGET *)p;
    EnsureTestClass("VeltracThreadTop", TargetProc);
    EnsureTestClass(t->o.szChildClass, TargetProc);
    t->hwnd = CreateWindowExA(0, "VeltracThreadTop", t->o.szTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              120, 120, 320, 220, NULL, NULL, GetModuleHandleA(NULL), NULL);
    if (t->hwnd) {
        SetWindowLongPtrA(t->hwnd, GWLP_USERDATA, (LONG_PTR)t);
        for (int i = 0; i < t->o.nChildren; i++) {
            HWND child = CreateWindowExA(WS_EX_NOPARENTNOTIFY, t->o.szChildClass, "",
                                         WS_CHILD | WS_VISIBLE, 0, i % 200, 10, 1, t->hwnd,
                                         (HMENU)(INT_PTR)(100 + i), GetModuleHandleA(NULL), NULL);
            SetWindowLongPtrA(child, GWLP_USERDATA, (LONG_PTR)t);
        }
        SetForegroundWindow(t->hwnd);
    }
    SetEvent(t->hReady);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    if (t->hwnd)
        DestroyWindow(t->hwnd);
    return 0;
}

THREADTARGET *StartThreadTarget(const THREADTARGETOPTIONS &options)
{
    THREADTARGET *t = (THREADTARGET *)calloc(1, sizeof *t);
    t->o = options;
    t->hReady = CreateEventA(NULL, TRUE, FALSE, NULL);
    t->hThread = CreateThread(NULL, 0, TargetThread, t, 0, &t->dwThreadId);
    WaitForSingleObject(t->hReady, 20000);
    if (!t->hwnd) {
        StopThreadTarget(t);
        return NULL;
    }
    // Foreground for the engine: ask until the system agrees.
    WaitFor([t] {
        if (GetForegroundWindow() == t->hwnd)
            return true;
        SetForegroundWindow(t->hwnd);
        return false;
    });
    return t;
}

HWND ThreadTargetWindow(const THREADTARGET *t)
{
    return t->hwnd;
}

long ThreadTargetScrolls(const THREADTARGET *t)
{
    return t->nScrolls;
}

DIRECTIONCOUNTS ThreadTargetDirections(THREADTARGET *t, int ms)
{
    if (ThreadTargetSettle(t, ms) < 0)
        return DIRECTIONCOUNTS{-1, -1, -1, -1};
    return DIRECTIONCOUNTS{t->anDirections[0], t->anDirections[1], t->anDirections[2],
                           t->anDirections[3]};
}

long ThreadTargetWheels(const THREADTARGET *t)
{
    return t->nWheels;
}

long ThreadTargetSettle(THREADTARGET *t, int ms)
{
    // Posted messages of one thread are handled in order: once a marker
    // posted now has come through, so has everything posted before it.
    LONG id = ++t->nMarkerPosted;
    PostMessageA(t->hwnd, WM_MARKER, (WPARAM)id, 0);
    if (!WaitFor([t, id] { return t->nMarkerSeen == id; }, ms))
        return -1;                        // not drained: no count to trust
    return t->nScrolls + t->nWheels;
}

void StopThreadTarget(THREADTARGET *t)
{
    if (!t)
        return;
    if (t->hThread) {
        PostThreadMessageA(t->dwThreadId, WM_QUIT, 0, 0);
        if (WaitForSingleObject(t->hThread, 10000) != WAIT_OBJECT_0)
            TerminateThread(t->hThread, 1);
        CloseHandle(t->hThread);
    }
    CloseHandle(t->hReady);
    free(t);
}
