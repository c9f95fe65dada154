// The triggers' corners through the real program in the "Mouse wheel" type:
// a press that wandered off is no click or tap, the lock is driven by moves
// and ends with its option, and left and right Control are two keys.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_recorder.h"
#include "e2e_support_settings.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"

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
    HWND button = FindWindowExA(s.app.hwnd, NULL, "Button", NULL);
    DWORD_PTR state = 0;
    SendMessageTimeoutA(button, BM_GETSTATE, 0, 0, SMTO_NORMAL, 5000, &state);
    return (state & BST_PUSHED) != 0;
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
