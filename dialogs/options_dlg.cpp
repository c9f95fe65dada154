// The Options dialog: shows every scrolling option of the Settings record,
// writes them back on OK and Apply, and keeps the enabled states of the edge
// controls and the class check boxes in step with the buttons they follow.
// Which control shows which field is one table, read at opening and written
// back on OK and Apply. "Start With Windows" is no field: the Startup
// folder's shortcut is its state (store/startup_link_win.cpp).
#include "dialogs/dialogs.h"
#include "input/key_names.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "store/startup_link_win.h"
#include <commctrl.h>
#include <string.h>

enum CONTROLKIND {
    CTL_NUMBER,     // an edit with its spin control; the field plus nOffset is shown
    CTL_RADIO,      // one of the message-type buttons; the field holds the chosen id
    CTL_CHECK,      // a check box: any non-zero value checks it, it reads back 1 or 0
    CTL_LIST,       // a drop-down list: the field is the index of the chosen entry
    CTL_STARTUP,    // the "Start With Windows" box: the shortcut, not a field
};

struct OPTIONCONTROL {
    int nId;
    CONTROLKIND nKind;
    int *pField;
    int nSpinId, nLower, nUpper, nOffset;   // CTL_NUMBER only
    const char *const *aszItems;            // CTL_LIST only: the entries, in order
    int nItems;
};

// Entry i is DRAG_BUTTON i.
static const char *const aszDragButtons[] = {"Middle", "Back (X1)", "Forward (X2)"};

// The rows, made from the option list (scroll/options.h).
#define CONTROL_NUMBER(field, id, spin, lower, upper, offset) \
    {id, CTL_NUMBER, &Settings.field, spin, lower, upper, offset, NULL, 0},
#define CONTROL_CHECK(field, id) {id, CTL_CHECK, &Settings.field, 0, 0, 0, 0, NULL, 0},
#define CONTROL_LIST(field, id, items) \
    {id, CTL_LIST, &Settings.field, 0, 0, 0, 0, items, sizeof items / sizeof items[0]},
