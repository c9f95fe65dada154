// The rule editor: one rule of programs.txt, its program, class and title
// and, for each key, "(as in Options)" or a value. A modal dialog of the
// Programs dialog; what it accepts is a rule the file can hold, checked by
// reading the written line back with the file's own parser.
#include "dialogs/dialogs.h"
#include "dialogs/wide_text.h"
#include "scroll/program_rules.h"
#include "scroll/settings.h"
#include <commctrl.h>

// The tri-state boxes: grey is "(as in Options)", checked on, clear off.
static const struct { int nId; unsigned bit; int PROGRAMRULE::*pField; } aBoxes[] = {
    {IDC_RULEREVERSE, RULE_REVERSE, &PROGRAMRULE::bReverse},
    {IDC_RULEHORIZONTAL, RULE_HORIZONTAL, &PROGRAMRULE::bHorizontal},
    {IDC_RULEGLIDE, RULE_GLIDE, &PROGRAMRULE::bGlide},
    {IDC_RULESTILL, RULE_STILL, &PROGRAMRULE::bStill},
};

// Entry 0 of both lists is "(as in Options)"; entry i + 1 is value i.
static const char *const aszDeliveries[] = {
    "(as in Options)", "auto: Automatic's table", "lines: line messages",
    "wheel: Mouse wheel", "notched: whole notches", "precise: exact amounts",
    "real: real wheel input",
};
static const char *const aszTargets[] = {
    "(as in Options)", "front: the window in front", "pointer: the window under it",
};

static void FillList(HWND dialog, int id, const char *const *aszItems, int nItems, int nSel)
{
    for (int i = 0; i < nItems; i++)
        SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, (LPARAM)aszItems[i]);
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, (WPARAM)nSel, 0);
}

static void EnableSpeed(HWND dialog)
{
    BOOL bOn = IsDlgButtonChecked(dialog, IDC_RULESPEEDON) == BST_CHECKED;
    EnableWindow(GetDlgItem(dialog, IDC_RULESPEED), bOn);
    EnableWindow(GetDlgItem(dialog, IDC_RULESPEED_SPIN), bOn);
}

static void InitEditor(HWND dialog, const PROGRAMRULE *r)
{
    SetWindowUtf8(GetDlgItem(dialog, IDC_RULEPROGRAM), r->program);
    SetWindowUtf8(GetDlgItem(dialog, IDC_RULECLASS), r->cls);
    SetWindowUtf8(GetDlgItem(dialog, IDC_RULETITLE), r->title);
    CheckDlgButton(dialog, IDC_RULEOFF, (r->nSet & RULE_OFF) && r->bOff ? BST_CHECKED : BST_UNCHECKED);
    for (const auto &b : aBoxes)
        CheckDlgButton(dialog, b.nId, !(r->nSet & b.bit) ? BST_INDETERMINATE
                                      : r->*b.pField ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_RULESPEEDON, (r->nSet & RULE_SPEED) ? BST_CHECKED : BST_UNCHECKED);
    int nSpeed = (r->nSet & RULE_SPEED) ? r->nSpeed : 100;
    CreateUpDownControl(WS_CHILD | WS_VISIBLE | WS_BORDER | UDS_ALIGNRIGHT | UDS_SETBUDDYINT |
                            UDS_NOTHOUSANDS | UDS_ARROWKEYS,
                        10, 10, 50, 50, dialog, IDC_RULESPEED_SPIN, Settings.hInst,
                        GetDlgItem(dialog, IDC_RULESPEED), RULE_SPEED_MAX, RULE_SPEED_MIN, nSpeed);
    SetDlgItemInt(dialog, IDC_RULESPEED, (UINT)nSpeed, FALSE);
    EnableSpeed(dialog);
    FillList(dialog, IDC_RULEDELIVERY, aszDeliveries, 7,
             (r->nSet & RULE_DELIVERY) ? r->nDelivery + 1 : 0);
    FillList(dialog, IDC_RULETARGET, aszTargets, 3, (r->nSet & RULE_TARGET) ? r->bPointer + 1 : 0);
}

