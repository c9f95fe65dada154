// How each window wants to be scrolled, for the "Automatic" message type: a
// table of class patterns, first match wins, saying how vertical and
// horizontal amounts reach the receiver (the window a real wheel would reach
// at the point) as what each toolkit reads best. No window calls.
#pragma once

// The ways an amount reaches a receiver.
enum {
    WAY_NONE,       // not on this axis: the amount is dropped
    WAY_LINES,      // posted WM_VSCROLL / WM_HSCROLL line codes to the receiver itself
    WAY_NOTCHED,    // posted wheel messages, whole notches (multiples of 120)
    WAY_PRECISE,    // posted wheel messages with the exact amount of the moment
    WAY_REAL,       // real wheel input (the window reads nothing else)
    WAY_NEVER,      // never scrolled; a trigger pressed over it is left to programs
};

#define RECEIVER_DEPTH 16               // classes looked at, from the receiver up

// What is known of a receiver: its class and those of its ancestors up to
// its top-level window (receiver first, root last), whether the pointer is
// over that root, and whether the receiver has a horizontal scroll bar.
struct RECEIVERFACTS {
    const char *aszClasses[RECEIVER_DEPTH];
    int nClasses;
    int bPointerOverRoot;
    int bHorizontalBar;
};

struct RECEIVERWAY {
    int nVertical, nHorizontal;     // WAY_*
    int bToRoot;                    // deliver to the top-level window, not the receiver
    int nRow;                       // the table row that chose it (1..12), for tests
};

RECEIVERWAY ReceiverWants(const RECEIVERFACTS *f);

// A class pattern as the table writes it: case-sensitive, '*' any text.
int ClassMatches(const char *szPattern, const char *szClass);
