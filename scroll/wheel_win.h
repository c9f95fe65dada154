// Wheel delivery's window side: the user's wheel settings, the window that
// receives a tick's wheel messages, and posting them.
#pragma once
#include <windows.h>
#include "scroll/steps.h"

// Reads the lines and characters a wheel notch scrolls. Called at start and
// when the system's settings change, never per step.
void RefreshWheelSettings(void);

// Set by the hooks (the one call from delivery up into input/): queues a
// wheel turn of the program's own for the receiver, injected once the hook
// has returned, in order with what the hooks give back, and only while the
// pointer is still over the receiver. FALSE when it was dropped. NULL: every
// window gets posted messages.
extern int (*pfnQueueRealTurn)(int nDelta, int bHorizontal, HWND hReceiver);

// Whether wheel turns can reach the target now (the engine asks before it
// spends a drag's distance): not while a modifier is down for programs, and
// right after one was let go only where the pointer is over it.
int WheelMayDeliver(HWND target);

// Where a tick's wheel turns go: the receiver (the deepest visible, enabled
// window of the target under the point), the point the messages carry (the
// cursor when it lies in the target's window, else the middle of its client
// area), whether the cursor is in the target's window, whether the receiver
// is the system's own window under the point, and whether it reads only real
// input. Kept for a moment while the point stays on the receiver. FALSE
// when the target is gone.
struct WHEELPLACE {
    HWND hReceiver;
    int x, y;
    bool bAtCursor, bUnder, bReal;
};
BOOL FindWheelPlace(HWND target, WHEELPLACE *w);
// The receiver went away or refused a message: look again next time.
void ForgetWheelPlace(void);

// Posts one wheel message per step to the deepest visible, enabled window
// of the target under the point (see scroll/wheel.h); stops when the tick's
// budget is spent. A receiver that reads only real input, with the pointer
// over the target, gets the tick's turns summed as real wheel turns instead.
// The caller has begun the tick's budget.
void DeliverWheelSteps(HWND target, const STEPSEGMENT *segments, int nSegments);