static std::string Trimmed(HWND dialog, int id)
{
    std::string s = WindowUtf8(GetDlgItem(dialog, id));
    size_t first = s.find_first_not_of(" \t"), last = s.find_last_not_of(" \t");
    return first == std::string::npos ? "" : s.substr(first, last - first + 1);
}

// The rule the controls show, or "" and the rule; else the problem.
static std::string ReadEditor(HWND dialog, PROGRAMRULE *out, int *pnBadId)
{
    PROGRAMRULE r = PROGRAMRULE{};
    r.program = Trimmed(dialog, IDC_RULEPROGRAM);
    r.cls = Trimmed(dialog, IDC_RULECLASS);
    r.title = Trimmed(dialog, IDC_RULETITLE);
    *pnBadId = IDC_RULEPROGRAM;
    if (r.program.empty())
        return "Name the program, for example notepad.exe.";
    if (r.program[0] == '-')
        return "A program name cannot start with \"-\". To leave a program alone, check "
               "Hands off.";
    for (const std::string *s : {&r.program, &r.cls, &r.title})
        if (s->find('"') != std::string::npos)
            return "The program, class and title cannot hold a double quote (\").";
    if (IsDlgButtonChecked(dialog, IDC_RULEOFF) == BST_CHECKED) {
        r.bOff = 1;
        r.nSet |= RULE_OFF;
    }
    for (const auto &b : aBoxes) {
        UINT state = IsDlgButtonChecked(dialog, b.nId);
        if (state != BST_INDETERMINATE) {
            r.*b.pField = state == BST_CHECKED;
            r.nSet |= b.bit;
        }
    }
    if (IsDlgButtonChecked(dialog, IDC_RULESPEEDON) == BST_CHECKED) {
        BOOL bNumber = FALSE;
        UINT n = GetDlgItemInt(dialog, IDC_RULESPEED, &bNumber, FALSE);
        *pnBadId = IDC_RULESPEED;
        if (!bNumber || n < RULE_SPEED_MIN || n > RULE_SPEED_MAX)
            return "The speed must be 10% to 1000%.";
        r.nSpeed = (int)n;
        r.nSet |= RULE_SPEED;
    }
    LRESULT d = SendDlgItemMessageA(dialog, IDC_RULEDELIVERY, CB_GETCURSEL, 0, 0);
    if (d >= 1 && d <= 6) {
        r.nDelivery = (int)d - 1;
        r.nSet |= RULE_DELIVERY;
    }
    LRESULT t = SendDlgItemMessageA(dialog, IDC_RULETARGET, CB_GETCURSEL, 0, 0);
    if (t >= 1 && t <= 2) {
        r.bPointer = (int)t - 1;
        r.nSet |= RULE_TARGET;
    }
    // Whatever the file's parser would not read back the same is refused
    // here, not found unreadable at the next start.
    RULELINE line = ParseRuleLine(FormatRule(r));
    *pnBadId = IDC_RULEPROGRAM;
    if (line.nKind != LINE_RULE)
        return "This rule cannot be written: " + line.why + ".";
    *out = line.rule;
    return "";
}

static INT_PTR CALLBACK RuleDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        InitEditor(dialog, (const PROGRAMRULE *)lParam);
        return TRUE;    // the focus to the first tab stop, the program
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK: {
            PROGRAMRULE r;
            int nBadId = 0;
            std::string why = ReadEditor(dialog, &r, &nBadId);
            if (!why.empty()) {
                MessageBoxA(dialog, why.c_str(), "Error", MB_ICONERROR);
                SetFocus(GetDlgItem(dialog, nBadId));
                return TRUE;
            }
            *(PROGRAMRULE *)GetWindowLongPtrA(dialog, DWLP_USER) = r;
            EndDialog(dialog, IDOK);
            return TRUE;
        }
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_RULESPEEDON:
            EnableSpeed(dialog);
            return TRUE;
        default:
            return TRUE;
        }
    default:
        return FALSE;
    }
}

BOOL EditRule(HWND owner, PROGRAMRULE *rule)
{
    return DialogBoxParamA(Settings.hInst, "RULEDLG", owner, RuleDlgProc, (LPARAM)rule) == IDOK;
}
