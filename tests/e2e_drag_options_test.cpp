// The drag options through the real program with injected input, in the
// classic types (a target on a thread of its own counts the line steps by
// direction) and in the wheel type (a wheel-only stand-in records the turns):
// tap to lock, one direction at a time, reverse; and, with the defaults, the
// hold key and the middle button that share one held state.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_recorder.h"
#include "e2e_support_settings.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"
#include "test_thread_target.h"
#include <string>

// Scroll steps seen by direction, whichever the type.
struct SEEN {
    long nUp, nDown, nLeft, nRight;
};

struct SESSION {
    bool bWheel;
    CHILDPROC app;
    HWND hButton;
    THREADTARGET *target;
    RECORDER rec;
    int x, y;                 // where drags start: over the target in front
    SEEN base;

    SESSION(bool wheel, void (*options)(void)) : bWheel(wheel), target(NULL)
    {
        EnterScratchDir("e2e_drag_options");
        REQUIRE(WriteSettingsDat([&] {
            Settings.nMessageType = bWheel ? MESSAGE_WHEEL : MESSAGE_POST;
            Settings.bEdgeRepeat = 0;
            Settings.bSaveOnExit = 0;
            options();
        }));
        if (bWheel) {
            REQUIRE(StartRecorder(&rec));
            x = 200;
            y = 200;
        } else {
            target = StartThreadTarget({"Drag Options Target", "ThrdEdit", 1, 0, NULL, NULL});
            REQUIRE(target);
            x = 700;
            y = 450;
        }
        app = StartVeltrac("-start");
        REQUIRE(app.hwnd);
        REQUIRE(WaitFor([&] { return WindowText(app.hwnd) == "Veltrac --- ON"; }, 10000));
        // Veltrac's window came up in front: put the target back there.
        if (bWheel)
            REQUIRE(RecorderForeground(rec.hPlain));
        else
            REQUIRE(MakeForeground(ThreadTargetWindow(target)));
        hButton = FindWindowExA(app.hwnd, NULL, "Button", NULL);
        Rest();
        base = Seen();
    }
    ~SESSION()
    {
        EndVeltrac(&app);
        CloseChild(&app);
        if (bWheel)
            StopRecorder();
        else
            StopThreadTarget(target);
        LeaveScratchDir();
    }
    // Back to the start, the last two reports close (a key press compares them).
    void Rest()
    {
        MoveMouseTo(x, y + 1);
        MoveMouseTo(x, y);
    }
    SEEN Seen()
    {
        SEEN s = {};
        if (!bWheel) {
            DIRECTIONCOUNTS d = ThreadTargetDirections(target, 10000);
            return SEEN{d.nUp, d.nDown, d.nLeft, d.nRight};
        }
        for (const WHEELRECORD &w : TakeWheels()) {
            bool h = w.msg == WM_MOUSEHWHEEL;
            (w.turn > 0 ? (h ? s.nRight : s.nUp) : (h ? s.nLeft : s.nDown)) += 1;
        }
        s.nUp += base.nUp;            // wheels are taken, not counted: keep a total
        s.nDown += base.nDown;
        s.nLeft += base.nLeft;
        s.nRight += base.nRight;
        base = s;
        return s;
    }
    // Steps since the last call, as a string of U, D, L and R counts.
    std::string Since()
    {
        static SEEN last;
        SEEN now = Seen();
        std::string out = "U" + std::to_string(now.nUp - last.nUp) + "D" +
                          std::to_string(now.nDown - last.nDown) + "L" +
                          std::to_string(now.nLeft - last.nLeft) + "R" +
                          std::to_string(now.nRight - last.nRight);
        last = now;
        return out;
    }
    bool Locked()
    {
        DWORD_PTR state = 0;
        SendMessageTimeoutA(hButton, BM_GETSTATE, 0, 0, SMTO_NORMAL, 5000, &state);
        return (state & BST_PUSHED) != 0;
    }
    // Moves by (dx, dy) from where the cursor is, n times, holding the key if asked.
    void Moves(int dx, int dy, int n, bool bKey)
    {
        for (int i = 1; i <= n; i++) {
            if (bKey)
                KeyDown(VK_CONTROL);     // as auto-repeat sends it
            x += dx;
            y += dy;
            MoveMouseTo(x, y);
        }
    }
};

static void LockOnly(void) { Settings.bDragLock = 1; }
static void OneAxisOnly(void) { Settings.bOneAxis = 1; }
static void ReverseAndArrows(void)
{
    Settings.bReverse = 1;
    Settings.bArrowKeys = 1;
}

