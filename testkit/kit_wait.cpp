// The waits: a poll, a pump, and the marker and timer that tell a pump when
// what came before has been handled.
#include "testkit/kit_wait.h"
#include "testkit/kit_windows.h"

bool WaitFor(const std::function<bool()> &cond, int ms)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (cond())
            return true;
        if ((int)(GetTickCount() - start) >= ms)
            return false;
        Sleep(10);
    }
}

bool PumpUntil(const std::function<bool()> &cond, int deadlineMs, const MSGFILTER &filter)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (filter && filter(msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (cond())
            return true;
        if ((int)(GetTickCount() - start) >= deadlineMs)
            return false;
        // Wakes for any message, sent ones (hook calls) included, or after
        // a millisecond for conditions no message announces.
        MsgWaitForMultipleObjectsEx(0, NULL, 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

#define WM_KIT_MARKER (WM_APP + 77)

static UINT_PTR nMarkersPosted, nMarkerSeen;

static LRESULT CALLBACK MarkerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KIT_MARKER) {
        nMarkerSeen = wParam;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A message-only window of this thread: it takes no part in focus, activation
// or the window list the engine walks.
static HWND MarkerWindow(void)
{
    static HWND hwnd;
    if (!hwnd) {
        RegisterClassOnce("VeltracKitMarker", MarkerProc);
        hwnd = CreateWindowExA(0, "VeltracKitMarker", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL,
                               GetModuleHandleA(NULL), NULL);
    }
    return hwnd;
}

bool PumpPosted(int deadlineMs, const MSGFILTER &filter)
{
    UINT_PTR n = ++nMarkersPosted;
    if (!PostMessageA(MarkerWindow(), WM_KIT_MARKER, n, 0))
        return false;
    return PumpUntil([n] { return nMarkerSeen >= n; }, deadlineMs, filter);
}

static int nTicksSeen;

static void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD)
{
    nTicksSeen++;
}

bool PumpTimerTicks(UINT periodMs, int nTicks, int deadlineMs)
{
    nTicksSeen = 0;
    UINT_PTR timer = SetTimer(NULL, 0, periodMs, CountTick);
    if (!timer)
        return false;
    bool ok = PumpUntil([nTicks] { return nTicksSeen >= nTicks; }, deadlineMs);
    KillTimer(NULL, timer);
    return ok;
}
