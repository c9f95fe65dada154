// The processes the benchmark starts: the real Veltrac.exe (OFF or ON, in
// any message type, from a scratch folder holding its settings.dat), the bare
// hook, the trivial program and the children target; starting, finding
// their windows, timing launch to first paint, and ending them.
#pragma once
#include <windows.h>
#include "res/resource.h"   // MESSAGE_POST, MESSAGE_SEND, MESSAGE_WHEEL

struct BENCHPROC {
    PROCESS_INFORMATION pi;
    HWND hwnd;          // its top-level window, NULL for the bare hook
};

struct BENCHPATHS {
    char szVeltrac[MAX_PATH];
    char szBareHook[MAX_PATH];
    char szTrivial[MAX_PATH];
    char szChildren[MAX_PATH];
    char szPostDir[MAX_PATH];     // settings.dat with post mode
    char szSendDir[MAX_PATH];     // settings.dat with send mode
    char szWheelDir[MAX_PATH];    // settings.dat with the "Mouse wheel" type
    char szStillDir[MAX_PATH];    // the same, and a drag holds the pointer still
};
extern BENCHPATHS Paths;

// Fills Paths (Veltrac.exe from the argument, else beside the bench folder)
// and writes the four scratch folders. Reports what is missing and fails.
bool PreparePaths(const char *szVeltracArg);

// What a scratch folder's settings.dat chooses, as the benchmark usually has
// it; everything else is the same in every folder (see WriteSettingsDat).
struct BENCHSETTINGS {
    int nMessageType = MESSAGE_POST;   // or MESSAGE_SEND, MESSAGE_WHEEL
    int nScrollTimes = 1;
    int nSensitivity = 5;
    int bMiddleButton = 0;             // 1: the middle button drags too
    int bKeepPointerStill = 0;         // 1: a drag holds the pointer where it began
};
#define MAX_SCRATCH_DIRS 12

// Makes the folder name under the run's scratch folder with a settings.dat
// written by the program's own formatter; its path goes to dir (MAX_PATH).
// After PreparePaths only. RemoveScratch removes them all.
bool MakeScratch(const char *name, const BENCHSETTINGS &choice, char *dir);
void RemoveScratch(void);

// The window position written to settings.dat: Veltrac opens there, which
// also proves it read the file.
#define BENCH_VELTRAC_X 760
#define BENCH_VELTRAC_Y 560

bool StartVeltracIn(const char *dir, bool bOn, BENCHPROC *p);
bool StartBareHook(DWORD dwSleepMs, BENCHPROC *p);
bool StartChildrenTarget(const char *szClass, int nChildren, BENCHPROC *p);
// Whether the process's window handles a WM_NULL within ms milliseconds.
bool ProcAnswers(const BENCHPROC *p, UINT ms);
// Asks the process to end (WM_CLOSE or WM_QUIT) and waits; terminates it
// (TerminateProcess on its own handle) after a time-out. True when it ended
// as asked.
bool StopProc(BENCHPROC *p);

// Milliseconds from CreateProcess to the moment the program waits for input
// with its main window (class szClass) visible and fully painted; the same
// test for any program. The process is left running in *p. -1 on failure.
double LaunchToFirstPaint(const char *szExe, const char *szClass, BENCHPROC *p);
