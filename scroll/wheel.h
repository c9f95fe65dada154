// The arithmetic of wheel delivery: how far one scroll step turns the wheel,
// where the wheel messages say the cursor is, which message and wParam a
// direction makes, which windows read only real input, and a tick's turns
// summed into one real wheel event. No window calls.
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

// v itself when lo <= v < hi, else the nearest of them: the point of a
// message kept inside a rectangle (hi exclusive, as RECT has it).
int NearestInside(int v, int lo, int hi);

// WM_MOUSEWHEEL for Up and Down, WM_MOUSEHWHEEL for Left and Right.
unsigned int WheelMessage(int direction);
// The signed turn of one step: Up and Right turn forward (positive).
int WheelTurn(int direction, int nVerticalDelta, int nHorizontalDelta);

// Windows built on XAML (Settings, Store, Calculator, Photos, the new
// Notepad, Windows Terminal, WinUI 3 programs) ignore wheel messages posted
// or sent to them and read only real input. A window reads only real input
// when it, or an ancestor up to the target, has one of these classes (a class
// found later is one more line of the table).
int IsRealInputClass(const char *szClass);

// A tick's turns for a window that reads only real input: one event per
// direction, in the order the directions first come, each the sum of its
// steps' turns clamped to what a wheel event's 16-bit delta carries (the rest
// is dropped, like steps over the tick's budget). Returns how many.
struct REALTURN {
    int nDelta;          // signed, as WheelTurn gives it
    int bHorizontal;
};
int SumRealTurns(const STEPSEGMENT *segments, int nSegments, int nVerticalDelta,
                 int nHorizontalDelta, REALTURN aTurns[4]);
