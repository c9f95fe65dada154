// Low-level input hooks (WH_MOUSE_LL, WH_KEYBOARD_LL). They run on the thread
// that installed them, so the SendMessageA relay is a direct call into the
// main window procedure, in event order, and the tick it runs has finished
// before the next event. A hook copies the event, asks the trigger whether to
// pass or swallow it (only the "Mouse wheel" type ever swallows), relays the
// report and returns; whatever must be given back to programs is injected
// later, from a message posted to the main window, never inside a hook.
// Events the program injected itself are passed on untouched and unreported.
#include "input/hooks.h"
#include "input/inject.h"
#include "input/key_names.h"
#include "input/trigger.h"
#include "scroll/settings.h"
#include <string.h>

volatile unsigned nMouseEventsSeen, nKeyEventsSeen;

// Each hook's own cached window. A failed look-up is never kept: the keyboard
// hook is installed by Start before the title says ON, and an event that
// arrives in between must not leave the keys dead for the whole ON period.
static HWND hMouseTarget, hKeyboardTarget;

static TRIGGER trigger;

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

static TRIGGERCONFIG TriggerConfig(void)
{
    TRIGGERCONFIG c;
    c.bWatch = Settings.bScrolling != 0;
    c.bKeep = Settings.bScrolling && Settings.nMessageType == MESSAGE_WHEEL;
    c.nHoldVk = Settings.bHoldKey ? Settings.nScrollVk : 0;
    c.bMiddle = Settings.bMiddleButton != 0;
    c.bLockTaps = Settings.bDragLock != 0;
    c.nDrags = Settings.nDragTicks;
    return c;
}

// The trigger's answer for one event; a give-back is asked for by a message.
// *pReleased tells what a trigger's release ended (a tap, a drag), for the
// report that follows the event's own.
static BOOL Swallow(HWND target, TRIGGEREVENT *e, int nAsyncVk, int *pReleased)
{
    TRIGGERCONFIG c = TriggerConfig();
    // Only a press the trigger may keep needs to know whether programs
    // already have it down (the hooks run before the key state changes).
    if (c.bKeep && e->bDown && nAsyncVk)
        e->bWasDown = GetAsyncKeyState(nAsyncVk) < 0;
    TRIGGERANSWER a = TriggerOnEvent(&trigger, e, &c);
    if (a.bGiveBack && target)
        PostMessageA(target, WM_GIVEBACK, 0, 0);
    *pReleased = a.nReleased;
    return a.bSwallow;
}

// A trigger's tap or drag is reported after the release itself, like it in
// event order: the lock it may toggle governs the next event.
static void ReportRelease(HWND target, int nReleased)
{
    if (nReleased == RELEASED_TAP)
        SendMessageA(target, WM_HOOKTRIGGER, TRIGGER_TAPPED, 0);
    else if (nReleased == RELEASED_DRAG)
        SendMessageA(target, WM_HOOKTRIGGER, TRIGGER_DRAGGED, 0);
}

