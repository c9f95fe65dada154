// A drag that feels like a touchpad, through the real program: slow drags
// scroll in the "Mouse wheel" type, the pointer can stay where the drag
// began (measured from where it really is, and a press whose hand went
// beyond the drag box is no click or tap), a flick glides on until anything
// happens (a chord is no flick), and the Back button can be the drag button
// while its clicks still reach the program.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_recorder.h"
#include "e2e_support_settings.h"
#include "scroll/settings.h"
#include "test_support.h"
#include "test_thread_target.h"

static void WheelNoEdges(void)
{
    Settings.nMessageType = MESSAGE_WHEEL;
    Settings.bEdgeScroll = 0;
    Settings.bEdgeRepeat = 0;
}

static POINT Cursor(void)
{
    POINT pt = {};
    GetCursorPos(&pt);
    return pt;
}

TEST_CASE("a slow drag scrolls by distance in the wheel type, not in the classic ones")
{
    {
        WHEELSESSION s(WheelNoEdges);
        REQUIRE(s.app.hwnd);
        REQUIRE(RecorderForeground(s.rec.hPlain));
        Rest(200, 150);
        KeyDown(VK_CONTROL);
        for (int i = 1; i <= 30; i++)
            MoveMouseTo(200, 150 + i);             // 30 moves of a pixel, sensitivity 5
        KeyUp(VK_CONTROL);
        CHECK(TakeWheels().size() == 5);
    }
    EnterScratchDir("e2e_touchpad_send");
    REQUIRE(WriteSettingsDat([] { Settings.bSaveOnExit = 0; }));
    THREADTARGET *t = StartThreadTarget({"Touchpad Target", "ThrdEdit", 1, 0, NULL, NULL});
    REQUIRE(t);
    CHILDPROC app = StartVeltrac("-start");
    REQUIRE(app.hwnd);
    REQUIRE(WaitFor([&] { return WindowText(app.hwnd) == "Veltrac --- ON"; }));
    REQUIRE(MakeForeground(ThreadTargetWindow(t)));
    Rest(250, 200);
    KeyDown(VK_CONTROL);
    for (int i = 1; i <= 30; i++)
        MoveMouseTo(250, 200 + i);
    KeyUp(VK_CONTROL);
    CHECK(ThreadTargetSettle(t, WAIT_MS) == 0);
    EndVeltrac(&app);
    CloseChild(&app);
    StopThreadTarget(t);
    LeaveScratchDir();
}

