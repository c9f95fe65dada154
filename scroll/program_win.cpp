// The programs of windows: QueryFullProcessImageNameW with the limited query
// right, which programs run as administrator grant too; the frame host's
// windows counted as their content's program (scroll/program.h).
#include "scroll/program_win.h"
#include "scroll/foreground_win.h"
#include "scroll/program.h"

#define KNOWN_PROGRAMS 32
#define MAX_CHILD_PIDS 8

static struct {
    DWORD dwPid;            // 0: free
    ULONGLONG qwStarted;
    char szName[MAX_PATH];
} aPrograms[KNOWN_PROGRAMS];
static int nNextSlot;

static void ReadName(DWORD dwPid, char *szOut, int cbOut)
{
    szOut[0] = '\0';
    HANDLE hProcess = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, dwPid);
    if (!hProcess)
        return;
    wchar_t szPath[MAX_PATH];
    DWORD n = MAX_PATH;
    if (QueryFullProcessImageNameW(hProcess, 0, szPath, &n)) {
        const wchar_t *name = szPath;
        for (const wchar_t *p = szPath; *p; p++)
            if (*p == L'\\' || *p == L'/')
                name = p + 1;
        // The rules are UTF-8 text.
        if (!WideCharToMultiByte(CP_UTF8, 0, name, -1, szOut, cbOut, NULL, NULL))
            szOut[0] = '\0';
    }
    CloseHandle(hProcess);
}

static const char *NameOf(DWORD dwPid)
{
    ULONGLONG qwStarted = StartedAt(dwPid);
    for (int i = 0; i < KNOWN_PROGRAMS; i++)
        if (aPrograms[i].dwPid == dwPid && aPrograms[i].qwStarted == qwStarted)
            return aPrograms[i].szName;
    int i = nNextSlot;
    nNextSlot = (nNextSlot + 1) % KNOWN_PROGRAMS;
    aPrograms[i].dwPid = dwPid;
    aPrograms[i].qwStarted = qwStarted;
    ReadName(dwPid, aPrograms[i].szName, sizeof aPrograms[i].szName);
    return aPrograms[i].szName;
}

struct CHILDPIDS {
    DWORD adw[MAX_CHILD_PIDS];
    int n;
};

static BOOL CALLBACK CollectPid(HWND child, LPARAM lParam)
{
    CHILDPIDS *c = (CHILDPIDS *)lParam;
    if (GetParent(child) == NULL)
        return TRUE;
    GetWindowThreadProcessId(child, &c->adw[c->n]);
    return ++c->n < MAX_CHILD_PIDS;
}

const char *ProgramOfWindow(HWND hRoot)
{
    DWORD dwPid = 0;
    if (!hRoot || !GetWindowThreadProcessId(hRoot, &dwPid) || !dwPid)
        return "";
    const char *szName = NameOf(dwPid);
    // Only the frame host's windows need their children looked at.
    if (lstrcmpiA(szName, FRAME_HOST_PROGRAM) != 0)
        return szName;
    CHILDPIDS children = {};
    EnumChildWindows(hRoot, CollectPid, (LPARAM)&children);
    DWORD dwOwner = (DWORD)ProgramProcess(dwPid, szName, (const unsigned long *)children.adw,
                                          children.n);
    return dwOwner == dwPid ? szName : NameOf(dwOwner);
}