// A mouse message as a trigger event; FALSE for moves and the like.
static BOOL MouseEvent(WPARAM wParam, const MSLLHOOKSTRUCT *ll, TRIGGEREVENT *e, int *pAsyncVk)
{
    memset(e, 0, sizeof *e);
    e->nKind = TRIG_BUTTON;
    switch (wParam) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: e->nCode = TRIG_LEFT; *pAsyncVk = VK_LBUTTON; break;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: e->nCode = TRIG_RIGHT; *pAsyncVk = VK_RBUTTON; break;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: e->nCode = TRIG_MIDDLE; *pAsyncVk = VK_MBUTTON; break;
    case WM_XBUTTONDOWN: case WM_XBUTTONUP:
        e->nCode = HIWORD(ll->mouseData) == XBUTTON1 ? TRIG_X1 : TRIG_X2;
        *pAsyncVk = 0;
        break;
    case WM_MOUSEWHEEL: case WM_MOUSEHWHEEL:
        e->nKind = TRIG_WHEEL;
        e->bDown = 1;
        e->nWheelDelta = (short)HIWORD(ll->mouseData);
        e->bHorizontal = wParam == WM_MOUSEHWHEEL;
        *pAsyncVk = 0;
        return TRUE;
    default:
        return FALSE;
    }
    e->bDown = wParam == WM_LBUTTONDOWN || wParam == WM_RBUTTONDOWN || wParam == WM_MBUTTONDOWN ||
               wParam == WM_XBUTTONDOWN;
    return TRUE;
}

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0) {
        const MSLLHOOKSTRUCT *event = (const MSLLHOOKSTRUCT *)lParam;
        if (IsOwnInput(event->dwExtraInfo)) {
            nMouseEventsSeen++;             // the hook is alive all the same
            return CallNextHookEx(Settings.hMouseHook, code, wParam, lParam);
        }
        if (!hMouseTarget)
            hMouseTarget = FindOwnMainWindow("");
        TRIGGEREVENT e;
        int nAsyncVk = 0, nReleased = RELEASED_NOTHING;
        BOOL bSwallow = MouseEvent(wParam, event, &e, &nAsyncVk) &&
                        Swallow(hMouseTarget, &e, nAsyncVk, &nReleased);
        if (hMouseTarget) {
            // The watchdog counts only events that reached the window.
            nMouseEventsSeen++;
            SendMessageA(hMouseTarget, WM_HOOKMOUSE, (WPARAM)event->pt.x, (LPARAM)event->pt.y);
            if (wParam == WM_MBUTTONDOWN)
                SendMessageA(hMouseTarget, WM_HOOKKEY, MIDDLE_BUTTON_KEY, 1);
            else if (wParam == WM_MBUTTONUP)
                SendMessageA(hMouseTarget, WM_HOOKKEY, MIDDLE_BUTTON_KEY, 0);
            ReportRelease(hMouseTarget, nReleased);
        }
        if (bSwallow)
            return 1;
    }
    return CallNextHookEx(Settings.hMouseHook, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code >= 0) {
        const KBDLLHOOKSTRUCT *event = (const KBDLLHOOKSTRUCT *)lParam;
        if (IsOwnInput(event->dwExtraInfo)) {
            nKeyEventsSeen++;
            return CallNextHookEx(Settings.hKeyboardHook, code, wParam, lParam);
        }
        int pressed = (event->flags & LLKHF_UP) ? 0 : 1;
        if (!hKeyboardTarget)
            hKeyboardTarget = FindOwnMainWindow("");
        TRIGGEREVENT e = {};
        e.nKind = TRIG_KEY;
        e.nCode = FoldModifierVk((int)event->vkCode);
        e.bDown = pressed;
        e.nRawVk = (int)event->vkCode;
        e.nScan = (int)event->scanCode;
        e.bExtended = (event->flags & LLKHF_EXTENDED) != 0;
        int nReleased = RELEASED_NOTHING;
        BOOL bSwallow = Swallow(hKeyboardTarget, &e, (int)event->vkCode, &nReleased);
        if (hKeyboardTarget) {
            nKeyEventsSeen++;
            SendMessageA(hKeyboardTarget, WM_HOOKKEY, (WPARAM)e.nCode, pressed);
            ReportRelease(hKeyboardTarget, nReleased);
        }
        if (bSwallow)
            return 1;
    }
    return CallNextHookEx(Settings.hKeyboardHook, code, wParam, lParam);
}

void GiveBackHeldInput(void)
{
    // Each event stays queued while it is injected: real events that reach
    // the hooks meanwhile (they can, inside SendInput) queue up behind it.
    while (const TRIGGEREVENT *e = TriggerNextGiveBack(&trigger)) {
        TRIGGEREVENT copy = *e;
        InjectEvent(&copy);
        TriggerGiveBackDone(&trigger);
    }
}

void ForgetHeldTriggers(void)
{
    TriggerForget(&trigger);
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
