// The in-process measurement of the hook procedures. This thread becomes the
// program's main thread for a while: the real start-up code brings up the
// main window (hooks, timers and all) from a scratch folder's settings.dat,
// and the shutdown code takes it down again, so the rest of the benchmark
// finds the process as it was. The drag's wheel messages go to a window of
// this thread: posted between calls to a queue nobody reads during a batch,
// they wake no other thread; they are read between batches, so the queue
// never fills.
#include "bench/bench_hook_calls.h"
#include "app/startup.h"
#include "bench/bench_procs.h"
#include "bench/bench_stats.h"
#include "bench/bench_target.h"
#include "input/hooks.h"
#include "input/raw_keys.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "testkit/kit_windows.h"
#include <stdio.h>

#define CALLS_PER_BATCH 50        // even: each batch leaves the moves where it found them
#define BATCHES_PER_ROUND 40      // of each procedure, taking turns
#define WARMUP_BATCHES 4
#define MOVE_X 400                // far from every edge of the screen
#define MOVE_Y 300
#define MOVE_DY 10
#define HOOK_TARGET_CLASS "Veltrac Bench Hook Target"

static HWND hTarget;
static long nWheels;
static char szOldDir[MAX_PATH];

static LRESULT CALLBACK HookTargetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL) {
        nWheels++;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// What a minimal hook does: pass the event on, with the same handle the
// program's own procedure passes.
static LRESULT CALLBACK BareProc(int code, WPARAM wParam, LPARAM lParam)
{
    return CallNextHookEx(Settings.hMouseHook, code, wParam, lParam);
}

// Read through a volatile table, so that the compiler calls both the way the
// system does, through a pointer, and inlines neither.
enum { PROC_PROGRAM, PROC_BARE };
static HOOKPROC volatile apfnProcs[2] = {MouseHookProc, BareProc};

// The posts a drag's hook call queued, sent as the main window sends them
// once the call has returned: outside the timing, as in the program.
static void PostWhatTheCallQueued(void)
{
    MSG msg;
    while (PeekMessageA(&msg, Settings.hMainWnd, WM_POSTSTEPS, WM_POSTSTEPS, PM_REMOVE))
        DispatchMessageA(&msg);
}

// One batch of moves back and forth, in microseconds per call. Each call is
// timed alone, so that each queues its posts afresh (asking the main window
// to send them), as every hook call of a drag does.
static double TimeBatch(int nProc)
{
    static int nMove;
    HOOKPROC proc = apfnProcs[nProc];
    MSLLHOOKSTRUCT ev = {};
    ev.pt.x = MOVE_X;
    ev.time = GetTickCount();
    double dTotal = 0;
    for (int i = 0; i < CALLS_PER_BATCH; i++) {
        ev.pt.y = MOVE_Y + (++nMove % 2) * MOVE_DY;
        double t0 = NowMs();
        proc(HC_ACTION, WM_MOUSEMOVE, (LPARAM)&ev);
        dTotal += NowMs() - t0;
        PostWhatTheCallQueued();
    }
    return dTotal * 1000.0 / CALLS_PER_BATCH;
}

// The left Control key through the keyboard hook, as the system calls it.
static void ControlKey(bool bDown)
{
    KBDLLHOOKSTRUCT ev = {};
    ev.vkCode = VK_LCONTROL;
    ev.scanCode = 0x1D;
    ev.flags = bDown ? 0 : LLKHF_UP;
    ev.time = GetTickCount();
    KeyboardHookProc(HC_ACTION, bDown ? WM_KEYDOWN : WM_KEYUP, (LPARAM)&ev);
}

// Only the target's own messages: the main window's timers and other
// posted messages wait, as they would while the program's hook runs.
static void ReadTargetQueue(void)
{
    MSG msg;
    while (PeekMessageA(&msg, hTarget, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// Everything for this thread, as the program's message loop would, for ms.
static void Pump(int ms, bool (*done)(void))
{
    double until = NowMs() + ms;
    while (!(done && done()) && NowMs() < until) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
    }
}

static bool IsOn(void)
{
    return Settings.bScrolling != 0;
}

static bool BringUp(void)
{
    char dir[MAX_PATH];
    GetCurrentDirectoryA(sizeof szOldDir, szOldDir);
    if (!MakeScratch("hooks", [] { Settings.nMessageType = MESSAGE_WHEEL; }, dir) ||
        !SetCurrentDirectoryA(dir))
        return false;
    SetDefaultSettings();
    HACCEL hAccel;
    // As Veltrac.exe -start: its settings.dat read, OFF at first, Start posted.
    if (!StartUp(GetModuleHandleA(NULL), "-start", SW_SHOWNOACTIVATE, &hAccel))
        return false;
    Pump(10000, IsOn);
    if (!IsOn())
        return false;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = HookTargetProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    wc.lpszClassName = HOOK_TARGET_CLASS;
    RegisterClassA(&wc);
    hTarget = CreateWindowExA(0, HOOK_TARGET_CLASS, "Bench hook target",
                              WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 600, 500, NULL, NULL,
                              GetModuleHandleA(NULL), NULL);
    return hTarget && MakeForeground(hTarget);
}

static void TakeDown(void)
{
    if (Settings.hMainWnd) {
        SendMessageA(Settings.hMainWnd, WM_COMMAND, IDM_STOP, 0);
        ShutDown();
        WatchRawKeys(Settings.hMainWnd, FALSE);
        DestroyWindow(Settings.hMainWnd);
    }
    Settings.hMainWnd = NULL;
    Settings.hMouseHook = Settings.hKeyboardHook = NULL;
    if (hTarget)
        DestroyWindow(hTarget);
    hTarget = NULL;
    // The main window's WM_QUIT among them: this thread has no loop to end.
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ;
    SetCurrentDirectoryA(szOldDir);
}

// nRounds rounds of batches, the program's and the bare procedure's taking
// turns (which goes first changes from pair to pair); the round's ratio is
// that of the two medians.
static void MeasureState(int nRounds, std::vector<double> *prog, std::vector<double> *bare,
                         std::vector<double> *ratios, long *pnCalls)
{
    for (int round = 0; round < nRounds; round++) {
        std::vector<double> p, b;
        for (int k = 0; k < BATCHES_PER_ROUND; k++) {
            bool bProgramFirst = (round + k) % 2 == 0;
            double dFirst = TimeBatch(bProgramFirst ? PROC_PROGRAM : PROC_BARE);
            double dSecond = TimeBatch(bProgramFirst ? PROC_BARE : PROC_PROGRAM);
            p.push_back(bProgramFirst ? dFirst : dSecond);
            b.push_back(bProgramFirst ? dSecond : dFirst);
            ReadTargetQueue();
        }
        ratios->push_back(Ratio(Median(p), Median(b)));
        prog->insert(prog->end(), p.begin(), p.end());
        bare->insert(bare->end(), b.begin(), b.end());
        *pnCalls += (long)BATCHES_PER_ROUND * CALLS_PER_BATCH;
    }
}

// A few untimed batches, then everything the program posted itself handled
// (a new window in front is read on the main thread, for one).
static void WarmUp(void)
{
    for (int i = 0; i < WARMUP_BATCHES; i++)
        TimeBatch(PROC_PROGRAM);
    Pump(200, NULL);
}

bool RunHookCallBench(int nRounds, HOOKCALLRESULTS *r)
{
    bool ok = BringUp();
    if (ok) {
        WarmUp();
        nWheels = 0;
        MeasureState(nRounds, &r->idle, &r->idleBare, &r->idleVsBare, &r->nIdleCalls);
        ReadTargetQueue();
        r->nIdleWheels = nWheels;

        ControlKey(true);
        WarmUp();
        nWheels = 0;
        MeasureState(nRounds, &r->drag, &r->dragBare, &r->dragVsBare, &r->nDragCalls);
        ReadTargetQueue();
        r->nDragWheels = nWheels;
        ControlKey(false);
        Pump(200, NULL);
    } else {
        fprintf(stderr, "bench: the program did not come up ON in this process\n");
    }
    TakeDown();
    return ok;
}
