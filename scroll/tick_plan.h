// The edge and drag decisions of one scroll tick, as plain arithmetic on the
// cursor positions and options: no window calls, so they test as tables.
#pragma once
#include "scroll/target.h"

struct TICKPLAN {
    STEPSEGMENT aSegments[MAX_TICK_SEGMENTS];
    int nSegments;
};

// Edge steps: nScrollTimes Left or Right, then nScrollTimes Up or Down.
void PlanEdgeSteps(TICKPLAN *plan, int x, int y, int nMargin, int nMaxX, int nMaxY,
                   int nTimes);

// Drag passes: moves *lastX / *lastY to the cursor on every step, exactly as
// nTimes passes one after the other would.
void PlanDragSteps(TICKPLAN *plan, int x, int y, int *lastX, int *lastY,
                   int nSensitivity, int nTimes);

// True when the cursor lies in none of the four edge bands.
int IsAwayFromEdges(int x, int y, int nMargin, int nMaxX, int nMaxY);
