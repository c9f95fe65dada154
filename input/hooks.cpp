// Low-level input hooks (WH_MOUSE_LL, WH_KEYBOARD_LL). They run on the thread
// that installed them. A hook copies the event, asks the trigger whether to
// pass or swallow it (only kept triggers and what queues behind a give-back
// are ever swallowed), records its reports for the main window and has them
// handled (input/report_queue.h), and returns. What is then true: reports
// reach the engine in event order, each after the previous one has been
// handled; the reports of a hook call that arrives while a tick waits are
// handled by the call under way, before it returns, within the same tick
// budget, so whatever one input event causes ends within that bound. The
// trigger itself decides as each event arrives, in event order. Whatever must
// be given back to programs is injected later, from a message posted to the
// main window, never inside a hook. Events the program injected itself are
// passed on untouched and unreported.
#include "input/hooks.h"
#include "input/inject.h"
#include "input/key_names.h"
#include "input/report_queue.h"
#include "input/trigger.h"
#include "scroll/settings.h"
#include "scroll/target.h"
#include "scroll/wheel_delivery.h"
#include <string.h>

volatile unsigned nMouseEventsSeen, nKeyEventsSeen;
unsigned nGiveBacksRefused;

// Each hook's own cached window. A failed look-up is never kept: the keyboard
// hook is installed by Start before the title says ON, and an event that
// arrives in between must not leave the keys dead for the whole ON period.
static HWND hMouseTarget, hKeyboardTarget;

static TRIGGER trigger;
// What the engine was last told of the two triggers (-1: nothing yet).
static int nKeyReported = -1, nButtonReported = -1;
// The pointer held still while a drag goes on, and where; a lock that began
// where nothing is scrolled holds nothing until it ends.
static BOOL bHolding, bLockDeclined;
static POINT ptHeld;

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

void RefreshDragBox(void)
{
    trigger.nDragCX = GetSystemMetrics(SM_CXDRAG);
    trigger.nDragCY = GetSystemMetrics(SM_CYDRAG);
}

// Asked once per trigger press.
static int NothingScrollsHere(void)
{
    return FindTargetWindowForPress() == NULL;
}

static int DragButtonCode(void)
{
    switch (Settings.nDragButton) {
    case DRAG_BUTTON_X1: return TRIG_X1;
    case DRAG_BUTTON_X2: return TRIG_X2;
    default: return TRIG_MIDDLE;
    }
}

static TRIGGERCONFIG TriggerConfig(void)
{
    TRIGGERCONFIG c;
    c.bWatch = Settings.bScrolling != 0;
    c.bKeepKey = Settings.bScrolling && Settings.nMessageType == MESSAGE_WHEEL;
    c.nHoldVk = Settings.bHoldKey ? Settings.nScrollVk : 0;
    c.nButton = Settings.bMiddleButton ? DragButtonCode() : 0;
    // Back and Forward would turn every drag into a page back in a browser:
    // they are kept in every type.
    c.bKeepButton = c.bKeepKey || (c.bWatch && c.nButton != TRIG_MIDDLE);
    c.bLockTaps = Settings.bDragLock != 0;
    c.nDrags = Settings.nDragTicks;
    c.pfnLeaveAlone = NothingScrollsHere;
    return c;
}

// The trigger's answer for one event; a give-back is asked for by a message.
// *pReleased tells what a trigger's release ended (a tap, a drag).
static BOOL Swallow(HWND target, TRIGGEREVENT *e, const TRIGGERCONFIG *c, int nAsyncVk,
                    int *pReleased)
{
    // Whether programs have it down already: only a trigger that may be
    // kept needs to know (the hooks run before the key state changes).
    BOOL bTrigger = e->nKind == TRIG_KEY ? c->bKeepKey && e->nCode == c->nHoldVk
                                         : c->bKeepButton && e->nCode == c->nButton;
    if (bTrigger && nAsyncVk)
        e->bWasDown = GetAsyncKeyState(nAsyncVk) < 0;
    TRIGGERANSWER a = TriggerOnEvent(&trigger, e, c);
    Settings.bGiveBackWaiting = GiveBackOwes(&trigger.give);
    if (a.bGiveBack && target)
        PostMessageA(target, WM_GIVEBACK, 0, 0);
    *pReleased = a.nReleased;
    return a.bSwallow;
}

