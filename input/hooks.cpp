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
#include "input/hook_state.h"
#include "input/inject.h"
#include "input/key_names.h"
#include "input/raw_keys.h"
#include "input/report_queue.h"
#include "input/still_pointer.h"
#include "scroll/delivery.h"
#include "scroll/engine.h"
#include "scroll/messages.h"
#include "scroll/rules_win.h"
#include "scroll/settings.h"
#include "scroll/target.h"
#include "scroll/tick_budget.h"
#include <string.h>

volatile unsigned nMouseEventsSeen, nKeyEventsSeen;

// Each hook's own cached window. A failed look-up is never kept: the keyboard
// hook is installed by Start before the title says ON, and an event that
// arrives in between must not leave the keys dead for the whole ON period.
static HWND hMouseTarget, hKeyboardTarget;

static TRIGGER trigger;
// What the engine was last told of the two triggers: at start nothing is
// held, and it is told again only at the trigger's own events or when its
// state changed (the middle button of the classic types shares the engine's
// held flag with the key: a word about the key at a middle press would end
// the middle button's drag).
static int nKeyReported, nButtonReported;
// The middle button as it comes, when no option follows it: it drags through
// the held flag it shares with the key.
static BOOL bMiddleAsItComes;
// Modifiers down before the keyboard hook came (the key state has them; the
// record only has what the hook saw), one bit per VK_LSHIFT..VK_RMENU.
static unsigned nModifiersBefore;
// Releases of each key (folded code) the keyboard hook saw, to hold against
// raw input's count: a release raw input saw and the hook never did passed
// a hook that timed out.
static unsigned anHookReleases[256];

static POINT ptPassed;             // where the last mouse event that passed left the pointer

TRIGGER *HookTrigger(void)
{
    return &trigger;
}

POINT HookPointer(void)
{
    return ptPassed;
}

void RefreshDragBox(void)
{
    trigger.nDragCX = GetSystemMetrics(SM_CXDRAG);
    trigger.nDragCY = GetSystemMetrics(SM_CYDRAG);
}

static const int anModifierVk[] = {VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL, VK_LMENU,
                                   VK_RMENU};

// Tells delivery what programs have: input still owed to them, and whether
// a modifier is down for them (the record has what the hooks saw; the key
// state, read when the hook came, what was down before).
void TellDelivery(void)
{
    SetProgramInput(GiveBackOwes(&trigger.give),
                    GiveBackModifierDown(&trigger.give) || nModifiersBefore != 0);
}

static BOOL IsModifier(const TRIGGEREVENT *e)
{
    return e->nKind == TRIG_KEY && (e->nCode == 16 || e->nCode == 17 || e->nCode == 18);
}

// The trigger's answer for one event; a give-back is asked for by a message.
static TRIGGERANSWER Decide(HWND target, TRIGGEREVENT *e, const TRIGGERCONFIG *c, int nAsyncVk)
{
    // Whether programs have it down already: only a trigger that may be
    // kept needs to know (the hooks run before the key state changes).
    BOOL bTrigger = e->nKind == TRIG_KEY ? c->bKeepKey && e->nCode == c->nHoldVk
                                         : c->bKeepButton && e->nCode == c->nButton;
    if (bTrigger && nAsyncVk)
        e->bWasDown = GetAsyncKeyState(nAsyncVk) < 0;
    if (e->nKind == TRIG_KEY)
        for (int i = 0; i < 6; i++)
            if (e->nRawVk == anModifierVk[i])
                nModifiersBefore &= ~(1u << i);     // the record follows this key now
    TRIGGERANSWER a = TriggerOnEvent(&trigger, e, c);
    if (!a.bSwallow && IsModifier(e) && !e->bDown)
        NoteModifierReleased();
    TellDelivery();
    if (a.bGiveBack && target)
        PostMessageA(target, WM_GIVEBACK, 0, 0);
    return a;
}

// A release of a followed key that raw input saw and the keyboard hook never
// did: the hook timed out, and Windows passed the release on. The press is
// forgotten before this event is decided, or a click now would give Control
// back to programs with no release ever to follow.
static void ForgetMissedReleases(void)
{
    for (const TRIGGERPRESS &k : trigger.aKey) {
        if (k.nState == TRIGGER_IDLE)
            continue;
        int nCode = k.down.nCode & 0xFF;
        unsigned nRaw = RawKeyReleases(nCode);
        if ((int)(nRaw - anHookReleases[nCode]) > 0) {
            anHookReleases[nCode] = nRaw;
            TriggerMissedRelease(&trigger, nCode);
        }
    }
}

