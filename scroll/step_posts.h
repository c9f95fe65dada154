// Scroll messages posted while an input event waits leave after the hook has
// answered. Posting wakes the receiver's thread, and where one CPU runs both,
// the receiver handles the message before the hook even returns: every input
// event of the desktop would wait for another program's message handling.
#pragma once
#include <windows.h>

// Posts a scroll message to hwnd: at once outside a hook call; inside one,
// queued in order and posted when the main window takes WM_POSTSTEPS, right
// after the hook has returned. FALSE when an immediate post failed; a queued
// post that fails later calls pfnFailed (may be NULL) instead.
BOOL PostStep(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, void (*pfnFailed)(void));

// Posts everything queued, oldest first (the main window, at WM_POSTSTEPS).
// A wheel message goes only while programs may read one: a modifier pressed
// for them, or let go, since it was queued would otherwise reach the
// receiver with that key down (posted messages are read before input).
void PostQueuedSteps(void);