TEST_CASE("the pointer stays where the drag began; the drag scrolls all the same")
{
    size_t anWheels[2] = {};
    for (int bStill = 0; bStill <= 1; bStill++) {
        CAPTURE(bStill);
        WHEELSESSION s([&] {
            WheelNoEdges();
            Settings.bKeepPointerStill = bStill;
        });
        REQUIRE(s.app.hwnd);
        REQUIRE(RecorderForeground(s.rec.hPlain));
        Rest(200, 150);
        KeyDown(VK_CONTROL);
        // Moves of 4 pixels: the system's pointer acceleration leaves them be.
        for (int i = 0; i < 10; i++)
            MoveMouseBy(0, 4);
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
    Rest(200, 110);
    KeyDown(VK_CONTROL);
    for (int i = 1; i <= 6; i++)
        MoveMouseTo(200, 110 + 40 * i);            // 40 px each 25 ms or so
    DWORD t = GetTickCount();
    KeyUp(VK_CONTROL);
    return t;
}

TEST_CASE("with the pointer held still, the first drag after start goes the way the hand goes")
{
    WHEELSESSION s([] {
        WheelNoEdges();
        Settings.bKeepPointerStill = 1;
        // Not over the middle of the screen: Wine reports a window that comes
        // up under its X pointer as a real move there.
        Settings.nWindowX = 620;
        Settings.nWindowY = 560;
    });
    REQUIRE(s.app.hwnd);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    Rest(200, 250);
    // Started again with the pointer resting there: no move since the start.
    CHECK(EndVeltrac(&s.app) == 0);
    CloseChild(&s.app);
    s.app = StartVeltrac("-start");
    REQUIRE(s.app.hwnd);
    REQUIRE(WaitFor([&] { return WindowText(s.app.hwnd) == "Veltrac --- ON"; }));
    // (Wine puts the pointer where its X pointer is as the program starts:
    // the drag is from there, no move reported.)
    REQUIRE(RecorderForeground(s.rec.hPlain));
    KeyDown(VK_CONTROL);
    for (int i = 0; i < 5; i++)
        MoveMouseBy(0, -4);                        // up
    KeyUp(VK_CONTROL);
    int nUp = 0, nOther = 0;
    for (const WHEELRECORD &w : TakeWheels())
        (w.msg == WM_MOUSEWHEEL && w.turn > 0 ? nUp : nOther)++;
    CHECK(nUp == 2);                               // a line each second move (8 > 5)
    CHECK(nOther == 0);
    CHECK_FALSE(AnyDown());
}

TEST_CASE("with the pointer held still, a slow Back drag of 20 pixels is no click")
{
    // Moves of 2 pixels, each within the drag box of the held point, but
    // the hand went 20 pixels: a drag, even where it scrolled nothing.
    struct { int nType, nSensitivity; } rows[] = {{MESSAGE_SEND, 5}, {MESSAGE_WHEEL, 30}};
    for (auto &r : rows) {
        CAPTURE(r.nType);
        WHEELSESSION s([&] {
            WheelNoEdges();
            Settings.nMessageType = r.nType;
            Settings.nSensitivity = r.nSensitivity;
            Settings.bMiddleButton = 1;
            Settings.nDragButton = DRAG_BUTTON_X1;
            Settings.bKeepPointerStill = 1;
        });
        REQUIRE(s.app.hwnd);
        REQUIRE(RecorderForeground(s.rec.hPlain));
        Rest(200, 150);
        BackButton(true);
        for (int i = 0; i < 10; i++)
            MoveMouseBy(0, 2);
        BackButton(false);
        CHECK(InputsUpToMark() == "");             // no Back where the button was let go
        CHECK_FALSE(AnyDown());
    }
}

TEST_CASE("with the pointer held still, a Control tap right after a drag is a tap, wobble and all")
{
    WHEELSESSION s([] {
        WheelNoEdges();
        Settings.bKeepPointerStill = 1;
    });
    REQUIRE(s.app.hwnd);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    Rest(200, 150);
    KeyDown(VK_CONTROL);
    for (int i = 1; i <= 3; i++)
        MoveMouseTo(200, 150 + 12 * i);            // a pen's places: far from the held point
    KeyUp(VK_CONTROL);
    CHECK_FALSE(TakeWheels().empty());
    KeyDown(VK_CONTROL);
    MoveMouseBy(0, 1);                             // the hand wobbles by a pixel
    KeyUp(VK_CONTROL);
    CHECK(InputsUpToMark() == "kdCtl kuCtl ");     // a tap reaches the program whole
    CHECK(TakeWheels().empty());
    CHECK_FALSE(AnyDown());
}

TEST_CASE("with the pointer held still, after another program moves it, small moves go their way")
{
    WHEELSESSION s([] {
        WheelNoEdges();
        Settings.bKeepPointerStill = 1;
    });
    REQUIRE(s.app.hwnd);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    Rest(200, 250);
    KeyDown(VK_CONTROL);
    for (int i = 0; i < 4; i++)
        MoveMouseBy(0, 4);
    CHECK(TakeWheels().size() == 2);
    SetCursorPos(200, 150);                        // another program puts the pointer elsewhere
    REQUIRE(WaitFor([&] { return Cursor().y == 150; }));
    for (int i = 0; i < 5; i++)
        MoveMouseBy(0, 1);                         // a hand's tremor, down
    KeyUp(VK_CONTROL);
    int nUp = 0;
    for (const WHEELRECORD &w : TakeWheels())
        nUp += w.turn > 0;
    CHECK(nUp == 0);                               // down, if anything: never up
    CHECK_FALSE(AnyDown());
}

TEST_CASE("a flick glides on, slower and slower, until it stops or a key is pressed")
{
    for (int bGlide = 1; bGlide >= 0; bGlide--) {
        CAPTURE(bGlide);
        WHEELSESSION s([&] {
            WheelNoEdges();
            Settings.bGlide = bGlide;
        });
        REQUIRE(s.app.hwnd);
        REQUIRE(RecorderForeground(s.rec.hPlain));
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
        KeyDown('A');
        KeyUp('A');
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
        // whole second shows none came.
        DWORD keyed = GetTickCount();
        WaitFor([&] { Collect(); return GetTickCount() - keyed > 1000; }, 5000);
        Collect();
        CHECK((LONG)(after.back() - keys[0].dwTime) <= 0);
        CHECK_FALSE(AnyDown());
    }
}

TEST_CASE("a chord during a moving drag is no flick: nothing glides on with Control down")
{
    WHEELSESSION s([] {
        WheelNoEdges();
        Settings.bGlide = 1;
    });
    REQUIRE(s.app.hwnd);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    Rest(200, 110);
    KeyDown(VK_CONTROL);
    for (int i = 1; i <= 4; i++)
        MoveMouseTo(200, 110 + 40 * i);            // fast
    DWORD chord = GetTickCount();
    KeyDown('X');                                  // Control+X, the hand still moving
    for (int i = 5; i <= 7; i++)
        MoveMouseTo(200, 110 + 40 * i);
    KeyUp('X');
    KeyUp(VK_CONTROL);
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

TEST_CASE("the Back button as the drag button: drags scroll, clicks still reach the program")
{
    WHEELSESSION s([] {
        WheelNoEdges();
        Settings.bMiddleButton = 1;
        Settings.nDragButton = DRAG_BUTTON_X1;
    });
    REQUIRE(s.app.hwnd);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    Rest(200, 150);
    BackButton(true);
    for (int i = 1; i <= 3; i++)
        MoveMouseTo(200, 150 + 12 * i);
    BackButton(false);
    CHECK(TakeWheels().size() == 3);
    CHECK(InputsUpToMark() == "");                 // no X button message at all
    Rest(200, 150);
    BackButton(true);
    BackButton(false);
    CHECK(InputsUpToMark() == "xd xu ");           // a click is Back, as ever
    MiddleButton(true);
    for (int i = 1; i <= 3; i++)
        MoveMouseTo(200, 150 + 12 * i);
    MiddleButton(false);
    CHECK(TakeWheels().empty());                   // the middle button is any button now
    CHECK(InputsUpToMark() == "md mu ");
    CHECK_FALSE(AnyDown());
}
