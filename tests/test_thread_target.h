// A target window on a thread of its own, so that the thread that injects
// input or runs the engine is never the one that must answer a sent scroll
// message. Its children count what they receive with interlocked counters,
// can be made to answer slowly, and can run an action of the test's at their
// first scroll message.
#pragma once
#include <windows.h>

struct THREADTARGET;

struct THREADTARGETOPTIONS {
    const char *szTitle;
    // A class the filter passes, and none of test_support's, e.g. "ThrdEdit".
    const char *szChildClass;
    int nChildren;
    DWORD dwSlowMs;               // each scroll message takes this long to answer
    void (*pfnFirstScroll)(void *context);   // runs once, inside the first one
    void *pContext;
};

// Creates the window with its children, shows it and makes it the
// foreground window; NULL if the thread could not set it up.
THREADTARGET *StartThreadTarget(const THREADTARGETOPTIONS &options);
HWND ThreadTargetWindow(const THREADTARGET *t);
// Scroll messages (WM_VSCROLL/WM_HSCROLL) handled by all children so far.
long ThreadTargetScrolls(const THREADTARGET *t);
// Scroll messages by direction, all children together, once everything
// posted so far has been handled (at most ms).
struct DIRECTIONCOUNTS {
    long nUp, nDown, nLeft, nRight;
};
DIRECTIONCOUNTS ThreadTargetDirections(THREADTARGET *t, int ms);
// Wheel messages (WM_MOUSEWHEEL/WM_MOUSEHWHEEL) handled so far.
long ThreadTargetWheels(const THREADTARGET *t);
// Waits until everything posted to the thread so far has been handled (at
// most ms) and returns the scroll and wheel messages counted by then; -1
// when the deadline passed first (then every count is -1 too).
long ThreadTargetSettle(THREADTARGET *t, int ms);
// Ends the thread and its windows, dropping whatever is still queued.
void StopThreadTarget(THREADTARGET *t);
