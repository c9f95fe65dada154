// The drag options through the real program with injected input, where a
// case is more than one gesture (the rows of e2e_gestures_test.cpp are the
// rest): in the classic types (a target on a thread of its own counts the
// line steps by direction) and in the wheel type (a wheel-only stand-in
// records the turns), tap to lock, and Control let go while OFF.
#include <doctest.h>
#include "e2e_support_session.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "testkit/kit_gesture.h"
#include <string>

static void PostLock(void)
{
    Settings.nMessageType = MESSAGE_POST;
    Settings.bEdgeRepeat = 0;
    Settings.bDragLock = 1;
}

static void WheelLock(void)
{
    PostLock();
    Settings.nMessageType = MESSAGE_WHEEL;
}

static bool Locked(const SESSION &s)
{
    return DragLockShown(s.app.hwnd);
}

TEST_CASE("a tap locks drag scrolling, the next tap ends it; a drag ends it; OFF ends it")
{
    for (bool bWheel : {false, true}) {
        CAPTURE(bWheel);
        SESSION s(bWheel ? WheelLock : PostLock, !bWheel);
        REQUIRE(s.app.hwnd);
        POINT at = bWheel ? POINT{200, 200} : POINT{700, 450};
        CHECK_FALSE(Locked(s));
        CHECK(PlayGesture("C", at.x, at.y, &at));   // a tap
        CHECK(WaitFor([&] { return Locked(s); }));
        CHECK(PlayGestureFrom("v v v", &at));       // no key held: scrolls all the same
        CHECK(Scrolled(s) == "D3");
        CHECK(PlayGestureFrom("C", &at));
        CHECK(WaitFor([&] { return !Locked(s); }));
        CHECK(PlayGestureFrom("^ ^ ^", &at));
        CHECK(Scrolled(s) == "");

        // A press used for a drag ends the lock when it is released.
        CHECK(PlayGesture("C", at.x, at.y, &at));
        CHECK(WaitFor([&] { return Locked(s); }));
        CHECK(PlayGestureFrom("C+ v C+ v C-", &at));
        CHECK(WaitFor([&] { return !Locked(s); }));
        CHECK(PlayGestureFrom("^ ^", &at));
        CHECK(Scrolled(s) == "D2");

        // Switching OFF ends it too, and ON again does not bring it back.
        CHECK(PlayGesture("C", at.x, at.y, &at));
        CHECK(WaitFor([&] { return Locked(s); }));
        PostMessageA(s.app.hwnd, WM_COMMAND, IDM_STOP, 0);
        CHECK(WaitTitle(s.app.hwnd, TITLE_OFF));
        CHECK_FALSE(Locked(s));
        PostMessageA(s.app.hwnd, WM_COMMAND, IDM_START, 0);
        CHECK(WaitTitle(s.app.hwnd, TITLE_ON));
        CHECK(PlayGestureFrom("v v", &at));
        CHECK(Scrolled(s) == "");
        CHECK(WindowText(s.app.hwnd) == TITLE_ON);   // the title never shows it
    }
}

TEST_CASE("in the wheel type a locking tap stays with Veltrac; chords still reach the program")
{
    SESSION s(WheelLock);
    REQUIRE(s.app.hwnd);
    // The tap, then Control+C, then a marker behind them, in order.
    POINT at;
    CHECK(PlayGesture("C", 200, 200, &at));
    CHECK(WaitFor([&] { return Locked(s); }));
    CHECK(PlayGestureFrom("C+ #C C- #Z", &at));
    std::string keys;
    CHECK(WaitFor([&] {
        for (const INPUTRECORD &r : TakeInputs())
            if (r.msg == WM_KEYDOWN || r.msg == WM_KEYUP)
                keys += (r.msg == WM_KEYDOWN ? "+" : "-") +
                        std::string(r.wParam == VK_CONTROL ? "Ctl" : std::string(1, (char)r.wParam));
        return keys.find("-Z") != std::string::npos;
    }));
    // The tap is missing; the chord came whole.
    CHECK(keys == "+Ctl+C-C-Ctl+Z-Z");
    CHECK(Locked(s));                                // a chord is no tap
    PressKey(VK_CONTROL);
    CHECK(WaitFor([&] { return !Locked(s); }));
}

TEST_CASE("Control let go while OFF: after ON, moves do not scroll")
{
    SESSION s([] {
        Settings.nMessageType = MESSAGE_SEND;
        Settings.bEdgeRepeat = 0;
    }, true);
    REQUIRE(s.app.hwnd);
    POINT at;
    CHECK(PlayGesture("C+ v C+ v", 700, 450, &at));
    CHECK(Scrolled(s) == "D2");
    KeyDown(VK_CONTROL);
    PostMessageA(s.app.hwnd, WM_COMMAND, IDM_STOP, 0);
    REQUIRE(WaitTitle(s.app.hwnd, TITLE_OFF));
    KeyUp(VK_CONTROL);                               // unseen: the keyboard hook is gone
    PostMessageA(s.app.hwnd, WM_COMMAND, IDM_START, 0);
    REQUIRE(WaitTitle(s.app.hwnd, TITLE_ON));
    // Edge scrolling is on, as by default: every move runs a tick, and away
    // from the edges only a drag could scroll.
    CHECK(PlayGestureFrom("v v v ^ ^ ^", &at));
    CHECK(Scrolled(s) == "");
    CHECK_FALSE(AnyDown());
}
