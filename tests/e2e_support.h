// Helpers for the end-to-end tests: start and end the real Veltrac.exe and
// Wine's notepad as separate processes, inject input with SendInput, and wait
// with bounded polls (WaitFor, test_support.h) for what another process does.
#pragma once
#include <windows.h>
#include <string>
#include "test_support.h"

#define VELTRAC_CLASS "Veltrac Window Class"

struct CHILDPROC {
    PROCESS_INFORMATION pi;
    HWND hwnd;           // its main (top-level) window, NULL until found
};

// Starts VELTRAC_EXE with the given arguments in the current folder. With
// bWaitWindow the call returns once the window exists and the message loop is
// idle; the process handle is returned either way (pi.hProcess NULL on failure).
CHILDPROC StartVeltrac(const char *args, bool bWaitWindow = true);
// The same with another copy of the program, whose path may lie outside the
// ANSI code page (args are ASCII).
CHILDPROC StartVeltracAt(const std::wstring &exe, const char *args, bool bWaitWindow = true);
// Waits for the process to end and returns its exit code, or -1 on timeout
// (the process is then terminated).
int WaitExit(CHILDPROC *proc, int ms);
// Ends it the way a user does: IDM_EXIT (or WM_CLOSE), then the exit code.
// Any menu still open is waited out first (see InMenuMode).
int EndVeltrac(CHILDPROC *proc, UINT how = WM_COMMAND);
void CloseChild(CHILDPROC *proc);   // terminates if still running, frees handles

// The top-level windows of a class that belong to one process / all of them.
HWND FindProcessWindow(DWORD pid, const char *className);
int CountWindowsOfClass(const char *className);
// A message box (dialog class "#32770") with this title, owned by pid.
HWND FindProcessDialog(DWORD pid, const char *title);

std::string WindowText(HWND hwnd);
UINT MenuState(HWND hwnd, UINT id);   // GetMenuState of the window's menu bar

// Whether the program shows drag scrolling locked on (its picture button
// pressed in). The program shows it just after it changed, from a message
// it posts itself: wait for what is expected.
bool DragLockShown(HWND hApp);

// Whether the process's GUI thread is inside a menu's modal loop (menu bar,
// popup or system menu). Keys and posted commands that arrive meanwhile go to
// that loop, not to the program's own: a test waits for it to end first.
bool InMenuMode(const CHILDPROC &proc);

// Notepad on a file: process, its window and its edit control.
CHILDPROC StartNotepad(const char *path, HWND *edit);
int FirstVisibleLine(HWND edit);

// Input injection. Coordinates are screen pixels.
void KeyDown(WORD vk);
void KeyUp(WORD vk);
void PressKey(WORD vk);
void MoveMouseTo(int x, int y);
// A mouse's own kind of move: by so many pixels from wherever it is.
void MoveMouseBy(int dx, int dy);
void ClickAt(int x, int y);
bool MakeForeground(HWND hwnd);

