// The edge rule over tables of monitor layouts: a band lies only along a side
// of the desktop with no monitor beyond it.
#include <doctest.h>
#include "scroll/edge_bands.h"
#include <string>
#include <vector>

static std::string Names(int sides)
{
    std::string s;
    if (sides & EDGE_LEFT) s += "L";
    if (sides & EDGE_RIGHT) s += "R";
    if (sides & EDGE_TOP) s += "T";
    if (sides & EDGE_BOTTOM) s += "B";
    return s;
}

struct LAYOUT {
    const char *name;
    std::vector<SCREENRECT> monitors;
};

struct ROW {
    int layout;
    int x, y, margin;
    const char *sides;
};

TEST_CASE("edge bands over monitor layouts")
{
    const LAYOUT layouts[] = {
        {"one 1024x768", {{0, 0, 1024, 768}}},
        {"second to the right", {{0, 0, 1024, 768}, {1024, 0, 2304, 1024}}},
        {"second below", {{0, 0, 1024, 768}, {0, 768, 1024, 1536}}},
        {"second to the left, negative origin", {{0, 0, 1024, 768}, {-1280, -200, 0, 824}}},
        {"second above", {{0, 0, 1024, 768}, {200, -600, 1000, 0}}},
        {"gap between the two", {{0, 0, 1024, 768}, {1100, 0, 2124, 768}}},
        {"the same screen twice (Xinerama heads at 0,0)", {{0, 0, 1024, 768}, {0, 0, 1024, 768}}},
    };
    const ROW rows[] = {
        // One monitor: exactly "x <= margin" and its siblings.
        {0, 500, 400, 0, ""},
        {0, 0, 400, 0, "L"},
        {0, 1023, 400, 0, "R"},
        {0, 500, 0, 0, "T"},
        {0, 500, 767, 0, "B"},
        {0, 0, 0, 0, "LT"},
        {0, 4, 400, 4, "L"},
        {0, 5, 400, 4, ""},
        {0, -300, 400, 0, "L"},          // made-up reports off the screen
        {0, 500, -20, 0, "T"},
        {0, 2000, 900, 0, "RB"},
        {0, 500, 400, 600, "LRTB"},      // a margin past the middle: both sides
        {0, -1, 400, -1, "L"},           // a negative margin narrows the bands
        {0, 0, 400, -1, ""},
        {0, 500, 400, 2147483647, "LRTB"},
        {0, 500, 400, -2147483647 - 1, ""},
        // A monitor to the right: the shared side is no edge.
        {1, 1023, 400, 0, ""},
        {1, 1024, 400, 0, ""},
        {1, 2303, 400, 0, "R"},
        {1, 1500, 0, 0, "T"},
        {1, 1500, 1023, 0, "B"},         // the taller monitor's own bottom
        {1, 500, 767, 0, "B"},
        {1, 1024, 900, 0, "L"},          // nothing left of it below the first one
        {1, 1020, 400, 9, ""},           // a thick band stops at the neighbour...
        {1, 1014, 400, 9, ""},
        {1, 2294, 400, 9, "R"},          // ...and works at the far side
        // Stacked.
        {2, 500, 767, 0, ""},
        {2, 500, 768, 0, ""},
        {2, 500, 1535, 0, "B"},
        {2, 0, 1000, 0, "L"},
        // Left of the primary, negative origin.
        {3, 0, 400, 0, ""},
        {3, -1, 400, 0, ""},
        {3, -1280, 400, 0, "L"},
        {3, -600, -200, 0, "T"},
        {3, 500, 0, 0, "T"},
        {3, -5, 823, 0, "B"},
        {3, -5, 800, 0, ""},
        // Above, narrower.
        {4, 500, 0, 0, ""},
        {4, 100, 0, 0, "T"},             // beside the upper monitor: still the top
        {4, 500, -600, 0, "T"},
        {4, 200, -300, 0, "L"},
        // A gap: each monitor's facing side is an edge.
        {5, 1023, 400, 0, "R"},
        {5, 1100, 400, 0, "L"},
        {5, 1050, 400, 0, "R"},          // in the gap: beyond the nearer monitor's side
        // Duplicated heads behave as one screen.
        {6, 0, 400, 0, "L"},
        {6, 1023, 767, 0, "RB"},
        {6, 500, 400, 0, ""},
    };
    for (const ROW &r : rows) {
        const LAYOUT &l = layouts[r.layout];
        CAPTURE(l.name);
        CAPTURE(r.x);
        CAPTURE(r.y);
        CAPTURE(r.margin);
        CHECK(Names(EdgeSides(r.x, r.y, r.margin, l.monitors.data(), (int)l.monitors.size())) ==
              r.sides);
    }
    CHECK(EdgeSides(0, 0, 0, NULL, 0) == 0);
}
