// The decisions about the window in front, as plain arithmetic on what
// scroll/foreground_win.cpp read: does its process run above ours (so Windows
// drops what we send it), is it a full-screen program, and must the window
// manager be asked again which window it is. No window calls.
#pragma once
#include "scroll/steps.h"

// Mandatory integrity levels: the last subauthority of a token's label SID.
#define INTEGRITY_LOW    0x1000UL
#define INTEGRITY_MEDIUM 0x2000UL
#define INTEGRITY_HIGH   0x3000UL    // a program run as administrator
#define INTEGRITY_SYSTEM 0x4000UL

// Whether a process runs above us. A level that could not be read counts as
// above: a process we may not even query is one we may not send to either.
// Without a level of our own (a system without integrity levels) nothing is
// above us.
int RunsAboveUs(int bTheirsKnown, unsigned long nTheirs, int bOursKnown, unsigned long nOurs);

// Whether a window is a full-screen program: no caption (the border and the
// dialog frame of WS_CAPTION not both set), a window rectangle that covers
// all of its monitor, and not the desktop or the taskbar, which look just
// like that.
int IsFullScreenWindow(const SCREENRECT *window, const SCREENRECT *monitor, unsigned long style,
                       const char *szClass);

// Asking which window is in front is a round trip to the window manager,
// and a drag asks at every move. A move's tick inside an input event takes
// the last answer as it was, while that answer is younger than this: far
// shorter than anything a person could see land in the wrong window.
#define FOREGROUND_REUSE_MS 5

// Whether the last answer may stand: not at a press (bFresh, which reads
// afresh), only inside an input event (elsewhere nothing waits for the
// answer), only when it is the window the record is about (one that came to
// the front since has its own way), and only while it is younger than
// FOREGROUND_REUSE_MS.
int MayReuseForeground(int bFresh, int bInsideEvent, int bAnswerIsRecord, double dAnswerAgeMs);
