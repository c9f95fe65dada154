// Integrity comparison, the full-screen test and the reuse of an answer;
// see foreground.h.
#include "scroll/foreground.h"
#include <string.h>

#define CAPTION_BITS 0x00C00000UL    // WS_CAPTION: WS_BORDER | WS_DLGFRAME

int RunsAboveUs(int bTheirsKnown, unsigned long nTheirs, int bOursKnown, unsigned long nOurs)
{
    if (!bOursKnown)
        return 0;
    return !bTheirsKnown || nTheirs > nOurs;
}

// The desktop (Progman, or WorkerW behind the wallpaper) and the taskbar.
// Class names compare without regard to case, as Windows compares them.
static int IsShellClass(const char *szClass)
{
    static const char *const aszShell[] = {"Progman", "WorkerW", "Shell_TrayWnd"};
    for (const char *szShell : aszShell)
        if (_stricmp(szClass, szShell) == 0)
            return 1;
    return 0;
}

int IsFullScreenWindow(const SCREENRECT *window, const SCREENRECT *monitor, unsigned long style,
                       const char *szClass)
{
    if ((style & CAPTION_BITS) == CAPTION_BITS)
        return 0;
    if (window->left > monitor->left || window->top > monitor->top ||
        window->right < monitor->right || window->bottom < monitor->bottom)
        return 0;
    return !IsShellClass(szClass);
}

int MayReuseForeground(int bFresh, int bInsideEvent, int bAnswerIsRecord, double dAnswerAgeMs)
{
    return !bFresh && bInsideEvent && bAnswerIsRecord && dAnswerAgeMs >= 0 &&
           dAnswerAgeMs < FOREGROUND_REUSE_MS;
}
