// Every window of a desktop, through the real program in the "Mouse wheel"
// type: a window that reads only real input gets real wheel turns carrying
// the program's tag, a chord's Control ends the drag (and no lock or button
// drag scrolls while programs have Control, busy or not), and where nothing
// is scrolled (a window the title list excludes, a full-screen program) the
// triggers reach the window as they happen.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_recorder.h"
#include "input/inject.h"
#include "scroll/settings.h"
#include "test_support.h"
#include <stdio.h>

static void WheelType(void)
{
    Settings.nMessageType = MESSAGE_WHEEL;
    Settings.bMiddleButton = 1;
    Settings.bEdgeRepeat = 0;
}

// Three Control drags of a line each from (x, y).
static void ControlDrag(int x, int y)
{
    Rest(x, y);
    KeyDown(VK_CONTROL);
    for (int i = 1; i <= 3; i++)
        MoveMouseTo(x, y + 12 * i);
    KeyUp(VK_CONTROL);
}

TEST_CASE("real wheel turns where only real input works, wheel messages elsewhere")
{
    WHEELSESSION s(WheelType);
    REQUIRE(s.app.hwnd);
    struct { HWND hwnd; int x, y; ULONG_PTR extra; } rows[] = {
        {s.rec.hXaml, 700, 150, OWN_INPUT_TAG},   // injected: the system's own wheel input
        {s.rec.hPlain, 200, 200, 0},              // posted
    };
    for (auto &r : rows) {
        CAPTURE(r.extra);
        REQUIRE(RecorderForeground(r.hwnd));
        ControlDrag(r.x, r.y);
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

TEST_CASE("after Control+C with Control still down, moves scroll no more until it is let go")
{
    WHEELSESSION s(WheelType);
    REQUIRE(s.app.hwnd);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    Rest(200, 200);
    KeyDown(VK_CONTROL);
    PressKey('C');
    for (int i = 1; i <= 3; i++)
        MoveMouseTo(200, 200 + 12 * i);
    KeyUp(VK_CONTROL);
    Rest(200, 200);                               // the mark's Control press compares reports
    CHECK(TakeWheels().empty());
    CHECK(InputsUpToMark() == "kdCtl kdC ch3^ kuC kuCtl ");
    ControlDrag(200, 200);                        // a new press drags again
    CHECK(TakeWheels().size() == 3);
    CHECK_FALSE(AnyDown());
}

TEST_CASE("after Control+C or Control+click, no lock or button drag scrolls while Control is down")
{
    for (int nButton : {DRAG_BUTTON_MIDDLE, DRAG_BUTTON_X1}) {
        CAPTURE(nButton);
        WHEELSESSION s([&] {
            WheelType();
            Settings.bDragLock = 1;
            Settings.nDragButton = nButton;
        });
        REQUIRE(s.app.hwnd);
        REQUIRE(RecorderForeground(s.rec.hPlain));
        struct { bool bClick, bLock; } rows[] = {
            {false, true}, {true, true}, {false, false}, {true, false},
        };
        for (auto &r : rows) {
            CAPTURE(r.bClick);
            CAPTURE(r.bLock);
            Rest(200, 200);
            if (r.bLock) {
                PressKey(VK_CONTROL);
                REQUIRE(WaitFor([&] { return DragLockShown(s.app.hwnd); }));
            }
            KeyDown(VK_CONTROL);
            if (r.bClick)
                ClickAt(200, 200);
            else
                PressKey('C');
            if (!r.bLock)
                DragButtonInput(nButton, true);
            for (int i = 1; i <= 3; i++)
                MoveMouseTo(200, 200 + 12 * i);
            if (!r.bLock)
                DragButtonInput(nButton, false);
            KeyUp(VK_CONTROL);
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
    WHEELSESSION s(WheelType);
    REQUIRE(s.app.hwnd);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    Rest(200, 200);
    KeyDown(VK_CONTROL);
    PressKey('C');                                // the program has Control down now
    std::string got;
    REQUIRE(WaitFor([&] { return (got += InputNames(TakeInputs())) == "kdCtl kdC ch3^ kuC "; }));
    // Busy for 100 ms: the release waits in its input queue, and a posted
    // wheel message would be taken before it, with Control still down.
    RecorderBusy(100);
    KeyUp(VK_CONTROL);
    MiddleButton(true);
    for (int i = 1; i <= 2; i++)
        MoveMouseTo(200, 200 + 12 * i);
    MiddleButton(false);
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
static void CheckLeftAlone(const WHEELSESSION &s, bool bScrolls)
{
    REQUIRE(RecorderForeground(s.rec.hPlain));
    Rest(200, 200);
    KeyDown(VK_CONTROL);
    std::string got;
    if (!bScrolls)                                // at the press, not at the release
        CHECK(WaitFor([&] { return (got += InputNames(TakeInputs())) == "kdCtl "; }));
    for (int i = 1; i <= 3; i++)
        MoveMouseTo(200, 200 + 12 * i);
    KeyUp(VK_CONTROL);
    CHECK(TakeWheels().size() == (bScrolls ? 3u : 0u));
    Rest(200, 200);
    MiddleButton(true);
    MiddleButton(false);
    CHECK(got + InputsUpToMark() == (bScrolls ? "md mu " : "kdCtl kuCtl md mu "));
    CHECK_FALSE(AnyDown());
}

TEST_CASE("a window the title list excludes gets its triggers as they happen")
{
    WHEELSESSION s([] {
        WheelType();
        FILE *f = fopen("list1.txt", "wb");
        if (f) {
            fputs("WheelOnlyPlain\r\n", f);
            fclose(f);
        }
    });
    REQUIRE(s.app.hwnd);
    CheckLeftAlone(s, false);
}

TEST_CASE("a full-screen program pauses scrolling while the option is on")
{
    for (int bPause = 1; bPause >= 0; bPause--) {
        CAPTURE(bPause);
        WHEELSESSION s([&] {
            WheelType();
            Settings.bPauseFullScreen = bPause;
        });
        REQUIRE(s.app.hwnd);
        RecorderFullScreen(true);
        CheckLeftAlone(s, !bPause);
        RecorderFullScreen(false);
    }
}
