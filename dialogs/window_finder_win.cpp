// Dragging the finder: capture, the cross-hair cursor, and reading what
// dialogs/window_finder.cpp needs from the window under the pointer: its
// program, root and receiver classes, title, what the title lists, the
// rules of programs.txt, its integrity level and Automatic's table say.
#include "dialogs/window_finder_win.h"
#include "dialogs/wide_text.h"
#include "dialogs/window_finder.h"
#include "scroll/foreground_win.h"
#include "scroll/pointer_window.h"
#include "scroll/pointer_window_win.h"
#include "scroll/program_win.h"
#include "scroll/receiver_win.h"
#include "scroll/rules_win.h"
#include "scroll/settings.h"
#include "scroll/target.h"

static BOOL bDragging;
static HWND hShown;             // the window whose facts are shown; NULL none
static std::string program, rootClass;

static const int aFactIds[] = {
    IDC_FINDERPROGRAM, IDC_FINDERROOT, IDC_FINDERRECEIVER, IDC_FINDERTITLE, IDC_FINDERVERDICT,
};

static std::string ClassOf(HWND hwnd)
{
    wchar_t sz[256];
    return GetClassNameW(hwnd, sz, 256) ? Utf8Of(sz) : "";
}

static void ShowFacts(HWND dialog, const std::string *texts)
{
    for (int i = 0; i < 5; i++)
        SetWindowUtf8(GetDlgItem(dialog, aFactIds[i]), texts[i]);
}

BOOL FinderDragging(void)
{
    return bDragging;
}

BOOL StartFinderDrag(HWND dialog, POINT ptClient)
{
    HWND finder = GetDlgItem(dialog, IDC_FINDER);
    RECT rc;
    GetWindowRect(finder, &rc);
    MapWindowPoints(NULL, dialog, (POINT *)&rc, 2);
    if (bDragging || !PtInRect(&rc, ptClient))
        return FALSE;
    bDragging = TRUE;
    hShown = NULL;
    SetCapture(dialog);
    SetCursor(LoadCursorA(Settings.hInst, "FINDERCURSOR"));
    // The cross-hair has left its place: it is the pointer now.
    ShowWindow(finder, SW_HIDE);
    return TRUE;
}

// The facts of the window under the point, as the program would judge it
// now (scroll/target.cpp asks in the same order).
static void ReadFacts(HWND dialog, HWND under)
{
    HWND root = GetAncestor(under, GA_ROOT);
    DWORD dwPid = 0;
    GetWindowThreadProcessId(root, &dwPid);
    program = ProgramOfWindow(root);
    rootClass = ClassOf(root);
    std::string receiverClass = ClassOf(under);
    FINDERFACTS f = {};
    f.bWindow = 1;
    f.bOwn = dwPid == GetCurrentProcessId();
    f.bScrolling = Settings.bScrolling;
    char szExe[MAX_PATH] = "";
    if (RefusalNeedsProgram(rootClass.c_str()))
        ProgramFileName(dwPid, szExe, sizeof szExe);
    f.bShell = RefusedRoot(rootClass.c_str(), szExe);
    // The window in front is judged by its own title, any other by its
    // owner's too, as a drag under the pointer judges it.
    if (!f.bOwn && !PassTitleLists(root, root != GetForegroundWindow()))
        f.nTitles = Settings.bExcludeList ? TITLES_EXCLUDED : TITLES_NOT_INCLUDED;
    const OPTIONSNOW *o = OptionsFor(root, under);
    f.bRuleOff = o->bOff;
    f.nMessageType = o->nMessageType;
    f.nForcedWay = o->nForcedWay;
    f.nSpeed = o->nSpeed;
    f.bReverse = o->bReverse;
    if (!f.bOwn) {
        const FOREGROUND *fg = WindowFacts(root);
        f.bAboveUs = fg->bAboveUs;
        f.bFullScreenPaused = Settings.bPauseFullScreen && fg->bFullScreen;
    }
    f.nTableWay = ReceiverWayOf(under, TRUE).nVertical;
    f.szReceiverClass = receiverClass.c_str();
    int n = GetWindowTextLengthW(root);
    std::vector<wchar_t> title((size_t)(n > 0 ? n : 0) + 1, L'\0');
    GetWindowTextW(root, title.data(), (int)title.size());
    std::string texts[5] = {program, rootClass, receiverClass, Utf8Of(title.data()),
                            FinderVerdict(f)};
    ShowFacts(dialog, texts);
}

void TrackFinder(HWND dialog)
{
    POINT pt;
    if (!bDragging || !GetCursorPos(&pt))
        return;
    HWND under = WindowFromPoint(pt);
    if (under == hShown)
        return;
    hShown = under;
    if (under) {
        ReadFacts(dialog, under);
    } else {
        std::string none[5];
        ShowFacts(dialog, none);
    }
}

static void EndDrag(HWND dialog)
{
    bDragging = FALSE;      // first: ReleaseCapture sends WM_CAPTURECHANGED
    ReleaseCapture();
    ShowWindow(GetDlgItem(dialog, IDC_FINDER), SW_SHOW);
}

BOOL DropFinder(HWND dialog, PROGRAMRULE *rule)
{
    if (!bDragging)
        return FALSE;
    TrackFinder(dialog);
    EndDrag(dialog);
    DWORD dwPid = 0;
    if (!hShown || !GetWindowThreadProcessId(hShown, &dwPid) || dwPid == GetCurrentProcessId())
        return FALSE;
    *rule = PROGRAMRULE{};
    rule->program = program;
    if (ProgramNeedsClass(program.c_str()))
        rule->cls = rootClass;
    return TRUE;
}

void CancelFinder(HWND dialog)
{
    if (!bDragging)
        return;
    EndDrag(dialog);
    hShown = NULL;
    std::string none[5];
    ShowFacts(dialog, none);
}
