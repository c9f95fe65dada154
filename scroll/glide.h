// The arithmetic of a glide: a drag let go while the hand still moved goes on
// in its last direction and slows down, as a flick does on a touchpad. The
// speed comes from the drag's last moves, falls by a constant factor per
// millisecond, and the glide ends below a floor. No window calls.
#pragma once

#define GLIDE_WINDOW_MS 100         // the moves a speed is read from
#define GLIDE_MIN_START 300.0       // pixels per second: slower is no flick
#define GLIDE_MAX_START 11500.0     // the fastest start: it ends within 3 s
#define GLIDE_DECAY_PER_MS 0.998    // what touch platforms use: 13 % left after 1 s
#define GLIDE_FLOOR 30.0            // pixels per second: the glide stops below this
#define GLIDE_TICK_MS 16            // about 60 ticks a second

// One drag move: when, and how far on each axis.
struct DRAGSAMPLE {
    unsigned dwTime;
    int dx, dy;
};
#define DRAG_SAMPLES 32

// The drag's last moves, a ring.
struct DRAGHISTORY {
    DRAGSAMPLE a[DRAG_SAMPLES];
    int nNext, nCount;
};
void RecordDragMove(DRAGHISTORY *h, unsigned dwTime, int dx, int dy);
void ForgetDragMoves(DRAGHISTORY *h);

// The speed along one axis (pixels per second) over the last GLIDE_WINDOW_MS
// before dwNow, in the direction given by nSign (+1 right or down, -1 left
// or up): movement the other way counts against it.
double DragSpeed(const DRAGHISTORY *h, unsigned dwNow, int bHorizontal, int nSign);

struct GLIDE {
    double dSpeed;                  // pixels per second, along the glide's direction
    double dCarry;                  // pixels covered that are not yet a step
};

// Starts a glide at dSpeed (capped at GLIDE_MAX_START); FALSE when it is too
// slow to glide at all.
int StartGlide(GLIDE *g, double dSpeed);

// Advances the glide by dMs milliseconds: the distance covered (the integral
// of the falling speed) becomes steps of nPixelsPerStep. Returns the steps,
// and sets *pbEnded once the speed has fallen below the floor.
int AdvanceGlide(GLIDE *g, double dMs, int nPixelsPerStep, int *pbEnded);