// The engine hears of a trigger what the trigger says of it: held while
// either side of the key is down, and no longer dragging once a chord gave
// it to programs. Reported at every event of the trigger itself (the hold
// key's auto-repeats drive ticks) and whenever another event changed it.
static void ReportTriggers(const TRIGGERCONFIG *c, BOOL bKeyEvent, BOOL bButtonEvent)
{
    if (!c->bWatch)
        return;
    if (c->nHoldVk) {
        int bDrags = TriggerKeyDrags(&trigger, c);
        if (bKeyEvent || bDrags != nKeyReported)
            QueueReport(WM_HOOKKEY, (WPARAM)c->nHoldVk, bDrags);
        nKeyReported = bDrags;
    }
    if (c->nButton) {
        int bDrags = TriggerButtonDrags(&trigger, c);
        if (bButtonEvent || bDrags != nButtonReported)
            QueueReport(WM_HOOKKEY, MIDDLE_BUTTON_KEY, bDrags);
        nButtonReported = bDrags;
    }
}

// A trigger's tap or drag is reported after the release itself, like it in
// event order: the lock it may toggle governs the next event.
static void ReportRelease(int nReleased)
{
    if (nReleased == RELEASED_TAP)
        QueueReport(WM_HOOKTRIGGER, TRIGGER_TAPPED, 0);
    else if (nReleased == RELEASED_DRAG)
        QueueReport(WM_HOOKTRIGGER, TRIGGER_DRAGGED, 0);
}

// Whether this move is kept from programs: from a trigger's press to its
// release, and while the lock is on, when the option asks for it.
static BOOL HoldsPointer(const TRIGGERCONFIG *c)
{
    if (!Settings.bDragLocked)
        bLockDeclined = FALSE;
    if (!Settings.bKeepPointerStill || !c->bWatch)
        return bHolding = FALSE;        // the common case: nothing more per move
    BOOL bPress = TriggerKeyDrags(&trigger, c) || TriggerButtonDrags(&trigger, c);
    BOOL bWant = bPress || (Settings.bDragLocked && !bLockDeclined);
    if (bWant && !bHolding && !bPress && !FindTargetWindow()) {
        bLockDeclined = TRUE;             // decided once, where the lock begins
        bWant = FALSE;
    }
    if (bWant && !bHolding) {
        ptHeld.x = trigger.nX;            // where the pointer is, before this move
        ptHeld.y = trigger.nY;
    }
    bHolding = bWant;
    return bWant;
}

