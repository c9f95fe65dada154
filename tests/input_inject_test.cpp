// What the program injects when it gives input back: the button flags as
// SendInput takes them (before a left-handed swap, while the hooks report
// buttons after it), and pixels as absolute coordinates over the desktop.
#include <doctest.h>
#include "input/inject.h"

TEST_CASE("a given-back button is the one the user pressed, swapped buttons or not")
{
    struct { int code, down, swapped; DWORD flags, data; } rows[] = {
        {TRIG_LEFT, 1, 0, MOUSEEVENTF_LEFTDOWN, 0},
        {TRIG_LEFT, 0, 0, MOUSEEVENTF_LEFTUP, 0},
        {TRIG_LEFT, 1, 1, MOUSEEVENTF_RIGHTDOWN, 0},
        {TRIG_RIGHT, 0, 1, MOUSEEVENTF_LEFTUP, 0},
        {TRIG_RIGHT, 1, 0, MOUSEEVENTF_RIGHTDOWN, 0},
        {TRIG_MIDDLE, 1, 1, MOUSEEVENTF_MIDDLEDOWN, 0},
        {TRIG_X1, 0, 1, MOUSEEVENTF_XUP, XBUTTON1},
        {TRIG_X2, 1, 0, MOUSEEVENTF_XDOWN, XBUTTON2},
    };
    for (auto &r : rows) {
        CAPTURE(r.code);
        CAPTURE(r.swapped);
        DWORD data = 99;
        CHECK(ButtonInputFlags(r.code, r.down, r.swapped, &data) == r.flags);
        CHECK(data == r.data);
    }
}

TEST_CASE("pixels as absolute coordinates land back on the same pixel")
{
    // The system maps back with x * size / 65536, or x * (size - 1) / 65535.
    struct { int origin, size; } desktops[] = {{0, 1024}, {-1920, 3840}, {0, 1}, {-32768, 65536}};
    for (auto &d : desktops) {
        CAPTURE(d.size);
        for (int p = d.origin; p < d.origin + d.size; p += d.size > 7 ? d.size / 7 : 1) {
            CAPTURE(p);
            long long a = AbsoluteCoordinate(p, d.origin, d.size);
            CHECK(a >= 0);
            CHECK(a <= 65535);
            CHECK(d.origin + a * d.size / 65536 == p);
            if (d.size > 1)
                CHECK(d.origin + (a * (d.size - 1) + 32767) / 65535 == p);
        }
    }
}
