// The main window procedure: commands, hook reports, tray callback.
#pragma once
#include <windows.h>

// The one-shot timer that reads programs.txt just after start-up.
#define READ_RULES_TIMER 2

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
