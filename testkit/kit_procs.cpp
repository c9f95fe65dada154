// CreateProcess and the waits around it.
#include "testkit/kit_procs.h"
#include "testkit/kit_wait.h"
#include "testkit/kit_windows.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include <stdio.h>
#include <string.h>

CHILDPROC StartChild(const char *cmdline, const char *dir)
{
    CHILDPROC p = {};
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::string cmd = cmdline;      // CreateProcessA may write into it
    if (!CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, dir, &si, &p.pi))
        memset(&p.pi, 0, sizeof p.pi);
    return p;
}

CHILDPROC StartChildW(const std::wstring &cmdline)
{
    CHILDPROC p = {};
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    std::wstring cmd = cmdline;
    if (!CreateProcessW(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &p.pi))
        memset(&p.pi, 0, sizeof p.pi);
    return p;
}

bool WaitChildWindow(CHILDPROC *p, const char *className, int ms)
{
    // WaitForInputIdle alone is not enough: under Wine it returns at once
    // while the new process has not set up its message queue yet.
    WaitForInputIdle(p->pi.hProcess, ms);
    return WaitFor([&] {
        return (p->hwnd = FindProcessWindow(p->pi.dwProcessId, className)) != NULL;
    }, ms);
}

std::string VeltracExe(void)
{
    char exe[MAX_PATH * 2];
    DWORD n = GetEnvironmentVariableA("VELTRAC_EXE", exe, sizeof exe);
    return n && n < sizeof exe ? exe : "Veltrac.exe";
}

// A sent message is only taken by the message loop (start-up sends none
// across threads), so its answer means the start-up is complete.
static void WaitStarted(CHILDPROC *p)
{
    if (WaitChildWindow(p, MAIN_CLASS_NAME, 20000))
        Answers(p->hwnd, 20000);
}

CHILDPROC StartVeltrac(const char *args, bool bWaitWindow, const char *dir)
{
    CHILDPROC p = StartChild(("\"" + VeltracExe() + "\" " + args).c_str(), dir);
    if (p.pi.hProcess && bWaitWindow)
        WaitStarted(&p);
    return p;
}

CHILDPROC StartVeltracAt(const std::wstring &exe, const char *args, bool bWaitWindow)
{
    std::wstring cmd = L"\"" + exe + L"\" ";
    for (const char *c = args; *c; c++)
        cmd += (wchar_t)(unsigned char)*c;
    CHILDPROC p = StartChildW(cmd);
    if (p.pi.hProcess && bWaitWindow)
        WaitStarted(&p);
    return p;
}

int WaitExit(CHILDPROC *p, int ms)
{
    if (!p->pi.hProcess)
        return -1;
    if (WaitForSingleObject(p->pi.hProcess, ms) != WAIT_OBJECT_0) {
        TerminateProcess(p->pi.hProcess, 99);
        WaitForSingleObject(p->pi.hProcess, 5000);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(p->pi.hProcess, &code);
    return (int)code;
}

int EndVeltrac(CHILDPROC *p, UINT how)
{
    // Exit arriving inside a menu's modal loop is handled there, and the
    // quit message it posts is then taken by that loop and lost (Wine).
    WaitFor([&] { return !InMenuMode(*p); });
    if (how == WM_CLOSE)
        PostMessageA(p->hwnd, WM_CLOSE, 0, 0);
    else
        PostMessageA(p->hwnd, WM_COMMAND, IDM_EXIT, 0);
    return WaitExit(p, 20000);
}

bool StopChild(CHILDPROC *p)
{
    if (!p->pi.hProcess)
        return true;
    if (p->hwnd)
        PostMessageA(p->hwnd, WM_CLOSE, 0, 0);
    else
        PostThreadMessageA(p->pi.dwThreadId, WM_QUIT, 0, 0);
    bool bEnded = WaitExit(p, 10000) != -1;
    CloseChild(p);
    return bEnded;
}

void CloseChild(CHILDPROC *p)
{
    if (!p->pi.hProcess)
        return;
    if (WaitForSingleObject(p->pi.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(p->pi.hProcess, 99);
        WaitForSingleObject(p->pi.hProcess, 5000);
    }
    CloseHandle(p->pi.hProcess);
    CloseHandle(p->pi.hThread);
    memset(p, 0, sizeof *p);
}

bool CloseWindowProcess(HWND hwnd, int ms)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
    bool bEnded = process && WaitForSingleObject(process, ms) == WAIT_OBJECT_0;
    if (process)
        CloseHandle(process);
    return bEnded;
}

bool InMenuMode(const CHILDPROC &p)
{
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof gti;
    if (!p.pi.dwThreadId || !GetGUIThreadInfo(p.pi.dwThreadId, &gti))
        return false;
    return (gti.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}
