// The arithmetic of wheel delivery: how far one scroll step turns the wheel,
// where the wheel messages say the cursor is, and which message and wParam a
// direction makes. No window calls.
#pragma once
#include "scroll/steps.h"

#define WHEEL_NOTCH 120                  // WHEEL_DELTA: one notch of a wheel

// One line: a notch divided by the lines (or, horizontally, characters) a
// notch scrolls in the user's settings, at least 1; a whole notch when the
// setting is 0 or "one page at a time" (0xFFFFFFFF).
int WheelStepDelta(unsigned int nPerNotch);

// The point of a tick's wheel messages: the cursor when it lies in the
// target's window rectangle, else the middle of the target's client area
// (rectangles in screen coordinates).
void WheelPoint(int cursorX, int cursorY, const SCREENRECT &window, const SCREENRECT &client,
                int *pX, int *pY);

// WM_MOUSEWHEEL for Up and Down, WM_MOUSEHWHEEL for Left and Right.
unsigned int WheelMessage(int direction);
// The signed turn of one step: Up and Right turn forward (positive).
int WheelTurn(int direction, int nVerticalDelta, int nHorizontalDelta);