#define CONTROL_RADIO(id) {id, CTL_RADIO, &Settings.nMessageType, 0, 0, 0, 0, NULL, 0},
#define CONTROL_RADIOS(field) VELTRAC_MESSAGE_TYPES(CONTROL_RADIO)
#define CONTROL_NONE(field)
#define OPTION_CONTROL(field, value, line, file, choices, dialog, args) \
    OPTION_APPLY(CONTROL_##dialog, field OPTION_COMMA_ARGS args)
#define OPTION_COMMA_ARGS(...) __VA_OPT__(, ) __VA_ARGS__

// In the order the controls are set at opening and read back on OK.
static const OPTIONCONTROL aControls[] = {
    VELTRAC_OPTIONS(OPTION_CONTROL)
    // Applied after every option is stored: a failure to change the Startup
    // folder must not keep any of them from being stored.
    {IDC_STARTWITHWINDOWS, CTL_STARTUP, NULL, 0, 0, 0, 0, NULL, 0},
};

// What the "Start With Windows" box showed at opening or after the last
// Apply: OK or Apply changes the Startup folder only when the box differs,
// so an unchanged box never removes another copy's shortcut.
static int bStartupShown;

// One spin control per number edit, in table order.
static HWND ahUpDown[4];

// Set while an Options dialog is initialised; a second WM_INITDIALOG that
// arrives meanwhile must leave the controls alone.
static HWND hSensitivityEdit;

static const int aEdgeControls[] = {
    IDC_EDGEREPEAT, IDC_EDGELABEL, IDC_EDGETHICKNESS, IDC_PIXELSLABEL,
};
static const int aRepeatControls[] = {
    IDC_REPEATLABEL, IDC_REPEATMS, IDC_MSLABEL,
};
// The class filter does not apply to wheel messages, nor to Automatic,
// which has a table of its own.
static const int aClassControls[] = {
    IDC_CLASSLABEL, IDC_CLASSEDIT, IDC_CLASSAFX, IDC_CLASSCHANNEL, IDC_CLASSOTHER,
};

void EnableEdgeControls(HWND dialog, int edgeOn, int repeatOn)
{
    for (int id : aEdgeControls)
        EnableWindow(GetDlgItem(dialog, id), edgeOn != 0);
    for (int id : aRepeatControls)
        EnableWindow(GetDlgItem(dialog, id), edgeOn != 0 && repeatOn != 0);
}

static int IsChecked(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

static void EnableClassControls(HWND dialog)
{
    BOOL bOn = !IsChecked(dialog, MESSAGE_WHEEL) && !IsChecked(dialog, MESSAGE_AUTO);
    for (int id : aClassControls)
        EnableWindow(GetDlgItem(dialog, id), bOn);
}

static void SetCheck(HWND dialog, int id, int value)
{
    // Any non-zero value (a 2 from an edited settings file, say) shows as
    // checked; the button then reports plain 1.
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

static void EnableApply(HWND dialog, BOOL bEnable)
{
    EnableWindow(GetDlgItem(dialog, IDC_APPLY), bEnable);
}

// Attaches a spin control to the right end of its edit. UDS_NOTHOUSANDS
// keeps "32,767" out of the edit: GetDlgItemInt would stop reading at the
// comma and store 32.
static HWND CreateSpin(HWND dialog, const OPTIONCONTROL &c)
{
    HWND edit = GetDlgItem(dialog, c.nId);
    // Unsigned arithmetic: an extreme value from an edited file must not overflow.
    int value = (int)((unsigned)*c.pField + (unsigned)c.nOffset);
    HWND spin = CreateUpDownControl(
        WS_CHILD | WS_VISIBLE | WS_BORDER | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_NOTHOUSANDS,
        10, 10, 50, 50, dialog, c.nSpinId, Settings.hInst, edit, c.nUpper, c.nLower, value);
    // The spin control pulls a position outside its range to the nearest
    // limit; the edit shows the stored value itself, so that OK without
    // changes leaves a value from an edited settings file as it was.
    SetDlgItemInt(dialog, c.nId, (UINT)value, TRUE);
    return spin;
}

// Entries in table order (the list is not sorted); a field outside them,
// which loading never leaves, shows the first.
static void FillList(HWND dialog, const OPTIONCONTROL &c)
{
    HWND list = GetDlgItem(dialog, c.nId);
    for (int i = 0; i < c.nItems; i++)
        SendMessageA(list, CB_ADDSTRING, 0, (LPARAM)c.aszItems[i]);
    int index = *c.pField >= 0 && *c.pField < c.nItems ? *c.pField : 0;
    SendMessageA(list, CB_SETCURSEL, (WPARAM)index, 0);
}

static void ShowStartup(HWND dialog)
{
    bStartupShown = IsStartupLinkOn();
    SetCheck(dialog, IDC_STARTWITHWINDOWS, bStartupShown);
}

// Makes or deletes the shortcut when the box changed. Whatever happened, the
// box then shows what the Startup folder really holds.
static void ApplyStartup(HWND dialog)
{
    int bWanted = IsChecked(dialog, IDC_STARTWITHWINDOWS);
    if (bWanted == bStartupShown)
        return;
    BOOL ok = SetStartupLink(bWanted);
    ShowStartup(dialog);
    if (!ok || bStartupShown != bWanted)
        MessageBoxA(dialog, "Could not change the Startup folder.", "Error", MB_ICONERROR);
}

static void SelectScrollKey(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_KEYLIST);
    for (int i = 0; i < KEY_NAME_COUNT; i++)
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)aszKeyNames[i].szName);
    // Prefix search, any case, from the second entry round to the first:
    // "f" finds F1, a name nothing begins with selects nothing.
    SendMessageA(list, LB_SELECTSTRING, 0, (LPARAM)Settings.szScrollKey);
    if (!Settings.bHoldKey)
        EnableWindow(list, FALSE);
}

static void InitDialog(HWND dialog)
{
    EnableApply(dialog, FALSE);
    hSensitivityEdit = GetDlgItem(dialog, IDC_SENSITIVITY);
    int nSpin = 0;
    bool bRadioSet = false;
    for (const OPTIONCONTROL &c : aControls) {
        switch (c.nKind) {
        case CTL_NUMBER:
            ahUpDown[nSpin++] = CreateSpin(dialog, c);
            break;
        case CTL_RADIO:
            // Post stands last: it is pressed for any value but the others.
            if (!bRadioSet && (*c.pField == c.nId || c.nId == MESSAGE_POST)) {
                SetCheck(dialog, c.nId, 1);
                bRadioSet = true;
            }
            break;
        case CTL_CHECK:
            SetCheck(dialog, c.nId, *c.pField);
            break;
        case CTL_LIST:
            FillList(dialog, c);
            break;
        case CTL_STARTUP:
            ShowStartup(dialog);
            break;
        }
    }
    SelectScrollKey(dialog);
    EnableEdgeControls(dialog, Settings.bEdgeScroll, Settings.bEdgeRepeat);
    EnableClassControls(dialog);
}

