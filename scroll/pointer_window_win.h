// Finding the window under the pointer, as scroll/pointer_window.h decides:
// the Win32 walk down the Z order beneath the windows that are looked
// through.
#pragma once
#include <windows.h>

// The top-level window under the point that a drag there would scroll, or
// NULL: nothing there, one of this program's windows, or the shell's
// (*pbRefused then TRUE: a press there is left to programs).
HWND RootUnderPointer(POINT pt, BOOL *pbRefused);

// The file name of a process's program ("notepad.exe"), "" when it cannot be
// read. Works for programs run as administrator too.
void ProgramFileName(DWORD dwPid, char *szOut, int cbOut);
