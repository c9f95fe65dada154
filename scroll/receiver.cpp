// The Automatic type's table, as data: one row a kind of window, first match
// wins. What each toolkit does with a wheel message decided the rows:
// browsers (Chromium, Firefox, Electron) and Qt, GTK, Scintilla, consoles,
// Word and WinForms scroll by the exact delta; WPF moves a fixed amount per
// message and ignores horizontal wheels; Java, SDL and GLFW count whole
// notches; the standard controls scroll a line per 120/lines of delta and
// ignore horizontal wheels; combo boxes, spin boxes, sliders and ribbons
// change their value instead of scrolling.
#include "scroll/receiver.h"
#include "scroll/text_match.h"
#include "scroll/wheel.h"
#include <string.h>

int ClassMatches(const char *szPattern, const char *szClass)
{
    return WildcardMatch(szPattern, szClass, 0);
}

// Row conditions beyond the receiver's class.
enum {
    IF_CLASS,                   // the receiver's class matches
    IF_POINTER_OVER_ROOT,       // ... and the pointer is over its top-level window
    IF_COMMAND_BAR_ANCESTOR,    // ... and an ancestor is an Office command bar
};

struct RECEIVERROW {
    int nRow;
    const char *aszPatterns[8];
    int nIf;
    int nVertical, nHorizontal;
};

#define END NULL
// Rows 1, 2 and 12 need more than a class; they are decided in code below.
static const RECEIVERROW aRows[] = {
    {3, {"Chrome_WidgetWin_*", "Chrome_RenderWidgetHostHWND", END}, IF_CLASS, WAY_PRECISE,
     WAY_PRECISE},
    // Firefox reads the real pointer, not the point a message carries.
    {4, {"MozillaWindowClass", END}, IF_POINTER_OVER_ROOT, WAY_PRECISE, WAY_PRECISE},
    {5, {"MozillaWindowClass", END}, IF_CLASS, WAY_LINES, WAY_LINES},
    {6, {"Qt*QWindow*", "gdkWindow*", "gdkSurface*", "Scintilla", "ConsoleWindowClass", "_WwG",
         "WindowsForms10.*", END},
     IF_CLASS, WAY_PRECISE, WAY_PRECISE},
    {7, {"HwndWrapper[*", END}, IF_CLASS, WAY_NOTCHED, WAY_NONE},
    {8, {"SunAwt*", "SDL_app", "GLFW30", END}, IF_CLASS, WAY_NOTCHED, WAY_NOTCHED},
    {9, {"EXCEL7", END}, IF_CLASS, WAY_NOTCHED, WAY_LINES},
    {10, {"ComboBox", "ComboBoxEx32", "msctls_updown32", "msctls_trackbar32", "*updown*",
          "*trackbar*", "PseudoConsoleWindow", END},
     IF_CLASS, WAY_NEVER, WAY_NEVER},
    {10, {"NetUIHWND", END}, IF_COMMAND_BAR_ANCESTOR, WAY_NEVER, WAY_NEVER},
    {11, {"Edit", "RichEdit*", "RICHEDIT50W", "ListBox", "SysListView32", "SysTreeView32",
          "ThunderRT6*", END},
     IF_CLASS, WAY_PRECISE, WAY_LINES},
};

static int AnyMatches(const char *const *aszPatterns, const char *szClass)
{
    for (int i = 0; aszPatterns[i]; i++)
        if (ClassMatches(aszPatterns[i], szClass))
            return 1;
    return 0;
}

static int HasAncestor(const RECEIVERFACTS *f, const char *szClass)
{
    for (int i = 1; i < f->nClasses; i++)
        if (strcmp(f->aszClasses[i], szClass) == 0)
            return 1;
    return 0;
}

static RECEIVERWAY Way(int nRow, int nVertical, int nHorizontal, int bToRoot)
{
    RECEIVERWAY w = {nVertical, nHorizontal, bToRoot, nRow};
    return w;
}

RECEIVERWAY ReceiverWants(const RECEIVERFACTS *f)
{
    if (f->nClasses <= 0)
        return Way(12, WAY_NOTCHED, WAY_NOTCHED, 0);
    const char *szReceiver = f->aszClasses[0];
    const char *szRoot = f->aszClasses[f->nClasses - 1];
    // Windows Terminal's host window reads posted wheels itself (the point
    // in lParam), though a class of it is among those that read only real
    // input; it scrolls no sideways.
    int bTerminal = strcmp(szRoot, "CASCADIA_HOSTING_WINDOW_CLASS") == 0;
    if (!bTerminal)
        for (int i = 0; i < f->nClasses; i++)
            if (IsRealInputClass(f->aszClasses[i]))
                return Way(1, WAY_REAL, WAY_REAL, 0);
    if (bTerminal)
        return Way(2, WAY_PRECISE, WAY_NONE, 1);
    for (const RECEIVERROW &r : aRows) {
        if (!AnyMatches(r.aszPatterns, szReceiver))
            continue;
        if (r.nIf == IF_POINTER_OVER_ROOT && !f->bPointerOverRoot)
            continue;
        if (r.nIf == IF_COMMAND_BAR_ANCESTOR && !HasAncestor(f, "MsoCommandBar"))
            continue;
        return Way(r.nRow, r.nVertical, r.nHorizontal, 0);
    }
    return Way(12, WAY_NOTCHED, f->bHorizontalBar ? WAY_LINES : WAY_NOTCHED, 0);
}
