// A gesture written as a script, played at a point with injected input, so
// that an end-to-end case is a row: "C+ v v v C-" is a Control drag of three
// moves down. Tokens, separated by spaces:
//   keys and buttons, each followed by + (down), - (up) or nothing (down and
//   up): C Control, Cl left Control, Cr right Control, S Shift, A Alt,
//   #X the key of the letter or digit X, #Down #Up #Left #Right the arrows;
//   L the left button, M the middle one, B Back, F Forward;
//   W a wheel turn away from the user, tagged USER_WHEEL_TAG;
//   moves of a pen, to a place: v ^ < > (down, up, left, right) by 12
//   pixels or by the number after them, letters together in one move
//   ("v>" down and right); ~ before them for a mouse's move by so many
//   pixels instead ("~v4"); @X,Y to the screen pixel (X, Y);
//   *N after any token: N times ("v1*30").
#pragma once
#include <windows.h>

// Rests the pointer at (x, y) (see Rest), then plays the script; the place
// the moves ended at goes to *pEnd. False, with nothing more played, at a
// token it cannot read.
bool PlayGesture(const char *script, int x, int y, POINT *pEnd = NULL);
// Plays on from *pAt, where the last moves ended, without a rest first.
bool PlayGestureFrom(const char *script, POINT *pAt);
