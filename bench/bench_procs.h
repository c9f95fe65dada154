// The processes the benchmark starts, on the kit's: the real Veltrac.exe
// (OFF or ON, in any message type, from a scratch folder holding its
// settings.dat), the bare hook, the trivial program and the children
// target; and timing launch to first paint.
#pragma once
#include <windows.h>
#include <functional>
#include "res/resource.h"   // MESSAGE_POST, MESSAGE_SEND, MESSAGE_WHEEL
#include "testkit/kit_procs.h"

struct BENCHPATHS {
    char szVeltrac[MAX_PATH];
    char szBareHook[MAX_PATH];
    char szTrivial[MAX_PATH];
    char szChildren[MAX_PATH];
    char szPostDir[MAX_PATH];     // settings.dat with post mode
    char szSendDir[MAX_PATH];     // settings.dat with send mode
    char szWheelDir[MAX_PATH];    // settings.dat with the "Mouse wheel" type
    char szStillDir[MAX_PATH];    // the same, and a drag holds the pointer still
    char szAutoDir[MAX_PATH];     // settings.dat with the "Automatic" type
    char szPointerDir[MAX_PATH];  // the "Mouse wheel" type, the window under the pointer
};
extern BENCHPATHS Paths;

// Fills Paths (Veltrac.exe from the argument, else beside the bench folder;
// the kit starts that one) and writes the four scratch folders. Reports
// what is missing and fails.
bool PreparePaths(const char *szVeltracArg);

// Makes the scratch folder name with a settings.dat of the start-up values,
// the benchmark's own changes (no save on exit, so the folder stays as
// written; no title list, so every window is a target; the window at
// BENCH_VELTRAC_X, BENCH_VELTRAC_Y) and then edit()'s; its path goes to dir
// (MAX_PATH). Beside it a programs.txt of BENCH_RULES rules for other
// programs, every one of which is tested at each press and matches none.
// RemoveScratchDirs (kit_files.h) removes them all.
bool MakeScratch(const char *name, const std::function<void()> &edit, char *dir);

// Veltrac opens there, which also proves it read the file.
#define BENCH_RULES 200
#define BENCH_VELTRAC_X 760
#define BENCH_VELTRAC_Y 560

bool StartVeltracIn(const char *dir, bool bOn, CHILDPROC *p);
bool StartBareHook(DWORD dwSleepMs, CHILDPROC *p);
bool StartChildrenTarget(const char *szClass, int nChildren, CHILDPROC *p);

// Milliseconds from CreateProcess to the moment the program waits for input
// with its main window (class szClass) visible and fully painted; the same
// test for any program. The process is left running in *p. -1 on failure.
double LaunchToFirstPaint(const char *szExe, const char *szClass, CHILDPROC *p);
