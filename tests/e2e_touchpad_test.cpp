// A drag that feels like a touchpad, through the real program in the
// "Mouse wheel" type: the pointer can stay where the drag began (measured
// from where it really is), and a flick glides on until anything happens (a
// chord is no flick). Slow drags and the Back button as the drag button are
// rows of e2e_gestures_test.cpp.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_session.h"
#include "scroll/settings.h"
#include "test_support.h"
#include "testkit/kit_gesture.h"

// A drag holds the pointer where it began.
static void HeldStill(void)
{
    WheelNoEdges();
    Settings.bKeepPointerStill = 1;
}

TEST_CASE("the pointer stays where the drag began; the drag scrolls all the same")
{
    size_t anWheels[2] = {};
    for (int bStill = 0; bStill <= 1; bStill++) {
        CAPTURE(bStill);
        SESSION s([&] {
            WheelNoEdges();
            Settings.bKeepPointerStill = bStill;
        });
        REQUIRE(s.app.hwnd);
        // Moves of 4 pixels: the system's pointer acceleration leaves them be.
        REQUIRE(PlayGesture("C+ ~v4*10", 200, 150));
        POINT during = Cursor();
        KeyUp(VK_CONTROL);
        anWheels[bStill] = TakeWheels().size();
        CHECK(during.x == 200);
        CHECK(during.y == (bStill ? 150 : 190));
        MoveMouseBy(0, 4);                         // free again, from where it was held
        CHECK(WaitFor([&] { return Cursor().y == (bStill ? 154 : 194); }));
        CHECK_FALSE(AnyDown());
    }
    CHECK(anWheels[0] == 5);                        // a line each second move (8 > 5)
    CHECK(anWheels[1] == anWheels[0]);
}

// A fast drag down, let go at once; returns when it was let go.
static DWORD Flick(void)
{
    PlayGesture("C+ v40*6", 200, 110);            // 40 px each 25 ms or so
    DWORD t = GetTickCount();
    KeyUp(VK_CONTROL);
    return t;
}

TEST_CASE("with the pointer held still, the first drag after start goes the way the hand goes")
{
    SESSION s([] {
        HeldStill();
        // Not over the middle of the screen: Wine reports a window that comes
        // up under its X pointer as a real move there.
        Settings.nWindowX = 620;
        Settings.nWindowY = 560;
    });
    REQUIRE(s.app.hwnd);
    Rest(200, 250);
    // Started again with the pointer resting there: no move since the start.
    CHECK(EndVeltrac(&s.app) == 0);
    CloseChild(&s.app);
    s.app = StartVeltrac("-start");
    REQUIRE(s.app.hwnd);
    REQUIRE(WaitTitle(s.app.hwnd, TITLE_ON));
    // (Wine puts the pointer where its X pointer is as the program starts:
    // the drag is from there, no move reported.)
    REQUIRE(RecorderForeground(s.rec.hPlain));
    POINT at = Cursor();
    REQUIRE(PlayGestureFrom("C+ ~^4*5 C-", &at));  // up
    int nUp = 0, nOther = 0;
    for (const WHEELRECORD &w : TakeWheels())
        (w.msg == WM_MOUSEWHEEL && w.turn > 0 ? nUp : nOther)++;
    CHECK(nUp == 2);                               // a line each second move (8 > 5)
    CHECK(nOther == 0);
    CHECK_FALSE(AnyDown());
}

TEST_CASE("with the pointer held still, a Control tap right after a drag is a tap, wobble and all")
{
    SESSION s(HeldStill);
    REQUIRE(s.app.hwnd);
    POINT at;
    REQUIRE(PlayGesture("C+ v v v C-", 200, 150, &at));   // a pen's places: far from the held point
    CHECK_FALSE(TakeWheels().empty());
    REQUIRE(PlayGestureFrom("C+ ~v1 C-", &at));   // the hand wobbles by a pixel
    CHECK(InputsUpToMark() == "kdCtl kuCtl ");     // a tap reaches the program whole
    CHECK(TakeWheels().empty());
    CHECK_FALSE(AnyDown());
}

