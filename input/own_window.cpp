// Finding the program's own main window by its class and title, as a hook
// does at its first event after it was installed.
#include "input/hooks.h"
#include "scroll/settings.h"
#include <string.h>

struct FINDMAIN {
    const char *szTitle;
    HWND hFound;
};

static BOOL CALLBACK MatchOwnWindow(HWND hwnd, LPARAM lParam)
{
    FINDMAIN *find = (FINDMAIN *)lParam;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != GetCurrentProcessId())
        return TRUE;
    char szClass[64], szText[64];
    if (!GetClassNameA(hwnd, szClass, sizeof szClass) || strcmp(szClass, MAIN_CLASS_NAME))
        return TRUE;
    GetWindowTextA(hwnd, szText, sizeof szText);
    if (find->szTitle[0] ? strcmp(szText, find->szTitle) != 0
                         : strcmp(szText, TITLE_OFF) && strcmp(szText, TITLE_ON))
        return TRUE;
    find->hFound = hwnd;
    return FALSE;
}

// Only windows of this process count, so that a second instance started with
// "-letmeopen2" never drives the first one's engine.
HWND FindOwnMainWindow(const char *title)
{
    FINDMAIN find = {title, NULL};
    EnumWindows(MatchOwnWindow, (LPARAM)&find);
    return find.hFound;
}
