// Wheel delivery's window side: the user's wheel settings, the window that
// receives a tick's wheel messages, and posting them.
#pragma once
#include <windows.h>
#include "scroll/steps.h"

// Reads the lines and characters a wheel notch scrolls. Called at start and
// when the system's settings change, never per step.
void RefreshWheelSettings(void);

// Posts one wheel message per step to the deepest visible, enabled window
// of the target under the point (see scroll/wheel.h); stops when the tick's
// budget is spent. The caller has begun the tick's budget.
void DeliverWheelSteps(HWND target, const STEPSEGMENT *segments, int nSegments);
