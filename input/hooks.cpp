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

// Each hook's own cached window. A failed look-up is never kept: the keyboard
// hook is installed by Start before the title says ON, and an event that
// arrives in between must not leave the keys dead for the whole ON period.
static HWND hMouseTarget, hKeyboardTarget;

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
        if (!hMouseTarget)
            hMouseTarget = FindOwnMainWindow("");
        if (hMouseTarget) {
            // The watchdog counts only events that reached the window.
            nMouseEventsSeen++;
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
        int pressed = (event->flags & LLKHF_UP) ? 0 : 1;
        if (!hKeyboardTarget)
            hKeyboardTarget = FindOwnMainWindow("");
        if (hKeyboardTarget) {
            nKeyEventsSeen++;
            SendMessageA(hKeyboardTarget, WM_HOOKKEY, (WPARAM)FoldModifierVk((int)event->vkCode),
                         pressed);
        }
    }
    return CallNextHookEx(Settings.hKeyboardHook, code, wParam, lParam);
}

// A new hook looks its window up again at its first event. Either title will
// do: the window is this process's own, and its title changes with ON/OFF.
HHOOK InstallMouseHook(void)
{
    hMouseTarget = NULL;
    return SetWindowsHookExA(WH_MOUSE_LL, MouseHookProc, GetModuleHandleA(NULL), 0);
}

HHOOK InstallKeyboardHook(void)
{
    hKeyboardTarget = NULL;
    return SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHookProc, GetModuleHandleA(NULL), 0);
}
