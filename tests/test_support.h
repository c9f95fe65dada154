// Shared helpers for the tests: real test windows with children of chosen
// classes that count the scroll messages they receive, waiting for conditions
// (with or without pumping this thread's messages) and scratch folders.
#pragma once
#include <windows.h>
#include <functional>
#include <string>

#define MAX_TEST_CHILDREN 256

struct SCROLLCOUNT {
    int nUp, nDown, nLeft, nRight;
    int nBadLParam;     // messages whose lParam was not the child's own handle
};

// Registers a window class of this program once; a class already there is
// left as it is (so a name belongs to the first procedure it was given).
void EnsureTestClass(const char *name, WNDPROC proc);

// A top-level test window made the foreground window, with one child per
// class name given (children of the same class can repeat).
HWND CreateTestTarget(const char *title, const char *const *classes, int nClasses);
void DestroyTestTarget(HWND target);
HWND TestChild(HWND target, int index);
SCROLLCOUNT ChildCount(HWND child);
void ResetCounts(void);
int TotalScrolls(HWND child);

// Every wait is for a condition, bounded by a deadline generous enough for a
// loaded machine: a slow machine only makes the tests slower, never wrong.
#define WAIT_MS 10000

// Polls cond every few ms, without pumping, until it holds or ms milliseconds
// have passed; returns whether it held. For what other processes do.
bool WaitFor(const std::function<bool()> &cond, int ms = WAIT_MS);

// Takes a message before TranslateMessage/DispatchMessage, the way a message
// loop's IsDialogMessage does; returns whether it handled it.
typedef std::function<bool(MSG &)> MSGFILTER;

// Pumps this thread's messages until cond holds (checked after every pump
// round) or deadlineMs milliseconds have passed; returns whether it held.
// The one way to wait for something this thread's windows or hooks do.
bool PumpUntil(const std::function<bool()> &cond, int deadlineMs = WAIT_MS,
               const MSGFILTER &filter = nullptr);

// Pumps until every message posted to this thread before the call has been
// handled: posted messages arrive in order, so a marker posted now is taken
// after them. Scroll messages posted here by the engine, or by another
// process before it answered or returned from the hook, are all counted then.
bool PumpPosted(int deadlineMs = WAIT_MS, const MSGFILTER &filter = nullptr);

// Pumps until a thread timer of this period, set now, has fired nTicks times.
// A timer of the same period set earlier on this thread comes due first, and
// timer messages are taken in the order they come due, so by then such a
// timer has had its turn nTicks - 1 times at least: the way to show that a
// timer that should be gone really does nothing.
bool PumpTimerTicks(UINT periodMs, int nTicks, int deadlineMs = WAIT_MS);

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

// A fresh empty folder under the temp directory; becomes the current one.
std::string EnterScratchDir(const char *name);
// The same for a name that may lie outside the ANSI code page.
std::wstring EnterScratchDirW(const wchar_t *name);
void LeaveScratchDir(void);

// How many processes of this executable name are running.
int CountProcesses(const char *szExe);
