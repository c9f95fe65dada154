// The tick's bounds: however many steps the settings ask for and however
// slowly the target answers, a tick delivers for about 50 ms and then drops
// the rest; ordinary ticks are untouched; a tick that runs inside another
// one's send (a hook call arriving while the send waits) keeps to its own
// target and to the shared deadline; a repeat period the timer cannot take
// is clamped instead of stopping the timer.
#include <doctest.h>
#include "scroll/delivery.h"
#include "scroll/engine.h"
#include "scroll/settings.h"
#include "testkit/kit_input.h"
#include "test_support.h"
#include <vector>

static DWORD Elapsed(DWORD start)
{
    return GetTickCount() - start;
}

// Far above the 80 ms a tick may take, far below what the unbounded work
// would take: a failure here is the bound missing, not a slow machine.
static const DWORD BOUND_MS = 600;

TEST_CASE("huge step counts: every tick returns within the bound, in send and post mode")
{
    StartEngine(false);
    THREADTARGET *t = StartThreadTarget("Bounds Target", "ThrdEdit", 4);
    REQUIRE(t);
    HWND target = ThreadTargetWindow(t);
    for (int type : {MESSAGE_SEND, MESSAGE_POST}) {
        CAPTURE(type);
        Settings.nMessageType = type;
        STEPSEGMENT huge = {{SCROLL_DOWN, SCROLL_DOWN}, 1, 2000000000};
        long before = ThreadTargetSettle(t, 20000);
        DWORD start = GetTickCount();
        DeliverSteps(target, &huge, 1);
        CHECK(Elapsed(start) < BOUND_MS);
        CHECK(ThreadTargetSettle(t, 60000) > before);   // it did deliver, then stopped

        // The same through the engine: an edge report and a drag with the
        // most negative sensitivity, which scrolls on every pass.
        Settings.nScrollTimes = 2000000000;
        start = GetTickCount();
        OnMouseReport(400, 0);
        CHECK(Elapsed(start) < BOUND_MS);
        Settings.nSensitivity = -2147483647 - 1;
        start = GetTickCount();
        OnKeyReport(VK_CONTROL, 1);
        OnMouseReport(400, 400);
        OnKeyReport(VK_CONTROL, 0);
        CHECK(Elapsed(start) < 2 * BOUND_MS);
        Settings.nScrollTimes = 1;
        Settings.nSensitivity = 5;
        ThreadTargetSettle(t, 60000);
    }
    StopThreadTarget(t);
}

TEST_CASE("children that answer slowly cannot stretch a tick")
{
    StartEngine(false);
    // 25 ms per message: answered in time, so no send ever fails, yet 20
    // steps to 4 children would hold the desktop for two seconds.
    THREADTARGET *t = StartThreadTarget("Slow Target", "ThrdEdit", 4, 25);
    REQUIRE(t);
    STEPSEGMENT steps = {{SCROLL_UP, SCROLL_UP}, 1, 20};
    DWORD start = GetTickCount();
    DeliverSteps(ThreadTargetWindow(t), &steps, 1);
    DWORD elapsed = Elapsed(start);
    MESSAGE("20 steps to 4 slow children took ", elapsed, " ms");
    CHECK(elapsed < BOUND_MS);
    long n = ThreadTargetSettle(t, 20000);
    CHECK(n >= 1);
    CHECK(n < 20 * 4);                    // the rest was dropped, not queued
    StopThreadTarget(t);
}

// Children that log every scroll message, in order.
struct LOGGED {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
};
static std::vector<LOGGED> log;

