// What the window in front is: its handle, its process, whether that process
// runs above ours (a program run as administrator) and whether it is a
// full-screen program. These facts may take asking the system about another
// process, or the shell, which can wait: they are read on the main thread,
// when another window comes to the front (a foreground event, or the first
// input event after it, which asks for it) and by the watchdog, never while
// an input event waits. What is known of a process is kept by its id and its
// start time, so a process that reuses an id inherits nothing.
#pragma once
#include <windows.h>

struct FOREGROUND {
    HWND hwnd;              // NULL: there is no foreground window
    DWORD dwPid;            // its process; 0 when the window is gone
    int bAboveUs;           // that process runs at a higher integrity level, or one we cannot read
    int bFullScreen;        // a full-screen program (read only while bPauseFullScreen is on)
    int bShellFullScreen;   // of that, what the shell says (exclusive Direct3D, presentation)
    int nKnown;             // its place in the record of processes, -1 none yet
    DWORD dwFullScreenAt;   // when bFullScreen was read (GetTickCount)
};

// A window in front can go full-screen without the foreground changing (a
// browser's F11, a game switching modes after its window came up), so that
// part is read again when it is older than this.
#define FULLSCREEN_RECHECK_MS 500


// The record for the window in front now. While an input event waits it only
// reads what is stored, and, with bFresh (a press), the window's own look
// (the window manager answers that at once); for a window that came to the
// front since, what is known of its process by id, no more, and the main
// thread is asked to read the rest (WM_FOREGROUNDCHANGED). Without bFresh it
// asks which window is in front only when the last answer is older than
// FOREGROUND_REUSE_MS (MayReuseForeground). Elsewhere it asks every time, reads what is missing
// or old, and with bFresh reads everything again.
const FOREGROUND *CurrentForeground(BOOL bFresh);

// Reads everything about the window in front again (the main thread: on
// WM_FOREGROUNDCHANGED, a foreground event, the watchdog).
void RefreshForeground(void);
// A foreground event tells of a new window in front at once, where the
// system sends it (Wine does not: there the first input event asks).
void WatchForeground(void);

// The same facts for any top-level window (the window under the pointer):
// the foreground's record when it is that window, else read now, or, while
// an input event waits, from what is known of its process by id (the main
// thread is asked to learn a new one: WM_LEARNPROCESS).
const FOREGROUND *WindowFacts(HWND hwnd);
void LearnProcess(DWORD dwPid);

// TRUE the first time it is asked for the window's process: a program run as
// administrator is told about once per program per run.
BOOL FirstNoticeFor(const FOREGROUND *fg);

// A process's creation time (0 when it cannot be read): with its id, it
// names one process, whatever id a later process takes over.
ULONGLONG StartedAt(DWORD dwPid);

// Forgets the record and what is known of every process (tests start clean).
void ForgetForeground(void);

// Tests only: stands in for reading a process's integrity level (Wine runs
// every process at one level). Returns whether the level could be read.
extern BOOL (*pfnIntegrityLookup)(DWORD dwPid, DWORD *pdwLevel);
// Tests only: stands in for reading a process's start time (to show an id
// that a new process took over).
extern ULONGLONG (*pfnStartLookup)(DWORD dwPid);
