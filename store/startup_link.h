// When the "Start With Windows" box shows checked: the decision over what
// was read of the Startup folder's shortcut, the paths of this copy of the
// program and Windows' Startup apps setting. No window or shell calls.
#pragma once
#include <stddef.h>

// What store/startup_link_win.cpp read of Veltrac.lnk in the Startup folder.
struct STARTUPLINK {
    int bExists;                 // the shortcut is there and could be read
    const wchar_t *szTarget;     // its target's full path
    const wchar_t *szWorkDir;    // its working folder
    int bApprovedOff;            // Windows' Startup apps page turned it off
};

// Full paths, the same file or folder: letters compared without regard to
// case, / and \ alike, one trailing separator ignored.
int SamePath(const wchar_t *a, const wchar_t *b);

// Checked only when the shortcut exists, starts this executable, in the
// current folder (where Veltrac keeps its settings), and is not turned off.
int StartupBoxChecked(const STARTUPLINK *link, const wchar_t *szExe, const wchar_t *szCurDir);

// The StartupApproved value of a shortcut: its first byte is odd while the
// Startup apps page has it turned off (02 on, 03 off, as Windows writes it).
int StartupApprovedOff(const unsigned char *data, size_t cb);
