// The foreground record's Win32 side: the process's integrity level from its
// token, kept per process, and the full-screen facts of the window. The
// engine asks for the record on every tick that has steps, so asking costs
// one GetForegroundWindow and a comparison unless something changed.
#include "scroll/foreground_win.h"
#include "scroll/foreground.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "scroll/tick_budget.h"
#include <shellapi.h>
#include <string.h>

BOOL (*pfnIntegrityLookup)(DWORD dwPid, DWORD *pdwLevel);
ULONGLONG (*pfnStartLookup)(DWORD dwPid);

static FOREGROUND record;
static HWND hAsked;                  // the main thread was asked to read this window

// What is known of a process, by its id and start time. Slots are reused
// round the ring.
#define KNOWN_PROCESSES 32
static struct {
    DWORD dwPid;            // 0: a free slot
    ULONGLONG qwStarted;    // its creation time, 0 where it could not be read
    int bAboveUs;
    int bTold;
} aKnown[KNOWN_PROCESSES];
static int nNextSlot;
static BOOL TokenIntegrity(HANDLE hProcess, DWORD *pdwLevel)
{
    HANDLE hToken;
    if (!OpenProcessToken(hProcess, TOKEN_QUERY, &hToken))
        return FALSE;
    // The label and the SID it points to, which follows it in the buffer.
    union {
        TOKEN_MANDATORY_LABEL label;
        BYTE ab[sizeof(TOKEN_MANDATORY_LABEL) + SECURITY_MAX_SID_SIZE];
    } info;
    DWORD cb = 0;
    BOOL ok = GetTokenInformation(hToken, TokenIntegrityLevel, &info, sizeof info, &cb);
    CloseHandle(hToken);
    if (!ok || !IsValidSid(info.label.Label.Sid))
        return FALSE;
    UCHAR nSub = *GetSidSubAuthorityCount(info.label.Label.Sid);
    if (nSub == 0)
        return FALSE;
    *pdwLevel = *GetSidSubAuthority(info.label.Label.Sid, nSub - 1);
    return TRUE;
}

static BOOL IntegrityOf(DWORD dwPid, DWORD *pdwLevel)
{
    if (pfnIntegrityLookup)
        return pfnIntegrityLookup(dwPid, pdwLevel);
    // The limited query right is granted across integrity levels; the
    // token of a process run as administrator usually is not.
    HANDLE hProcess = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, dwPid);
    if (!hProcess)
        return FALSE;
    BOOL ok = TokenIntegrity(hProcess, pdwLevel);
    CloseHandle(hProcess);
    return ok;
}

// Its creation time tells a process from an earlier one with the same id.
ULONGLONG StartedAt(DWORD dwPid)
{
    if (pfnStartLookup)
        return pfnStartLookup(dwPid);
    HANDLE hProcess = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, dwPid);
    if (!hProcess)
        return 0;
    FILETIME created, exited, kernel, user;
    ULONGLONG q = 0;
    if (GetProcessTimes(hProcess, &created, &exited, &kernel, &user))
        q = ((ULONGLONG)created.dwHighDateTime << 32) | created.dwLowDateTime;
    CloseHandle(hProcess);
    return q;
}

static int Known(DWORD dwPid, ULONGLONG qwStarted)
{
    for (int i = 0; i < KNOWN_PROCESSES; i++)
        if (aKnown[i].dwPid == dwPid && aKnown[i].qwStarted == qwStarted)
            return i;
    return -1;
}

static int Learn(DWORD dwPid)
{
    ULONGLONG qwStarted = StartedAt(dwPid);
    int i = Known(dwPid, qwStarted);
    if (i >= 0)
        return i;
    // Our own level, read once; the process's own token, whatever the seam.
    static int bOursRead, bOursKnown;
    static DWORD dwOurs;
    if (!bOursRead) {
        bOursKnown = TokenIntegrity(GetCurrentProcess(), &dwOurs);
        bOursRead = 1;
    }
    DWORD dwTheirs = 0;
    BOOL bTheirsKnown = IntegrityOf(dwPid, &dwTheirs);
    i = nNextSlot;
    nNextSlot = (nNextSlot + 1) % KNOWN_PROCESSES;
    aKnown[i].dwPid = dwPid;
    aKnown[i].qwStarted = qwStarted;
    aKnown[i].bAboveUs = RunsAboveUs(bTheirsKnown, dwTheirs, bOursKnown, dwOurs);
    aKnown[i].bTold = 0;
    return i;
}

static SCREENRECT FromRect(const RECT &rc)
{
    return SCREENRECT{(int)rc.left, (int)rc.top, (int)rc.right, (int)rc.bottom};
}

// Exclusive Direct3D and the presentation mode the shell knows about,
// whatever the window looks like. Asking the shell can wait: never while an
// input event waits.
static int ShellFullScreen(void)
{
    QUERY_USER_NOTIFICATION_STATE state;
    return SUCCEEDED(SHQueryUserNotificationState(&state)) &&
           (state == QUNS_RUNNING_D3D_FULL_SCREEN || state == QUNS_PRESENTATION_MODE);
}

// The window's own look: the window manager answers that without asking the
// program or the shell, so a press may read it afresh.
static int WindowFullScreen(HWND hwnd)
{
    RECT rcWindow;
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    HMONITOR monitor = MonitorFromWindow(hwnd, MONITOR_DEFAULTTONULL);
    if (!GetWindowRect(hwnd, &rcWindow) || !monitor || !GetMonitorInfoA(monitor, &mi))
        return 0;
    char szClass[64];
    if (!GetClassNameA(hwnd, szClass, sizeof szClass))
        szClass[0] = '\0';
    SCREENRECT window = FromRect(rcWindow), screen = FromRect(mi.rcMonitor);
    return IsFullScreenWindow(&window, &screen, (unsigned long)GetWindowLongA(hwnd, GWL_STYLE),
                              szClass);
}

