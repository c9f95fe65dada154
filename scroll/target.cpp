// Choosing the target: the foreground window, unless the governing title
// list rules it out, a full-screen program is in front while that pauses
// scrolling, or its program runs as administrator (Windows would drop our
// messages; the user is told once). The engine asks on every tick that has
// steps, and a title or a list can be 100,000 characters long, so the last
// answer is kept and reused while the window, its title and the list are
// unchanged; checking that costs one comparison of each text.
#include "scroll/foreground_win.h"
#include "scroll/messages.h"
#include "scroll/pointer_window_win.h"
#include "scroll/rules_win.h"
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

// A window's title as the lists see it: read once per call; a title that
// cannot be read matches nothing. Returns whether the list matches it.
static int ListMatchesWindow(HWND hwnd, BOOL bExclude, const char *list)
{
    int nTitle = GetWindowTextLengthA(hwnd);
    char *title = (char *)malloc((size_t)(nTitle > 0 ? nTitle : 0) + 1);
    if (!title)
        return 0;
    title[0] = '\0';
    if (nTitle > 0)
        GetWindowTextA(hwnd, title, nTitle + 1);
    int bMatch = TitleListMatch(hwnd, bExclude, title, list);
    free(title);
    return bMatch;
}

// The title lists' verdict on a top-level window: it, or NULL. With
// bOwnerToo the title of the window's owner counts as well: an owned dialog
// or popup carries the program's name only on its owner, so an exclude
// entry blocks if either title matches and an include entry passes if either
// does.
HWND PassTitleLists(HWND hwnd, BOOL bOwnerToo)
{
    if (!Settings.bExcludeList && !Settings.bIncludeList)
        return hwnd;

    // The exclude list governs whenever it is on, whatever the include flag.
    BOOL bExclude = Settings.bExcludeList != 0;
    char *list = bExclude ? Settings.szExcludeList : Settings.szIncludeList;
    HWND hNoMatch = bExclude ? hwnd : NULL;
    HWND hMatch = bExclude ? NULL : hwnd;

    if (list[0] == '\n')
        list[0] = '\0';
    if (list[0] == '\0')
        return hNoMatch;
    int bMatch = ListMatchesWindow(hwnd, bExclude, list);
    HWND hOwner = bOwnerToo ? GetAncestor(hwnd, GA_ROOTOWNER) : NULL;
    if (!bMatch && hOwner && hOwner != hwnd)
        bMatch = ListMatchesWindow(hOwner, bExclude, list);
    return bMatch ? hMatch : hNoMatch;
}

// Title lists first: a window the user keeps out of scrolling is never worth
// a notice. A full-screen program next: no balloon over a game.
static HWND TargetOf(const FOREGROUND *fg, BOOL bOwnerToo)
{
    if (!fg->hwnd || !PassTitleLists(fg->hwnd, bOwnerToo))
        return NULL;
    // Hands off, by a rule of programs.txt: as if it were excluded.
    if (OptionsFor(fg->hwnd, NULL)->bOff)
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
    return TargetOf(CurrentForeground(FALSE), FALSE);
}

HWND FindPointerTarget(POINT pt, BOOL *pbRefused)
{
    BOOL bRefused = FALSE;
    HWND root = RootUnderPointer(pt, &bRefused);
    if (pbRefused)
        *pbRefused = bRefused;
    return root ? TargetOf(WindowFacts(root), TRUE) : NULL;
}

// The window a drag begun now would scroll, and the options in force there:
// the window in front, or the one under the pointer where the option, or a
// rule of programs.txt for either window, says so.
static HWND ChooseDragTarget(BOOL bFresh)
{
    POINT pt;
    BOOL bPoint = GetCursorPos(&pt);
    HWND hPointer = bPoint ? WindowFromPoint(pt) : NULL;
    const RULESET *rules = ProgramRules();
    BOOL bRules = rules && !rules->lines.empty();
    HWND front = TargetOf(CurrentForeground(bFresh), FALSE);
    if (!Settings.bUnderPointer && !bRules) {
        UseOptionsOf(front, NULL);
        return front;
    }
    HWND under = bPoint ? FindPointerTarget(pt, NULL) : NULL;
    if (under && OptionsFor(under, hPointer)->bUnderPointer) {
        UseOptionsOf(under, hPointer);
        return under;
    }
    if (!front || OptionsFor(front, under == front ? hPointer : NULL)->bUnderPointer) {
        // The pointer's window, though nothing may scroll there.
        UseOptionsOf(under, hPointer);
        return under;
    }
    UseOptionsOf(front, under == front ? hPointer : NULL);
    return front;
}

HWND FindTargetWindowForPress(void)
{
    // A press is judged where its drag would scroll.
    POINT pt;
    HWND target = ChooseDragTarget(TRUE);
    // Automatic: a combo box, a spin box, a slider or a ribbon under the
    // pointer is never scrolled, so a press there stays the program's.
    if (target && OptionsNow()->nMessageType == MESSAGE_AUTO && GetCursorPos(&pt) &&
        NeverScrolledAt(target, pt))
        return NULL;
    return target;
}