TEST_CASE("with the pointer held still, after another program moves it, small moves go their way")
{
    SESSION s(HeldStill);
    REQUIRE(s.app.hwnd);
    POINT at;
    REQUIRE(PlayGesture("C+ ~v4*4", 200, 250, &at));
    CHECK(TakeWheels().size() == 2);
    SetCursorPos(200, 150);                        // another program puts the pointer elsewhere
    REQUIRE(WaitFor([&] { return Cursor().y == 150; }));
    REQUIRE(PlayGestureFrom("~v1*5 C-", &at));     // a hand's tremor, down
    int nUp = 0;
    for (const WHEELRECORD &w : TakeWheels())
        nUp += w.turn > 0;
    CHECK(nUp == 0);                               // down, if anything: never up
    CHECK_FALSE(AnyDown());
    // SetCursorPos moved Wine's X pointer too: back to the middle of the
    // screen, where the other tests keep their windows away from it.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
}

TEST_CASE("a flick glides on, slower and slower, until it stops or a key is pressed")
{
    for (int bGlide = 1; bGlide >= 0; bGlide--) {
        CAPTURE(bGlide);
        SESSION s([&] {
            WheelNoEdges();
            Settings.bGlide = bGlide;
        });
        REQUIRE(s.app.hwnd);
        DWORD released = Flick();
        std::vector<DWORD> after;                  // the times of wheels after the release
        auto Collect = [&] {
            for (const WHEELRECORD &w : TakeWheels())
                if ((LONG)(w.dwTime - released) > 0)
                    after.push_back(w.dwTime);
        };
        if (!bGlide) {
            Collect();
            CHECK(after.empty());
            continue;
        }
        // It stops on its own: steps come ever further apart, and then none.
        CHECK(WaitFor([&] {
            Collect();
            return after.size() >= 4 && GetTickCount() - after.back() > 500;
        }));
        REQUIRE(after.size() >= 4);
        CHECK(after[1] - after[0] <= after.back() - after[after.size() - 2]);
        CHECK(after.back() - released < 3500);

        // A key stops it at once, and reaches the program.
        after.clear();
        released = Flick();
        CHECK(WaitFor([&] { Collect(); return !after.empty(); }));
        PressKey('A');
        std::vector<INPUTRECORD> keys;
        CHECK(WaitFor([&] {
            std::vector<INPUTRECORD> more = TakeInputs();
            keys.insert(keys.end(), more.begin(), more.end());
            return !keys.empty();
        }));
        REQUIRE(!keys.empty());
        CHECK(keys[0].msg == (UINT)WM_KEYDOWN);
        CHECK(keys[0].wParam == (WPARAM)'A');
        // A glide that went on would step again within its next frames; a
        // whole second shows none came but the one step that may already
        // have been on its way when the key went down.
        DWORD keyed = GetTickCount();
        WaitFor([&] { Collect(); return GetTickCount() - keyed > 1000; }, 5000);
        Collect();
        int nLater = 0;
        for (DWORD t : after)
            nLater += (LONG)(t - keys[0].dwTime) > 0;
        CHECK(nLater <= 1);
        CHECK_FALSE(AnyDown());
    }
}

TEST_CASE("a chord during a moving drag is no flick: nothing glides on with Control down")
{
    SESSION s([] {
        WheelNoEdges();
        Settings.bGlide = 1;
    });
    REQUIRE(s.app.hwnd);
    POINT at;
    REQUIRE(PlayGesture("C+ v40*4", 200, 110, &at));      // fast
    DWORD chord = GetTickCount();
    REQUIRE(PlayGestureFrom("#X+ v40*3 #X- C-", &at));   // Control+X, the hand still moving
    int nAfter = 0, nWithControl = 0;
    for (const WHEELRECORD &w : TakeWheels()) {
        nAfter += (LONG)(w.dwTime - chord) > 0;
        nWithControl += w.bControl;
    }
    CHECK(nAfter == 0);
    CHECK(nWithControl == 0);
    CHECK(InputsUpToMark() == "kdCtl kdX ch24^ kuX kuCtl ");
    CHECK_FALSE(AnyDown());
}

