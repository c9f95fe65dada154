// Which edges of the desktop the cursor is pushed against, over any layout of
// monitors: plain arithmetic on the cursor, the margin and the monitors'
// rectangles, so the rule tests as a table of layouts.
#pragma once
#include "scroll/steps.h"

#define EDGE_LEFT   1
#define EDGE_RIGHT  2
#define EDGE_TOP    4
#define EDGE_BOTTOM 8

// The sides whose band holds the cursor. A band is nMargin + 1 pixels thick
// and lies only along a side of the desktop with no monitor beyond it: the
// cursor is at the left edge when the point nMargin + 1 pixels further left
// is on no monitor. With one monitor this is x <= left + nMargin, and so on.
// Both sides of an axis may be reported (a margin past the middle).
int EdgeSides(int x, int y, int nMargin, const SCREENRECT *monitors, int nMonitors);