TEST_CASE("a tap locks drag scrolling, the next tap ends it; a drag ends it; OFF ends it")
{
    for (bool bWheel : {false, true}) {
        CAPTURE(bWheel);
        SESSION s(bWheel, LockOnly);
        s.Since();
        CHECK_FALSE(s.Locked());
        PressKey(VK_CONTROL);                        // a tap
        CHECK(WaitFor([&] { return s.Locked(); }));
        s.Moves(0, 12, 3, false);                    // no key held: scrolls all the same
        CHECK(s.Since() == "U0D3L0R0");
        PressKey(VK_CONTROL);
        CHECK(WaitFor([&] { return !s.Locked(); }));
        s.Moves(0, -12, 3, false);
        CHECK(s.Since() == "U0D0L0R0");

        // A press used for a drag ends the lock when it is released.
        s.Rest();
        PressKey(VK_CONTROL);
        CHECK(WaitFor([&] { return s.Locked(); }));
        s.Moves(0, 12, 2, true);
        KeyUp(VK_CONTROL);
        CHECK(WaitFor([&] { return !s.Locked(); }));
        s.Moves(0, -12, 2, false);
        CHECK(s.Since() == "U0D2L0R0");

        // Switching OFF ends it too, and ON again does not bring it back.
        s.Rest();
        PressKey(VK_CONTROL);
        CHECK(WaitFor([&] { return s.Locked(); }));
        PostMessageA(s.app.hwnd, WM_COMMAND, IDM_STOP, 0);
        CHECK(WaitFor([&] { return WindowText(s.app.hwnd) == "Veltrac --- OFF"; }, 10000));
        CHECK_FALSE(s.Locked());
        PostMessageA(s.app.hwnd, WM_COMMAND, IDM_START, 0);
        CHECK(WaitFor([&] { return WindowText(s.app.hwnd) == "Veltrac --- ON"; }, 10000));
        s.Moves(0, 12, 2, false);
        CHECK(s.Since() == "U0D0L0R0");
        CHECK(WindowText(s.app.hwnd) == "Veltrac --- ON");   // the title never shows it
    }
}

TEST_CASE("in the wheel type a locking tap stays with Veltrac; chords still reach the program")
{
    SESSION s(true, LockOnly);
    PressKey(VK_CONTROL);
    CHECK(WaitFor([&] { return s.Locked(); }));
    KeyDown(VK_CONTROL);
    PressKey('C');
    KeyUp(VK_CONTROL);
    PressKey('Z');                                   // a marker behind them, in order
    std::string keys;
    CHECK(WaitFor([&] {
        for (const INPUTRECORD &r : TakeInputs())
            if (r.msg == WM_KEYDOWN || r.msg == WM_KEYUP)
                keys += (r.msg == WM_KEYDOWN ? "+" : "-") +
                        std::string(r.wParam == VK_CONTROL ? "Ctl" : std::string(1, (char)r.wParam));
        return keys.find("-Z") != std::string::npos;
    }, 10000));
    // The tap is missing; the chord came whole.
    CHECK(keys == "+Ctl+C-C-Ctl+Z-Z");
    CHECK(s.Locked());                               // a chord is no tap
    PressKey(VK_CONTROL);
    CHECK(WaitFor([&] { return !s.Locked(); }));
}

TEST_CASE("one direction at a time: a drag that wanders sideways scrolls one axis")
{
    for (bool bWheel : {false, true}) {
        CAPTURE(bWheel);
        SESSION s(bWheel, OneAxisOnly);
        s.Since();
        s.Moves(0, 12, 1, true);                     // down first: the vertical axis
        s.Moves(12, 12, 2, true);                    // wandering right as well
        s.Moves(12, 0, 2, true);                     // then right only
        KeyUp(VK_CONTROL);
        CHECK(s.Since() == "U0D3L0R0");
        // A new press picks again.
        s.Rest();
        s.Moves(-12, 0, 1, true);
        s.Moves(-12, 12, 2, true);
        KeyUp(VK_CONTROL);
        CHECK(s.Since() == "U0D0L3R0");
    }
}

TEST_CASE("reverse: drags go the other way, edges and arrow keys do not")
{
    for (bool bWheel : {false, true}) {
        CAPTURE(bWheel);
        SESSION s(bWheel, ReverseAndArrows);
        s.Since();
        s.Moves(0, 12, 2, true);
        s.Moves(12, 0, 1, true);
        KeyUp(VK_CONTROL);
        CHECK(s.Since() == "U2D0L1R0");
        MoveMouseTo(s.x, 0);                         // the top edge: Up, as ever
        CHECK(s.Since() == "U1D0L0R0");
        s.Rest();
        PressKey(VK_DOWN);                           // press and release: two Downs
        CHECK(s.Since() == "U0D2L0R0");
    }
}

static void SendMessageType(void) { Settings.nMessageType = MESSAGE_SEND; }

TEST_CASE("with the defaults the first middle drag after start scrolls")
{
    // The middle button box off: the button drags through the hold key's
    // held state, and nothing was pressed since the program started.
    SESSION s(false, SendMessageType);
    s.Since();
    MiddleButton(true);
    s.Moves(0, 12, 3, false);
    MiddleButton(false);
    CHECK(s.Since() == "U0D3L0R0");
    CHECK_FALSE(AnyDown());
}

TEST_CASE("Control let go while OFF: after ON, moves do not scroll")
{
    SESSION s(false, SendMessageType);
    s.Since();
    s.Moves(0, 12, 2, true);
    CHECK(s.Since() == "U0D2L0R0");
    KeyDown(VK_CONTROL);
    PostMessageA(s.app.hwnd, WM_COMMAND, IDM_STOP, 0);
    REQUIRE(WaitFor([&] { return WindowText(s.app.hwnd) == "Veltrac --- OFF"; }, 10000));
    KeyUp(VK_CONTROL);                               // unseen: the keyboard hook is gone
    PostMessageA(s.app.hwnd, WM_COMMAND, IDM_START, 0);
    REQUIRE(WaitFor([&] { return WindowText(s.app.hwnd) == "Veltrac --- ON"; }, 10000));
    // Edge scrolling is on, as by default: every move runs a tick, and away
    // from the edges only a drag could scroll.
    s.Moves(0, 12, 3, false);
    s.Moves(0, -12, 3, false);
    CHECK(s.Since() == "U0D0L0R0");
    CHECK_FALSE(AnyDown());
}
