// The hooks in this process, under the real start-up code, fed with injected
// input: reports in event order when a tick lets hook calls in, one budget
// for everything one event causes, given-back buttons at their own point,
// and OFF giving back what is queued before the hooks change.
#include <doctest.h>
#include "input/hook_state.h"
#include "input/inject.h"
#include "input/report_queue.h"
#include "testkit/kit_input.h"
#include "res/resource.h"
#include "scroll/delivery.h"
#include "scroll/engine.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "scroll/tick_budget.h"
#include "test_support.h"

static HWND MainWindow(void)
{
    HWND hwnd = InProcessMainWindow("hooks");
    REQUIRE(hwnd);
    return hwnd;
}

static void Command(UINT id)
{
    SendMessageA(MainWindow(), WM_COMMAND, id, 0);
}

// Pumps as the program's loop does, but keeps the give-back back: the
// input it owes waits in its queue until the test lets it go.
static bool PumpHoldingGiveBack(const std::function<bool()> &cond)
{
    return PumpUntil(cond, WAIT_MS, [](MSG &m) { return m.message == WM_GIVEBACK; });
}

// The middle button's release, injected from inside the first scroll
// message its own press's tick sends: its hook call reaches this thread
// while that send waits.
static void ReleaseMiddle(void *)
{
    SendOne(MouseInput(MOUSEEVENTF_MIDDLEUP));
}

// Installed after the program's hook, so called first: it measures what the
// program's hook call for the press alone started.
static HHOOK hMeasure;
static int nPressClocks = -1;
static LRESULT CALLBACK MeasureProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code < 0 || wParam != WM_MBUTTONDOWN)
        return CallNextHookEx(hMeasure, code, wParam, lParam);
    unsigned nBefore = nTickClocks;
    LRESULT r = CallNextHookEx(hMeasure, code, wParam, lParam);
    nPressClocks = (int)(nTickClocks - nBefore);
    return r;
}

TEST_CASE("a release that comes inside its own press's tick is handled after the press")
{
    MainWindow();
    bool bNested = false;
    for (int attempt = 0; attempt < 5 && !bNested; attempt++) {
        Command(IDM_STOP);
        Settings.nMessageType = MESSAGE_SEND;
        Settings.bEdgeScroll = 1;
        Settings.bEdgeRepeat = 0;
        Settings.bMiddleButton = 1;
        SendOne(AbsoluteMove(400, 0));               // at the top edge while OFF: no tick yet
        PumpUntil([] { return Settings.nMouseY == 0; });
        THREADTARGET *t = StartThreadTarget("Order Target", "ThrdEdit", 1, 5, ReleaseMiddle);
        REQUIRE(t);
        Command(IDM_START);
        unsigned nDeferred = nReportsDeferred;
        nPressClocks = -1;
        hMeasure = SetWindowsHookExA(WH_MOUSE_LL, MeasureProc, GetModuleHandleA(NULL), 0);
        SendOne(MouseInput(MOUSEEVENTF_MIDDLEDOWN));
        CHECK(PumpUntil([&] { return ThreadTargetScrolls(t) > 0 && !DragButtonDown(); }));
        PumpPosted();
        CHECK(DragButtonDown() == 0);         // the press was not recorded after its release
        CHECK(Settings.bKeyHeld == 0);
        UnhookWindowsHookEx(hMeasure);
        bNested = nReportsDeferred > nDeferred;
        // A go in which the release never came must not leave the button down.
        if (GetAsyncKeyState(VK_MBUTTON) < 0)
            SendOne(MouseInput(MOUSEEVENTF_MIDDLEUP));
        // The press's move report, its button report and the release that
        // came in meanwhile all share one bound.
        if (bNested)
            CHECK(nPressClocks == 1);
        StopThreadTarget(t);
    }
    CHECK(bNested);                               // the scenario did happen
    Command(IDM_STOP);
    SendOne(AbsoluteMove(400, 400));
    PumpPosted();
}

