// The Programs dialog: the rules of programs.txt in a list, one row each,
// with Add, Edit, Delete and the moves, the file's first unreadable line,
// and the window finder. The dialog works on a copy of the file's lines;
// OK and Apply write it through store/programs_file.h (comments and
// unreadable lines as they stand) and put the rules in force at once;
// Cancel writes nothing.
#include "dialogs/dialogs.h"
#include "dialogs/wide_text.h"
#include "dialogs/window_finder_win.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "store/programs_file.h"
#include <commctrl.h>
#include <shellapi.h>

#define WM_FILECHANGED (WM_APP + 1)     // posted on activation: look at the file

static RULESET work;                    // the file's lines as the dialog holds them
static std::vector<int> rows;           // the line of each row of the list
static std::string shownBytes;          // the file as it was when last shown or saved

// The columns: program, class, title, then one per key.
static const struct { const char *szHeader; int nWidth; unsigned bit; } aColumns[] = {
    {"Program", 54, 0},  {"Class", 44, 0},      {"Title", 44, 0},
    {"Off", 16, RULE_OFF}, {"Speed", 24, RULE_SPEED}, {"Reverse", 28, RULE_REVERSE},
    {"Horiz.", 24, RULE_HORIZONTAL}, {"Delivery", 30, RULE_DELIVERY},
    {"Target", 26, RULE_TARGET}, {"Glide", 20, RULE_GLIDE}, {"Still", 18, RULE_STILL},
};
#define COLUMNS ((int)(sizeof aColumns / sizeof aColumns[0]))

static HWND List(HWND dialog)
{
    return GetDlgItem(dialog, IDC_RULELIST);
}

static void EnableApply(HWND dialog, BOOL bEnable)
{
    EnableWindow(GetDlgItem(dialog, IDC_APPLY), bEnable);
}

static int SelectedRow(HWND dialog)
{
    return (int)SendMessageW(List(dialog), LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
}

// Edit, Delete and the moves need a row; the moves a row to move past.
static void EnableRowButtons(HWND dialog)
{
    int i = SelectedRow(dialog), n = (int)rows.size();
    EnableWindow(GetDlgItem(dialog, IDC_RULEEDIT), i >= 0);
    EnableWindow(GetDlgItem(dialog, IDC_RULEDELETE), i >= 0);
    EnableWindow(GetDlgItem(dialog, IDC_RULEUP), i > 0);
    EnableWindow(GetDlgItem(dialog, IDC_RULEDOWN), i >= 0 && i < n - 1);
}

static void SetCell(HWND list, int row, int column, const std::string &text)
{
    std::vector<wchar_t> wide = WideOf(text);
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, (WPARAM)row, (LPARAM)&item);
}

// The rows afresh from the lines, the row nSelect selected (-1 none).
static void FillRules(HWND dialog, int nSelect)
{
    HWND list = List(dialog);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    rows.clear();
    for (size_t i = 0; i < work.lines.size(); i++) {
        if (work.lines[i].nKind != LINE_RULE)
            continue;
        const PROGRAMRULE &r = work.lines[i].rule;
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = (int)rows.size();
        std::vector<wchar_t> program = WideOf(r.program);
        item.pszText = program.data();
        SendMessageW(list, LVM_INSERTITEMW, 0, (LPARAM)&item);
        SetCell(list, item.iItem, 1, r.cls);
        SetCell(list, item.iItem, 2, r.title);
        for (int c = 3; c < COLUMNS; c++)
            SetCell(list, item.iItem, c, RuleValueText(r, aColumns[c].bit));
        rows.push_back((int)i);
    }
    if (nSelect >= (int)rows.size())
        nSelect = (int)rows.size() - 1;
    if (nSelect >= 0) {
        LVITEMW item = {};
        item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, (WPARAM)nSelect, (LPARAM)&item);
        SendMessageW(list, LVM_ENSUREVISIBLE, (WPARAM)nSelect, FALSE);
    }
    std::string bad = FirstBadLine(work);
    SetWindowUtf8(GetDlgItem(dialog, IDC_RULESTATUS),
                  bad.empty() ? "Every line of programs.txt can be read." : bad);
    EnableRowButtons(dialog);
}

// The file's lines as they are in force.
static void ShowFile(HWND dialog)
{
    work = CurrentProgramRules();
    shownBytes = RulesFileBytes(work);
    FillRules(dialog, SelectedRow(dialog));
    EnableApply(dialog, FALSE);
}

static void Changed(HWND dialog, int nSelect)
{
    FillRules(dialog, nSelect);
    EnableApply(dialog, TRUE);
}

static void AddRule(HWND dialog, PROGRAMRULE *rule)
{
    if (!EditRule(dialog, rule))
        return;
    work.lines.push_back(ParseRuleLine(FormatRule(*rule)));
    Changed(dialog, (int)rows.size());
}

static void EditSelected(HWND dialog)
{
    int i = SelectedRow(dialog);
    if (i < 0 || i >= (int)rows.size())
        return;
    RULELINE &line = work.lines[(size_t)rows[(size_t)i]];
    PROGRAMRULE r = line.rule;
    // A rule left as it was keeps its line as the user wrote it.
    if (!EditRule(dialog, &r) || FormatRule(r) == FormatRule(line.rule))
        return;
    line = ParseRuleLine(FormatRule(r));
    Changed(dialog, i);
}

static void DeleteSelected(HWND dialog)
{
    int i = SelectedRow(dialog);
    if (i < 0 || i >= (int)rows.size())
        return;
    work.lines.erase(work.lines.begin() + rows[(size_t)i]);
    Changed(dialog, i);
}

