// Targets that count what they get: one window procedure that counts the
// scroll messages (by line code), wheel messages (by direction, and those
// that came as the program's own real input) and can answer slowly or run
// an action at its first scroll message; and a target window with children
// of a chosen class on a thread of its own, so that the thread that injects
// input or runs the engine is never the one that must answer a sent scroll
// message. That thread can be made to hang.
#pragma once
#include <windows.h>
#include <string>

enum { DIR_UP, DIR_DOWN, DIR_LEFT, DIR_RIGHT, DIR_COUNT };

struct WINDOWCOUNTS {
    volatile LONG nScrolls;               // every WM_VSCROLL and WM_HSCROLL
    volatile LONG anScrolls[DIR_COUNT];   // their line codes
    volatile LONG anWheels[DIR_COUNT];    // WM_MOUSEWHEEL and WM_MOUSEHWHEEL by direction
    volatile LONG nTagged;                // wheels with the program's input tag (real input)
    volatile LONG nBadLParam;             // scroll messages whose lParam was not the window
};

// How a counting window answers, and where it counts (shared by all the
// windows given the same one).
struct COUNTING {
    WINDOWCOUNTS counts;
    DWORD dwSlowMs;                       // each scroll message takes this long to answer
    void (*pfnFirstScroll)(void *context);   // runs once, inside the first one
    void *pContext;
    volatile LONG bFirstDone;
};

// A window of class cls (registered on demand with the counting procedure)
// that counts into *c.
HWND CreateCountingWindow(const char *cls, const char *title, DWORD style, HWND parent, int x,
                          int y, int cx, int cy, int id, COUNTING *c);
void ResetCounts(COUNTING *c);
long TotalWheels(const WINDOWCOUNTS &w);
// Counts by direction as text, "U2L1": the directions with a count, in the
// order Up, Down, Left, Right; "" for none.
std::string DirectionText(const LONG an[DIR_COUNT]);

struct THREADTARGET;

struct THREADTARGETOPTIONS {
    const char *szTitle;
    // A class the filter passes, and none of another procedure's ("ThrdEdit").
    const char *szChildClass;
    int nChildren;
    DWORD dwSlowMs;
    void (*pfnFirstScroll)(void *context);
    void *pContext;
    const char *szTopClass;     // NULL: the kit's own
    HWND hParent;               // the children go into this window (of another
                                // thread) instead of a window of their own
    int x, y, cx, cy;           // where the window goes; 0 x 0: 120, 120, 320 x 220
};

// Creates the window with its children on a new thread, shows it and makes
// it the foreground window; NULL if the thread could not set it up.
THREADTARGET *StartThreadTarget(const THREADTARGETOPTIONS &options);
THREADTARGET *StartThreadTarget(const char *szTitle, const char *szChildClass, int nChildren,
                                DWORD dwSlowMs = 0, void (*pfnFirstScroll)(void *) = NULL,
                                void *pContext = NULL);
HWND ThreadTargetWindow(const THREADTARGET *t);
// What all its windows got so far, as it is now, and once everything posted
// to the thread so far has been handled (false when ms passed first).
const WINDOWCOUNTS &ThreadTargetCounts(const THREADTARGET *t);
bool ThreadTargetDrain(THREADTARGET *t, int ms);
void ResetThreadTarget(THREADTARGET *t);
// Scroll messages handled so far.
long ThreadTargetScrolls(const THREADTARGET *t);
// Drains (at most ms) and returns the scroll and wheel messages counted by
// then; -1 when the deadline passed first.
long ThreadTargetSettle(THREADTARGET *t, int ms);
// The thread stops taking messages once it has handled what is queued, and
// this returns when it has stopped; Release lets it go on.
bool HangThreadTarget(THREADTARGET *t);
void ReleaseThreadTarget(THREADTARGET *t);
// Ends the thread and its windows, dropping whatever is still queued.
void StopThreadTarget(THREADTARGET *t);