static POINT ptClicked;
static int nClicks;
static LRESULT CALLBACK ClickProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_LBUTTONDOWN) {
        ptClicked = POINT{(short)LOWORD(lParam), (short)HIWORD(lParam)};
        ClientToScreen(hwnd, &ptClicked);
        nClicks++;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_CASE("a given-back click lands where it was pressed, though the pointer moved on")
{
    MainWindow();
    RegisterClassOnce("ClickTarget", ClickProc);
    HWND target = CreateWindowExA(WS_EX_TOPMOST, "ClickTarget", "Click Target", WS_POPUP | WS_VISIBLE,
                                  100, 100, 400, 300, NULL, NULL, GetModuleHandleA(NULL), NULL);
    SetForegroundWindow(target);
    Command(IDM_START);
    Settings.nMessageType = MESSAGE_WHEEL;
    SendOne(AbsoluteMove(200, 150));
    PumpUntil([] { return Settings.nMouseX == 200; });
    nClicks = 0;
    SendOne(KeyInput(VK_LCONTROL, false));           // kept: it may yet drag
    SendOne(MouseInput(MOUSEEVENTF_LEFTDOWN));           // Control+click: both queued
    SendOne(MouseInput(MOUSEEVENTF_LEFTUP));
    CHECK(PumpHoldingGiveBack([] { return ProgramInputOwed() != 0; }));
    // Where the click happened, as its events reported it (Wine may have
    // put the pointer back where its X pointer is in between).
    POINT pressed = {Settings.nMouseX, Settings.nMouseY};
    SendOne(AbsoluteMove(330, 310));
    CHECK(PumpHoldingGiveBack([] { return Settings.nMouseX == 330; }));
    SendMessageA(MainWindow(), WM_GIVEBACK, 0, 0);
    CHECK(PumpUntil([] { return nClicks == 1; }));
    CHECK(ptClicked.x == pressed.x);
    CHECK(ptClicked.y == pressed.y);
    CHECK(pressed.x != 330);
    SendOne(KeyInput(VK_LCONTROL, true));
    PumpPosted();
    CHECK(GetAsyncKeyState(VK_LCONTROL) >= 0);
    Command(IDM_STOP);
    DestroyWindow(target);
    SendOne(AbsoluteMove(400, 400));                 // the next test's first move must be one
    PumpPosted();
}

TEST_CASE("OFF gives back what is queued before the keyboard hook goes")
{
    MainWindow();
    Command(IDM_START);
    Settings.nMessageType = MESSAGE_WHEEL;
    SendOne(KeyInput(VK_LCONTROL, false));
    SendOne(KeyInput('X', false));                   // a chord: Control, then X, queued
    CHECK(PumpHoldingGiveBack([] { return ProgramInputOwed() != 0; }));
    CHECK(GetAsyncKeyState(VK_LCONTROL) >= 0);    // not given back yet
    Command(IDM_STOP);
    CHECK(ProgramInputOwed() == 0);
    CHECK(GetAsyncKeyState(VK_LCONTROL) < 0);     // in programs before its real release
    SendOne(KeyInput('X', true));
    SendOne(KeyInput(VK_LCONTROL, true));
    CHECK(PumpUntil([] { return GetAsyncKeyState(VK_LCONTROL) >= 0 && GetAsyncKeyState('X') >= 0; }));
}

static int anRealTurns[2];          // real wheel turns of the program's: at the XAML window, beside it
static HWND hXamlWindow;
static LRESULT CALLBACK TurnProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_MOUSEWHEEL && GetMessageExtraInfo() == (LPARAM)OWN_INPUT_TAG)
        anRealTurns[hwnd == hXamlWindow ? 0 : 1]++;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_CASE("a real turn goes where it was meant, or nowhere, never beside it")
{
    MainWindow();
    RegisterClassOnce("Windows.UI.Core.CoreWindow", TurnProc);
    RegisterClassOnce("TurnNeighbour", TurnProc);
    hXamlWindow = CreateWindowExA(WS_EX_TOPMOST, "Windows.UI.Core.CoreWindow", "Xaml", WS_POPUP | WS_VISIBLE,
                                  100, 100, 300, 300, NULL, NULL, GetModuleHandleA(NULL), NULL);
    HWND beside = CreateWindowExA(WS_EX_TOPMOST, "TurnNeighbour", "Beside", WS_POPUP | WS_VISIBLE, 420,
                                  100, 300, 300, NULL, NULL, GetModuleHandleA(NULL), NULL);
    SetForegroundWindow(hXamlWindow);
    Command(IDM_START);
    Settings.nMessageType = MESSAGE_WHEEL;
    // The turn of a drag step waits to be injected while the pointer stays
    // where the step was made, moves within the window, or has left for the
    // window beside it.
    for (int x : {250, 260, 570}) {
        CAPTURE(x);
        anRealTurns[0] = anRealTurns[1] = 0;
        SendOne(AbsoluteMove(250, 150));
        PumpUntil([] { return Settings.nMouseY == 150; });
        SendOne(KeyInput(VK_LCONTROL, false));
        SendOne(AbsoluteMove(250, 200));
        CHECK(PumpHoldingGiveBack([] { return GiveBackNext(&HookTrigger()->give) != NULL; }));
        SendOne(AbsoluteMove(x, 200));               // sideways: no more vertical turns
        CHECK(PumpHoldingGiveBack([x] { return Settings.nMouseX == x; }));
        SendMessageA(MainWindow(), WM_GIVEBACK, 0, 0);
        SendOne(KeyInput(VK_LCONTROL, true));
        PumpPosted();
        CHECK(anRealTurns[0] == (x < 300 ? 1 : 0));
        CHECK(anRealTurns[1] == 0);
    }
    Command(IDM_STOP);
    DestroyWindow(beside);
    DestroyWindow(hXamlWindow);
    SendOne(AbsoluteMove(400, 400));
    PumpPosted();
}
