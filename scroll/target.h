// Choosing the window to scroll: the foreground window, unless the governing
// title list rules it out.
#pragma once
#include <windows.h>

HWND FindTargetWindow(void);
// The same, asked at a trigger's press: whether a press there is scrolling's
// or the window's own.
HWND FindTargetWindowForPress(void);
