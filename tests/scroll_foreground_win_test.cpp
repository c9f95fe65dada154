// The full-screen pause with a real window of this process: while the option
// is on, a window that covers the screen without a caption is scrolled in no
// way (edge, repeat timer, drag, arrow key), one with a caption is, and a
// window that goes full-screen in front is seen by the ticks and a press; and
// a new window in front is seen inside an input event, by a move once the
// last answer is a few ms old, by a press at once.
#include <doctest.h>
#include "scroll/engine.h"
#include "scroll/foreground_win.h"
#include "scroll/foreground.h"
#include "scroll/settings.h"
#include "scroll/target.h"
#include "scroll/tick_budget.h"
#include "test_support.h"
#include <functional>

// The whole screen, with or without a caption, as a window does at F11.
static void CoverScreen(HWND hwnd, bool bCaption)
{
    SetWindowLongA(hwnd, GWL_STYLE, (bCaption ? WS_OVERLAPPEDWINDOW : WS_POPUP) | WS_VISIBLE);
    SetWindowPos(hwnd, HWND_TOP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), SWP_FRAMECHANGED);
}

// One step each way, each counted at the child: the top edge, a repeat tick
// there, a drag, an arrow key.
static void CheckEveryWay(HWND child, bool bScrolled)
{
    const std::function<void()> ways[] = {
        [] { OnMouseReport(500, 0); },
        [] { RepeatTimerProc(NULL, 0, 0, 0); },
        [] {
            OnMouseReport(400, 400);
            OnKeyReport(17, 1);
            OnMouseReport(400, 430);
            OnKeyReport(17, 0);
        },
        [] { OnKeyReport(VK_DOWN, 1); },
    };
    for (int i = 0; i < 4; i++) {
        CAPTURE(i);
        ResetCounts();
        ways[i]();
        CHECK((TotalScrolls(child) > 0) == bScrolled);
    }
}

TEST_CASE("a full-screen window is not scrolled while the option pauses it")
{
    // Defaults (this file's only case), scrolling ON, no repeat timer.
    Settings.nScreenMaxX = GetSystemMetrics(SM_CXSCREEN) - 1;
    Settings.nScreenMaxY = GetSystemMetrics(SM_CYSCREEN) - 1;
    Settings.bScrolling = 1;
    Settings.bEdgeRepeat = 0;
    Settings.bArrowKeys = 1;
    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("Full Screen Target", classes, 1);
    HWND edit = TestChild(top, 0);
    Settings.bPauseFullScreen = 1;
    CoverScreen(top, true);               // a maximized window keeps its caption
    CHECK(FindTargetWindowForPress() == top);
    CheckEveryWay(edit, true);

    // It goes full-screen in front: the ticks see it within the recheck.
    CoverScreen(top, false);
    CHECK(PumpUntil([] { return FindTargetWindow() == NULL; }));
    CHECK(FindTargetWindowForPress() == NULL);
    CheckEveryWay(edit, false);
    Settings.bPauseFullScreen = 0;
    CHECK(FindTargetWindowForPress() == top);
    CheckEveryWay(edit, true);

    // A press reads afresh: the caption back counts at once.
    Settings.bPauseFullScreen = 1;
    CHECK(FindTargetWindow() == NULL);
    CoverScreen(top, true);
    CHECK(FindTargetWindowForPress() == top);
    DestroyTestTarget(top);
}

static ULONGLONG qwFakeStart;
static ULONGLONG FakeStart(DWORD)
{
    return qwFakeStart;
}

static BOOL FakeLevel(DWORD, DWORD *pdwLevel)
{
    *pdwLevel = INTEGRITY_MEDIUM;
    return TRUE;
}
static BOOL NoLevel(DWORD, DWORD *)
{
    return FALSE;
}

TEST_CASE("a process id taken over by a new program inherits nothing from the old one")
{
    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("Reused Id", classes, 1);
    pfnStartLookup = FakeStart;
    // Each row: the program before (run as administrator or not), then a new
    // one with the same id, or the same one again.
    struct { bool bAdminBefore, bAdminAfter, bNewProcess; } rows[] = {
        {true, false, true}, {false, true, true}, {true, true, false}, {false, false, false}};
    for (auto &r : rows) {
        CAPTURE(r.bAdminBefore);
        CAPTURE(r.bNewProcess);
        ForgetForeground();
        qwFakeStart = 1000;
        pfnIntegrityLookup = r.bAdminBefore ? NoLevel : FakeLevel;
        CHECK((FindTargetWindowForPress() == NULL) == r.bAdminBefore);
        CHECK(FirstNoticeFor(CurrentForeground(FALSE)) == TRUE);
        qwFakeStart = r.bNewProcess ? 2000 : 1000;
        pfnIntegrityLookup = r.bAdminAfter ? NoLevel : FakeLevel;
        CHECK((FindTargetWindowForPress() == NULL) == (r.bNewProcess ? r.bAdminAfter : r.bAdminBefore));
        // A new program is told about in its turn; the same one only once.
        CHECK(FirstNoticeFor(CurrentForeground(FALSE)) == (r.bNewProcess ? TRUE : FALSE));
    }
    pfnStartLookup = NULL;
    pfnIntegrityLookup = NULL;
    ForgetForeground();
    DestroyTestTarget(top);
}

TEST_CASE("inside an input event a move sees a new window in front within the reuse, a press at once")
{
    const char *classes[] = {"TestEdit"};
    HWND first = CreateTestTarget("Reuse First", classes, 1);
    HWND second = CreateTestTarget("Reuse Second", classes, 1);
    for (BOOL bFresh : {FALSE, TRUE}) {
        CAPTURE(bFresh);
        ForgetForeground();
        REQUIRE(SetForegroundWindow(first));
        REQUIRE(WaitFor([&] { return GetForegroundWindow() == first; }));
        CHECK(CurrentForeground(FALSE)->hwnd == first);   // outside an event: asked
        REQUIRE(SetForegroundWindow(second));
        REQUIRE(WaitFor([&] { return GetForegroundWindow() == second; }));
        TICKBUDGET budget;
        BeginEventBudget(&budget);
        if (bFresh)
            CHECK(CurrentForeground(TRUE)->hwnd == second);
        else
            CHECK(WaitFor([] { return CurrentForeground(FALSE)->hwnd == GetForegroundWindow(); }));
        EndTickBudget(&budget);
    }
    ForgetForeground();
    DestroyTestTarget(second);
    DestroyTestTarget(first);
}
