// What the window in front is: its handle, its process, whether that process
// runs above ours (a program run as administrator) and whether it is a
// full-screen program. Read when the foreground window changes and afresh
// at a trigger press, never per input event: the integrity of a process is
// looked up once (opening it and its token) and kept.
#pragma once
#include <windows.h>

struct FOREGROUND {
    HWND hwnd;              // NULL: there is no foreground window
    DWORD dwPid;            // its process; 0 when the window is gone
    int bAboveUs;           // that process runs at a higher integrity level, or one we cannot read
    int bFullScreen;        // a full-screen program (read only while bPauseFullScreen is on)
    int bFullScreenRead;    // bFullScreen was read, at dwFullScreenAt (GetTickCount)
    DWORD dwFullScreenAt;
};

// A window in front can go full-screen without the foreground changing (a
// browser's F11, a game switching modes after its window came up), so that
// part is read again when it is older than this.
#define FULLSCREEN_RECHECK_MS 500

// The record for the window in front now: read again when the foreground
// window has changed, or anyway with bFresh (a trigger press).
const FOREGROUND *CurrentForeground(BOOL bFresh);

// TRUE the first time it is asked for a process: a program run as
// administrator is told about once per program per run.
BOOL FirstNoticeFor(DWORD dwPid);

// Forgets the record and what is known of every process (tests start clean).
void ForgetForeground(void);

// Tests only: stands in for reading a process's integrity level (Wine runs
// every process at one level). Returns whether the level could be read.
extern BOOL (*pfnIntegrityLookup)(DWORD dwPid, DWORD *pdwLevel);
