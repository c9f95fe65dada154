// The walk that finds the window under the pointer. The system's answer
// comes first (WindowFromPoint, one call); only when its top-level window is
// one to look beneath does the walk go down the Z order, to the next
// visible, uncloaked window that contains the point.
#include "scroll/pointer_window_win.h"
#include "scroll/pointer_window.h"

#define MAX_LAYERS 32            // windows looked beneath at one point, at most

// DWMWA_CLOAKED: a window hidden by the desktop window manager (another
// virtual desktop, a suspended store app) is visible to GetWindowLong but
// not on screen. dwmapi is asked for by name: it is no import of ours.
static BOOL Cloaked(HWND hwnd)
{
    typedef HRESULT(WINAPI * DWMGET)(HWND, DWORD, PVOID, DWORD);
    static DWMGET pfnGet;
    static BOOL bLooked;
    if (!bLooked) {
        HMODULE dwm = LoadLibraryA("dwmapi.dll");
        pfnGet = dwm ? (DWMGET)(void (*)(void))GetProcAddress(dwm, "DwmGetWindowAttribute") : NULL;
        bLooked = TRUE;
    }
    DWORD nCloaked = 0;
    return pfnGet && SUCCEEDED(pfnGet(hwnd, 14 /* DWMWA_CLOAKED */, &nCloaked, sizeof nCloaked)) &&
           nCloaked != 0;
}

static HWND NextBeneath(HWND hwnd, POINT pt)
{
    for (HWND w = GetWindow(hwnd, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
        RECT rc;
        if (IsWindowVisible(w) && GetWindowRect(w, &rc) && PtInRect(&rc, pt) && !Cloaked(w))
            return w;
    }
    return NULL;
}

void ProgramFileName(DWORD dwPid, char *szOut, int cbOut)
{
    szOut[0] = '\0';
    HANDLE hProcess = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, dwPid);
    if (!hProcess)
        return;
    char szPath[MAX_PATH];
    DWORD n = sizeof szPath;
    if (QueryFullProcessImageNameA(hProcess, 0, szPath, &n)) {
        const char *name = szPath;
        for (const char *p = szPath; *p; p++)
            if (*p == '\\' || *p == '/')
                name = p + 1;
        lstrcpynA(szOut, name, cbOut);
    }
    CloseHandle(hProcess);
}

HWND RootUnderPointer(POINT pt, BOOL *pbRefused)
{
    *pbRefused = FALSE;
    HWND under = WindowFromPoint(pt);
    HWND root = under ? GetAncestor(under, GA_ROOT) : NULL;
    for (int n = 0; root && n < MAX_LAYERS; n++, root = NextBeneath(root, pt)) {
        DWORD dwPid = 0;
        GetWindowThreadProcessId(root, &dwPid);
        if (dwPid == GetCurrentProcessId())
            return NULL;
        char szClass[64];
        if (!GetClassNameA(root, szClass, sizeof szClass))
            szClass[0] = '\0';
        if (SeenThroughRoot(szClass, (unsigned long)GetWindowLongA(root, GWL_EXSTYLE)))
            continue;
        char szExe[MAX_PATH] = "";
        if (RefusalNeedsProgram(szClass))
            ProgramFileName(dwPid, szExe, sizeof szExe);
        *pbRefused = RefusedRoot(szClass, szExe);
        return *pbRefused ? NULL : root;
    }
    return NULL;
}
