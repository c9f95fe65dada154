// Where the main window opens. A saved position that lies on no monitor (the
// desktop changed since, or an older copy saved the -32000 of a minimised
// window) is brought onto the nearest monitor's work area. No window calls.
#pragma once
#include "scroll/steps.h"

// CW_USEDEFAULT, as a settings file stores it: the system picks the place.
#define PLACE_DEFAULT ((int)0x80000000)

// Adjusts *pX, *pY (the window's top-left corner) for a window of the given
// size; leaves them alone when x is the default or the corner lies on a
// monitor. monitors[i] and workAreas[i] describe the same monitor.
void PlaceOnDesktop(int *pX, int *pY, int nWidth, int nHeight, const SCREENRECT *monitors,
                    const SCREENRECT *workAreas, int nMonitors);
