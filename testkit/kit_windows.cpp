// Window lookups by process and class, through one EnumWindows query.
#include "testkit/kit_windows.h"
#include <string.h>

void RegisterClassOnce(const char *name, WNDPROC proc)
{
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(NULL), name, &wc))
        return;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = name;
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    RegisterClassA(&wc);
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

bool WaitTitle(HWND hwnd, const char *title, int ms)
{
    return WaitFor([&] { return WindowText(hwnd) == title; }, ms);
}

bool Answers(HWND hwnd, UINT ms)
{
    DWORD_PTR result;
    return hwnd && SendMessageTimeoutA(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, ms, &result) != 0;
}

bool MakeForeground(HWND hwnd, int ms)
{
    return WaitFor([hwnd] {
        if (GetForegroundWindow() == hwnd)
            return true;
        SetForegroundWindow(hwnd);
        return false;
    }, ms);
}
