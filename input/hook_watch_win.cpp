// The hook watchdog's Win32 side: sampling, and installing a hook again.
#include "input/hook_watch_win.h"
#include "input/hook_watch.h"
#include "input/hooks.h"
#include "input/raw_keys.h"
#include "input/trigger.h"
#include "scroll/engine.h"
#include "scroll/messages.h"
#include "scroll/settings.h"

static HOOKSAMPLE prevSample;

static void TakeSample(HOOKSAMPLE *s)
{
    POINT pt = {};
    GetCursorPos(&pt);
    LASTINPUTINFO lii = {sizeof lii, 0};
    GetLastInputInfo(&lii);
    s->nCursorX = pt.x;
    s->nCursorY = pt.y;
    s->dwLastInput = lii.dwTime;
    s->nMouseEvents = nMouseEventsSeen;
    s->nKeyEvents = nKeyEventsSeen;
    s->nRawKeyEvents = RawKeyEvents();
}

void StartHookHealth(HWND hwnd)
{
    TakeSample(&prevSample);
    SetTimer(hwnd, HOOK_HEALTH_TIMER, HOOK_HEALTH_MS, NULL);
}

void CheckHookHealth(void)
{
    HOOKSAMPLE now;
    TakeSample(&now);
    int repair = HooksToRepair(&prevSample, &now, Settings.hKeyboardHook != NULL);
    if (repair & REPAIR_MOUSE) {
        HHOOK hNew = InstallMouseHook();
        if (hNew) {
            UnhookWindowsHookEx(Settings.hMouseHook);   // fails quietly if already gone
            Settings.hMouseHook = hNew;
        }
    }
    if (repair & REPAIR_KEYBOARD) {
        HHOOK hNew = InstallKeyboardHook();
        if (hNew) {
            UnhookWindowsHookEx(Settings.hKeyboardHook);
            Settings.hKeyboardHook = hNew;
        }
    }
    // A dead hook may have missed the release of a press it kept: what it
    // followed is forgotten, and the pointer and the lock let go. The hook
    // that lived on keeps swallowing what is left of its kept presses.
    if (repair) {
        int nKeep = 0;
        if (!(repair & REPAIR_MOUSE))
            nKeep |= FORGET_KEEP_BUTTONS;
        if (!(repair & REPAIR_KEYBOARD) && Settings.hKeyboardHook)
            nKeep |= FORGET_KEEP_KEYS;
        ForgetHeldTriggers(nKeep);
        EndDragLock();
        if (Settings.hMainWnd)
            PostMessageA(Settings.hMainWnd, WM_SHOWDRAGLOCK, 0, 0);
        SyncHeldTriggers();
    }
    prevSample = now;
}
