// Running a glide: the drag's last moves are noted as they come, and a drag
// let go while the hand still moved goes on from a timer that exists only
// while it glides, its steps through the one door of delivery. Anything the
// user does stops it at once.
#pragma once
#include <windows.h>

void RecordGlideMove(int dx, int dy);
void ForgetGlideMoves(void);

// The drag just ended: glide on when the option is on and the hand moved
// fast enough in the drag's last direction (a SCROLL_* direction), in the
// window the drag scrolled.
void GlideAfterDrag(int nDirection, HWND hTarget);
// Any key, button, wheel turn or press, OFF and exit stop it; so does
// another window coming to the front, which each tick checks.
void StopGlide(void);
int IsGliding(void);
