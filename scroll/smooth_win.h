// The "Automatic" message type's delivery: amounts of wheel delta to the
// receiver under the point, in the way its table row says (scroll/
// receiver.h), smoothly where it takes exact amounts. Posting only.
#pragma once
#include <windows.h>
#include "scroll/steps.h"

// A drag's distance in pixels, as the drag options turned it (down and right
// positive, as the steps they stand for scroll).
void DeliverSmoothDrag(HWND target, int dx, int dy);
// Edge, arrow-key and glide steps keep their lines: a line's delta each.
void DeliverAutoSteps(HWND target, const STEPSEGMENT *segments, int nSegments);
// Whether the receiver under the pointer is one the table never scrolls (a
// trigger pressed there is left to programs).
BOOL NeverScrolledAt(HWND target, POINT pt);
// Amounts still waiting are dropped (OFF, another type).
void ForgetSmooth(void);
