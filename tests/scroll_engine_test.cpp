// The scroll engine fed with cursor reports, key reports and timer ticks,
// against a real foreground window whose children count what they receive.
#include <doctest.h>
#include "scroll/delivery.h"
#include "scroll/engine.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "test_support.h"
#include <string.h>

// The lock on, as a tap turns it on.
static void LockDrag(void)
{
    int bWas = Settings.bDragLock;
    Settings.bDragLock = 1;
    if (!DragLocked())
        OnTriggerReport(TRIGGER_TAPPED, 0);
    Settings.bDragLock = bWas;
    REQUIRE(DragLocked());
}

static void StopTimer(void)
{
    if (Settings.bTimerRunning)
        KillTimer(NULL, Settings.idRepeatTimer);
    Settings.bTimerRunning = 0;
}

static void CursorAt(int x, int y)
{
    OnMouseReport(x, y);
}

struct Target {
    HWND top, edit;
    Target()
    {
        const char *classes[] = {"TestEdit"};
        top = CreateTestTarget("Engine Target", classes, 1);
        edit = TestChild(top, 0);
        REQUIRE(GetForegroundWindow() == top);
    }
    ~Target()
    {
        StopTimer();
        DestroyTestTarget(top);
    }
};

TEST_CASE("OFF: reports keep the positions but nothing scrolls and no timer starts")
{
    StartEngine();
    Target t;
    Settings.bScrolling = 0;
    CursorAt(300, 300);
    CursorAt(0, 0);
    CHECK(Settings.nLastX == 300);
    CHECK(Settings.nLastY == 300);
    CHECK(Settings.nMouseX == 0);
    CHECK(Settings.nMouseY == 0);
    CHECK(Settings.bTimerRunning == 0);
    OnKeyReport(17, 1);
    CHECK(Settings.bKeyHeld == 1);        // key state is still tracked
    CursorAt(300, 600);
    OnKeyReport(17, 1);
    CHECK(PumpPosted());                  // anything posted would be in by now
    CHECK(TotalScrolls(t.edit) == 0);
}

TEST_CASE("edge scrolling: one step per report at the edge, corners give both")
{
    StartEngine();
    Target t;
    Settings.bEdgeRepeat = 0;
    CursorAt(500, 0);
    CHECK(ChildCount(t.edit).nUp == 1);
    CursorAt(500, 0);
    CHECK(ChildCount(t.edit).nUp == 2);
    CursorAt(500, 1);                     // the band is one pixel thick
    CHECK(ChildCount(t.edit).nUp == 2);
    CursorAt(0, 0);
    CHECK(ChildCount(t.edit).nLeft == 1);
    CHECK(ChildCount(t.edit).nUp == 3);
    CursorAt(1023, 767);
    CHECK(ChildCount(t.edit).nRight == 1);
    CHECK(ChildCount(t.edit).nDown == 1);
    CursorAt(-50, 300);                   // a monitor left of the primary one
    CHECK(ChildCount(t.edit).nLeft == 2);
    CursorAt(300, -10);
    CHECK(ChildCount(t.edit).nUp == 4);

    ResetCounts();
    Settings.nScrollTimes = 3;
    CursorAt(0, 500);
    CHECK(ChildCount(t.edit).nLeft == 3);
    Settings.nEdgeMargin = 9;             // ten pixels thick
    CursorAt(9, 500);
    CHECK(ChildCount(t.edit).nLeft == 6);
    CursorAt(10, 500);
    CHECK(ChildCount(t.edit).nLeft == 6);
}

TEST_CASE("edge flags count only when exactly 1")
{
    StartEngine();
    Target t;
    Settings.bEdgeScroll = 2;
    CursorAt(500, 0);
    CHECK(TotalScrolls(t.edit) == 0);
    CHECK(Settings.bTimerRunning == 1);   // the timer does not depend on edge scrolling
    StopTimer();
    Settings.bEdgeRepeat = 2;
    CursorAt(500, 0);
    CHECK(Settings.bTimerRunning == 0);
}

