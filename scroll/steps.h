// Scroll steps as the engine plans them and delivery carries them out: four
// directions, and runs of one or two directions repeated. No window calls.
#pragma once

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

// A screen rectangle in pixels, right and bottom exclusive, as RECT has it.
struct SCREENRECT {
    int left, top, right, bottom;
};
