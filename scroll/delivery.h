// The one door through which scroll steps leave the program, within the
// tick's time budget: line-scroll messages to the target's descendants that
// pass the class filter, sent or posted, or, in the "Mouse wheel" type, wheel
// messages posted to the one window under the point.
#pragma once
#include <windows.h>
#include "scroll/steps.h"

// The class filter: whether this child takes the classic scroll messages.
BOOL IsScrollableChild(HWND child);

// All steps of one tick: the same messages in the same order as one walk of
// the descendants per step, but the descendants are walked once, and the
// steps that do not fit in the tick's budget are dropped.
void DeliverSteps(HWND target, const STEPSEGMENT *segments, int nSegments);

// One step: one message of the direction to every qualifying descendant.
void ScrollChildren(HWND target, int direction);