// A mouse message as a trigger event; FALSE for moves and the like.
static BOOL MouseEvent(WPARAM wParam, const MSLLHOOKSTRUCT *ll, TRIGGEREVENT *e, int *pAsyncVk)
{
    memset(e, 0, sizeof *e);
    e->nKind = TRIG_BUTTON;
    e->nX = ll->pt.x;
    e->nY = ll->pt.y;
    switch (wParam) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: e->nCode = TRIG_LEFT; *pAsyncVk = VK_LBUTTON; break;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: e->nCode = TRIG_RIGHT; *pAsyncVk = VK_RBUTTON; break;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: e->nCode = TRIG_MIDDLE; *pAsyncVk = VK_MBUTTON; break;
    case WM_XBUTTONDOWN: case WM_XBUTTONUP:
        e->nCode = HIWORD(ll->mouseData) == XBUTTON1 ? TRIG_X1 : TRIG_X2;
        *pAsyncVk = e->nCode == TRIG_X1 ? VK_XBUTTON1 : VK_XBUTTON2;
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
    if (code < 0)
        return CallNextHookEx(Settings.hMouseHook, code, wParam, lParam);
    const MSLLHOOKSTRUCT *event = (const MSLLHOOKSTRUCT *)lParam;
    if (IsOwnInput(event->dwExtraInfo)) {
        nMouseEventsSeen++;             // the hook is alive all the same
        return CallNextHookEx(Settings.hMouseHook, code, wParam, lParam);
    }
    if (!hMouseTarget)
        hMouseTarget = FindOwnMainWindow("");
    BOOL bSwallow = FALSE;
    TRIGGERCONFIG c = TriggerConfig();
    TRIGGEREVENT e;
    int nAsyncVk = 0, nReleased = RELEASED_NOTHING;
    BOOL bButton = wParam != WM_MOUSEMOVE && MouseEvent(wParam, event, &e, &nAsyncVk);
    BOOL bStill = FALSE;
    if (bButton) {
        bSwallow = Swallow(hMouseTarget, &e, &c, nAsyncVk, &nReleased);
    } else {
        bStill = bSwallow = wParam == WM_MOUSEMOVE && HoldsPointer(&c);
        TriggerOnMove(&trigger, event->pt.x, event->pt.y);
    }
    if (hMouseTarget) {
        // The watchdog counts only events that reached the window.
        nMouseEventsSeen++;
        if (bButton)
            QueueReport(WM_HOOKACTIVITY, 0, 0);
        if (bStill)
            QueueReport(WM_HOOKSTILLMOVE, (WPARAM)(event->pt.x - ptHeld.x),
                        (LPARAM)(event->pt.y - ptHeld.y));
        else
            QueueReport(WM_HOOKMOUSE, (WPARAM)event->pt.x, (LPARAM)event->pt.y);
        if (bButton) {
            BOOL bDragButton = e.nKind == TRIG_BUTTON && e.nCode == DragButtonCode();
            if (bDragButton && !(c.bWatch && c.nButton))   // not followed: as it comes
                QueueReport(WM_HOOKKEY, MIDDLE_BUTTON_KEY, e.bDown);
            ReportTriggers(&c, FALSE, bDragButton);
            ReportRelease(nReleased);
        }
        HandleReports(hMouseTarget);
    }
    if (bSwallow)
        return 1;
    return CallNextHookEx(Settings.hMouseHook, code, wParam, lParam);
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code < 0)
        return CallNextHookEx(Settings.hKeyboardHook, code, wParam, lParam);
    const KBDLLHOOKSTRUCT *event = (const KBDLLHOOKSTRUCT *)lParam;
    if (IsOwnInput(event->dwExtraInfo)) {
        nKeyEventsSeen++;
        return CallNextHookEx(Settings.hKeyboardHook, code, wParam, lParam);
    }
    int pressed = (event->flags & LLKHF_UP) ? 0 : 1;
    if (!hKeyboardTarget)
        hKeyboardTarget = FindOwnMainWindow("");
    TRIGGERCONFIG c = TriggerConfig();
    TRIGGEREVENT e = {};
    e.nKind = TRIG_KEY;
    e.nCode = FoldModifierVk((int)event->vkCode);
    e.bDown = pressed;
    e.nRawVk = (int)event->vkCode;
    e.nScan = (int)event->scanCode;
    e.bExtended = (event->flags & LLKHF_EXTENDED) != 0;
    int nReleased = RELEASED_NOTHING;
    BOOL bSwallow = Swallow(hKeyboardTarget, &e, &c, (int)event->vkCode, &nReleased);
    if (hKeyboardTarget) {
        nKeyEventsSeen++;
        QueueReport(WM_HOOKACTIVITY, 0, 0);
        BOOL bHoldKey = c.nHoldVk && e.nCode == c.nHoldVk;
        if (!bHoldKey)                          // not followed: as it comes
            QueueReport(WM_HOOKKEY, (WPARAM)e.nCode, pressed);
        ReportTriggers(&c, bHoldKey, FALSE);
        ReportRelease(nReleased);
        HandleReports(hKeyboardTarget);
    }
    if (bSwallow)
        return 1;
    return CallNextHookEx(Settings.hKeyboardHook, code, wParam, lParam);
}

// Delivery's real wheel turns join the give-back queue: injected after the
// hook has returned, behind what was queued before, ahead of what comes later.
static int QueueRealTurn(int nDelta, int bHorizontal)
{
    TRIGGEREVENT e = {};
    e.nKind = TRIG_WHEEL;
    e.bDown = 1;
    e.nWheelDelta = nDelta;
    e.bHorizontal = bHorizontal;
    e.bOwnTurn = 1;
    if (!GiveBackOwnTurn(&trigger.give, &e))
        return 0;
    if (Settings.hMainWnd)
        PostMessageA(Settings.hMainWnd, WM_GIVEBACK, 0, 0);
    return 1;
}

void GiveBackHeldInput(void)
{
    // Each event stays queued while it is injected: real events that reach
    // the hooks meanwhile (they can, inside SendInput) queue up behind it.
    // One that SendInput refuses is counted and dropped, never retried.
    while (const TRIGGEREVENT *e = GiveBackNext(&trigger.give)) {
        TRIGGEREVENT copy = *e;
        if (!InjectEvent(&copy))
            nGiveBacksRefused++;
        GiveBackTaken(&trigger.give);
    }
    Settings.bGiveBackWaiting = 0;
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
    pfnQueueRealTurn = QueueRealTurn;
    return SetWindowsHookExA(WH_MOUSE_LL, MouseHookProc, GetModuleHandleA(NULL), 0);
}

HHOOK InstallKeyboardHook(void)
{
    hKeyboardTarget = NULL;
    return SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHookProc, GetModuleHandleA(NULL), 0);
}
