// Shared helpers for the tests: real test windows with children of chosen
// classes that count the scroll messages they receive, message pumping, and
// scratch folders.
#pragma once
#include <windows.h>
#include <functional>
#include <string>

#define MAX_TEST_CHILDREN 256

struct SCROLLCOUNT {
    int nUp, nDown, nLeft, nRight;
    int nBadLParam;     // messages whose lParam was not the child's own handle
};

// A top-level test window made the foreground window, with one child per
// class name given (children of the same class can repeat).
HWND CreateTestTarget(const char *title, const char *const *classes, int nClasses);
void DestroyTestTarget(HWND target);
HWND TestChild(HWND target, int index);
SCROLLCOUNT ChildCount(HWND child);
void ResetCounts(void);
int TotalScrolls(HWND child);

// Pumps this thread's messages for about ms milliseconds.
void PumpMessages(int ms);

// Pumps this thread's messages until cond holds (checked after every pump
// round) or deadlineMs milliseconds have passed; returns whether it held.
// The one way to wait for something this thread's windows or hooks do.
bool PumpUntil(const std::function<bool()> &cond, int deadlineMs);

// A fresh empty folder under the temp directory; becomes the current one.
std::string EnterScratchDir(const char *name);
void LeaveScratchDir(void);

// How many processes of this executable name are running.
int CountProcesses(const char *szExe);
