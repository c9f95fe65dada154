// Wheel delivery's window side: the user's wheel settings, the window that
// receives a tick's wheel messages, and posting them.
#pragma once
#include <windows.h>
#include "scroll/steps.h"

// Reads the lines and characters a wheel notch scrolls. Called at start and
// when the system's settings change, never per step.
void RefreshWheelSettings(void);

// Set by the hooks: queues a wheel turn of the program's own, injected once
// the hook has returned, in order with what the hooks give back. FALSE when
// it was dropped. NULL: every window gets posted messages.
extern int (*pfnQueueRealTurn)(int nDelta, int bHorizontal);

// Posts one wheel message per step to the deepest visible, enabled window
// of the target under the point (see scroll/wheel.h); stops when the tick's
// budget is spent. A receiver that reads only real input, with the pointer
// over the target, gets the tick's turns summed as real wheel turns instead.
// The caller has begun the tick's budget.
void DeliverWheelSteps(HWND target, const STEPSEGMENT *segments, int nSegments);
