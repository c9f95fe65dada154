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
// Give-backs SendInput refused (dropped, never retried).
extern unsigned nGiveBacksRefused;

// Reads how far the pointer may stray from a press that is still a tap or
// click (the system's drag rectangle): at start and on settings changes.
void RefreshDragBox(void);

// Injects what the hooks kept back and must give back to programs, in order
// (on WM_GIVEBACK, and before the hooks go at exit).
void GiveBackHeldInput(void);
// Forgets a kept trigger press: switched OFF, a hook installed again.
void ForgetHeldTriggers(void);

// Finds this process's main window by class and title ("" = either title).
HWND FindOwnMainWindow(const char *title);
