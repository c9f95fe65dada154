// Injected input for the benchmark. Windows calls every low-level hook of
// the desktop before SendInput returns, so the time one SendInput call takes
// is what the hooks cost that event.
#pragma once
#include <windows.h>

// A move to the screen pixel (x, y), and how long SendInput took in ms.
double TimedMove(int x, int y);
// A middle-button press or release where the cursor is, and how long
// SendInput took in ms.
double TimedMiddleButton(bool bDown);
void InjectKey(WORD vk, bool bDown);
