// Wheel delivery to real windows: the receiver is the deepest visible,
// enabled window under the point, whatever its class; one message per step
// with the turn in the high word, no key flags, the point in lParam.
#include <doctest.h>
#include "scroll/delivery.h"
#include "scroll/engine.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "scroll/step_posts.h"
#include "scroll/tick_budget.h"
#include "test_support.h"
#include <math.h>
#include <string.h>
#include <vector>

struct WHEELSEEN {
    HWND hwnd;
    UINT msg;
    int turn;
    int keys;
    int x, y;
};
static std::vector<WHEELSEEN> seen;
static int anLines[4];          // line codes seen: up, down, left, right

static LRESULT CALLBACK RecordProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_VSCROLL || msg == WM_HSCROLL) {
        anLines[(msg == WM_HSCROLL ? 2 : 0) + (LOWORD(wParam) == SB_LINEDOWN ? 1 : 0)]++;
        return 0;
    }
    if (msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL) {
        seen.push_back({hwnd, msg, (short)HIWORD(wParam), LOWORD(wParam),
                        (short)LOWORD(lParam), (short)HIWORD(lParam)});
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

static HWND Make(const char *cls, HWND parent, int x, int y, int w, int h, DWORD style = 0)
{
    WNDCLASSA wc = {};
    // A system class of the name (ComboBox) is stood in for by one of ours.
    if (!GetClassInfoA(GetModuleHandleA(NULL), cls, &wc) || wc.lpfnWndProc != RecordProc) {
        wc = WNDCLASSA{};
        wc.lpfnWndProc = RecordProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = cls;
        wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
        RegisterClassA(&wc);
    }
    DWORD s = parent ? WS_CHILD | WS_VISIBLE | style : WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    return CreateWindowExA(0, cls, "Wheel", s, x, y, w, h, parent, NULL, GetModuleHandleA(NULL),
                           NULL);
}

static void Reset(void)
{
    SetDefaultSettings();
    Settings.nScreenMaxX = 1023;
    Settings.nScreenMaxY = 767;
    Settings.bScrolling = 1;
    Settings.bEdgeRepeat = 0;
    Settings.nMessageType = MESSAGE_WHEEL;
    Settings.nWheelLineDelta = 40;       // three lines a notch
    Settings.nWheelCharDelta = 30;       // four characters a notch
    Settings.nWheelLines = 3;
    Settings.nWheelChars = 4;
    seen.clear();
    memset(anLines, 0, sizeof anLines);
}

static POINT ClientToScreenPt(HWND w, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(w, &p);
    return p;
}

TEST_CASE("the receiver is the deepest visible, enabled window under the point")
{
    Reset();
    HWND top = Make("WheelFrame", NULL, 100, 100, 400, 300);
    HWND pane = Make("WheelPane", top, 10, 10, 300, 200);         // a frame...
    HWND content = Make("WheelContent", pane, 20, 20, 200, 100);  // ...and its content
    HWND off = Make("WheelContent", pane, 230, 20, 50, 50, WS_DISABLED);
    HWND hidden = Make("WheelContent", top, 320, 10, 60, 60);
    ShowWindow(hidden, SW_HIDE);
    SetForegroundWindow(top);
    CHECK(PumpUntil([&] { return GetForegroundWindow() == top; }));

    struct { const char *where; POINT at; HWND receiver; } rows[] = {
        {"over the content", ClientToScreenPt(content, 5, 5), content},
        {"over the frame beside it", ClientToScreenPt(pane, 5, 150), pane},
        {"over a disabled child", ClientToScreenPt(off, 5, 5), pane},
        {"over a hidden child", ClientToScreenPt(top, 330, 20), top},
        {"over the caption", POINT{200, 102}, top},
    };
    for (auto &r : rows) {
        CAPTURE(r.where);
        seen.clear();
        Settings.nMouseX = r.at.x;
        Settings.nMouseY = r.at.y;
        ScrollChildren(top, SCROLL_DOWN);
        CHECK(PumpPosted());             // every message it posted is in
        REQUIRE(seen.size() == 1);
        CHECK(seen[0].hwnd == r.receiver);
        CHECK(seen[0].msg == (UINT)WM_MOUSEWHEEL);
        CHECK(seen[0].turn == -40);
        CHECK(seen[0].keys == 0);
        CHECK(seen[0].x == r.at.x);
        CHECK(seen[0].y == r.at.y);
    }

    // The cursor outside the window (on the taskbar, on the last row of the
    // screen): the middle of the client area, and the window found there.
    RECT rc;
    GetClientRect(top, &rc);
    POINT mid = ClientToScreenPt(top, rc.right / 2, rc.bottom / 2);
    seen.clear();
    Settings.nMouseX = 900;
    Settings.nMouseY = 767;
    ScrollChildren(top, SCROLL_UP);
    CHECK(PumpPosted());
    REQUIRE(seen.size() == 1);
    CHECK(seen[0].turn == 40);
    CHECK(seen[0].x == mid.x);
    CHECK(seen[0].y == mid.y);
    HWND under = WindowFromPoint(mid);
    CHECK(seen[0].hwnd == under);
    DestroyWindow(top);
}

TEST_CASE("one message per step, in order, to a window with no children; any class")
{
    Reset();
    HWND top = Make("Static9", NULL, 100, 100, 300, 200);   // a class the filter would refuse
    SetForegroundWindow(top);
    CHECK(PumpUntil([&] { return GetForegroundWindow() == top; }));
    Settings.nMouseX = 200;
    Settings.nMouseY = 200;
    STEPSEGMENT steps[2] = {{{SCROLL_LEFT, SCROLL_LEFT}, 1, 3}, {{SCROLL_RIGHT, SCROLL_UP}, 2, 2}};
    DeliverSteps(top, steps, 2);
    CHECK(PumpPosted());
    REQUIRE(seen.size() == 7);
    const int turns[7] = {-30, -30, -30, 30, 40, 30, 40};
    for (int i = 0; i < 7; i++) {
        CAPTURE(i);
        CHECK(seen[i].hwnd == top);
        CHECK(seen[i].msg == (turns[i] == 40 ? (UINT)WM_MOUSEWHEEL : (UINT)WM_MOUSEHWHEEL));
        CHECK(seen[i].turn == turns[i]);
    }

    // Through the engine: the edge and nScrollTimes as in the other types.
    seen.clear();
    Settings.nScrollTimes = 4;
    OnMouseReport(200, 0);
    CHECK(PumpPosted());
    CHECK(seen.size() == 4);
    // The cursor at the top edge lies outside the window: the client's middle.
    RECT rc;
    GetClientRect(top, &rc);
    POINT mid = ClientToScreenPt(top, rc.right / 2, rc.bottom / 2);
    CHECK(seen[0].x == mid.x);
    CHECK(seen[0].y == mid.y);

    // Two billion steps still make a bounded tick.
    Settings.nScrollTimes = 2000000000;
    DWORD start = GetTickCount();
    OnMouseReport(200, 0);
    CHECK(GetTickCount() - start < 600);
    DestroyWindow(top);
    MSG m;
    while (PeekMessageA(&m, NULL, 0, 0, PM_REMOVE))   // drop what was posted
        ;
}

TEST_CASE("Automatic: each window the way its class wants, a drag as a smooth amount")
{
    // A drag of 60 one-pixel reports, down or right, with the hold key held.
    // At sensitivity 5 and three lines (four characters) a notch, a pixel is
    // 8 units down or 6 units right: 480 or 360 for the whole drag (the first
    // pixels wait until the drag has gone further than the sensitivity, then
    // go with it).
    struct {
        const char *cls;
        DWORD style;
        int dx, dy;
        int wheels;            // -1: any number of wheel messages, else exactly
        int sum;               // their deltas together, vertical or horizontal
        int quantum;           // every delta a multiple of it
        int lines[4];
    } rows[] = {
        {"Chrome_RenderWidgetHostHWND", 0, 0, 1, -1, -480, 1, {0, 0, 0, 0}},
        {"HwndWrapper[Test;;1]", 0, 0, 1, -1, -480, 120, {0, 0, 0, 0}},
        {"HwndWrapper[Test;;2]", 0, 1, 0, 0, 0, 1, {0, 0, 0, 0}},     // never sideways
        {"EXCEL7", 0, 1, 0, 0, 0, 1, {0, 0, 0, 12}},                   // 360 / 30
        {"Edit", WS_HSCROLL, 1, 0, 0, 0, 1, {0, 0, 0, 12}},
        {"Edit", WS_HSCROLL, 0, 1, -1, -480, 1, {0, 0, 0, 0}},
        {"ComboBox", 0, 0, 1, 0, 0, 1, {0, 0, 0, 0}},                  // never scrolled
    };
    for (auto &r : rows) {
        CAPTURE(r.cls);
        Reset();
        Settings.nMessageType = MESSAGE_AUTO;
        HWND top = Make(r.cls, NULL, 100, 100, 300, 200);
        if (r.style)
            SetWindowLongA(top, GWL_STYLE, GetWindowLongA(top, GWL_STYLE) | r.style);
        SetForegroundWindow(top);
        CHECK(PumpUntil([&] { return GetForegroundWindow() == top; }));
        OnMouseReport(200, 150);
        OnKeyReport(17, 1);
        for (int i = 1; i <= 60; i++)
            OnMouseReport(200 + r.dx * i, 150 + r.dy * i);
        OnKeyReport(17, 0);
        // What waited for its gap comes from the timer.
        int sum = 0;
        PumpUntil([&] {
            sum = 0;
            for (const WHEELSEEN &w : seen)
                sum += w.turn;
            return sum == r.sum && seen.size() >= (size_t)(r.wheels < 0 ? 1 : r.wheels) &&
                   anLines[3] >= r.lines[3];
        }, 2000);
        PumpPosted();
        CHECK(sum == r.sum);
        if (r.wheels >= 0)
            CHECK(seen.size() == (size_t)r.wheels);
        for (const WHEELSEEN &w : seen) {
            CHECK(w.hwnd == top);
            CHECK(w.turn % r.quantum == 0);
            CHECK(w.keys == 0);
        }
        for (int k = 0; k < 4; k++)
            CHECK(anLines[k] == r.lines[k]);
        DestroyWindow(top);
    }
}

static LRESULT CALLBACK MainStandInProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_POSTSTEPS) {
        PostQueuedSteps();
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_CASE("inside a hook call, wheel messages leave once it has returned, while programs may "
          "read them")
{
    Reset();
    WNDCLASSA wc = {};
    wc.lpfnWndProc = MainStandInProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "Veltrac Main Stand-in";
    RegisterClassA(&wc);
    HWND hMain = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL,
                                 wc.hInstance, NULL);
    HWND top = Make("Static9", NULL, 100, 100, 300, 200);
    Settings.hMainWnd = hMain;
    Settings.nMouseX = 200;
    Settings.nMouseY = 200;
    // What programs came to have between the hook call and its posts.
    struct { const char *between; int bModifierDown, bReleased; size_t nWheels; } rows[] = {
        {"nothing", 0, 0, 3},
        {"Control went down", 1, 0, 0},
        {"Control came up, its release maybe not read yet", 0, 1, 0},
    };
    for (auto &r : rows) {
        CAPTURE(r.between);
        seen.clear();
        STEPSEGMENT steps[1] = {{{SCROLL_DOWN}, 1, 3}};
        TICKBUDGET budget;
        BeginEventBudget(&budget);
        DeliverSteps(top, steps, 1);
        EndTickBudget(&budget);
        MSG m;
        CHECK_FALSE(PeekMessageA(&m, top, WM_MOUSEWHEEL, WM_MOUSEWHEEL, PM_NOREMOVE));
        SetProgramInput(0, r.bModifierDown);
        if (r.bReleased)
            NoteModifierReleased();
        CHECK(PumpPosted());
        CHECK(seen.size() == r.nWheels);
        SetProgramInput(0, 0);
        // Right after a release only real input may go, for a moment.
        CHECK(PumpUntil([] { return WheelWayNow() == WHEEL_WAY_POST; }, 5000));
    }
    Settings.hMainWnd = NULL;
    DestroyWindow(top);
    DestroyWindow(hMain);
}
