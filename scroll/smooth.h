// Smooth amounts for the "Automatic" message type: a drag moves the content
// continuously, as a touchpad does, rather than a line at a time. A move's
// distance becomes an amount of wheel delta that is added up per receiver
// and axis; the whole part goes out, the fraction waits for more, and no
// receiver gets more than one message per axis every few milliseconds. No
// window calls.
#pragma once

#define SMOOTH_GAP_MS 8          // at most one message per receiver and axis this often
#define SMOOTH_FRESH_MS 1500     // an amount left alone this long starts afresh
#define SMOOTH_MAX_DELTA 32767   // what one wheel message's 16-bit delta carries

// The wheel delta of a drag's distance in pixels: a line (120 / L, L the
// lines or characters a notch scrolls; 0 or a page counts as 3) for every
// nSensitivity pixels, nScrollTimes times over.
double DragDelta(int nPixels, int nScrollTimes, unsigned nPerNotch, int nSensitivity);

// A drag in the Automatic type: the moves since the last delivery, and what
// the drag has done so far. It starts like a step would (once it has gone
// further than the sensitivity on an axis: a wobble stays a tap), then
// every pixel counts. One axis and reverse turn it as they turn steps.
struct SMOOTHDRAG {
    int nPendingX, nPendingY;   // moved, not yet delivered
    int bStarted;
    int nAxis;                  // DRAG_AXIS_* of a one-axis drag, 0 none yet
};
void AddSmoothMove(SMOOTHDRAG *d, int dx, int dy);
// The distance to deliver now, down and right positive as steps scroll;
// FALSE when there is none yet. Takes it from the pending moves.
int PlanSmoothDrag(SMOOTHDRAG *d, int nSensitivity, int bOneAxis, int bReverse, int *pdx,
                   int *pdy);

// One axis of one receiver.
struct SMOOTHAXIS {
    const void *pReceiver;      // whose amount this is
    double dAmount;             // signed delta not yet delivered
    int nSign;                  // the direction of what was added last
    unsigned dwLastAdd, dwLastSend;
    int bSent;                  // dwLastSend holds a time
};

// Adds a signed delta for the receiver at dwNow (GetTickCount). Another
// receiver, a turn of direction, or SMOOTH_FRESH_MS without anything added
// start the amount afresh.
void SmoothAdd(SMOOTHAXIS *a, const void *pReceiver, double dDelta, unsigned dwNow);

// What goes out now: whole multiples of nQuantum (1 for an exact delta, 120
// for whole notches, a line's delta for line codes), at most one delivery
// every SMOOTH_GAP_MS and SMOOTH_MAX_DELTA at once. *pnWaitMs: how long
// until what is deliverable but held back may go, 0 when nothing is.
int SmoothTake(SMOOTHAXIS *a, int nQuantum, unsigned dwNow, int *pnWaitMs);

// Forgets the amount (the drag ended, the receiver is gone).
void SmoothForget(SMOOTHAXIS *a);
