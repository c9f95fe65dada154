// The foreground record's Win32 side: the process's integrity level from its
// token, kept per process, and the full-screen facts of the window. The
// engine asks for the record on every tick that has steps, so asking costs
// one GetForegroundWindow and a comparison unless something changed.
#include "scroll/foreground.h"
#include "scroll/foreground_rules.h"
#include "scroll/settings.h"
#include <shellapi.h>
#include <string.h>

BOOL (*pfnIntegrityLookup)(DWORD dwPid, DWORD *pdwLevel);

static FOREGROUND record;

// What is known of a process. Keyed by process id alone: a later process
// that reuses an id inherits the answer, which only costs a wrong notice or
// none; opening it to tell the two apart would be the very lookup the cache
// saves. Slots are reused round the ring.
#define KNOWN_PROCESSES 32
static struct {
    DWORD dwPid;            // 0: a free slot
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

static int Known(DWORD dwPid)
{
    for (int i = 0; i < KNOWN_PROCESSES; i++)
        if (aKnown[i].dwPid == dwPid)
            return i;
    return -1;
}

static int Learn(DWORD dwPid)
{
    int i = Known(dwPid);
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
    aKnown[i].bAboveUs = RunsAboveUs(bTheirsKnown, dwTheirs, bOursKnown, dwOurs);
    aKnown[i].bTold = 0;
    return i;
}

static SCREENRECT FromRect(const RECT &rc)
{
    return SCREENRECT{(int)rc.left, (int)rc.top, (int)rc.right, (int)rc.bottom};
}

static int ReadFullScreen(HWND hwnd)
{
    // Exclusive Direct3D and the presentation mode the shell knows about,
    // whatever the window looks like.
    QUERY_USER_NOTIFICATION_STATE state;
    if (SUCCEEDED(SHQueryUserNotificationState(&state)) &&
        (state == QUNS_RUNNING_D3D_FULL_SCREEN || state == QUNS_PRESENTATION_MODE))
        return 1;
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

const FOREGROUND *CurrentForeground(BOOL bFresh)
{
    HWND hwnd = GetForegroundWindow();
    if (bFresh || hwnd != record.hwnd) {
        memset(&record, 0, sizeof record);
        record.hwnd = hwnd;
        if (hwnd)
            GetWindowThreadProcessId(hwnd, &record.dwPid);
        // A window already gone has no process to ask about.
        if (record.dwPid)
            record.bAboveUs = aKnown[Learn(record.dwPid)].bAboveUs;
    }
    if (hwnd && Settings.bPauseFullScreen &&
        (!record.bFullScreenRead ||
         GetTickCount() - record.dwFullScreenAt >= FULLSCREEN_RECHECK_MS)) {
        record.bFullScreen = ReadFullScreen(hwnd);
        record.bFullScreenRead = 1;
        record.dwFullScreenAt = GetTickCount();
    }
    return &record;
}

BOOL FirstNoticeFor(DWORD dwPid)
{
    int i = Learn(dwPid);
    if (aKnown[i].bTold)
        return FALSE;
    aKnown[i].bTold = 1;
    return TRUE;
}

void ForgetForeground(void)
{
    memset(&record, 0, sizeof record);
    memset(aKnown, 0, sizeof aKnown);
    nNextSlot = 0;
}
