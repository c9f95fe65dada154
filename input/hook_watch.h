// Deciding from two samples whether a hook has died. Windows silently
// removes a low-level hook that once overran its time-out; nothing tells the
// program, so it watches for input that no hook saw.
#pragma once

struct HOOKSAMPLE {
    int nCursorX, nCursorY;         // GetCursorPos
    unsigned long dwLastInput;      // GetLastInputInfo
    unsigned nMouseEvents;          // events the mouse hook has seen so far
    unsigned nKeyEvents;            // events the keyboard hook has seen so far
    unsigned nRawKeyEvents;         // key events raw input has told of so far
};

#define REPAIR_MOUSE 1
#define REPAIR_KEYBOARD 2

// Which hooks to install again, given the previous and the current sample.
int HooksToRepair(const HOOKSAMPLE *prev, const HOOKSAMPLE *now, int bKeyboardHooked);
