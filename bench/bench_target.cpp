// The driver's own target windows and the thread that hangs on request.
#include "bench/bench_target.h"
#include "bench/bench_stats.h"
#include "input/inject.h"   // OWN_INPUT_TAG
#include <stdio.h>

BENCHTARGETS Targets;

static volatile LONG nScrolls, nWheels, nRealTagged, nRealUntagged;
static HANDLE hTargetThread, hHungThread;
static DWORD dwTargetThread;
static HANDLE hReady, hHang, hRelease, hMarkSeen;

// Posted behind the wheel messages: when the wheel target handles it, it has
// handled every message posted to it before.
#define WM_BENCH_MARK (WM_APP + 1)

static LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_VSCROLL || msg == WM_HSCROLL) {
        InterlockedIncrement(&nScrolls);
        return 0;
    }
    if (msg == WM_BENCH_MARK) {
        SetEvent(hMarkSeen);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

static LRESULT CALLBACK WheelCountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL) {
        if (hwnd != Targets.hRealWheel)
            InterlockedIncrement(&nWheels);
        else if ((ULONG_PTR)GetMessageExtraInfo() == OWN_INPUT_TAG)
            InterlockedIncrement(&nRealTagged);
        else
            InterlockedIncrement(&nRealUntagged);
        return 0;
    }
    if (msg == WM_BENCH_MARK) {
        SetEvent(hMarkSeen);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

static void Register(const char *name, WNDPROC proc)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

static HWND CreateChild(HWND parent, int i)
{
    return CreateWindowExA(0, BENCH_PASS_CLASS, "", WS_CHILD | WS_VISIBLE, 4 + (i % 20) * 28,
                           4 + (i / 20) * 28, 24, 24, parent, (HMENU)(INT_PTR)(i + 1),
                           GetModuleHandleA(NULL), NULL);
}

#define TARGET_CLASS "Veltrac Bench Target"
#define WHEEL_TARGET_CLASS "Veltrac Bench Wheel Target"

static HWND CreateTarget(const char *cls, const char *title, int nChildren)
{
    HWND top = CreateWindowExA(0, cls, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               100, 80, 600, 500, NULL, NULL, GetModuleHandleA(NULL), NULL);
    for (int i = 0; top && i < nChildren; i++)
        CreateChild(top, i);
    return top;
}

static DWORD WINAPI TargetThread(LPVOID)
{
    Register(TARGET_CLASS, CountingProc);
    Register(WHEEL_TARGET_CLASS, WheelCountingProc);
    Register(BENCH_REAL_INPUT_CLASS, WheelCountingProc);
    Register(BENCH_PASS_CLASS, CountingProc);
    Targets.hHung = CreateTarget(TARGET_CLASS, "Bench hung target", BENCH_HUNG_TARGET_CHILDREN);
    Targets.hOrdinary = CreateTarget(TARGET_CLASS, "Bench ordinary target", BENCH_FEW_CHILDREN);
    Targets.hWheel = CreateTarget(WHEEL_TARGET_CLASS, "Bench wheel target", 0);
    Targets.hRealWheel = CreateTarget(BENCH_REAL_INPUT_CLASS, "Bench real-input target", 0);
    Targets.hScroll = CreateTarget(TARGET_CLASS, "Bench scroll target", BENCH_CHILDREN);
    MSG msg;
    PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE);
    SetEvent(hReady);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DestroyWindow(Targets.hRealWheel);
    DestroyWindow(Targets.hWheel);
    DestroyWindow(Targets.hScroll);
    DestroyWindow(Targets.hOrdinary);
    DestroyWindow(Targets.hHung);
    return 0;
}

