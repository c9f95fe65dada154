// Every window of a desktop, through the real program in the "Mouse wheel"
// type: a window that reads only real input gets real wheel turns carrying
// the program's tag, a chord's Control ends the drag (and no lock or button
// drag scrolls while programs have Control, busy or not), and where nothing
// is scrolled (a window the title list excludes, a full-screen program) the
// triggers reach the window as they happen.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_session.h"
#include "input/inject.h"
#include "scroll/settings.h"
#include "test_support.h"
#include "testkit/kit_gesture.h"
#include <stdio.h>

TEST_CASE("real wheel turns where only real input works, wheel messages elsewhere")
{
    SESSION s(WheelType);
    REQUIRE(s.app.hwnd);
    struct { HWND hwnd; int x, y; ULONG_PTR extra; } rows[] = {
        {s.rec.hXaml, 700, 150, OWN_INPUT_TAG},   // injected: the system's own wheel input
        {s.rec.hPlain, 200, 200, 0},              // posted
    };
    for (auto &r : rows) {
        CAPTURE(r.extra);
        REQUIRE(RecorderForeground(r.hwnd));
        REQUIRE(PlayGesture("C+ v v v C-", r.x, r.y));   // three drags of a line each
        std::vector<WHEELRECORD> w = TakeWheels();
        CHECK(w.size() == 3);
        for (const WHEELRECORD &k : w) {
            CHECK(k.hwnd == r.hwnd);
            CHECK(k.msg == (UINT)WM_MOUSEWHEEL);
            CHECK(k.turn < 0);
            CHECK(k.extra == r.extra);
            CHECK_FALSE(k.bControl);
            CHECK_FALSE(k.bControlAsync);
        }
        if (r.hwnd == s.rec.hPlain)               // the only one that records keys
            CHECK(InputsUpToMark() == "");
    }
    CHECK_FALSE(AnyDown());
}

TEST_CASE("after Control+C or Control+click, no lock or button drag scrolls while Control is down")
{
    for (int nButton : {DRAG_BUTTON_MIDDLE, DRAG_BUTTON_X1}) {
        CAPTURE(nButton);
        SESSION s([&] {
            WheelType();
            Settings.bDragLock = 1;
            Settings.nDragButton = nButton;
        });
        REQUIRE(s.app.hwnd);
        struct { bool bClick, bLock; } rows[] = {
            {false, true}, {true, true}, {false, false}, {true, false},
        };
        std::string button = nButton == DRAG_BUTTON_X1 ? "B" : "M";
        for (auto &r : rows) {
            CAPTURE(r.bClick);
            CAPTURE(r.bLock);
            POINT at;
            REQUIRE(PlayGesture(r.bLock ? "C" : "", 200, 200, &at));
            if (r.bLock)
                REQUIRE(WaitFor([&] { return DragLockShown(s.app.hwnd); }));
            std::string drag = r.bLock ? " v v v" : " " + button + "+ v v v " + button + "-";
            REQUIRE(PlayGestureFrom(((r.bClick ? "C+ L" : "C+ #C") + drag + " C-").c_str(), &at));
            int nWithControl = 0;
            for (const WHEELRECORD &w : TakeWheels())
                nWithControl += w.bControl;
            CHECK(nWithControl == 0);
            InputsUpToMark();                     // and the lock is shown as it is now
            if (DragLockShown(s.app.hwnd)) {
                PressKey(VK_CONTROL);
                CHECK(WaitFor([&] { return !DragLockShown(s.app.hwnd); }));
            }
            CHECK_FALSE(AnyDown());
        }
    }
}

TEST_CASE("a busy program takes the user's Control release before a drag's wheel messages")
{
    SESSION s(WheelType);
    REQUIRE(s.app.hwnd);
    POINT at;
    REQUIRE(PlayGesture("C+ #C", 200, 200, &at)); // the program has Control down now
    std::string got;
    REQUIRE(WaitFor([&] { return (got += InputNames(TakeInputs())) == "kdCtl kdC ch3^ kuC "; }));
    // Busy for 100 ms: the release waits in its input queue, and a posted
    // wheel message would be taken before it, with Control still down.
    RecorderBusy(100);
    REQUIRE(PlayGestureFrom("C- M+ v v M-", &at));
    std::vector<WHEELRECORD> w;
    CHECK(WaitFor([&] {
        std::vector<WHEELRECORD> more = TakeWheels();
        w.insert(w.end(), more.begin(), more.end());
        return !w.empty();
    }));
    CHECK(InputsUpToMark() == "kuCtl ");
    std::vector<WHEELRECORD> more = TakeWheels();
    w.insert(w.end(), more.begin(), more.end());
    for (const WHEELRECORD &k : w)
        CHECK_FALSE(k.bControl);
    CHECK_FALSE(AnyDown());
}

// Control and a middle click reach the window as they happen, and nothing
// scrolls; bScrolls: the option off, where it scrolls as ever.
static void CheckLeftAlone(const SESSION &s, bool bScrolls)
{
    REQUIRE(RecorderForeground(s.rec.hPlain));
    POINT at;
    REQUIRE(PlayGesture("C+", 200, 200, &at));
    std::string got;
    if (!bScrolls)                                // at the press, not at the release
        CHECK(WaitFor([&] { return (got += InputNames(TakeInputs())) == "kdCtl "; }));
    REQUIRE(PlayGestureFrom("v v v C-", &at));
    CHECK(TakeWheels().size() == (bScrolls ? 3u : 0u));
    REQUIRE(PlayGesture("M", 200, 200));
    CHECK(got + InputsUpToMark() == (bScrolls ? "md mu " : "kdCtl kuCtl md mu "));
    CHECK_FALSE(AnyDown());
}

TEST_CASE("a window the title list excludes gets its triggers as they happen")
{
    SESSION s([] {
        WheelType();
        WriteBytes("list1.txt", "WheelOnlyPlain\r\n");
    });
    REQUIRE(s.app.hwnd);
    CheckLeftAlone(s, false);
}

TEST_CASE("a full-screen program pauses scrolling while the option is on")
{
    for (int bPause = 1; bPause >= 0; bPause--) {
        CAPTURE(bPause);
        SESSION s([&] {
            WheelType();
            Settings.bPauseFullScreen = bPause;
        });
        REQUIRE(s.app.hwnd);
        RecorderFullScreen(true);
        CheckLeftAlone(s, !bPause);
        RecorderFullScreen(false);
    }
}
