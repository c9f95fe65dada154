// One input event as a hook saw it, with what it takes to replay it: the
// unit the trigger decides on and the give-back queue carries.
#pragma once

enum { TRIG_KEY, TRIG_BUTTON, TRIG_WHEEL };
enum { TRIG_LEFT = 1, TRIG_RIGHT, TRIG_MIDDLE, TRIG_X1, TRIG_X2 };

struct TRIGGEREVENT {
    int nKind;          // TRIG_KEY, TRIG_BUTTON or TRIG_WHEEL
    int nCode;          // key: its code with left and right folded (Control is 17); button: TRIG_*
    int bDown;          // going (or, a key, staying) down; a wheel turn counts as down
    int bWasDown;       // programs had it down before this event (GetAsyncKeyState)
    int nRawVk;         // key: the code as it came (VK_LCONTROL...)
    int nScan;          // key: scan code
    int bExtended;      // key: an extended key
    int nWheelDelta;    // wheel: the turn, signed
    int bHorizontal;    // wheel: a horizontal wheel
    int nX, nY;         // button and wheel: where it happened, in screen pixels
    int bOwnTurn;       // wheel: a turn the program gives itself, where the pointer is
    void *hReceiver;    // with bOwnTurn: the window it is for (it is dropped elsewhere);
                        // nX, nY: where the pointer was when it was found under it
};
