// Settings no one would choose on purpose, through the real program: two
// billion steps a tick, 40000 posted steps, the most negative sensitivity.
// Injected input must never wait long for the program's hooks, the program
// must keep answering, and it must end promptly when closed.
#include <doctest.h>
#include "e2e_support.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "testkit/kit_input.h"
#include "test_support.h"

// Windows removes a low-level hook that keeps an event for 1 s (Wine caps a
// hook call at 2 s); a bounded tick takes well under 100 ms.
static const double INPUT_BOUND_MS = 1000;

struct HUGEROW {
    const char *name;
    int nTimes;
    int nType;
    int nSensitivity;
    bool bDrag;          // Control held and moves mid-screen; else moves along the top edge
};

TEST_CASE("huge settings: input never waits long, the program answers and ends at once")
{
    const HUGEROW rows[] = {
        {"2000000000 steps, sent, at the edge", 2000000000, MESSAGE_SEND, 5, false},
        {"40000 steps, posted, at the edge", 40000, MESSAGE_POST, 5, false},
        {"most negative sensitivity, 2000000000 passes, dragging", 2000000000, MESSAGE_SEND,
         -2147483647 - 1, true},
    };
    for (const HUGEROW &row : rows) {
        INFO(row.name);
        EnterScratchDir("e2e_huge");
        REQUIRE(WriteSettingsDat([&] {
            Settings.nScrollTimes = row.nTimes;
            Settings.nMessageType = row.nType;
            Settings.nSensitivity = row.nSensitivity;
            Settings.bSaveOnExit = 0;
        }));
        CHILDPROC app = StartVeltrac("-start");
        REQUIRE(app.hwnd);
        CHECK(WaitTitle(app.hwnd, TITLE_ON));
        THREADTARGET *t = StartThreadTarget("Huge Target", "ThrdEdit", 4);
        REQUIRE(t);

        double worst = 0;
        bool answered = true;
        if (row.bDrag)
            worst = TimedInput(KeyInput(VK_CONTROL, false));
        for (int i = 0; i < 12; i++) {
            INPUT move = row.bDrag ? AbsoluteMove(500, 300 + (i % 2) * 20)
                                   : AbsoluteMove(300 + 10 * i, 0);
            double ms = TimedInput(move);
            worst = ms > worst ? ms : worst;
            answered = answered && Answers(app.hwnd, 1000);
        }
        if (row.bDrag)
            TimedInput(KeyInput(VK_CONTROL, true));
        // Resting at the edge, the repeat timer ticks on: still answering.
        for (int i = 0; i < 10; i++)
            answered = answered && Answers(app.hwnd, 1000);
        MESSAGE("longest wait in SendInput: ", worst, " ms");
        CHECK(worst < INPUT_BOUND_MS);
        CHECK(answered);
        CHECK(ThreadTargetSettle(t, 30000) > 0);    // it scrolled all the same

        PostMessageA(app.hwnd, WM_CLOSE, 0, 0);
        CHECK(WaitExit(&app, 2000) == 0);
        MoveMouseTo(500, 300);                     // away from the edge
        CloseChild(&app);
        StopThreadTarget(t);
        LeaveScratchDir();
    }
}
