// Low-level input hooks (WH_MOUSE_LL, WH_KEYBOARD_LL). They run on the thread
// that installed them, so the SendMessageA relay is a direct call into the
// main window procedure, in event order. Events are never consumed or altered,
// and every event is passed on with CallNextHookEx so other programs' hooks
// keep working.
#include "input/hooks.h"
#include "input/key_names.h"
#include "scroll/settings.h"
#include <string.h>

volatile unsigned nMouseEventsSeen, nKeyEventsSeen;

static HWND hMouseTarget, hKeyboardTarget;   // each hook's own cached window
static BOOL bMouseLooked, bKeyboardLooked;

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

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0) {
        const MSLLHOOKSTRUCT *event = (const MSLLHOOKSTRUCT *)lParam;
        nMouseEventsSeen++;
        if (!bMouseLooked) {
            hMouseTarget = FindOwnMainWindow(TITLE_OFF);
            if (!hMouseTarget)
                hMouseTarget = FindOwnMainWindow(TITLE_ON);
            bMouseLooked = TRUE;
        }
        if (hMouseTarget) {
            SendMessageA(hMouseTarget, WM_HOOKMOUSE, (WPARAM)event->pt.x, (LPARAM)event->pt.y);
            if (wParam == WM_MBUTTONDOWN)
                SendMessageA(hMouseTarget, WM_HOOKKEY, MIDDLE_BUTTON_KEY, 1);
            else if (wParam == WM_MBUTTONUP)
                SendMessageA(hMouseTarget, WM_HOOKKEY, MIDDLE_BUTTON_KEY, 0);
        }
    }
    return CallNextHookEx(Settings.hMouseHook, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0) {
        const KBDLLHOOKSTRUCT *event = (const KBDLLHOOKSTRUCT *)lParam;
        nKeyEventsSeen++;
        int pressed = (event->flags & LLKHF_UP) ? 0 : 1;
        if (!bKeyboardLooked) {
            hKeyboardTarget = FindOwnMainWindow(TITLE_ON);
            bKeyboardLooked = TRUE;
        }
        if (hKeyboardTarget)
            SendMessageA(hKeyboardTarget, WM_HOOKKEY, (WPARAM)FoldModifierVk((int)event->vkCode),
                         pressed);
    }
    return CallNextHookEx(Settings.hKeyboardHook, code, wParam, lParam);
}

// A new hook looks its window up again at its first event.
HHOOK InstallMouseHook(void)
{
    bMouseLooked = FALSE;
    return SetWindowsHookExA(WH_MOUSE_LL, MouseHookProc, GetModuleHandleA(NULL), 0);
}

HHOOK InstallKeyboardHook(void)
{
    bKeyboardLooked = FALSE;
    return SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHookProc, GetModuleHandleA(NULL), 0);
}
