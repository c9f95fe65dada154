// Wheel delivery's arithmetic: the turn of one step, the point, the message.
#include <doctest.h>
#include "scroll/wheel.h"
#include <initializer_list>

TEST_CASE("one step turns the wheel by one line of the user's setting")
{
    struct { unsigned perNotch; int delta; } rows[] = {
        {3, 40}, {1, 120}, {2, 60}, {7, 17}, {120, 1}, {121, 1}, {1000, 1},
        {0, 120},                       // scrolling off in the settings: a whole notch
        {0xFFFFFFFFu, 120},             // one page at a time: a whole notch
    };
    for (auto &r : rows) {
        CAPTURE(r.perNotch);
        CHECK(WheelStepDelta(r.perNotch) == r.delta);
    }
}

TEST_CASE("the point: the cursor inside the target's window, else the middle of its client area")
{
    SCREENRECT window = {100, 50, 500, 350}, client = {104, 80, 496, 346};
    struct { int cx, cy, x, y; } rows[] = {
        {300, 200, 300, 200},
        {100, 50, 100, 50},             // the window's first pixel
        {499, 349, 499, 349},           // and its last
        {500, 200, 300, 213},           // one past the right edge
        {300, 767, 300, 213},           // the screen's last row, below the window
        {-40, -40, 300, 213},
    };
    for (auto &r : rows) {
        CAPTURE(r.cx);
        CAPTURE(r.cy);
        int x = 0, y = 0;
        WheelPoint(r.cx, r.cy, window, client, &x, &y);
        CHECK(x == r.x);
        CHECK(y == r.y);
    }
}

TEST_CASE("directions: Up and Right turn forward, vertical and horizontal wheels")
{
    CHECK(WheelMessage(SCROLL_UP) == 0x020Au);
    CHECK(WheelMessage(SCROLL_DOWN) == 0x020Au);
    CHECK(WheelMessage(SCROLL_LEFT) == 0x020Eu);
    CHECK(WheelMessage(SCROLL_RIGHT) == 0x020Eu);
    CHECK(WheelTurn(SCROLL_UP, 40, 30) == 40);
    CHECK(WheelTurn(SCROLL_DOWN, 40, 30) == -40);
    CHECK(WheelTurn(SCROLL_RIGHT, 40, 30) == 30);
    CHECK(WheelTurn(SCROLL_LEFT, 40, 30) == -30);
}

TEST_CASE("windows that read only real input, and a tick's turns summed for them")
{
    for (const char *c : {"Windows.UI.Core.CoreWindow", "ApplicationFrameWindow",
                          "Windows.UI.Input.InputSite.WindowClass",
                          "Windows.UI.Composition.DesktopWindowContentBridge",
                          "InputSiteWindowClass", "Microsoft.UI.Content.DesktopChildSiteBridge",
                          "WinUIDesktopWin32WindowClass", "CASCADIA_HOSTING_WINDOW_CLASS"})
        CHECK(IsRealInputClass(c));
    for (const char *c : {"Chrome_RenderWidgetHostHWND", "windows.ui.core.corewindow", "Edit",
                          "ApplicationFrameWindow2", ""})
        CHECK_FALSE(IsRealInputClass(c));

    struct { STEPSEGMENT seg[2]; int nSeg; int n; REALTURN turns[3]; } rows[] = {
        {{{{SCROLL_DOWN, SCROLL_DOWN}, 1, 3}}, 1, 1, {{-120, 0}}},
        // Drag passes of Right and Down: one event each, in first-come order.
        {{{{SCROLL_RIGHT, SCROLL_DOWN}, 2, 2}}, 1, 2, {{60, 1}, {-80, 0}}},
        {{{{SCROLL_UP, SCROLL_UP}, 1, 1}, {{SCROLL_DOWN, SCROLL_DOWN}, 1, 2}}, 2, 2, {{40, 0}, {-80, 0}}},
        // Two billion steps: what a 16-bit delta carries, the rest dropped.
        {{{{SCROLL_UP, SCROLL_UP}, 1, 2000000000}}, 1, 1, {{32767, 0}}},
        {{{{SCROLL_LEFT, SCROLL_LEFT}, 1, 2000000000}}, 1, 1, {{-32767, 1}}},
        {{{{SCROLL_UP, SCROLL_UP}, 1, 0}}, 1, 0, {}},
    };
    for (auto &r : rows) {
        CAPTURE(r.n);
        REALTURN got[4] = {};
        REQUIRE(SumRealTurns(r.seg, r.nSeg, 40, 30, got) == r.n);
        for (int i = 0; i < r.n; i++) {
            CHECK(got[i].nDelta == r.turns[i].nDelta);
            CHECK(got[i].bHorizontal == r.turns[i].bHorizontal);
        }
    }
}
