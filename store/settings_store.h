// Loading and saving the options (settings.dat) and the two title lists
// (list1.txt, list2.txt) in the current directory.
#pragma once
#include <windows.h>

void LoadSettings(void);

// Writes the three files in order and stops at the first that cannot be
// written, which is reported on the main window and named in *pszFailed
// (when given). TRUE when all three were written.
BOOL SaveSettings(const char **pszFailed = NULL);
