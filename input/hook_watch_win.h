// Keeps the input hooks alive: a timer on the main window samples the cursor
// and the last input time, and installs a dead hook again.
#pragma once
#include <windows.h>

#define HOOK_HEALTH_TIMER 1
#define HOOK_HEALTH_MS 500

void StartHookHealth(HWND hwnd);
void CheckHookHealth(void);