// The engine hears of a trigger what the trigger says of it: held while
// either side of the key is down, and no longer dragging once a chord gave
// it to programs. Reported at every event of the trigger itself (the hold
// key's auto-repeats drive ticks) and whenever its own state changed.
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
static void ReportRelease(const TRIGGERANSWER *a)
{
    if (a->nReleased == RELEASED_TAP)
        QueueReport(WM_HOOKTRIGGER, TRIGGER_TAPPED, 0);
    else if (a->nReleased == RELEASED_DRAG)
        QueueReport(WM_HOOKTRIGGER, TRIGGER_DRAGGED, a->bClean);
}

void SyncHeldTriggers(void)
{
    TRIGGERCONFIG c = HookTriggerConfig();
    TriggerRefresh(&trigger, &c);
    // Keys let go while no keyboard hook watched (OFF, a dead hook) are up
    // for programs, whatever the record last saw.
    for (int id = 0; id < 256; id++)
        if (GiveBackHasDown(&trigger.give, id) && GetAsyncKeyState(id) >= 0)
            GiveBackForceUp(&trigger.give, id);
    nModifiersBefore = 0;
    if (Settings.hKeyboardHook)
        for (int i = 0; i < 6; i++)
            if (GetAsyncKeyState(anModifierVk[i]) < 0)
                nModifiersBefore |= 1u << i;
    TellDelivery();
    nKeyReported = c.bWatch && c.nHoldVk ? TriggerKeyDrags(&trigger, &c) : 0;
    nButtonReported = c.bWatch && c.nButton ? TriggerButtonDrags(&trigger, &c) : 0;
    SetHeldTriggers(nKeyReported, c.bWatch && c.nButton ? nButtonReported : bMiddleAsItComes);
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
        ptPassed = event->pt;
        if (wParam == WM_MOUSEWHEEL || wParam == WM_MOUSEHWHEEL) {
            POINT ptSeen;
            HWND hFor = TakeOwnWheel(&ptSeen);
            // Still at the point where the window was seen under it just
            // before the turn was injected, the pointer needs no second look.
            bool bMoved = hFor && (event->pt.x != ptSeen.x || event->pt.y != ptSeen.y);
            if (bMoved && WindowFromPoint(event->pt) != hFor)
                return 1;               // the pointer has left the window it was for
        }
        return CallNextHookEx(Settings.hMouseHook, code, wParam, lParam);
    }
    if (!hMouseTarget)
        hMouseTarget = FindOwnMainWindow("");
    // One budget for everything this event causes, from here on.
    TICKBUDGET budget;
    BeginEventBudget(&budget);
    ForgetMissedReleases();
    TRIGGERCONFIG c = HookTriggerConfig();
    TRIGGEREVENT e;
    TRIGGERANSWER a = {};
    int nAsyncVk = 0;
    BOOL bButton = wParam != WM_MOUSEMOVE && MouseEvent(wParam, event, &e, &nAsyncVk);
    BOOL bStill = FALSE;
    POINT delta = {0, 0};
    if (bButton && TriggerIsNewPress(&trigger, &e, &c)) {
        FindTargetWindowForPress();     // the options where its drag scrolls
        c = HookTriggerConfig();
    }
    if (bButton) {
        a = Decide(hMouseTarget, &e, &c, nAsyncVk);
    } else if (wParam == WM_MOUSEMOVE) {
        BOOL bDragging = TriggerKeyDrags(&trigger, &c) || TriggerButtonDrags(&trigger, &c) ||
                         DragLocked();
        bStill = HoldPointer(c.bWatch, bDragging);
        if (bStill) {
            // The trigger follows where the hand went, not where the pointer
            // stays: its drag box adds the moves up.
            delta = HeldMoveDelta(event->pt);
            TriggerOnMove(&trigger, trigger.nX + delta.x, trigger.nY + delta.y);
        } else {
            TriggerOnMove(&trigger, event->pt.x, event->pt.y);
        }
    }
    if (hMouseTarget) {
        // The watchdog counts only events that reached the window.
        nMouseEventsSeen++;
        if (bButton)
            QueueReport(WM_HOOKACTIVITY, 0, 0);
        if (!bButton)
            ReportTriggers(&c, FALSE, FALSE);   // a missed release found at a move
        if (bStill)
            QueueReport(WM_HOOKSTILLMOVE, (WPARAM)delta.x, (LPARAM)delta.y);
        else
            QueueReport(WM_HOOKMOUSE, (WPARAM)event->pt.x, (LPARAM)event->pt.y);
        if (bButton) {
            BOOL bFollowed = c.bWatch && c.nButton;
            if (e.nKind == TRIG_BUTTON && e.nCode == TRIG_MIDDLE && !bFollowed) {
                // Not followed: the middle button as it comes, into the held
                // flag it shares with the key.
                bMiddleAsItComes = e.bDown;
                QueueReport(WM_HOOKKEY, MIDDLE_BUTTON_KEY, e.bDown);
            }
            ReportTriggers(&c, FALSE, bFollowed && e.nKind == TRIG_BUTTON && e.nCode == c.nButton);
            ReportRelease(&a);
        }
        HandleReports(hMouseTarget);
    }
    EndTickBudget(&budget);
    if (a.bSwallow || bStill)
        return 1;
    ptPassed = event->pt;
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
    TICKBUDGET budget;
    BeginEventBudget(&budget);
    TRIGGERCONFIG c = HookTriggerConfig();
    TRIGGEREVENT e = {};
    e.nKind = TRIG_KEY;
    e.nCode = FoldModifierVk((int)event->vkCode);
    e.bDown = pressed;
    e.nRawVk = (int)event->vkCode;
    e.nScan = (int)event->scanCode;
    e.bExtended = (event->flags & LLKHF_EXTENDED) != 0;
    if (!pressed)
        anHookReleases[e.nCode & 0xFF]++;
    ForgetMissedReleases();
    if (TriggerIsNewPress(&trigger, &e, &c)) {
        FindTargetWindowForPress();     // the options where its drag scrolls
        c = HookTriggerConfig();
    }
    // A key press is measured from where the pointer really is: another
    // program may have moved it, and at start no mouse event has told yet.
    // (While a drag holds it, the trigger follows the hand instead.)
    POINT pt;
    if (!PointerHeld() && GetCursorPos(&pt))
        TriggerOnMove(&trigger, pt.x, pt.y);
    TRIGGERANSWER a = Decide(hKeyboardTarget, &e, &c, (int)event->vkCode);
    if (hKeyboardTarget) {
        nKeyEventsSeen++;
        QueueReport(WM_HOOKACTIVITY, 0, 0);
        BOOL bHoldKey = c.nHoldVk && e.nCode == c.nHoldVk;
        if (!bHoldKey)                          // not followed: as it comes
            QueueReport(WM_HOOKKEY, (WPARAM)e.nCode, pressed);
        ReportTriggers(&c, bHoldKey, FALSE);
        ReportRelease(&a);
        HandleReports(hKeyboardTarget);
    }
    EndTickBudget(&budget);
    if (a.bSwallow)
        return 1;
    return CallNextHookEx(Settings.hKeyboardHook, code, wParam, lParam);
}

void ForgetHeldTriggers(int nKeep)
{
    TriggerForget(&trigger, nKeep);
    ReleasePointer();
}

void WaitForKeptButtonRelease(DWORD ms)
{
    DWORD dwStart = GetTickCount();
    while (TriggerOwesButtonRelease(&trigger) && GetTickCount() - dwStart < ms) {
        // Hook calls come as sent messages: taken here, nothing else is.
        MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

// A new hook looks its window up again at its first event. Either title will
// do: the window is this process's own, and its title changes with ON/OFF.
HHOOK InstallMouseHook(void)
{
    hMouseTarget = NULL;
    InstallRealTurns();
    return SetWindowsHookExA(WH_MOUSE_LL, MouseHookProc, GetModuleHandleA(NULL), 0);
}

HHOOK InstallKeyboardHook(void)
{
    hKeyboardTarget = NULL;
    // What raw input counted while no keyboard hook watched is no miss.
    for (int k = 0; k < 256; k++)
        anHookReleases[k] = RawKeyReleases(k);
    return SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHookProc, GetModuleHandleA(NULL), 0);
}
