// The notice about a program run as administrator, and the restart as
// administrator that its balloon offers.
#include "app/elevate_win.h"
#include "app/elevate.h"
#include "app/startup.h"
#include "app/tray.h"
#include "input/hooks.h"
#include "scroll/settings.h"

void TellElevatedTarget(HWND hwnd, HWND target)
{
    // Another process's title is read from the system, not asked of the
    // program, so a hung program costs nothing here.
    char szTitle[NOTICE_TITLE_CHARS + 1] = "";
    GetWindowTextA(target, szTitle, sizeof szTitle);
    char szText[256];
    FormatElevatedNotice(szText, sizeof szText, szTitle);
    ShowTrayBalloon(hwnd, szText);
}

// ShellExecuteEx returns only once the consent prompt is answered, and the
// low-level hooks run on this thread: while the prompt waits on the user's
// desktop, every input event would wait for them. They go for the prompt.
static void TakeHooksAway(void)
{
    if (Settings.hKeyboardHook)
        UnhookWindowsHookEx(Settings.hKeyboardHook);
    UnhookWindowsHookEx(Settings.hMouseHook);
    Settings.hKeyboardHook = NULL;
    Settings.hMouseHook = NULL;
    ForgetHeldTriggers(0);
}

// The watchdog puts back whichever of them fails to come now.
static void PutHooksBack(void)
{
    Settings.hMouseHook = InstallMouseHook();
    if (Settings.bScrolling)
        Settings.hKeyboardHook = InstallKeyboardHook();
}

#define PATH_CHARS 1024

static int nRestarts;                   // attempts so far: each has a lock of its own

// The restart's order: the consent prompt and the new copy's start first,
// the save (as the exit path saves) only once the start succeeded, so that
// declining changes no file. The new copy is started at once but waits on
// a lock this copy holds: it reads the files only after this copy has saved
// them and ended, or ends itself when this copy gives the lock back.
BOOL RestartElevated(void)
{
    // Wide paths: a folder named outside the ANSI code page must work.
    wchar_t szExe[PATH_CHARS], szDir[PATH_CHARS];
    DWORD nExe = GetModuleFileNameW(NULL, szExe, PATH_CHARS);
    DWORD nDir = GetCurrentDirectoryW(PATH_CHARS, szDir);
    if (nExe == 0 || nExe >= PATH_CHARS || nDir == 0 || nDir >= PATH_CHARS)
        return FALSE;

    char szToken[RESTART_TOKEN_SIZE], szLock[64], szSwitches[128];
    FormatRestartToken(szToken, sizeof szToken, GetCurrentProcessId(), (unsigned)++nRestarts);
    FormatRestartLockName(szLock, sizeof szLock, szToken);
    HANDLE hLock = CreateMutexA(NULL, TRUE, szLock);
    if (hLock && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(hLock);             // someone else's: not held by this copy
        hLock = NULL;
    }
    if (!hLock)
        return FALSE;
    FormatRestartSwitches(szSwitches, sizeof szSwitches, Settings.bScrolling, Settings.bInTray,
                          szToken);
    wchar_t wszSwitches[128];
    MultiByteToWideChar(CP_ACP, 0, szSwitches, -1, wszSwitches, 128);   // ASCII only

    SHELLEXECUTEINFOW sei = {};
    sei.cbSize = sizeof sei;
    // No error box of the shell's (declining is no error to the user), and
    // the start is complete before this process goes on.
    sei.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    sei.hwnd = Settings.hMainWnd;
    sei.lpVerb = L"runas";
    sei.lpFile = szExe;
    sei.lpParameters = wszSwitches;
    sei.lpDirectory = szDir;
    sei.nShow = SW_SHOWNORMAL;
    TakeHooksAway();
    if (!ShellExecuteExW(&sei)) {
        // Declined, or the start failed: nothing was written, no copy waits.
        ReleaseMutex(hLock);
        CloseHandle(hLock);
        PutHooksBack();
        return FALSE;
    }
    const char *szFailed = NULL;
    if (!SaveOnExit(&szFailed)) {
        // This copy stays with the settings it could not save; the new copy,
        // given the lock back, ends before it reads or shows anything. The
        // handle stays open (for the life of the process): closed now, the
        // lock could vanish before the new copy opens it, and it would start.
        ReleaseMutex(hLock);
        PutHooksBack();
        char szText[256];
        FormatRestartSaveError(szText, sizeof szText, szFailed);
        MessageBoxA(Settings.hMainWnd, szText, "Error", MB_ICONERROR);
        return FALSE;
    }
    // Saved as the exit saves: the end of this copy must not save again. The
    // lock is held to the end of this process; the new copy starts then.
    Settings.bSaveOnExit = 0;
    PostQuitMessage(0);
    return TRUE;
}

BOOL WaitForRestartingCopy(const char *cmd)
{
    char szToken[RESTART_TOKEN_SIZE], szLock[64];
    if (!FindRestartToken(cmd, szToken))
        return TRUE;
    FormatRestartLockName(szLock, sizeof szLock, szToken);
    HANDLE hLock = OpenMutexA(SYNCHRONIZE, FALSE, szLock);
    if (!hLock)
        return TRUE;                    // that copy has ended, and its lock with it
    // Abandoned: that copy ended holding it, its files saved. Given back:
    // that copy stays. A failed wait starts this copy, as before locks.
    DWORD result = WaitForSingleObject(hLock, INFINITE);
    CloseHandle(hLock);
    return result != WAIT_OBJECT_0;
}
