// Which program a window belongs to, read from the system and kept per
// process: the program's file name does not change while it runs, and a
// process whose id is taken over by another is told apart by its start
// time.
#pragma once
#include <windows.h>

// The file name of the program a top-level window belongs to
// ("notepad.exe"), "" when it cannot be read. The text stays valid until
// the next call.
const char *ProgramOfWindow(HWND hRoot);
