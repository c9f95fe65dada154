// Other processes: starting Veltrac.exe (or any program) in a folder with
// switches, waiting until it is up, and ending it, gently or not. Every wait
// is bounded, so a program that fails to start or end shows up as a failed
// check, not a hang.
#pragma once
#include <windows.h>
#include <string>

struct CHILDPROC {
    PROCESS_INFORMATION pi;   // pi.hProcess NULL when it could not start
    HWND hwnd;                // its main (top-level) window, NULL until found
};

// Starts a command line in dir (NULL: the current folder).
CHILDPROC StartChild(const char *cmdline, const char *dir = NULL);
CHILDPROC StartChildW(const std::wstring &cmdline);
// Waits (at most ms) until the process has a top-level window of the class
// and keeps it in p->hwnd.
bool WaitChildWindow(CHILDPROC *p, const char *className, int ms);

// The program under test: the environment's VELTRAC_EXE, else Veltrac.exe.
std::string VeltracExe(void);
// Starts it with these switches in dir (NULL: the current folder). With
// bWaitWindow the call returns once its window exists and its message loop
// has answered (the start-up is complete: window shown, menus set, mouse
// hook in; posted commands may still be queued).
CHILDPROC StartVeltrac(const char *args, bool bWaitWindow = true, const char *dir = NULL);
// The same with another copy of the program, whose path may lie outside the
// ANSI code page (args are ASCII).
CHILDPROC StartVeltracAt(const std::wstring &exe, const char *args, bool bWaitWindow = true);

// Waits for the process to end and returns its exit code, or -1 on timeout
// (the process is then terminated).
int WaitExit(CHILDPROC *p, int ms);
// Ends the program the way a user does: IDM_EXIT (or WM_CLOSE), then its
// exit code. Any menu still open is waited out first (see InMenuMode).
int EndVeltrac(CHILDPROC *p, UINT how = WM_COMMAND);
// Asks any program to end (WM_CLOSE to its window, or WM_QUIT to its thread
// when it has none), terminates it if it has not within 10 s, and frees its
// handles; true when it ended as asked.
bool StopChild(CHILDPROC *p);
// Terminates it if still running, and frees its handles.
void CloseChild(CHILDPROC *p);
// Asks a window to close and waits (at most ms) for its process to end:
// for a program someone else started.
bool CloseWindowProcess(HWND hwnd, int ms);

// Whether the process's GUI thread is inside a menu's modal loop (menu bar,
// popup or system menu). Keys and posted commands that arrive meanwhile go to
// that loop, not to the program's own: wait for it to end first.
bool InMenuMode(const CHILDPROC &p);
