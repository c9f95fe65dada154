// What the program injects when it gives input back: the button flags as
// SendInput takes them (before a left-handed swap, while the hooks report
// buttons after it), and pixels as absolute coordinates over the desktop.
#include <doctest.h>
#include "input/inject.h"

// How the system turns SendInput's flags into the button the hooks report:
// the hardware's left and right trade places when the buttons are swapped.
static int Reported(DWORD flags, DWORD data, int bSwapped, int *pbDown)
{
    *pbDown = (flags & (MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_MIDDLEDOWN |
                        MOUSEEVENTF_XDOWN)) != 0;
    if (flags & (MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP))
        return bSwapped ? TRIG_RIGHT : TRIG_LEFT;
    if (flags & (MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP))
        return bSwapped ? TRIG_LEFT : TRIG_RIGHT;
    if (flags & (MOUSEEVENTF_MIDDLEDOWN | MOUSEEVENTF_MIDDLEUP))
        return TRIG_MIDDLE;
    if (flags & (MOUSEEVENTF_XDOWN | MOUSEEVENTF_XUP))
        return data == XBUTTON1 ? TRIG_X1 : data == XBUTTON2 ? TRIG_X2 : 0;
    return 0;
}

TEST_CASE("a given-back button is the one the user pressed, swapped buttons or not")
{
    // Every button, both ways, both hands: given back, the system reports
    // the very press or release the hooks saw.
    for (int code = TRIG_LEFT; code <= TRIG_X2; code++)
        for (int down = 0; down < 2; down++)
            for (int swapped = 0; swapped < 2; swapped++) {
                CAPTURE(code);
                CAPTURE(down);
                CAPTURE(swapped);
                DWORD data = 99;
                DWORD flags = ButtonInputFlags(code, down, swapped, &data);
                int bDown = -1;
                CHECK(Reported(flags, data, swapped, &bDown) == code);
                CHECK(bDown == down);
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
