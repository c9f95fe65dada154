// The queue of scroll messages made inside a hook call, posted once the hook
// has answered (see step_posts.h for why).
#include "scroll/step_posts.h"
#include "scroll/delivery.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "scroll/tick_budget.h"

// A drag's move makes one message; a burst of huge steps may make many more,
// and then the oldest leave at once, in order, to make room.
#define MAX_QUEUED_STEPS 256

struct STEPPOST {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    void (*pfnFailed)(void);
};

static STEPPOST aQueued[MAX_QUEUED_STEPS];
static int nQueued;

static BOOL IsWheel(UINT msg)
{
    return msg == WM_MOUSEWHEEL || msg == WM_MOUSEHWHEEL;
}

void PostQueuedSteps(void)
{
    // Taken off the queue before posting: a failure handler may queue anew.
    int n = nQueued;
    nQueued = 0;
    BOOL bWheelsMayGo = WheelWayNow() == WHEEL_WAY_POST;
    for (int i = 0; i < n; i++) {
        const STEPPOST *p = &aQueued[i];
        if (IsWheel(p->msg) && !bWheelsMayGo)
            continue;
        if (!PostMessageA(p->hwnd, p->msg, p->wParam, p->lParam) && p->pfnFailed)
            p->pfnFailed();
    }
}

BOOL PostStep(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, void (*pfnFailed)(void))
{
    if (!InsideInputEvent() || !Settings.hMainWnd)
        return PostMessageA(hwnd, msg, wParam, lParam);
    if (nQueued == MAX_QUEUED_STEPS)
        PostQueuedSteps();
    aQueued[nQueued++] = STEPPOST{hwnd, msg, wParam, lParam, pfnFailed};
    // One request per batch; if even that cannot be posted, the batch
    // leaves now rather than never.
    if (nQueued == 1 && !PostMessageA(Settings.hMainWnd, WM_POSTSTEPS, 0, 0))
        PostQueuedSteps();
    return TRUE;
}