// Swaps the selected rule with the one before or after it; comments and
// unreadable lines stay where they stand.
static void MoveSelected(HWND dialog, int nBy)
{
    int i = SelectedRow(dialog), j = i + nBy;
    if (i < 0 || j < 0 || j >= (int)rows.size())
        return;
    std::swap(work.lines[(size_t)rows[(size_t)i]], work.lines[(size_t)rows[(size_t)j]]);
    Changed(dialog, j);
}

// Writes the dialog's lines; the rules are in force from the next press.
static BOOL Apply(HWND dialog)
{
    if (!SaveProgramRules(work)) {
        MessageBoxA(dialog, "Could not write programs.txt.", "Error", MB_ICONERROR);
        return FALSE;
    }
    ShowFile(dialog);
    if (Settings.hMainWnd)
        SendMessageA(Settings.hMainWnd, WM_OPTIONSCHANGED, 0, 0);
    return TRUE;
}

// The user's editor on programs.txt (an empty one made first), Notepad
// when no program is registered for text files.
static void OpenFile(HWND dialog)
{
    HANDLE h = CreateFileW(PROGRAMS_FILE, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h != INVALID_HANDLE_VALUE)
        CloseHandle(h);
    wchar_t szPath[MAX_PATH];
    if (!GetFullPathNameW(PROGRAMS_FILE, MAX_PATH, szPath, NULL))
        return;
    if ((INT_PTR)ShellExecuteW(dialog, L"open", szPath, NULL, NULL, SW_SHOWNORMAL) > 32)
        return;
    wchar_t szCommand[MAX_PATH + 16] = L"notepad \"";
    lstrcatW(szCommand, szPath);
    lstrcatW(szCommand, L"\"");
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    if (CreateProcessW(NULL, szCommand, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    } else {
        MessageBoxA(dialog, "Could not open programs.txt.", "Error", MB_ICONERROR);
    }
}

// Back from the editor Open File started: the file may have changed. Shown
// at once when nothing here waits to be applied; else the user chooses,
// so that neither side's changes go without a word.
static void OnFileChanged(HWND dialog)
{
    CheckProgramRulesFileNow();
    if (RulesFileBytes(CurrentProgramRules()) == shownBytes)
        return;
    if (IsWindowEnabled(GetDlgItem(dialog, IDC_APPLY)) &&
        MessageBoxA(dialog,
                    "programs.txt was changed by another program.\n\n"
                    "Show the file's rules, dropping the changes made here?",
                    "Programs", MB_ICONQUESTION | MB_YESNO) != IDYES) {
        shownBytes = RulesFileBytes(CurrentProgramRules());   // asked once per change
        return;
    }
    ShowFile(dialog);
}

static void InitDialog(HWND dialog)
{
    HWND list = List(dialog);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int c = 0; c < COLUMNS; c++) {
        RECT rc = {0, 0, aColumns[c].nWidth, 0};
        MapDialogRect(dialog, &rc);       // widths in dialog units, like the template
        std::vector<wchar_t> header = WideOf(aColumns[c].szHeader);
        LVCOLUMNW col = {};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.pszText = header.data();
        col.cx = rc.right;
        SendMessageW(list, LVM_INSERTCOLUMNW, (WPARAM)c, (LPARAM)&col);
    }
    ShowFile(dialog);
}

static void CloseDialog(HWND dialog)
{
    CancelFinder(dialog);
    DestroyWindow(dialog);
    Settings.hProgramsDlg = NULL;
}

static void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDOK:
        if (!IsWindowEnabled(GetDlgItem(dialog, IDC_APPLY)) || Apply(dialog))
            CloseDialog(dialog);
        break;
    case IDC_APPLY:
        Apply(dialog);
        break;
    case IDCANCEL:      // Escape during a drag ends the drag, not the dialog
        if (FinderDragging())
            CancelFinder(dialog);
        else
            CloseDialog(dialog);
        break;
    case IDC_RULEADD: {
        PROGRAMRULE r = PROGRAMRULE{};
        AddRule(dialog, &r);
        break;
    }
    case IDC_RULEEDIT: EditSelected(dialog); break;
    case IDC_RULEDELETE: DeleteSelected(dialog); break;
    case IDC_RULEUP: MoveSelected(dialog, -1); break;
    case IDC_RULEDOWN: MoveSelected(dialog, 1); break;
    case IDC_RULEOPENFILE: OpenFile(dialog); break;
    default: break;
    }
}

static void OnRelease(HWND dialog)
{
    PROGRAMRULE r;
    if (DropFinder(dialog, &r))
        AddRule(dialog, &r);
}

INT_PTR CALLBACK ProgramsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog);
        return TRUE;    // the focus to the first tab stop, the list
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    case WM_NOTIFY: {
        const NMHDR *nm = (const NMHDR *)lParam;
        if (nm->idFrom == IDC_RULELIST && nm->code == LVN_ITEMCHANGED)
            EnableRowButtons(dialog);
        else if (nm->idFrom == IDC_RULELIST && nm->code == NM_DBLCLK)
            EditSelected(dialog);
        return TRUE;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            PostMessageA(dialog, WM_FILECHANGED, 0, 0);
        return FALSE;
    case WM_FILECHANGED:
        if (!FinderDragging())
            OnFileChanged(dialog);
        return TRUE;
    // The finder: a press on the cross-hair (a static control lets clicks
    // through to the dialog) starts a drag with the mouse captured. The
    // dialog class takes double clicks: a quick second press is one too.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
        StartFinderDrag(dialog, pt);
        return TRUE;
    }
    case WM_MOUSEMOVE:
        TrackFinder(dialog);
        return TRUE;
    case WM_LBUTTONUP:
        OnRelease(dialog);
        return TRUE;
    case WM_CAPTURECHANGED:
        if (FinderDragging())
            CancelFinder(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}