TEST_CASE("repeat timer: repeats at the edge, stops itself away from it")
{
    StartEngine();
    Target t;
    Settings.nRepeatMs = 20;
    CursorAt(500, 0);
    CHECK(Settings.bTimerRunning == 1);
    CHECK(ChildCount(t.edit).nUp == 1);
    // Set before this test's own timer of the same period, the engine's
    // comes due first every time: four ticks here mean three there at least.
    CHECK(PumpTimerTicks(20, 4));
    int ups = ChildCount(t.edit).nUp;
    CHECK(ups >= 4);                      // one step per tick
    CursorAt(500, 300);
    CHECK(PumpUntil([] { return Settings.bTimerRunning == 0; }));
    CHECK(Settings.bTimerRunning == 0);
    CHECK(ChildCount(t.edit).nUp <= ups + 1);
    int after = ChildCount(t.edit).nUp;
    CHECK(PumpTimerTicks(20, 3));         // a timer left running would tick meanwhile
    CHECK(ChildCount(t.edit).nUp == after);

    // Switching OFF leaves a running timer alone; its ticks do nothing.
    CursorAt(500, 767);
    CHECK(Settings.bTimerRunning == 1);
    Settings.bScrolling = 0;
    int downs = ChildCount(t.edit).nDown;
    CHECK(PumpTimerTicks(20, 3));         // the engine's timer ticks at least twice
    CHECK(Settings.bTimerRunning == 1);
    CHECK(ChildCount(t.edit).nDown == downs);
    Settings.nMouseY = 300;               // away from the edges: the next tick ends it
    CHECK(PumpUntil([] { return Settings.bTimerRunning == 0; }));
    CHECK(Settings.bTimerRunning == 0);
}

TEST_CASE("drag: more than the sensitivity between two consecutive reports")
{
    StartEngine();
    Target t;
    Settings.bEdgeRepeat = 0;
    OnKeyReport(17, 1);
    CHECK(Settings.bKeyHeld == 1);
    CursorAt(400, 400);
    ResetCounts();
    CursorAt(406, 400);                   // 6 px
    CHECK(ChildCount(t.edit).nRight == 1);
    CursorAt(411, 400);                   // 5 px
    CHECK(TotalScrolls(t.edit) == 1);
    CursorAt(411, 394);
    CHECK(ChildCount(t.edit).nUp == 1);
    CursorAt(400, 420);
    CHECK(ChildCount(t.edit).nLeft == 1);
    CHECK(ChildCount(t.edit).nDown == 1);

    Settings.nScrollTimes = 3;            // still one line per axis
    CursorAt(400, 440);
    CHECK(ChildCount(t.edit).nDown == 2);

    OnKeyReport(17, 0);
    CursorAt(400, 500);
    CHECK(ChildCount(t.edit).nDown == 2);
}

TEST_CASE("negative sensitivity: every pass scrolls Left and Up")
{
    StartEngine();
    Target t;
    Settings.bEdgeRepeat = 0;
    Settings.nSensitivity = -1;
    Settings.nScrollTimes = 3;
    OnKeyReport(17, 1);                   // the key report itself runs a tick
    CHECK(ChildCount(t.edit).nLeft == 3);
    CHECK(ChildCount(t.edit).nUp == 3);
    CursorAt(400, 400);                   // no movement at all
    CHECK(ChildCount(t.edit).nLeft == 6);
    CHECK(ChildCount(t.edit).nUp == 6);
    CHECK(ChildCount(t.edit).nRight == 0);
    Settings.nScrollTimes = 0;
    CursorAt(400, 400);
    CHECK(ChildCount(t.edit).nLeft == 6);
}

TEST_CASE("edge scrolling off: drag advances only on key reports")
{
    StartEngine();
    Target t;
    Settings.bEdgeScroll = 0;
    Settings.bEdgeRepeat = 0;
    OnKeyReport(17, 1);
    CursorAt(400, 400);
    CursorAt(400, 450);
    CHECK(TotalScrolls(t.edit) == 0);     // the move itself runs no tick
    OnKeyReport(17, 1);                   // auto-repeat compares the last two reports
    CHECK(ChildCount(t.edit).nDown == 1);
    OnKeyReport(17, 1);                   // references moved: nothing more
    CHECK(ChildCount(t.edit).nDown == 1);
    OnKeyReport(17, 0);

    // Held by the middle button or by the lock there is no auto-repeat:
    // the moves drive the drag themselves.
    OnKeyReport(MIDDLE_BUTTON_KEY, 1);
    CursorAt(400, 520);
    CHECK(ChildCount(t.edit).nDown == 2);
    OnKeyReport(MIDDLE_BUTTON_KEY, 0);
    LockDrag();
    CursorAt(400, 590);
    CHECK(ChildCount(t.edit).nDown == 3);
    // Behind a give-back still waiting, no step leaves; then the drag goes on.
    SetProgramInput(1, 0);
    CursorAt(400, 660);
    CHECK(ChildCount(t.edit).nDown == 3);
    SetProgramInput(0, 0);
    CursorAt(400, 730);
    CHECK(ChildCount(t.edit).nDown == 4);
    EndDragLock();
}

