// The system-wide input hooks that relay desktop mouse and keyboard events to
// the main window as WM_HOOKMOUSE and WM_HOOKKEY.
#pragma once
#include <windows.h>

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);

// Installers; both return the hook handle or NULL.
HHOOK InstallMouseHook(void);
HHOOK InstallKeyboardHook(void);

// Events each hook has seen so far, for the hook watchdog.
extern volatile unsigned nMouseEventsSeen, nKeyEventsSeen;

// Injects what the hooks kept back and must give back to programs, in order
// (on WM_GIVEBACK, and before the hooks go at exit).
void GiveBackHeldInput(void);
// Forgets a kept trigger press: switched OFF, a hook installed again.
void ForgetHeldTriggers(void);

// Finds this process's main window by class and title ("" = either title).
HWND FindOwnMainWindow(const char *title);
