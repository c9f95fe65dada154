// The desktop's monitors as the engine and start-up see them: gathered from
// the system when the program starts and whenever the display or the work
// area changes, never per input event.
#pragma once

// Refills the monitor and work-area rectangles of the Settings record and
// the primary screen's maxima (nScreenMaxX, nScreenMaxY).
void RefreshMonitors(void);

// The edges (EDGE_LEFT... of scroll/edge_bands.h) the cursor is at now.
int CursorEdgeSides(int x, int y);
