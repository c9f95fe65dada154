// Starting the benchmark's other processes and writing their folders. Every
// wait is bounded, so a program that fails to start shows up as a failed
// run, not a hang.
#include "bench/bench_procs.h"
#include "bench/bench_stats.h"
#include "scroll/settings.h"
#include "testkit/kit_files.h"
#include "testkit/kit_windows.h"
#include <stdio.h>
#include <string.h>
#include <string>

BENCHPATHS Paths;

// Rules of the kinds a user writes: games hands off, programs at their own
// speed, players reversed, a Java program narrowed by class and title.
static bool WriteRules(const char *dir)
{
    std::string text = "; rules for programs the benchmark never runs\r\n";
    for (int i = 0; i < BENCH_RULES; i++) {
        char line[160];
        switch (i % 4) {
        case 0: snprintf(line, sizeof line, "-game%03d.exe\r\n", i); break;
        case 1: snprintf(line, sizeof line, "cad%03d speed=50%%\r\n", i); break;
        case 2: snprintf(line, sizeof line, "\"Media Player %03d.exe\" reverse=on\r\n", i); break;
        default:
            snprintf(line, sizeof line, "javaw.exe class=SunAwt* title=\"Tool %03d\" "
                     "delivery=notched glide=off\r\n", i);
        }
        text += line;
    }
    return WriteBytes((std::string(dir) + "\\programs.txt").c_str(), text);
}

bool MakeScratch(const char *name, const std::function<void()> &edit, char *dir)
{
    snprintf(dir, MAX_PATH, "%s", MakeScratchDir(name).c_str());
    if (WriteSettingsDat([&] {
            Settings.bSaveOnExit = Settings.bExcludeList = 0;
            Settings.nWindowX = BENCH_VELTRAC_X;
            Settings.nWindowY = BENCH_VELTRAC_Y;
            edit();
        }, dir) && WriteRules(dir))
        return true;
    fprintf(stderr, "bench: cannot write settings.dat or programs.txt in %s\n", dir);
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
    SetEnvironmentVariableA("VELTRAC_EXE", Paths.szVeltrac);

    const char *need[] = {Paths.szVeltrac, Paths.szBareHook, Paths.szTrivial, Paths.szChildren};
    for (const char *path : need)
        if (!FileExists(path)) {
            fprintf(stderr, "bench: missing %s\n", path);
            return false;
        }
    return MakeScratch("post", [] { Settings.nMessageType = MESSAGE_POST; }, Paths.szPostDir) &&
           MakeScratch("send", [] { Settings.nMessageType = MESSAGE_SEND; }, Paths.szSendDir) &&
           MakeScratch("wheel", [] { Settings.nMessageType = MESSAGE_WHEEL; }, Paths.szWheelDir) &&
           MakeScratch("still", [] {
               Settings.nMessageType = MESSAGE_WHEEL;
               Settings.bKeepPointerStill = 1;
           }, Paths.szStillDir) &&
           MakeScratch("auto", [] { Settings.nMessageType = MESSAGE_AUTO; }, Paths.szAutoDir) &&
           MakeScratch("pointer", [] {
               Settings.nMessageType = MESSAGE_WHEEL;
               Settings.bUnderPointer = 1;
           }, Paths.szPointerDir);
}

static bool Started(const char *cmdline, const char *dir, CHILDPROC *p)
{
    *p = StartChild(cmdline, dir);
    if (p->pi.hProcess)
        return true;
    fprintf(stderr, "bench: cannot start %s (error %lu)\n", cmdline, GetLastError());
    return false;
}

bool StartVeltracIn(const char *dir, bool bOn, CHILDPROC *p)
{
    *p = StartVeltrac(bOn ? "-start" : "", true, dir);
    // The title is the sign that start-up (and the posted Start) is done.
    if (!p->hwnd || !WaitTitle(p->hwnd, bOn ? TITLE_ON : TITLE_OFF, 5000)) {
        fprintf(stderr, "bench: Veltrac did not come up %s\n", bOn ? "ON" : "OFF");
        StopChild(p);
        return false;
    }
    RECT rc = {};
    GetWindowRect(p->hwnd, &rc);
    if (rc.left != BENCH_VELTRAC_X || rc.top != BENCH_VELTRAC_Y)
        fprintf(stderr, "bench: warning: Veltrac opened at %ld,%ld, not where settings.dat "
                        "says: were the settings loaded?\n", rc.left, rc.top);
    return true;
}

bool StartBareHook(DWORD dwSleepMs, CHILDPROC *p)
{
    char name[64];
    snprintf(name, sizeof name, "VeltracBenchHookReady%lu", GetCurrentProcessId());
    HANDLE hReady = CreateEventA(NULL, TRUE, FALSE, name);
    char cmd[MAX_PATH + 96];
    snprintf(cmd, sizeof cmd, "\"%s\" %s %lu", Paths.szBareHook, name, dwSleepMs);
    bool ok = Started(cmd, NULL, p) && WaitForSingleObject(hReady, 20000) == WAIT_OBJECT_0;
    CloseHandle(hReady);
    if (!ok) {
        fprintf(stderr, "bench: the bare hook did not come up\n");
        StopChild(p);
    }
    return ok;
}

#define CHILDREN_CLASS "Veltrac Bench Children"

bool StartChildrenTarget(const char *szClass, int nChildren, CHILDPROC *p)
{
    char cmd[MAX_PATH + 96];
    snprintf(cmd, sizeof cmd, "\"%s\" %s %d", Paths.szChildren, szClass, nChildren);
    if (!Started(cmd, NULL, p))
        return false;
    if (!WaitChildWindow(p, CHILDREN_CLASS, 20000)) {
        fprintf(stderr, "bench: the children target did not come up\n");
        StopChild(p);
        return false;
    }
    return true;
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

double LaunchToFirstPaint(const char *szExe, const char *szClass, CHILDPROC *p)
{
    char cmd[MAX_PATH + 4];
    snprintf(cmd, sizeof cmd, "\"%s\"", szExe);
    double t0 = NowMs();
    if (!Started(cmd, Paths.szPostDir, p))
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
