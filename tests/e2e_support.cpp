// Process, window and input helpers for the end-to-end tests. Everything here
// talks to other processes, so every wait is a bounded poll: a slow machine
// only makes the tests slower, never wrong.
#include "e2e_support.h"
#include "input_coords.h"
#include "res/resource.h"
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static CHILDPROC Launch(const char *cmdline)
{
    CHILDPROC proc = {};
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    char *cmd = _strdup(cmdline);   // CreateProcessA may write into it
    if (!CreateProcessA(NULL, cmd, NULL, NULL, FALSE, 0, NULL, NULL, &si, &proc.pi))
        memset(&proc.pi, 0, sizeof proc.pi);
    free(cmd);
    return proc;
}

static CHILDPROC LaunchW(const std::wstring &cmdline)
{
    CHILDPROC proc = {};
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    std::wstring cmd = cmdline;     // CreateProcessW may write into it
    if (!CreateProcessW(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &proc.pi))
        memset(&proc.pi, 0, sizeof proc.pi);
    return proc;
}

static void WaitStarted(CHILDPROC *proc)
{
    // WaitForInputIdle alone is not enough: under Wine it returns at once
    // while the new process has not set up its message queue yet.
    WaitForInputIdle(proc->pi.hProcess, 20000);
    WaitFor([&] { return (proc->hwnd = FindProcessWindow(proc->pi.dwProcessId, VELTRAC_CLASS)) != NULL; },
            20000);
    // A sent message is only taken by the message loop (start-up sends none
    // across threads), so its answer means the start-up is complete: window
    // shown, menus set, mouse hook in. Posted commands may still be queued.
    DWORD_PTR result;
    if (proc->hwnd)
        SendMessageTimeoutA(proc->hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result);
}

CHILDPROC StartVeltrac(const char *args, bool bWaitWindow)
{
    const char *exe = getenv("VELTRAC_EXE");
    char cmd[MAX_PATH * 2];
    snprintf(cmd, sizeof cmd, "\"%s\" %s", exe ? exe : "Veltrac.exe", args);
    CHILDPROC proc = Launch(cmd);
    if (proc.pi.hProcess && bWaitWindow)
        WaitStarted(&proc);
    return proc;
}

CHILDPROC StartVeltracAt(const std::wstring &exe, const char *args, bool bWaitWindow)
{
    std::wstring cmd = L"\"" + exe + L"\" ";
    for (const char *p = args; *p; p++)
        cmd += (wchar_t)(unsigned char)*p;
    CHILDPROC proc = LaunchW(cmd);
    if (proc.pi.hProcess && bWaitWindow)
        WaitStarted(&proc);
    return proc;
}

