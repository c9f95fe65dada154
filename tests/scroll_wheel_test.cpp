// Wheel delivery's arithmetic: the turn of one step, the point, the message.
#include <doctest.h>
#include "scroll/wheel.h"

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
