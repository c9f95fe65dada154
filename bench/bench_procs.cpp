// Starting and ending the benchmark's other processes. Every wait is bounded,
// so a program that fails to start shows up as a failed run, not a hang.
#include "bench/bench_procs.h"
#include "bench/bench_stats.h"
#include "scroll/settings.h"
#include "store/settings_text.h"
#include <stdio.h>
#include <string.h>

BENCHPATHS Paths;

static bool FileExists(const char *path)
{
    DWORD attr = GetFileAttributesA(path);
    return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

// Written by the program's own formatter from the record as a user has it:
// edge scrolling with its repeat, hold key Control and the default class
// filter (Edit, Afx:, channel); lists off so every window is a target; no
// drag lock, one-axis or reverse drags, no glide, no pause behind full-screen
// programs; no save on exit, so the folder stays as written. The choice sets
// the message type, the steps per tick, the sensitivity, whether the middle
// button drags and whether a drag holds the pointer still. The record is put
// back after.
static bool WriteSettingsDat(const char *dir, const BENCHSETTINGS &choice)
{
    static SETTINGS saved;
    saved = Settings;
    Settings.nSensitivity = choice.nSensitivity;
    Settings.nScrollTimes = choice.nScrollTimes;
    Settings.nMessageType = choice.nMessageType;
    Settings.bArrowKeys = 0;
    Settings.bHoldKey = Settings.bEdgeScroll = Settings.bEdgeRepeat = 1;
    Settings.nRepeatMs = 50;
    Settings.bClassEdit = Settings.bClassAfx = Settings.bClassChannel = 1;
    Settings.bClassOther = 0;
    Settings.bSaveOnExit = Settings.bExcludeList = Settings.bIncludeList = 0;
    Settings.bMiddleButton = choice.bMiddleButton;
    Settings.nDragButton = DRAG_BUTTON_MIDDLE;
    Settings.bDragLock = Settings.bOneAxis = Settings.bReverse = 0;
    Settings.bGlide = Settings.bPauseFullScreen = 0;
    Settings.bKeepPointerStill = choice.bKeepPointerStill;
    Settings.nEdgeMargin = 0;
    strcpy(Settings.szScrollKey, "Control");
    Settings.nWindowX = BENCH_VELTRAC_X;
    Settings.nWindowY = BENCH_VELTRAC_Y;
    std::string bytes = SettingsFileBytes();
    Settings = saved;

    char path[MAX_PATH];
    snprintf(path, sizeof path, "%s\\settings.dat", dir);
    FILE *f = fopen(path, "wb");
    if (!f)
        return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

// The run's scratch base and every folder made under it, for RemoveScratch.
static char szScratchBase[MAX_PATH];
static char aszScratch[MAX_SCRATCH_DIRS][MAX_PATH];
static int nScratch;

bool MakeScratch(const char *name, const BENCHSETTINGS &choice, char *dir)
{
    if (!szScratchBase[0] || nScratch == MAX_SCRATCH_DIRS)
        return false;
    snprintf(dir, MAX_PATH, "%s\\%s", szScratchBase, name);
    CreateDirectoryA(dir, NULL);
    snprintf(aszScratch[nScratch++], MAX_PATH, "%s", dir);
    if (WriteSettingsDat(dir, choice))
        return true;
    fprintf(stderr, "bench: cannot write settings.dat in %s\n", dir);
    return false;
}

bool PreparePaths(const char *szVeltracArg)
{
    char self[MAX_PATH];
    GetModuleFileNameA(NULL, self, sizeof self);
    char *slash = strrchr(self, '\\');
    if (slash)
        *slash = '\0';
    snprintf(Paths.szBareHook, MAX_PATH, "%s\\bench_bare_hook.exe", self);
    snprintf(Paths.szTrivial, MAX_PATH, "%s\\bench_trivial.exe", self);
    snprintf(Paths.szChildren, MAX_PATH, "%s\\bench_children.exe", self);
    if (szVeltracArg && szVeltracArg[0])
        snprintf(Paths.szVeltrac, MAX_PATH, "%s", szVeltracArg);
    else
        snprintf(Paths.szVeltrac, MAX_PATH, "%s\\..\\Veltrac.exe", self);

    const char *need[] = {Paths.szVeltrac, Paths.szBareHook, Paths.szTrivial, Paths.szChildren};
    for (const char *path : need)
        if (!FileExists(path)) {
            fprintf(stderr, "bench: missing %s\n", path);
            return false;
        }

    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    snprintf(szScratchBase, sizeof szScratchBase, "%sveltrac_bench_%lu", temp,
             GetCurrentProcessId());
    CreateDirectoryA(szScratchBase, NULL);
    BENCHSETTINGS post, send, wheel, still;
    send.nMessageType = MESSAGE_SEND;
    wheel.nMessageType = still.nMessageType = MESSAGE_WHEEL;
    still.bKeepPointerStill = 1;
    return MakeScratch("post", post, Paths.szPostDir) && MakeScratch("send", send, Paths.szSendDir) &&
           MakeScratch("wheel", wheel, Paths.szWheelDir) && MakeScratch("still", still, Paths.szStillDir);
}

void RemoveScratch(void)
{
    for (int i = 0; i < nScratch; i++) {
        char path[MAX_PATH];
        snprintf(path, sizeof path, "%s\\settings.dat", aszScratch[i]);
        DeleteFileA(path);
        RemoveDirectoryA(aszScratch[i]);
    }
    nScratch = 0;
    if (szScratchBase[0])
        RemoveDirectoryA(szScratchBase);
}

static bool Launch(const char *cmdline, const char *dir, BENCHPROC *p)
{
    memset(p, 0, sizeof *p);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    char cmd[MAX_PATH * 2 + 64];
    snprintf(cmd, sizeof cmd, "%s", cmdline);   // CreateProcessA may write into it
    if (CreateProcessA(NULL, cmd, NULL, NULL, FALSE, 0, NULL, dir, &si, &p->pi))
        return true;
    fprintf(stderr, "bench: cannot start %s (error %lu)\n", cmdline, GetLastError());
    memset(p, 0, sizeof *p);
    return false;
}

struct FINDWINDOW {
    DWORD dwPid;
    const char *szClass;
    HWND hFound;
};

static BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam)
{
    FINDWINDOW *find = (FINDWINDOW *)lParam;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char cls[128];
    if (pid != find->dwPid || !GetClassNameA(hwnd, cls, sizeof cls) || strcmp(cls, find->szClass))
        return TRUE;
    find->hFound = hwnd;
    return FALSE;
}

static HWND FindProcessWindow(DWORD pid, const char *szClass)
{
    FINDWINDOW find = {pid, szClass, NULL};
    EnumWindows(MatchWindow, (LPARAM)&find);
    return find.hFound;
}

// Polls for the process's window for up to ms milliseconds.
static HWND WaitWindow(const BENCHPROC *p, const char *szClass, int ms)
{
    double until = NowMs() + ms;
    do {
        HWND hwnd = FindProcessWindow(p->pi.dwProcessId, szClass);
        if (hwnd)
            return hwnd;
        Sleep(5);
    } while (NowMs() < until);
    return NULL;
}

bool StartVeltracIn(const char *dir, bool bOn, BENCHPROC *p)
{
    char cmd[MAX_PATH + 32];
    snprintf(cmd, sizeof cmd, "\"%s\"%s", Paths.szVeltrac, bOn ? " -start" : "");
    if (!Launch(cmd, dir, p))
        return false;
    // Under Wine input idle can come before the window exists; the title
    // below is the real sign that start-up (and the posted Start) is done.
    WaitForInputIdle(p->pi.hProcess, 20000);
    p->hwnd = WaitWindow(p, MAIN_CLASS_NAME, 20000);
    const char *want = bOn ? TITLE_ON : TITLE_OFF;
    char title[64] = "";
    double until = NowMs() + 5000;
    while (p->hwnd && NowMs() < until) {
        GetWindowTextA(p->hwnd, title, sizeof title);
        if (!strcmp(title, want))
            break;
        Sleep(5);
    }
    RECT rc = {};
    if (p->hwnd)
        GetWindowRect(p->hwnd, &rc);
    if (!p->hwnd || strcmp(title, want)) {
        fprintf(stderr, "bench: Veltrac did not come up %s\n", bOn ? "ON" : "OFF");
        StopProc(p);
        return false;
    }
    if (rc.left != BENCH_VELTRAC_X || rc.top != BENCH_VELTRAC_Y)
        fprintf(stderr, "bench: warning: Veltrac opened at %ld,%ld, not where settings.dat "
                        "says: were the settings loaded?\n", rc.left, rc.top);
    return true;
}

bool StartBareHook(DWORD dwSleepMs, BENCHPROC *p)
{
    char name[64];
    snprintf(name, sizeof name, "VeltracBenchHookReady%lu", GetCurrentProcessId());
    HANDLE hReady = CreateEventA(NULL, TRUE, FALSE, name);
    char cmd[MAX_PATH + 96];
    snprintf(cmd, sizeof cmd, "\"%s\" %s %lu", Paths.szBareHook, name, dwSleepMs);
    bool ok = Launch(cmd, NULL, p) && WaitForSingleObject(hReady, 20000) == WAIT_OBJECT_0;
    CloseHandle(hReady);
    if (!ok) {
        fprintf(stderr, "bench: the bare hook did not come up\n");
        StopProc(p);
    }
    return ok;
}

#define CHILDREN_CLASS "Veltrac Bench Children"

bool StartChildrenTarget(const char *szClass, int nChildren, BENCHPROC *p)
{
    char cmd[MAX_PATH + 96];
    snprintf(cmd, sizeof cmd, "\"%s\" %s %d", Paths.szChildren, szClass, nChildren);
    if (!Launch(cmd, NULL, p))
        return false;
    WaitForInputIdle(p->pi.hProcess, 20000);
    p->hwnd = WaitWindow(p, CHILDREN_CLASS, 20000);
    if (!p->hwnd) {
        fprintf(stderr, "bench: the children target did not come up\n");
        StopProc(p);
        return false;
    }
    return true;
}

bool ProcAnswers(const BENCHPROC *p, UINT ms)
{
    DWORD_PTR result;
    return p->hwnd && SendMessageTimeoutA(p->hwnd, WM_NULL, 0, 0, SMTO_NORMAL, ms, &result);
}

bool StopProc(BENCHPROC *p)
{
    if (!p->pi.hProcess)
        return true;
    if (p->hwnd)
        PostMessageA(p->hwnd, WM_CLOSE, 0, 0);
    else
        PostThreadMessageA(p->pi.dwThreadId, WM_QUIT, 0, 0);
    bool bEnded = WaitForSingleObject(p->pi.hProcess, 10000) == WAIT_OBJECT_0;
    if (!bEnded) {
        fprintf(stderr, "bench: a process did not end when asked; terminated\n");
        TerminateProcess(p->pi.hProcess, 99);
        WaitForSingleObject(p->pi.hProcess, 5000);
    }
    CloseHandle(p->pi.hThread);
    CloseHandle(p->pi.hProcess);
    memset(p, 0, sizeof *p);
    return bEnded;
}

static BOOL CALLBACK FindUnpainted(HWND child, LPARAM lParam)
{
    if (IsWindowVisible(child) && GetUpdateRect(child, NULL, FALSE)) {
        *(bool *)lParam = true;
        return FALSE;
    }
    return TRUE;
}

// Visible, with nothing left to paint in it or any of its children.
static bool IsPainted(HWND hwnd)
{
    if (!IsWindowVisible(hwnd) || GetUpdateRect(hwnd, NULL, FALSE))
        return false;
    bool bUnpainted = false;
    EnumChildWindows(hwnd, FindUnpainted, (LPARAM)&bUnpainted);
    return !bUnpainted;
}

double LaunchToFirstPaint(const char *szExe, const char *szClass, BENCHPROC *p)
{
    char cmd[MAX_PATH + 4];
    snprintf(cmd, sizeof cmd, "\"%s\"", szExe);
    double t0 = NowMs();
    if (!Launch(cmd, Paths.szPostDir, p))
        return -1;
    // Idle is the first wait for input: the start-up paint is behind it.
    WaitForInputIdle(p->pi.hProcess, 20000);
    double until = t0 + 20000;
    for (;;) {
        if (!p->hwnd)
            p->hwnd = FindProcessWindow(p->pi.dwProcessId, szClass);
        if (p->hwnd && IsPainted(p->hwnd))
            return NowMs() - t0;
        if (NowMs() > until)
            return -1;
        Sleep(1);
    }
}
