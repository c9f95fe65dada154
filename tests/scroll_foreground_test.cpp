// The full-screen pause with a real window of this process: while the option
// is on, a window that covers the screen without a caption is scrolled in no
// way (edge, repeat timer, drag, arrow key), one with a caption is, and a
// window that goes full-screen in front is seen by the ticks and a press.
#include <doctest.h>
#include "scroll/engine.h"
#include "scroll/settings.h"
#include "scroll/target.h"
#include "test_support.h"

// Defaults (this file's only case), scrolling ON, no repeat timer of its own.
static void StartEngine(void)
{
    Settings.nScreenMaxX = GetSystemMetrics(SM_CXSCREEN) - 1;
    Settings.nScreenMaxY = GetSystemMetrics(SM_CYSCREEN) - 1;
    Settings.bScrolling = 1;
    Settings.bEdgeRepeat = 0;
    Settings.bArrowKeys = 1;
    Settings.nMouseX = Settings.nLastX = Settings.nMouseY = Settings.nLastY = 400;
}

// The whole screen, with or without a caption, as a window does at F11.
static void CoverScreen(HWND hwnd, bool bCaption)
{
    SetWindowLongA(hwnd, GWL_STYLE, (bCaption ? WS_OVERLAPPEDWINDOW : WS_POPUP) | WS_VISIBLE);
    SetWindowPos(hwnd, HWND_TOP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), SWP_FRAMECHANGED);
}

struct WAYS {
    int edge, timer, drag, arrow;
};

// One step each way, counted at the child.
static WAYS ScrollEveryWay(HWND child)
{
    WAYS w;
    ResetCounts();
    OnMouseReport(500, 0);                // the top edge
    w.edge = TotalScrolls(child);
    RepeatTimerProc(NULL, 0, 0, 0);       // a repeat tick, still at the edge
    w.timer = TotalScrolls(child) - w.edge;
    OnMouseReport(400, 400);
    ResetCounts();
    OnKeyReport(17, 1);
    OnMouseReport(400, 430);
    OnKeyReport(17, 0);
    w.drag = TotalScrolls(child);
    ResetCounts();
    OnKeyReport(VK_DOWN, 1);
    w.arrow = TotalScrolls(child);
    return w;
}

static void CheckWays(HWND child, bool bScrolled)
{
    WAYS w = ScrollEveryWay(child);
    CHECK((w.edge > 0) == bScrolled);
    CHECK((w.timer > 0) == bScrolled);
    CHECK((w.drag > 0) == bScrolled);
    CHECK((w.arrow > 0) == bScrolled);
}

TEST_CASE("a full-screen window is not scrolled while the option pauses it")
{
    StartEngine();
    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("Full Screen Target", classes, 1);
    HWND edit = TestChild(top, 0);
    Settings.bPauseFullScreen = 1;
    CoverScreen(top, true);               // a maximized window keeps its caption
    CHECK(FindTargetWindowForPress() == top);
    CheckWays(edit, true);

    // It goes full-screen in front: the ticks see it within the recheck.
    CoverScreen(top, false);
    CHECK(PumpUntil([] { return FindTargetWindow() == NULL; }));
    CHECK(FindTargetWindowForPress() == NULL);
    CheckWays(edit, false);
    Settings.bPauseFullScreen = 0;
    CHECK(FindTargetWindowForPress() == top);
    CheckWays(edit, true);

    // A press reads afresh: the caption back counts at once.
    Settings.bPauseFullScreen = 1;
    CHECK(FindTargetWindow() == NULL);
    CoverScreen(top, true);
    CHECK(FindTargetWindowForPress() == top);
    DestroyTestTarget(top);
}