int WaitExit(CHILDPROC *proc, int ms)
{
    if (!proc->pi.hProcess)
        return -1;
    if (WaitForSingleObject(proc->pi.hProcess, ms) != WAIT_OBJECT_0) {
        TerminateProcess(proc->pi.hProcess, 99);
        WaitForSingleObject(proc->pi.hProcess, 5000);
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(proc->pi.hProcess, &code);
    return (int)code;
}

int EndVeltrac(CHILDPROC *proc, UINT how)
{
    // Exit arriving inside a menu's modal loop is handled there, and the
    // quit message it posts is then taken by that loop and lost (Wine).
    WaitFor([&] { return !InMenuMode(*proc); });
    if (how == WM_CLOSE)
        PostMessageA(proc->hwnd, WM_CLOSE, 0, 0);
    else
        PostMessageA(proc->hwnd, WM_COMMAND, IDM_EXIT, 0);
    return WaitExit(proc, 20000);
}

void CloseChild(CHILDPROC *proc)
{
    if (!proc->pi.hProcess)
        return;
    if (WaitForSingleObject(proc->pi.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(proc->pi.hProcess, 99);
        WaitForSingleObject(proc->pi.hProcess, 5000);
    }
    CloseHandle(proc->pi.hProcess);
    CloseHandle(proc->pi.hThread);
    memset(proc, 0, sizeof *proc);
}

struct WINDOWQUERY {
    DWORD pid;            // 0 = any process
    const char *szClass;
    const char *szTitle;  // NULL = any title
    HWND hFound;
    int nCount;
};

static BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lParam)
{
    WINDOWQUERY *q = (WINDOWQUERY *)lParam;
    char cls[256], text[256];
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (q->pid && pid != q->pid)
        return TRUE;
    if (!GetClassNameA(hwnd, cls, sizeof cls) || lstrcmpiA(cls, q->szClass))
        return TRUE;
    GetWindowTextA(hwnd, text, sizeof text);
    if (q->szTitle && strcmp(text, q->szTitle))
        return TRUE;
    if (!q->hFound)
        q->hFound = hwnd;
    q->nCount++;
    return TRUE;
}

static WINDOWQUERY QueryWindows(DWORD pid, const char *className, const char *title)
{
    WINDOWQUERY q = {pid, className, title, NULL, 0};
    EnumWindows(MatchWindow, (LPARAM)&q);
    return q;
}

HWND FindProcessWindow(DWORD pid, const char *className)
{
    return QueryWindows(pid, className, NULL).hFound;
}

int CountWindowsOfClass(const char *className)
{
    return QueryWindows(0, className, NULL).nCount;
}

HWND FindProcessDialog(DWORD pid, const char *title)
{
    return QueryWindows(pid, "#32770", title).hFound;
}

std::string WindowText(HWND hwnd)
{
    char text[256] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

UINT MenuState(HWND hwnd, UINT id)
{
    return GetMenuState(GetMenu(hwnd), id, MF_BYCOMMAND);
}

bool DragLockShown(HWND hApp)
{
    HWND button = FindWindowExA(hApp, NULL, "Button", NULL);
    DWORD_PTR state = 0;
    SendMessageTimeoutA(button, BM_GETSTATE, 0, 0, SMTO_NORMAL, 5000, &state);
    return (state & BST_PUSHED) != 0;
}

bool InMenuMode(const CHILDPROC &proc)
{
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof gti;
    if (!proc.pi.dwThreadId || !GetGUIThreadInfo(proc.pi.dwThreadId, &gti))
        return false;
    return (gti.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}

CHILDPROC StartNotepad(const char *path, HWND *edit)
{
    char cmd[MAX_PATH * 2];
    snprintf(cmd, sizeof cmd, "C:\\windows\\notepad.exe \"%s\"", path);
    CHILDPROC proc = Launch(cmd);
    *edit = NULL;
    if (!proc.pi.hProcess)
        return proc;
    WaitForInputIdle(proc.pi.hProcess, 20000);
    // The edit control holds the text once the file has been read.
    WaitFor([&] {
        proc.hwnd = FindProcessWindow(proc.pi.dwProcessId, "Notepad");
        *edit = proc.hwnd ? FindWindowExA(proc.hwnd, NULL, "Edit", NULL) : NULL;
        return *edit && SendMessageA(*edit, EM_GETLINECOUNT, 0, 0) > 100;
    }, 20000);
    return proc;
}

int FirstVisibleLine(HWND edit)
{
    return (int)SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0);
}

static void SendKey(WORD vk, DWORD flags)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = (WORD)MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    in.ki.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

void KeyDown(WORD vk) { SendKey(vk, 0); }
void KeyUp(WORD vk) { SendKey(vk, KEYEVENTF_KEYUP); }

void PressKey(WORD vk)
{
    KeyDown(vk);
    KeyUp(vk);
}

static void SendMouse(int x, int y, DWORD buttons)
{
    INPUT in = AbsoluteMove(x, y, buttons);
    SendInput(1, &in, sizeof in);
}

void MoveMouseTo(int x, int y)
{
    SendMouse(x, y, 0);
    // Wine does not move the X pointer for injected moves, and X events
    // about that pointer (a window appearing under it) come back as real
    // mouse moves to where it still is. A short pause lets such an event
    // arrive between two moves rather than in the middle of a gesture.
    Sleep(25);
}

void MoveMouseBy(int dx, int dy)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof in);
    Sleep(25);                           // as MoveMouseTo: see there
}

void ClickAt(int x, int y)
{
    SendMouse(x, y, 0);
    SendMouse(x, y, MOUSEEVENTF_LEFTDOWN);
    SendMouse(x, y, MOUSEEVENTF_LEFTUP);
}

bool MakeForeground(HWND hwnd)
{
    SetForegroundWindow(hwnd);
    return WaitFor([&] { return GetForegroundWindow() == hwnd; });
}
