// The foreground record with real windows of this process: a full-screen
// window is scrolled in no way while the option pauses it (edge, repeat
// timer, drag, arrow key), a window that goes full-screen in front is seen,
// and which windows ask the main window to tell about a program run as
// administrator (faked: Wine runs every process at one level).
#include <doctest.h>
#include "scroll/engine.h"
#include "scroll/settings.h"
#include "scroll/target.h"
#include "test_support.h"
#include <string.h>

static const SETTINGS *Defaults(void)
{
    static SETTINGS *saved = [] {
        SETTINGS *s = new SETTINGS;
        memcpy(s, &Settings, sizeof *s);
        return s;
    }();
    return saved;
}

// Defaults, scrolling ON, no repeat timer of its own, nothing known yet.
static void StartEngine(void)
{
    memcpy(&Settings, Defaults(), sizeof Settings);
    Settings.nScreenMaxX = GetSystemMetrics(SM_CXSCREEN) - 1;
    Settings.nScreenMaxY = GetSystemMetrics(SM_CYSCREEN) - 1;
    Settings.bScrolling = 1;
    Settings.bEdgeRepeat = 0;
    Settings.bArrowKeys = 1;
    Settings.nMouseX = Settings.nLastX = Settings.nMouseY = Settings.nLastY = 400;
    FakeRunAsAdministrator(false);          // and nothing known yet
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

TEST_CASE("only a window that would be scrolled but for its level asks for the notice, once")
{
    StartEngine();
    FakeRunAsAdministrator(true);
    HWND notices = CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    Settings.hMainWnd = notices;
    int nNotices = 0;
    WPARAM wWindow = 0;
    LPARAM lPid = 0;
    MSGFILTER count = [&](MSG &m) {
        if (m.hwnd != notices || m.message != WM_ELEVATEDTARGET)
            return false;
        nNotices++;
        wWindow = m.wParam;
        lPid = m.lParam;
        return true;
    };
    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("Registry Editor", classes, 1);

    // Kept out by the title list, or paused full-screen: no notice.
    strcpy(Settings.szExcludeList, "registry\n");
    CHECK(FindTargetWindowForPress() == NULL);
    Settings.szExcludeList[0] = '\0';
    Settings.bPauseFullScreen = 1;
    CoverScreen(top, false);
    CHECK(FindTargetWindowForPress() == NULL);
    CHECK(PumpPosted(WAIT_MS, count));
    CHECK(nNotices == 0);

    // Otherwise not scrolled, and told once however often it is tried.
    Settings.bPauseFullScreen = 0;
    CHECK(FindTargetWindowForPress() == NULL);
    CheckWays(TestChild(top, 0), false);
    CHECK(FindTargetWindow() == NULL);
    CHECK(PumpPosted(WAIT_MS, count));
    CHECK(nNotices == 1);
    CHECK(wWindow == (WPARAM)top);
    CHECK(lPid == (LPARAM)GetCurrentProcessId());
    // Another window of the same program: not told again.
    HWND other = CreateTestTarget("Registry Editor - Find", classes, 1);
    CHECK(FindTargetWindowForPress() == NULL);
    CHECK(PumpPosted(WAIT_MS, count));
    CHECK(nNotices == 1);

    DestroyTestTarget(other);
    DestroyTestTarget(top);
    DestroyWindow(notices);
    StartEngine();
}