void RefreshForeground(void)
{
    HWND hwnd = GetForegroundWindow();
    memset(&record, 0, sizeof record);
    record.hwnd = hwnd;
    record.nKnown = -1;
    hAsked = NULL;
    if (hwnd)
        GetWindowThreadProcessId(hwnd, &record.dwPid);
    // A window already gone has no process to ask about.
    if (record.dwPid) {
        record.nKnown = Learn(record.dwPid);
        record.bAboveUs = aKnown[record.nKnown].bAboveUs;
    }
    if (hwnd && Settings.bPauseFullScreen) {
        record.bShellFullScreen = ShellFullScreen();
        record.bFullScreen = record.bShellFullScreen || WindowFullScreen(hwnd);
        record.dwFullScreenAt = GetTickCount();
    }
}

// What an input event may know of a window that came to the front since the
// record was read: what is kept of its process by id alone (the start time
// would take opening it), and its own look. The main thread reads the rest;
// until input pauses, hook calls come before its message.
static const FOREGROUND *Provisional(HWND hwnd)
{
    static FOREGROUND guess;
    memset(&guess, 0, sizeof guess);
    guess.hwnd = hwnd;
    guess.nKnown = -1;
    if (hwnd)
        GetWindowThreadProcessId(hwnd, &guess.dwPid);
    for (int i = 0; guess.dwPid && i < KNOWN_PROCESSES; i++)
        if (aKnown[i].dwPid == guess.dwPid) {
            guess.bAboveUs = aKnown[i].bAboveUs;
            guess.nKnown = i;
            break;
        }
    if (hwnd && Settings.bPauseFullScreen)
        guess.bFullScreen = WindowFullScreen(hwnd);
    if (hAsked != hwnd && Settings.hMainWnd) {
        hAsked = hwnd;
        PostMessageA(Settings.hMainWnd, WM_FOREGROUNDCHANGED, 0, 0);
    }
    return &guess;
}

// What GetForegroundWindow last answered, and when, in ms on the
// performance counter (GetTickCount moves in steps longer than the reuse).
static HWND hAnswer;
static double dAnsweredAt;

static double NowMs(void)
{
    static LARGE_INTEGER freq;
    if (!freq.QuadPart)
        QueryPerformanceFrequency(&freq);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)now.QuadPart * 1000.0 / (double)(freq.QuadPart > 0 ? freq.QuadPart : 1);
}

const FOREGROUND *CurrentForeground(BOOL bFresh)
{
    double now = NowMs();
    if (MayReuseForeground(bFresh, InsideInputEvent(), hAnswer && hAnswer == record.hwnd,
                           now - dAnsweredAt))
        return &record;
    HWND hwnd = GetForegroundWindow();
    hAnswer = hwnd;
    dAnsweredAt = now;
    if (InsideInputEvent()) {
        if (hwnd != record.hwnd)
            return Provisional(hwnd);
        // A press looks at the window afresh (a browser's F11 counts at once);
        // what the shell says comes from the main thread.
        if (bFresh && hwnd && Settings.bPauseFullScreen)
            record.bFullScreen = record.bShellFullScreen || WindowFullScreen(hwnd);
        return &record;
    }
    if (bFresh || hwnd != record.hwnd ||
        (hwnd && Settings.bPauseFullScreen &&
         GetTickCount() - record.dwFullScreenAt >= FULLSCREEN_RECHECK_MS))
        RefreshForeground();
    return &record;
}

const FOREGROUND *WindowFacts(HWND hwnd)
{
    if (hwnd == GetForegroundWindow())
        return CurrentForeground(FALSE);
    static FOREGROUND other;
    memset(&other, 0, sizeof other);
    other.hwnd = hwnd;
    other.nKnown = -1;
    GetWindowThreadProcessId(hwnd, &other.dwPid);
    if (other.dwPid && !InsideInputEvent()) {
        other.nKnown = Learn(other.dwPid);
    } else if (other.dwPid) {
        // Known by id alone while an input event waits; the main thread
        // learns the rest of a process met for the first time.
        for (int i = 0; i < KNOWN_PROCESSES && other.nKnown < 0; i++)
            if (aKnown[i].dwPid == other.dwPid)
                other.nKnown = i;
        if (other.nKnown < 0 && Settings.hMainWnd)
            PostMessageA(Settings.hMainWnd, WM_LEARNPROCESS, (WPARAM)other.dwPid, 0);
    }
    if (other.nKnown >= 0)
        other.bAboveUs = aKnown[other.nKnown].bAboveUs;
    if (Settings.bPauseFullScreen)
        other.bFullScreen = WindowFullScreen(hwnd);
    return &other;
}

void LearnProcess(DWORD dwPid)
{
    if (dwPid)
        Learn(dwPid);
}

static void CALLBACK OnForegroundEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD)
{
    RefreshForeground();
}

void WatchForeground(void)
{
    SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, NULL, OnForegroundEvent, 0,
                    0, WINEVENT_OUTOFCONTEXT);
}

BOOL FirstNoticeFor(const FOREGROUND *fg)
{
    int i = fg->nKnown;
    if (i < 0 || aKnown[i].dwPid != fg->dwPid || aKnown[i].bTold)
        return FALSE;
    aKnown[i].bTold = 1;
    return TRUE;
}

void ForgetForeground(void)
{
    hAnswer = NULL;
    memset(&record, 0, sizeof record);
    record.nKnown = -1;
    hAsked = NULL;
    memset(aKnown, 0, sizeof aKnown);
    nNextSlot = 0;
}
