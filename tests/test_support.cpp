// Test windows in this thread: each child counts through the kit's counting
// procedure into counts of its own, kept by window handle.
#include "test_support.h"
#include "app/startup.h"
#include "scroll/settings.h"
#include "scroll/foreground_win.h"
#include <tlhelp32.h>
#include <map>
#include <string>

static std::map<HWND, COUNTING> counts;   // a node stays put: windows point into it

// Counting from when its handle, the key of its counts, is known.
static HWND Counted(HWND child)
{
    if (child) {
        COUNTING &c = counts[child];
        c = COUNTING{};
        SetWindowLongPtrA(child, GWLP_USERDATA, (LONG_PTR)&c);
    }
    return child;
}

HWND CreateCountedChild(HWND parent, const char *cls, int id)
{
    return Counted(CreateCountingWindow(cls, "", WS_CHILD, parent, 0, 0, 5, 5, id, NULL));
}

HWND CreateTestTarget(const char *title, const char *const *classes, int nClasses)
{
    HWND hwnd = CreateCountingWindow("VeltracTestTop", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     NULL, 100, 100, 300, 200, 0, NULL);
    for (int i = 0; i < nClasses; i++)
        Counted(CreateCountingWindow(classes[i], "", WS_CHILD | WS_VISIBLE, hwnd, 0, i, 10, 1,
                                     100 + i, NULL));
    SetForegroundWindow(hwnd);
    PumpUntil([&] { return GetForegroundWindow() == hwnd; });
    PumpPosted();
    return hwnd;
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
    const WINDOWCOUNTS &w = it->second.counts;
    return SCROLLCOUNT{(int)w.anScrolls[DIR_UP], (int)w.anScrolls[DIR_DOWN],
                       (int)w.anScrolls[DIR_LEFT], (int)w.anScrolls[DIR_RIGHT],
                       (int)w.nBadLParam};
}

int TotalScrolls(HWND child)
{
    SCROLLCOUNT c = ChildCount(child);
    return c.nUp + c.nDown + c.nLeft + c.nRight;
}

void ResetCounts(void)
{
    for (auto &entry : counts)
        ResetCounts(&entry.second);
}

void StartEngine(bool bEdgeRepeat)
{
    if (Settings.bTimerRunning)
        KillTimer(NULL, Settings.idRepeatTimer);
    ResetRecord();
    Settings.nScreenMaxX = 1023;
    Settings.nScreenMaxY = 767;
    Settings.bScrolling = 1;
    Settings.bEdgeRepeat = bEdgeRepeat;
    Settings.nMouseX = Settings.nLastX = 400;
    Settings.nMouseY = Settings.nLastY = 400;
    ResetCounts();
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

HWND WaitReadmeNotepad(void)
{
    HWND notepad = NULL;
    return WaitFor([&] {
        notepad = FindWindowA("Notepad", NULL);
        return notepad && WindowText(notepad).find("readme") != std::string::npos;
    }, 20000) ? notepad : NULL;
}

std::vector<DWORD> Processes(const char *szExe, DWORD parent)
{
    std::vector<DWORD> pids;
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return pids;
    PROCESSENTRY32 pe = {};
    pe.dwSize = sizeof pe;
    for (BOOL ok = Process32First(snap, &pe); ok; ok = Process32Next(snap, &pe))
        if (_stricmp(pe.szExeFile, szExe) == 0 && (!parent || pe.th32ParentProcessID == parent))
            pids.push_back(pe.th32ProcessID);
    CloseHandle(snap);
    return pids;
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
