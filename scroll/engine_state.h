// What the engine alone keeps of a drag, shared by the two files of the
// engine (engine.cpp, drag.cpp) and no one else: no file or dialog holds it.
#pragma once
#include <windows.h>
#include "scroll/smooth.h"

struct ENGINESTATE {
    int bHoldKeyDown;         // each trigger on its own, for the "Mouse wheel" type,
    int bMiddleDown;          // where each drags only when its own option is on
    unsigned nDragTicks;      // ticks that delivered drag steps, ever
    int bDragLocked;          // locked: moves drag as if the hold key were held
    int nDragAxis;            // the axis a one-axis drag keeps (DRAG_AXIS_*), 0 none yet
    int nDragSumX, nDragSumY; // "Mouse wheel" type: distance dragged since the last step
    int nGlideDirection;      // the direction of the drag's last step
    SMOOTHDRAG smooth;        // "Automatic" type: the drag's moves as distance
    // The window under the pointer that the drag scrolls, with the option.
    HWND hDragTarget;
    RECT rcDragTarget;
    BOOL bDragTargetFound;
    // The window in front when the lock began: the lock ends when another
    // comes to the front, as a browser's autoscroll ends when focus leaves it.
    HWND hLockFront;
};
extern ENGINESTATE Engine;

// Whether a drag is held now: a trigger, or the lock.
int DragHeld(void);
// After a change of the triggers or the lock: a drag that started or ended
// starts afresh (bWas: whether one was held before).
void DragChanged(bool bWas);
// The lock ends when another window comes to the front. TRUE when it did.
BOOL EndLockIfFrontChanged(void);
