// The triggers' corners through the real program in the "Mouse wheel" type:
// a press that wandered off is no click or tap, the lock is driven by moves
// and ends with its option or when another window comes to the front, a
// Control that programs have never turns a drag into a zoom, and left and
// right Control are two keys.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_recorder.h"
#include "e2e_support_settings.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"
#include <stdio.h>
#include <string>

static void WheelNoEdges(void)
{
    Settings.nMessageType = MESSAGE_WHEEL;
    Settings.bMiddleButton = 1;
    Settings.bEdgeScroll = 0;
    Settings.bEdgeRepeat = 0;
    Settings.bDragLock = 1;
}

static bool Locked(const WHEELSESSION &s)
{
    return DragLockShown(s.app.hwnd);
}

TEST_CASE("a press that wandered off and scrolled nothing is neither a click nor a tap")
{
    // Without the lock option a click would be given back; with it, a tap
    // would lock. Neither may come of a press that wandered.
    for (int bLock = 0; bLock <= 1; bLock++) {
        CAPTURE(bLock);
        WHEELSESSION s([&] {
            WheelNoEdges();
            Settings.bDragLock = bLock;
            Settings.nSensitivity = 1000;      // no move here is a step
        });
        REQUIRE(s.app.hwnd);
        REQUIRE(RecorderForeground(s.rec.hPlain));
        Rest(200, 250);
        MiddleButton(true);
        MoveMouseTo(200, 270);
        MoveMouseTo(200, 290);
        MiddleButton(false);
        CHECK_FALSE(Locked(s));
        Rest(200, 250);
        KeyDown(VK_CONTROL);
        MoveMouseTo(230, 250);
        KeyUp(VK_CONTROL);
        CHECK(InputsUpToMark() == "");          // no click where the button was let go
        CHECK_FALSE(Locked(s));
        CHECK(TakeWheels().empty());
        CHECK_FALSE(AnyDown());
    }
}

TEST_CASE("the lock scrolls with edges off, and ends when Load Settings turns its option off")
{
    WHEELSESSION s(WheelNoEdges);
    REQUIRE(s.app.hwnd);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    Rest(200, 200);
    PressKey(VK_CONTROL);
    REQUIRE(WaitFor([&] { return Locked(s); }));
    for (int i = 1; i <= 3; i++)
        MoveMouseTo(200, 200 + 12 * i);
    CHECK(TakeWheels().size() == 3);
    // Written with another drag option on: a file whose drag lines are all
    // 0 stops at line 21, and a missing line keeps what the program has.
    REQUIRE(WriteSettingsDat([] {
        WheelNoEdges();
        Settings.bDragLock = 0;
        Settings.bOneAxis = 1;
    }));
    PostMessageA(s.app.hwnd, WM_COMMAND, IDM_LOADSETTINGS, 0);
    CHECK(WaitFor([&] { return !Locked(s); }));
    for (int i = 1; i <= 3; i++)
        MoveMouseTo(200, 236 + 12 * i);
    CHECK(TakeWheels().empty());
}

static POINT Cursor(void)
{
    POINT pt = {};
    GetCursorPos(&pt);
    return pt;
}

TEST_CASE("a lock that holds the pointer still ends when another window comes to the front")
{
    WHEELSESSION s([] {
        WheelNoEdges();
        Settings.bKeepPointerStill = 1;
        FILE *f = fopen("list1.txt", "wb");
        if (f) {
            fputs(EXCLUDED_TITLE "\r\n", f);
            fclose(f);
        }
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
        Rest(200, 200);
        PressKey(VK_CONTROL);
        REQUIRE(WaitFor([&] { return Locked(s); }));
        for (int i = 0; i < 4; i++)
            MoveMouseBy(0, 4);
        CHECK(Cursor().y == 200);                  // the lock drags with the pointer held
        CHECK(TakeWheels().size() == 2);           // a line each second move (8 > 5)
        REQUIRE(RecorderForeground(r.hwnd));
        // Free at once: the next move moves it (from wherever Wine's own
        // pointer put it when the window came to the front).
        POINT before = Cursor();
        MoveMouseBy(0, 4);
        CHECK(WaitFor([&] { return Cursor().y == before.y + 4; }));
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
         [] { WheelNoEdges(); Settings.bDragLock = 0; Settings.bHoldKey = 0; },
         [] { WheelNoEdges(); Settings.bDragLock = 0; }},
    };
    for (auto &r : rows) {
        CAPTURE(std::string(r.what));
        WHEELSESSION s(r.before);
        REQUIRE(s.app.hwnd);
        REQUIRE(RecorderForeground(s.rec.hPlain));
        Rest(200, 200);
        for (int i = 1; i <= 2; i++) {
            KeyDown(VK_CONTROL);
            MoveMouseTo(200, 200 + 12 * i);
        }
        REQUIRE(WriteSettingsDat([&] {
            r.after();
            Settings.bSaveOnExit = 0;
        }));
        DWORD_PTR done = 0;
        REQUIRE(SendMessageTimeoutA(s.app.hwnd, WM_COMMAND, IDM_LOADSETTINGS, 0, SMTO_NORMAL,
                                    WAIT_MS, &done));
        // The hand moves between the key's auto-repeats.
        for (int i = 3; i <= 5; i++) {
            MoveMouseTo(200, 200 + 12 * i);
            KeyDown(VK_CONTROL);
        }
        KeyUp(VK_CONTROL);
        CHECK(PlainZooms() == 0);                  // wheel messages that came with Control
        CHECK_FALSE(AnyDown());
    }
}

TEST_CASE("left and right Control are two keys: a tap of one while the other drags")
{
    WHEELSESSION s([] { Settings.nMessageType = MESSAGE_WHEEL; Settings.bEdgeRepeat = 0; });
    REQUIRE(s.app.hwnd);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    // Left Control held, right Control tapped, then a drag: the tap reaches
    // the program whole, the drag carries no Control, nothing stays down.
    Rest(200, 250);
    KeyDown(VK_LCONTROL);
    PressKey(VK_RCONTROL);
    std::string tap;
    CHECK(WaitFor([&] { return (tap += InputNames(TakeInputs())) == "kdCtl kuCtl "; }));
    for (int i = 1; i <= 3; i++)
        MoveMouseTo(200, 250 + 12 * i);
    KeyUp(VK_LCONTROL);
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
