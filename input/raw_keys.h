// The keyboard as raw input reports it. Raw input comes for every key event
// the system processed, whether a hook swallowed it, saw it, or never got to
// it because it timed out: the one record of what the keys really did that
// the hooks cannot miss. Events the program injected itself are left out.
#pragma once
#include <windows.h>

// Asks for the keyboard's raw input at the window, in the background too,
// or (bOn FALSE) stops: Wine's menu loop stops taking input for good when raw
// input arrives while one of the window's menus is open, so it is off then.
BOOL WatchRawKeys(HWND hwnd, BOOL bOn);
// WM_INPUT.
void OnRawInput(HRAWINPUT hInput);

// Key events so far, and releases of one key (its folded code: both
// Control keys are 17), as raw input told them.
unsigned RawKeyEvents(void);
unsigned RawKeyReleases(int nCode);
