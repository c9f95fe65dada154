// Choosing the window to scroll and delivering line-scroll messages to the
// qualifying descendants of it.
#pragma once
#include <windows.h>

enum { SCROLL_UP, SCROLL_DOWN, SCROLL_LEFT, SCROLL_RIGHT };

// A tick's steps, in order: each segment repeats its one or two directions
// nRepeat times (a drag pass yields up to one horizontal and one vertical
// step, and later passes repeat a fixed pattern).
struct STEPSEGMENT {
    int anDirection[2];
    int nDirections;
    int nRepeat;
};
#define MAX_TICK_SEGMENTS 4

HWND FindTargetWindow(void);
BOOL IsScrollableChild(HWND child);

// One step: one message of the direction to every qualifying descendant.
void ScrollChildren(HWND target, int direction);

// All steps of one tick from a single walk of the descendants: the same
// messages in the same order as one ScrollChildren call per step.
void ScrollChildrenSteps(HWND target, const STEPSEGMENT *segments, int nSegments);
