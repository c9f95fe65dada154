// Test windows: each child class is registered on demand with one counting
// window procedure, so any class name can be given. Also the waits every
// test shares.
#include "test_support.h"
#include "app/startup.h"
#include "scroll/settings.h"
#include "scroll/foreground_win.h"
#include <tlhelp32.h>
#include <map>
#include <string>
#include <stdio.h>

static std::map<HWND, SCROLLCOUNT> counts;

static LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_VSCROLL || msg == WM_HSCROLL) {
        SCROLLCOUNT &c = counts[hwnd];
        if ((HWND)lParam != hwnd)
            c.nBadLParam++;
        if (msg == WM_VSCROLL && wParam == SB_LINEUP) c.nUp++;
        if (msg == WM_VSCROLL && wParam == SB_LINEDOWN) c.nDown++;
        if (msg == WM_HSCROLL && wParam == SB_LINELEFT) c.nLeft++;
        if (msg == WM_HSCROLL && wParam == SB_LINERIGHT) c.nRight++;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void EnsureTestClass(const char *name, WNDPROC proc)
{
    WNDCLASSA wc = {};
    if (GetClassInfoA(GetModuleHandleA(NULL), name, &wc))
        return;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = name;
    wc.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    RegisterClassA(&wc);
}

HWND CreateTestTarget(const char *title, const char *const *classes, int nClasses)
{
    EnsureTestClass("VeltracTestTop", CountingProc);
    HWND top = CreateWindowExA(0, "VeltracTestTop", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               100, 100, 300, 200, NULL, NULL, GetModuleHandleA(NULL), NULL);
    for (int i = 0; i < nClasses; i++) {
        EnsureTestClass(classes[i], CountingProc);
        CreateWindowExA(0, classes[i], "", WS_CHILD | WS_VISIBLE, 0, i, 10, 1, top,
                        (HMENU)(INT_PTR)(100 + i), GetModuleHandleA(NULL), NULL);
    }
    SetForegroundWindow(top);
    PumpUntil([&] { return GetForegroundWindow() == top; });
    PumpPosted();
    return top;
}

void DestroyTestTarget(HWND target)
{
    DestroyWindow(target);
    PumpPosted();
}

HWND TestChild(HWND target, int index)
{
    return GetDlgItem(target, 100 + index);
}

SCROLLCOUNT ChildCount(HWND child)
{
    auto it = counts.find(child);
    if (it == counts.end())
        return SCROLLCOUNT{};
    return it->second;
}

int TotalScrolls(HWND child)
{
    SCROLLCOUNT c = ChildCount(child);
    return c.nUp + c.nDown + c.nLeft + c.nRight;
}

void ResetCounts(void)
{
    counts.clear();
}

bool WaitFor(const std::function<bool()> &cond, int ms)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (cond())
            return true;
        if ((int)(GetTickCount() - start) >= ms)
            return false;
        Sleep(10);
    }
}

bool PumpUntil(const std::function<bool()> &cond, int deadlineMs, const MSGFILTER &filter)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (filter && filter(msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (cond())
            return true;
        if ((int)(GetTickCount() - start) >= deadlineMs)
            return false;
        // Wakes for any message, sent ones (hook calls) included, or after
        // a millisecond for conditions no message announces.
        MsgWaitForMultipleObjectsEx(0, NULL, 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

#define WM_TEST_MARKER (WM_APP + 77)

static UINT_PTR nMarkersPosted, nMarkerSeen;

static LRESULT CALLBACK MarkerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_TEST_MARKER) {
        nMarkerSeen = wParam;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A message-only window of this thread: it takes no part in focus, activation
// or the window list the engine walks.
static HWND MarkerWindow(void)
{
    static HWND hwnd;
    if (!hwnd) {
        EnsureTestClass("VeltracTestMarker", MarkerProc);
        hwnd = CreateWindowExA(0, "VeltracTestMarker", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL,
                               GetModuleHandleA(NULL), NULL);
    }
    return hwnd;
}

bool PumpPosted(int deadlineMs, const MSGFILTER &filter)
{
    UINT_PTR n = ++nMarkersPosted;
    if (!PostMessageA(MarkerWindow(), WM_TEST_MARKER, n, 0))
        return false;
    return PumpUntil([n] { return nMarkerSeen >= n; }, deadlineMs, filter);
}

static int nTicksSeen;

static void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD)
{
    nTicksSeen++;
}

bool PumpTimerTicks(UINT periodMs, int nTicks, int deadlineMs)
{
    nTicksSeen = 0;
    UINT_PTR timer = SetTimer(NULL, 0, periodMs, CountTick);
    if (!timer)
        return false;
    bool ok = PumpUntil([nTicks] { return nTicksSeen >= nTicks; }, deadlineMs);
    KillTimer(NULL, timer);
    return ok;
}

static BOOL Unreadable(DWORD, DWORD *)
{
    return FALSE;
}

void FakeRunAsAdministrator(bool bOn)
{
    pfnIntegrityLookup = bOn ? Unreadable : NULL;
    ForgetForeground();
}

std::string BalloonsShowing(void)
{
    std::string texts;
    for (HWND tip = NULL; (tip = FindWindowExA(NULL, tip, "tooltips_class32", NULL));) {
        char buf[512] = "";
        DWORD_PTR n = 0;
        if (IsWindowVisible(tip) &&
            SendMessageTimeoutA(tip, WM_GETTEXT, sizeof buf, (LPARAM)buf, SMTO_ABORTIFHUNG, 1000,
                                &n) && buf[0])
            texts += std::string(buf) + "\n";
    }
    return texts;
}

static std::wstring savedDir;

std::wstring EnterScratchDirW(const wchar_t *name)
{
    wchar_t buf[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, buf);
    if (savedDir.empty())
        savedDir = buf;
    GetTempPathW(MAX_PATH, buf);
    std::wstring dir = std::wstring(buf) + L"veltrac_" + std::to_wstring(GetCurrentProcessId()) +
                       L"_" + name;
    // Empty it if a previous case left files behind.
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring f = dir + L"\\" + fd.cFileName;
            SetFileAttributesW(f.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(f.c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    CreateDirectoryW(dir.c_str(), NULL);
    SetCurrentDirectoryW(dir.c_str());
    return dir;
}

std::string EnterScratchDir(const char *name)
{
    wchar_t wname[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, name, -1, wname, MAX_PATH);
    std::wstring dir = EnterScratchDirW(wname);
    char path[MAX_PATH * 2];
    WideCharToMultiByte(CP_ACP, 0, dir.c_str(), -1, path, sizeof path, NULL, NULL);
    return path;
}

void LeaveScratchDir(void)
{
    if (!savedDir.empty())
        SetCurrentDirectoryW(savedDir.c_str());
}

int CountProcesses(const char *szExe)
{
    int n = 0;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32 pe = {};
    pe.dwSize = sizeof pe;
    for (BOOL ok = Process32First(snap, &pe); ok; ok = Process32Next(snap, &pe))
        if (_stricmp(pe.szExeFile, szExe) == 0)
            n++;
    CloseHandle(snap);
    return n;
}

HWND InProcessMainWindow(const char *szFolder)
{
    static HWND hwnd;
    if (!hwnd) {
        EnterScratchDir(szFolder);
        HACCEL accel;
        if (StartUp(GetModuleHandleA(NULL), "", SW_SHOWNORMAL, &accel))
            hwnd = Settings.hMainWnd;
        PumpPosted();
    }
    return hwnd;
}