// One more child of the hung target, owned by this thread. It answers
// messages until told to hang, then blocks without pumping until released.
static DWORD WINAPI HungThread(LPVOID)
{
    HWND child = CreateChild(Targets.hHung, BENCH_HUNG_TARGET_CHILDREN);
    SetEvent(hReady);
    for (;;) {
        if (MsgWaitForMultipleObjects(1, &hHang, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0)
            break;
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    WaitForSingleObject(hRelease, INFINITE);
    DestroyWindow(child);
    return 0;
}

bool StartTargets(void)
{
    hReady = CreateEventA(NULL, FALSE, FALSE, NULL);
    hHang = CreateEventA(NULL, TRUE, FALSE, NULL);
    hRelease = CreateEventA(NULL, TRUE, FALSE, NULL);
    hMarkSeen = CreateEventA(NULL, TRUE, FALSE, NULL);
    hTargetThread = CreateThread(NULL, 0, TargetThread, NULL, 0, &dwTargetThread);
    if (!hTargetThread || WaitForSingleObject(hReady, 20000) != WAIT_OBJECT_0 ||
        !Targets.hScroll || !Targets.hOrdinary || !Targets.hHung || !Targets.hWheel ||
        !Targets.hRealWheel) {
        fprintf(stderr, "bench: cannot create the target windows\n");
        return false;
    }
    hHungThread = CreateThread(NULL, 0, HungThread, NULL, 0, NULL);
    if (!hHungThread || WaitForSingleObject(hReady, 20000) != WAIT_OBJECT_0) {
        fprintf(stderr, "bench: cannot create the hung child\n");
        return false;
    }
    return true;
}

void HangChild(void)
{
    SetEvent(hHang);
}

void ReleaseHungChild(void)
{
    SetEvent(hHang);
    SetEvent(hRelease);
    if (hHungThread)
        WaitForSingleObject(hHungThread, 10000);
}

void StopTargets(void)
{
    ReleaseHungChild();
    PostThreadMessageA(dwTargetThread, WM_QUIT, 0, 0);
    WaitForSingleObject(hTargetThread, 10000);
}

void ResetScrollCount(void)
{
    InterlockedExchange(&nScrolls, 0);
}

long ScrollCount(void)
{
    return InterlockedCompareExchange(&nScrolls, 0, 0);
}

// Messages posted to a thread come out of its queue in the order they were
// posted, whichever of its windows they are for: once a mark posted now has
// been handled, so has every scroll message posted before it (a count that
// merely stood still for a while says nothing when the target's thread did
// not run meanwhile). A second mark a little later must find the same count,
// for messages a program still posts after its hook call has returned.
long SettledScrollCount(int ms)
{
    double until = NowMs() + ms;
    long last = -1;
    for (;;) {
        ResetEvent(hMarkSeen);
        double left = until - NowMs();
        if (left <= 0 || !PostMessageA(Targets.hScroll, WM_BENCH_MARK, 0, 0) ||
            WaitForSingleObject(hMarkSeen, (DWORD)left) != WAIT_OBJECT_0)
            break;
        long now = ScrollCount();
        if (now == last)
            return now;
        last = now;
        Sleep(20);
    }
    fprintf(stderr, "bench: the scroll count did not settle in %d ms\n", ms);
    return ScrollCount();
}

void ResetWheelCount(void)
{
    InterlockedExchange(&nWheels, 0);
    InterlockedExchange(&nRealTagged, 0);
    InterlockedExchange(&nRealUntagged, 0);
}

long DrainedWheelCount(int ms)
{
    ResetEvent(hMarkSeen);
    if (!PostMessageA(Targets.hWheel, WM_BENCH_MARK, 0, 0) ||
        WaitForSingleObject(hMarkSeen, ms) != WAIT_OBJECT_0)
        fprintf(stderr, "bench: the wheel target did not reach the end of its queue in %d ms\n", ms);
    return InterlockedCompareExchange(&nWheels, 0, 0);
}

// Real input is not posted: it waits in the input queue, which the target
// reads after its posted messages, so a posted mark tells nothing of it. The
// count itself is the condition.
long AwaitRealWheels(long nAtLeast, int ms)
{
    double until = NowMs() + ms;
    long n;
    while ((n = InterlockedCompareExchange(&nRealTagged, 0, 0)) < nAtLeast && NowMs() < until)
        Sleep(5);
    if (n < nAtLeast)
        fprintf(stderr, "bench: %ld of %ld real wheel messages reached the real-input target "
                        "in %d ms\n", n, nAtLeast, ms);
    return n;
}

long UntaggedRealWheels(void)
{
    return InterlockedCompareExchange(&nRealUntagged, 0, 0);
}

bool MakeForeground(HWND hwnd)
{
    double until = NowMs() + 3000;
    do {
        SetForegroundWindow(hwnd);
        Sleep(10);
        if (GetForegroundWindow() == hwnd)
            return true;
    } while (NowMs() < until);
    fprintf(stderr, "bench: warning: could not make a target the foreground window\n");
    return false;
}
