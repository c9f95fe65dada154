// Where the main window opens, as a table over monitor layouts: a saved
// corner on a monitor stays; one on no monitor comes onto the nearest
// monitor's work area, the whole window inside it.
#include <doctest.h>
#include "app/placement.h"
#include <vector>

TEST_CASE("a saved position on no monitor moves onto the nearest work area")
{
    // Two monitors side by side, the second taller with a taskbar on its left.
    std::vector<SCREENRECT> monitors = {{0, 0, 1024, 768}, {1024, -200, 2304, 824}};
    std::vector<SCREENRECT> work = {{0, 0, 1024, 728}, {1084, -200, 2304, 824}};
    struct { int x, y, ex, ey; } rows[] = {
        {137, 211, 137, 211},              // on the first monitor: where it was
        {1500, -100, 1500, -100},          // on the second, above the first's top
        {1030, 400, 1030, 400},            // under the second's taskbar: still on a monitor
        {-32000, -32000, 0, 0},            // a minimised window's place
        {5000, 300, 2304 - 170, 300},      // right of everything: against the far side
        {300, 5000, 300, 728 - 100},       // below the first: above its taskbar
        {1100, 900, 1100, 824 - 100},      // below the second
        {0, -150, 0, 0},                   // above the first, beside the second
        {1023, 770, 1084, 824 - 100},      // nearer the second: right of its taskbar
        {PLACE_DEFAULT, 5, PLACE_DEFAULT, 5},          // the system places it
    };
    for (auto &r : rows) {
        CAPTURE(r.x);
        CAPTURE(r.y);
        int x = r.x, y = r.y;
        PlaceOnDesktop(&x, &y, 170, 100, monitors.data(), work.data(), (int)monitors.size());
        CHECK(x == r.ex);
        CHECK(y == r.ey);
    }
}

TEST_CASE("a window larger than the work area starts at its top left; no monitors, no change")
{
    SCREENRECT monitor = {0, 0, 640, 480}, work = {0, 0, 640, 440};
    int x = -5000, y = 9000;
    PlaceOnDesktop(&x, &y, 800, 600, &monitor, &work, 1);
    CHECK(x == 0);
    CHECK(y == 0);
    x = -5000;
    y = 9000;
    PlaceOnDesktop(&x, &y, 170, 100, &monitor, &work, 0);
    CHECK(x == -5000);
    CHECK(y == 9000);
}
