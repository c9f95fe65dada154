// The notice about a program run as administrator, and the restart as
// administrator that its balloon offers.
#include "app/elevate.h"
#include "app/elevate_text.h"
#include "app/tray.h"
#include "input/hooks.h"
#include "scroll/settings.h"
#include "store/settings_store.h"

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

BOOL RestartElevated(void)
{
    SaveSettings();
    char szExe[MAX_PATH * 4], szDir[MAX_PATH * 4], szSwitches[64];
    DWORD nExe = GetModuleFileNameA(NULL, szExe, sizeof szExe);
    DWORD nDir = GetCurrentDirectoryA(sizeof szDir, szDir);
    if (nExe == 0 || nExe >= sizeof szExe || nDir == 0 || nDir >= sizeof szDir)
        return FALSE;
    FormatRestartSwitches(szSwitches, sizeof szSwitches, Settings.bScrolling, Settings.bInTray);

    SHELLEXECUTEINFOA sei = {};
    sei.cbSize = sizeof sei;
    // No error box of the shell's (declining is no error to the user), and
    // the start is complete before this process goes.
    sei.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    sei.hwnd = Settings.hMainWnd;
    sei.lpVerb = "runas";
    sei.lpFile = szExe;
    sei.lpParameters = szSwitches;
    sei.lpDirectory = szDir;
    sei.nShow = SW_SHOWNORMAL;
    TakeHooksAway();
    if (!ShellExecuteExA(&sei)) {
        PutHooksBack();
        return FALSE;
    }
    // Saved above already: the end of this copy must not save again.
    Settings.bSaveOnExit = 0;
    PostQuitMessage(0);
    return TRUE;
}