// Numbers are stored as typed: no range check, a text without digits is 0.
static int ReadInt(HWND dialog, int id)
{
    return (int)GetDlgItemInt(dialog, id, NULL, TRUE);
}

static void ReadBack(HWND dialog)
{
    for (const OPTIONCONTROL &c : aControls) {
        switch (c.nKind) {
        case CTL_NUMBER:
            *c.pField = (int)((unsigned)ReadInt(dialog, c.nId) - (unsigned)c.nOffset);
            break;
        case CTL_RADIO:
            // Send when none is pressed, as when the file held another value.
            if (c.nId == MESSAGE_SEND || IsChecked(dialog, c.nId))
                *c.pField = c.nId;
            break;
        case CTL_CHECK:
            *c.pField = IsChecked(dialog, c.nId);
            break;
        case CTL_LIST: {
            LRESULT index = SendDlgItemMessageA(dialog, c.nId, CB_GETCURSEL, 0, 0);
            if (index >= 0 && index < c.nItems)
                *c.pField = (int)index;
            break;
        }
        case CTL_STARTUP:
            break;      // last of all, below: it may stop for a message box
        }
    }
    EnableEdgeControls(dialog, Settings.bEdgeScroll, Settings.bEdgeRepeat);

    // Read even while the list is disabled; no selection keeps the old name.
    HWND list = GetDlgItem(dialog, IDC_KEYLIST);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index != LB_ERR) {
        LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
        if (length != LB_ERR && length < SCROLL_KEY_SIZE)
            SendMessageA(list, LB_GETTEXT, index, (LPARAM)Settings.szScrollKey);
    }
    Settings.nScrollVk = KeyNameToVk(Settings.szScrollKey);
    // What depends on the options but is no option (the drag lock) follows.
    if (Settings.hMainWnd)
        SendMessageA(Settings.hMainWnd, WM_OPTIONSCHANGED, 0, 0);
    // Every option is stored by now, whatever the Startup folder says.
    ApplyStartup(dialog);
}

static void CloseDialog(HWND dialog)
{
    DestroyWindow(dialog);
    Settings.hOptionsDlg = NULL;
    hSensitivityEdit = NULL;
}

static const OPTIONCONTROL *FindControl(int id)
{
    for (const OPTIONCONTROL &c : aControls)
        if (c.nId == id)
            return &c;
    return NULL;
}

// Only the control id counts, never the notification code: a focus
// notification from the key list or the button list enables Apply like a
// click does.
static void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDOK:
        ReadBack(dialog);
        CloseDialog(dialog);
        return;
    case IDC_APPLY:
        EnableApply(dialog, FALSE);
        ReadBack(dialog);
        return;
    case IDCANCEL:
        CloseDialog(dialog);
        return;
    case IDC_KEYLIST:
        EnableApply(dialog, TRUE);
        return;
    }
    const OPTIONCONTROL *c = FindControl(id);
    // The edits among them: typing alone does not enable Apply.
    if (!c || c->nKind == CTL_NUMBER)
        return;
    EnableApply(dialog, TRUE);
    if (id == IDC_HOLDKEY)
        EnableWindow(GetDlgItem(dialog, IDC_KEYLIST), IsChecked(dialog, IDC_HOLDKEY));
    else if (id == IDC_EDGESCROLL || id == IDC_EDGEREPEAT)
        EnableEdgeControls(dialog, IsChecked(dialog, IDC_EDGESCROLL),
                           IsChecked(dialog, IDC_EDGEREPEAT));
    else if (c->nKind == CTL_RADIO)
        EnableClassControls(dialog);
}

INT_PTR CALLBACK OptionsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        if (!hSensitivityEdit)
            InitDialog(dialog);
        return TRUE;   // focus to the first tab stop, OK
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    case WM_VSCROLL:
        // An arrow click on a spin control: the value changed.
        for (HWND spin : ahUpDown)
            if (spin && (HWND)lParam == spin)
                EnableApply(dialog, TRUE);
        return TRUE;
    default:
        return FALSE;
    }
}