TEST_CASE("a lock ends when nothing could end it any more")
{
    StartEngine();
    struct { int bDragLock, bHoldKey, bMiddle; BOOL bEnds; } rows[] = {
        {1, 1, 0, FALSE}, {1, 0, 1, FALSE}, {0, 1, 1, TRUE}, {1, 0, 0, TRUE},
    };
    for (auto &r : rows) {
        LockDrag();
        Settings.bDragLock = r.bDragLock;
        Settings.bHoldKey = r.bHoldKey;
        Settings.bMiddleButton = r.bMiddle;
        CHECK(EndUnusableDragLock() == r.bEnds);
        CHECK(DragLocked() == !r.bEnds);
    }
    EndDragLock();
    CHECK_FALSE(EndUnusableDragLock());
}

TEST_CASE("the middle button shares the held flag with the scroll key")
{
    StartEngine();
    Target t;
    Settings.bEdgeRepeat = 0;
    Settings.bHoldKey = 1;
    Settings.bMiddleButton = 0;
    OnKeyReport(MIDDLE_BUTTON_KEY, 1);
    CHECK(Settings.bKeyHeld == 1);
    CursorAt(400, 400);
    CursorAt(400, 380);
    CHECK(ChildCount(t.edit).nUp == 1);
    OnKeyReport(MIDDLE_BUTTON_KEY, 0);
    CHECK(Settings.bKeyHeld == 0);

    Settings.bHoldKey = 0;                // neither flag: no drag at all
    OnKeyReport(17, 1);
    CursorAt(400, 300);
    CHECK(ChildCount(t.edit).nUp == 1);
    Settings.bMiddleButton = 1;           // either flag enables both
    CursorAt(400, 200);
    CHECK(ChildCount(t.edit).nUp == 2);

    OnKeyReport(16, 1);                   // not the scroll key: ignored
    CHECK(Settings.bKeyHeld == 1);
    Settings.nScrollVk = 16;
    OnKeyReport(16, 0);
    CHECK(Settings.bKeyHeld == 0);
}

TEST_CASE("arrow keys scroll nScrollTimes on press, repeat and release")
{
    StartEngine();
    Target t;
    OnKeyReport(VK_UP, 1);
    CHECK(TotalScrolls(t.edit) == 0);     // off by default
    Settings.bArrowKeys = 1;
    Settings.nScrollTimes = 3;
    OnKeyReport(VK_UP, 1);
    OnKeyReport(VK_UP, 0);
    CHECK(ChildCount(t.edit).nUp == 6);
    OnKeyReport(VK_DOWN, 1);
    OnKeyReport(VK_LEFT, 1);
    OnKeyReport(VK_RIGHT, 0);
    CHECK(ChildCount(t.edit).nDown == 3);
    CHECK(ChildCount(t.edit).nLeft == 3);
    CHECK(ChildCount(t.edit).nRight == 3);

    // An arrow chosen as scroll key is taken by the arrow rule first.
    Settings.nScrollVk = VK_DOWN;
    OnKeyReport(VK_DOWN, 1);
    CHECK(Settings.bKeyHeld == 0);
    Settings.nScrollTimes = 0;
    OnKeyReport(VK_UP, 1);
    CHECK(ChildCount(t.edit).nUp == 6);
}

TEST_CASE("an excluded foreground window is never scrolled")
{
    StartEngine();
    Target t;
    Settings.bEdgeRepeat = 0;
    strcpy(Settings.szExcludeList, "engine target\n");
    CursorAt(0, 0);
    Settings.bArrowKeys = 1;
    OnKeyReport(VK_UP, 1);
    CHECK(TotalScrolls(t.edit) == 0);
    Settings.szExcludeList[0] = '\0';
    CursorAt(0, 0);
    CHECK(TotalScrolls(t.edit) == 2);
}
