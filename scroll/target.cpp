// Choosing the target: the foreground window, unless the governing title
// list rules it out, a full-screen program is in front while that pauses
// scrolling, or its program runs as administrator (Windows would drop our
// messages; the user is told once). The engine asks on every tick that has
// steps, and a title or a list can be 100,000 characters long, so the last
// answer is kept and reused while the window, its title and the list are
// unchanged; checking that costs one comparison of each text.
#include "scroll/foreground_win.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "scroll/smooth_win.h"
#include "scroll/target.h"
#include "scroll/text_match.h"
#include "scroll/tick_budget.h"
#include <stdlib.h>
#include <string.h>

static struct {
    BOOL bValid;
    HWND hwnd;
    BOOL bExclude;
    char *title;
    size_t nTitleCap;
    char *list;
    size_t nListCap;
    int bMatch;
} cache;

static BOOL Remember(char **dst, size_t *cap, const char *src, size_t n)
{
    if (*cap < n + 1) {
        char *p = (char *)realloc(*dst, n + 1);
        if (!p)
            return FALSE;
        *dst = p;
        *cap = n + 1;
    }
    memcpy(*dst, src, n + 1);
    return TRUE;
}

static int TitleListMatch(HWND hwnd, BOOL bExclude, const char *title, const char *list)
{
    size_t nTitle = strlen(title), nList = strlen(list);
    if (cache.bValid && cache.hwnd == hwnd && cache.bExclude == bExclude &&
        strcmp(cache.title, title) == 0 && strcmp(cache.list, list) == 0)
        return cache.bMatch;
    // A title or a list of 100,000 characters takes real time to match: it
    // counts against the event's budget like the delivery after it.
    StartTickClock();
    int bMatch = ListMatchesTitle(list, title);
    cache.bValid = Remember(&cache.title, &cache.nTitleCap, title, nTitle) &&
                   Remember(&cache.list, &cache.nListCap, list, nList);
    cache.hwnd = hwnd;
    cache.bExclude = bExclude;
    cache.bMatch = bMatch;
    return bMatch;
}

// The title lists' verdict on the foreground window: it, or NULL.
static HWND PassTitleLists(HWND hForeground)
{
    if (!Settings.bExcludeList && !Settings.bIncludeList)
        return hForeground;

    // The exclude list governs whenever it is on, whatever the include flag.
    BOOL bExclude = Settings.bExcludeList != 0;
    char *list = bExclude ? Settings.szExcludeList : Settings.szIncludeList;
    HWND hNoMatch = bExclude ? hForeground : NULL;
    HWND hMatch = bExclude ? NULL : hForeground;

    if (list[0] == '\n')
        list[0] = '\0';
    if (list[0] == '\0')
        return hNoMatch;

    // The title is read once per call; reading it again for every entry would
    // give the same outcome. A title that cannot be read matches nothing.
    int nTitle = GetWindowTextLengthA(hForeground);
    char *title = (char *)malloc((size_t)(nTitle > 0 ? nTitle : 0) + 1);
    if (!title)
        return hNoMatch;
    title[0] = '\0';
    if (nTitle > 0)
        GetWindowTextA(hForeground, title, nTitle + 1);
    int bMatch = TitleListMatch(hForeground, bExclude, title, list);
    free(title);
    return bMatch ? hMatch : hNoMatch;
}

// Title lists first: a window the user keeps out of scrolling is never worth
// a notice. A full-screen program next: no balloon over a game.
static HWND TargetOf(const FOREGROUND *fg)
{
    if (!fg->hwnd || !PassTitleLists(fg->hwnd))
        return NULL;
    if (Settings.bPauseFullScreen && fg->bFullScreen)
        return NULL;
    if (fg->bAboveUs) {
        // This may run inside a hook, where the shell's tray must not be
        // waited for: the main window shows the notice later.
        if (Settings.hMainWnd && FirstNoticeFor(fg))
            PostMessageA(Settings.hMainWnd, WM_ELEVATEDTARGET, (WPARAM)fg->hwnd,
                         (LPARAM)fg->dwPid);
        return NULL;
    }
    return fg->hwnd;
}

HWND FindTargetWindow(void)
{
    return TargetOf(CurrentForeground(FALSE));
}

HWND FindTargetWindowForPress(void)
{
    HWND target = TargetOf(CurrentForeground(TRUE));
    // Automatic: a combo box, a spin box, a slider or a ribbon under the
    // pointer is never scrolled, so a press there stays the program's.
    POINT pt;
    if (target && Settings.nMessageType == MESSAGE_AUTO && GetCursorPos(&pt) &&
        NeverScrolledAt(target, pt))
        return NULL;
    return target;
}
