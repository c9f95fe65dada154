// Helpers of the tests alone, built on the test kit: real test windows in
// this thread with children of chosen classes that count the scroll
// messages they get, the program's main window brought up in this process,
// and what only a test asks of the desktop (balloons, processes by name).
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "testkit/kit_files.h"
#include "testkit/kit_target.h"
#include "testkit/kit_wait.h"
#include "testkit/kit_windows.h"

struct SCROLLCOUNT {
    int nUp, nDown, nLeft, nRight;
    int nBadLParam;     // messages whose lParam was not the child's own handle
};

// A top-level test window made the foreground window, with one child per
// class name given (children of the same class can repeat).
HWND CreateTestTarget(const char *title, const char *const *classes, int nClasses);
void DestroyTestTarget(HWND target);
HWND TestChild(HWND target, int index);
// One more child (5 x 5, hidden, no WM_PARENTNOTIFY) of a class of its own
// choosing, counted the same way; it may be made on another thread while
// this one waits.
HWND CreateCountedChild(HWND parent, const char *cls, int id);
SCROLLCOUNT ChildCount(HWND child);
void ResetCounts(void);
int TotalScrolls(HWND child);

// The engine as a test starts it: the start-up values, scrolling ON, a
// 1024 x 768 screen, the cursor in the middle (away from every edge band),
// no repeat timer left over, every count zero; the repeat timer as asked.
void StartEngine(bool bEdgeRepeat = true);

// Wine runs every process at one integrity level. With bOn every process
// counts as run as administrator (its level cannot be read, as a real one's
// usually cannot); without, levels are read again. Either way what was known
// of processes is forgotten.
void FakeRunAsAdministrator(bool bOn);

// The texts of the tray balloons showing now, each followed by '\n' (Wine's
// tray shows a balloon as a tooltip window of the process that asked for it).
std::string BalloonsShowing(void);
inline bool BalloonShows(const std::string &text)
{
    return BalloonsShowing().find(text + "\n") != std::string::npos;
}

// The program's main window in this process, brought up once by the real
// start-up code in a scratch folder of this name (hooks and all); the same
// window at every later call.
HWND InProcessMainWindow(const char *szFolder);

// The Help command's Notepad: a Notepad window whose title names readme
// (Notepad names the file once it has read it), waited for; NULL when none
// came.
HWND WaitReadmeNotepad(void);

// The processes of this executable name that are running (those a process
// started, with parent).
std::vector<DWORD> Processes(const char *szExe, DWORD parent = 0);
inline int CountProcesses(const char *szExe)
{
    return (int)Processes(szExe).size();
}
