// Helpers for the end-to-end tests on top of the kit's processes, input and
// windows: Wine's notepad as a scroll target, and whether the real
// program's window shows drag scrolling locked on.
#pragma once
#include <windows.h>
#include <string>
#include "testkit/kit_input.h"
#include "testkit/kit_procs.h"
#include "testkit/kit_windows.h"
#include "test_support.h"

// Whether the program shows drag scrolling locked on (its picture button
// pressed in). The program shows it just after it changed, from a message
// it posts itself: wait for what is expected.
bool DragLockShown(HWND hApp);

// Notepad on a file of 500 numbered lines that it writes in the current
// folder, placed away from the middle of the screen (where Wine's X pointer
// rests: a window appearing under it makes Wine report a real mouse move
// there, which would land inside a drag); its process, window and edit
// control (NULL when any of it failed).
CHILDPROC StartNotepad(HWND *edit);
CHILDPROC StartWordpad(HWND *edit);
int FirstVisibleLine(HWND edit);
