// Choosing the window to scroll: the foreground window, unless the governing
// title list rules it out.
#pragma once
#include <windows.h>

HWND FindTargetWindow(void);
