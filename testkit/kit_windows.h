// Windows of this and other processes: registering a class once, finding a
// process's top-level windows, reading a title, waiting for one, asking
// whether a window's thread answers, and bringing a window to the front.
#pragma once
#include <windows.h>
#include <string>
#include "testkit/kit_wait.h"

// Registers a window class of this program once; a class already there is
// left as it is (so a name belongs to the first procedure it was given).
void RegisterClassOnce(const char *name, WNDPROC proc);

// The first top-level window of a class (any case) that belongs to the
// process; all of them, of any process; a message box (dialog class
// "#32770") of this title that belongs to the process.
HWND FindProcessWindow(DWORD pid, const char *className);
int CountWindowsOfClass(const char *className);
HWND FindProcessDialog(DWORD pid, const char *title);

std::string WindowText(HWND hwnd);
// Waits (at most ms) until the window's title is this one.
bool WaitTitle(HWND hwnd, const char *title, int ms = WAIT_MS);

// Whether the window's thread handles a WM_NULL within ms: it is pumping.
bool Answers(HWND hwnd, UINT ms = WAIT_MS);

// Makes the window the foreground window, asking again until the system
// agrees (a window of another thread can lose a first request to one that
// is still being activated); false when it did not within ms.
bool MakeForeground(HWND hwnd, int ms = WAIT_MS);