static LRESULT CALLBACK LoggingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_VSCROLL || msg == WM_HSCROLL) {
        log.push_back({hwnd, msg, wParam});
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_CASE("ordinary ticks are untouched: every message, in order")
{
    StartEngine(false);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = LoggingProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "LogEdit";
    RegisterClassA(&wc);
    const char *none[] = {"Static9"};
    HWND top = CreateTestTarget("Ordinary", none, 1);
    HWND kids[3];
    for (HWND &k : kids)
        k = CreateWindowExA(0, "LogEdit", "", WS_CHILD, 0, 0, 5, 5, top, NULL,
                            GetModuleHandleA(NULL), NULL);
    // 30 Left steps, then 30 passes of Right and Down: 90 steps to three
    // children, a few milliseconds of work even on a loaded machine.
    STEPSEGMENT steps[2] = {{{SCROLL_LEFT, SCROLL_LEFT}, 1, 30},
                            {{SCROLL_RIGHT, SCROLL_DOWN}, 2, 30}};
    for (int type : {MESSAGE_SEND, MESSAGE_POST}) {
        CAPTURE(type);
        Settings.nMessageType = type;
        log.clear();
        DeliverSteps(top, steps, 2);
        CHECK(PumpPosted());             // posted ones are all in, too
        REQUIRE(log.size() == 90 * 3);
        size_t i = 0;
        for (int step = 0; step < 90; step++) {
            bool left = step < 30;
            bool down = !left && (step - 30) % 2 == 1;
            for (HWND k : kids) {
                const LOGGED &e = log[i++];
                CHECK(e.hwnd == k);
                CHECK(e.msg == (down ? (UINT)WM_VSCROLL : (UINT)WM_HSCROLL));
                CHECK(e.wParam == (left ? (WPARAM)SB_LINELEFT : (WPARAM)SB_LINERIGHT));
                if (e.hwnd != k)
                    step = 90;            // one report of a broken order is enough
            }
        }
    }
    DestroyTestTarget(top);
}

// The nested case. The outer tick sends to a slow child on another thread;
// while it handles the message, that child switches the foreground window
// to a window with 98 children and moves the mouse to the left edge. The
// move's hook call reaches this thread inside the outer send, and a whole
// tick runs there for the new foreground window.
static HWND hSecond;

static void SwitchAndMove(void *)
{
    SetForegroundWindow(hSecond);
    SendOne(AbsoluteMove(0, 300));
}

static HHOOK hRelay;
static int nNestedReports;    // reports that arrived while the outer tick ran
static int nLateReports;      // reports that came after it (a slow machine)
static bool bInOuter;

static LRESULT CALLBACK RelayProc(int code, WPARAM wParam, LPARAM lParam)
{
    // What the program's own hook does: report the cursor to the engine.
    if (code >= 0) {
        const MSLLHOOKSTRUCT *e = (const MSLLHOOKSTRUCT *)lParam;
        ++*(bInOuter ? &nNestedReports : &nLateReports);
        OnMouseReport(e->pt.x, e->pt.y);
    }
    return CallNextHookEx(hRelay, code, wParam, lParam);
}

// One go of the scenario; false when the move's report did not arrive inside
// the outer tick (the slow child's thread was not scheduled before its send
// timed out), or the nested tick did not yet see the new foreground window:
// then the go proved nothing either way.
static bool NestOnce(void)
{
    StartEngine(false);
    // The pointer away from where the move goes: a move to where it already
    // is makes no input event at all, and an earlier go may have left it there.
    SendOne(AbsoluteMove(400, 300));
    WaitFor([] {
        POINT pt = {};
        GetCursorPos(&pt);
        return pt.x == 400;
    });
    std::vector<const char *> classes(98, "TestEdit");
    hSecond = CreateTestTarget("Second", classes.data(), (int)classes.size());
    THREADTARGET *t = StartThreadTarget("First", "ThrdEdit", 1, 10, SwitchAndMove);
    REQUIRE(t);
    HWND first = ThreadTargetWindow(t);
    // A child of the first window on this thread, after the slow one.
    HWND local = CreateCountedChild(first, "TestEdit", 0);
    REQUIRE(local);
    hRelay = SetWindowsHookExA(WH_MOUSE_LL, RelayProc, GetModuleHandleA(NULL), 0);
    REQUIRE(hRelay);
    REQUIRE(GetForegroundWindow() == first);

    Settings.nScrollTimes = 3;
    nNestedReports = nLateReports = 0;
    DWORD start = GetTickCount();
    bInOuter = true;
    OnMouseReport(400, 0);               // the top edge: three Up steps for the first window
    bInOuter = false;
    DWORD elapsed = Elapsed(start);
    CHECK(elapsed < BOUND_MS);
    // A report that missed the tick still comes: take it before the hook goes.
    PumpUntil([] { return nNestedReports + nLateReports >= 1; }, 10000);
    UnhookWindowsHookEx(hRelay);

    // The outer tick went on with its own children. The slow one got the
    // first step (that send ran the nested tick). On a loaded machine it may
    // miss later ones (a send that times out skips its thread for the rest
    // of the tick) and the shared budget may end the tick early; so the
    // counts are bounds here, not exact.
    long nSlow = ThreadTargetSettle(t, 10000);
    CHECK(nSlow >= 1);
    CHECK(nSlow <= 3);
    CHECK(ChildCount(local).nUp <= 3);
    // None of them went to the new foreground window's children, which got
    // only the Left steps of the reports' own ticks.
    int nSecondUp = 0, nSecondLeft = 0;
    for (int i = 0; i < 98; i++) {
        nSecondUp += ChildCount(TestChild(hSecond, i)).nUp;
        nSecondLeft += ChildCount(TestChild(hSecond, i)).nLeft;
    }
    CHECK(nSecondUp == 0);
    CHECK(nSecondLeft <= 98 * 3 * (nNestedReports + nLateReports));
    MESSAGE("nested reports ", nNestedReports, ", late ", nLateReports, "; the outer tick gave ",
            nSlow, " steps to its slow child, ", ChildCount(local).nUp,
            " to the other (3 each when the machine is idle)");
    StopThreadTarget(t);
    DestroyTestTarget(hSecond);
    // Wine hands the foreground to another thread's window asynchronously:
    // a nested tick that still found the first window in front proved
    // nothing about a change of target.
    return nNestedReports >= 1 && nSecondLeft >= 1;
}

TEST_CASE("a tick nested in another's send keeps to its own target and the shared deadline")
{
    bool bNested = false;
    for (int attempt = 0; attempt < 5 && !bNested; attempt++)
        bNested = NestOnce();
    CHECK(bNested);                      // the scenario did happen at least once
}

TEST_CASE("a negative repeat period still repeats, at the shortest period timers take")
{
    StartEngine(false);
    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("Repeat", classes, 1);
    HWND edit = TestChild(top, 0);
    Settings.bEdgeRepeat = 1;
    Settings.nRepeatMs = -1;
    OnMouseReport(400, 0);
    CHECK(Settings.bTimerRunning == 1);
    CHECK(PumpUntil([&] { return ChildCount(edit).nUp >= 4; }));
    OnMouseReport(400, 300);
    CHECK(PumpUntil([] { return Settings.bTimerRunning == 0; }));
    DestroyTestTarget(top);
}
