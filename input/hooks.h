// The system-wide input hooks that relay desktop mouse and keyboard events to
// the main window as WM_HOOKMOUSE and WM_HOOKKEY.
#pragma once
#include <windows.h>
#include "input/trigger.h"     // FORGET_KEEP_*

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
// Forgets the trigger presses (switched OFF, a hook installed again, the
// restart as administrator) and frees the pointer. nKeep (FORGET_KEEP_*,
// input/trigger.h): the hooks that still watch keep swallowing the rest of
// a press they kept.
void ForgetHeldTriggers(int nKeep);
// ON, options changed, a hook repaired: the engine is told what is held now.
void SyncHeldTriggers(void);
// At exit: while a kept button press still waits for its release, the mouse
// hook must stay to swallow it, or the release alone reaches programs. Lets
// hook calls in until it has come, or ms have passed.
#define KEPT_RELEASE_WAIT_MS 5000
void WaitForKeptButtonRelease(DWORD ms);

// Finds this process's main window by class and title ("" = either title).
HWND FindOwnMainWindow(const char *title);
