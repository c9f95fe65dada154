// The triggers' corners through the real program in the "Mouse wheel" type
// (a press that wandered off is a row of e2e_gestures_test.cpp): the lock is
// driven by moves and ends with its option or when another window comes to
// the front, a Control that programs have never turns a drag into a zoom,
// and left and right Control are two keys.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_session.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"
#include "testkit/kit_gesture.h"
#include <stdio.h>
#include <string>

// The wheel type without edges, the middle button dragging too, taps locking.
static void LockNoEdges(void)
{
    WheelNoEdges();
    Settings.bMiddleButton = 1;
    Settings.bDragLock = 1;
}

static bool Locked(const SESSION &s)
{
    return DragLockShown(s.app.hwnd);
}

TEST_CASE("the lock scrolls with edges off, and ends when Load Settings turns its option off")
{
    SESSION s(LockNoEdges);
    REQUIRE(s.app.hwnd);
    POINT at;
    REQUIRE(PlayGesture("C", 200, 200, &at));
    REQUIRE(WaitFor([&] { return Locked(s); }));
    REQUIRE(PlayGestureFrom("v v v", &at));
    CHECK(TakeWheels().size() == 3);
    // Written with another drag option on: a file whose drag lines are all
    // 0 stops at line 21, and a missing line keeps what the program has.
    REQUIRE(WriteSettingsDat([] {
        LockNoEdges();
        Settings.bDragLock = 0;
        Settings.bOneAxis = 1;
    }));
    PostMessageA(s.app.hwnd, WM_COMMAND, IDM_LOADSETTINGS, 0);
    CHECK(WaitFor([&] { return !Locked(s); }));
    REQUIRE(PlayGestureFrom("v v v", &at));
    CHECK(TakeWheels().empty());
}

TEST_CASE("a lock that holds the pointer still ends when another window comes to the front")
{
    SESSION s([] {
        LockNoEdges();
        Settings.bKeepPointerStill = 1;
        WriteBytes("list1.txt", EXCLUDED_TITLE "\r\n");
    });
    REQUIRE(s.app.hwnd);
    // Control+Shift+Esc brings the task manager to the front, which the
    // lists may exclude; any other window in front ends the lock as well.
    struct { const char *what; HWND hwnd; } rows[] = {
        {"a window the lists exclude", s.rec.hExcluded},
        {"a window that scrolls", s.rec.hFramed},
    };
    for (auto &r : rows) {
        CAPTURE(std::string(r.what));
        REQUIRE(RecorderForeground(s.rec.hPlain));
        POINT at;
        REQUIRE(PlayGesture("C", 200, 200, &at));
        REQUIRE(WaitFor([&] { return Locked(s); }));
        REQUIRE(PlayGestureFrom("~v4*4", &at));
        CHECK(Cursor().y == 200);                  // the lock drags with the pointer held
        std::vector<WHEELRECORD> w;                // a line each second move (8 > 5)
        CHECK(WaitFor([&] {
            std::vector<WHEELRECORD> more = TakeWheels();
            w.insert(w.end(), more.begin(), more.end());
            return w.size() >= 2;
        }));
        CHECK(w.size() == 2);
        REQUIRE(RecorderForeground(r.hwnd));
        // Free at once: the next move moves it. A move to a point, not by a
        // distance: Wine may still move its own pointer after the window
        // came to the front.
        MoveMouseTo(230, 260);
        CHECK(WaitFor([&] { POINT pt = Cursor(); return pt.x == 230 && pt.y == 260; }));
        CHECK(WaitFor([&] { return !Locked(s); }));
        REQUIRE(RecorderForeground(s.rec.hPlain));
        InputsUpToMark();                          // the lock is shown as it is now
        if (Locked(s)) {                           // not ended: end it for the next row
            PressKey(VK_CONTROL);
            WaitFor([&] { return !Locked(s); });
        }
        TakeWheels();
        CHECK_FALSE(AnyDown());
    }
}

TEST_CASE("a Control that programs have makes no zoom when Load Settings changes what drags")
{
    // The drag began where Control reaches programs: in a classic type, or
    // with only the middle button dragging. The new settings keep the hold
    // key back from programs, but this press they already have.
    struct { const char *what; void (*before)(void); void (*after)(void); } rows[] = {
        {"SendMessage, then the wheel type", [] { Settings.bEdgeRepeat = 0; },
         [] { Settings.nMessageType = MESSAGE_WHEEL; Settings.bEdgeRepeat = 0; }},
        {"the hold key off, then on",
         [] { LockNoEdges(); Settings.bDragLock = 0; Settings.bHoldKey = 0; },
         [] { LockNoEdges(); Settings.bDragLock = 0; }},
    };
    for (auto &r : rows) {
        CAPTURE(std::string(r.what));
        SESSION s(r.before);
        REQUIRE(s.app.hwnd);
        POINT at;
        REQUIRE(PlayGesture("C+ v C+ v", 200, 200, &at));
        REQUIRE(WriteSettingsDat([&] {
            r.after();
            Settings.bSaveOnExit = 0;
        }));
        DWORD_PTR done = 0;
        REQUIRE(SendMessageTimeoutA(s.app.hwnd, WM_COMMAND, IDM_LOADSETTINGS, 0, SMTO_NORMAL,
                                    WAIT_MS, &done));
        // The hand moves between the key's auto-repeats.
        REQUIRE(PlayGestureFrom("v C+ v C+ v C+ C-", &at));
        CHECK(PlainZooms() == 0);                  // wheel messages that came with Control
        CHECK_FALSE(AnyDown());
    }
}

TEST_CASE("left and right Control are two keys: a tap of one while the other drags")
{
    SESSION s([] { Settings.nMessageType = MESSAGE_WHEEL; Settings.bEdgeRepeat = 0; });
    REQUIRE(s.app.hwnd);
    // Left Control held, right Control tapped, then a drag: the tap reaches
    // the program whole, the drag carries no Control, nothing stays down.
    POINT at;
    REQUIRE(PlayGesture("Cl+ Cr", 200, 250, &at));
    std::string tap;
    CHECK(WaitFor([&] { return (tap += InputNames(TakeInputs())) == "kdCtl kuCtl "; }));
    REQUIRE(PlayGestureFrom("v v v Cl-", &at));
    std::vector<WHEELRECORD> w = TakeWheels();
    CHECK(w.size() == 3);
    for (const WHEELRECORD &r : w) {
        CHECK_FALSE(r.bControl);
        CHECK_FALSE(r.bControlAsync);
    }
    CHECK(InputsUpToMark() == "");
    CHECK_FALSE(RecorderKeyDown(VK_CONTROL));
    CHECK_FALSE(AnyDown());
}
