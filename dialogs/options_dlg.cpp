// The Options dialog: shows every scrolling option of the Settings record,
// writes them back on OK and Apply, and keeps the edge controls' enabled
// states in step with their two check boxes.
#include "dialogs/dialogs.h"
#include "input/key_names.h"
#include "scroll/settings.h"
#include <commctrl.h>
#include <string.h>

// One spin control per number edit, in id order (1528..1531).
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

void EnableEdgeControls(HWND dialog, int edgeOn, int repeatOn)
{
    for (int id : aEdgeControls)
        EnableWindow(GetDlgItem(dialog, id), edgeOn != 0);
    for (int id : aRepeatControls)
        EnableWindow(GetDlgItem(dialog, id), edgeOn != 0 && repeatOn != 0);
}

static void SetCheck(HWND dialog, int id, int value)
{
    // Any non-zero value (a 2 from an edited settings file, say) shows as
    // checked; the button then reports plain 1.
    SendDlgItemMessageA(dialog, id, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

static int IsChecked(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

static void EnableApply(HWND dialog, BOOL bEnable)
{
    EnableWindow(GetDlgItem(dialog, IDC_APPLY), bEnable);
}

// Attaches a spin control to the right end of its edit. UDS_NOTHOUSANDS
// keeps "32,767" out of the edit: GetDlgItemInt would stop reading at the
// comma and store 32.
static HWND CreateSpin(HWND dialog, int id, int editId, int lower, int upper, int value)
{
    HWND edit = GetDlgItem(dialog, editId);
    HWND spin = CreateUpDownControl(
        WS_CHILD | WS_VISIBLE | WS_BORDER | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_NOTHOUSANDS,
        10, 10, 50, 50, dialog, id, Settings.hInst, edit, upper, lower, value);
    // The spin control pulls a position outside its range to the nearest
    // limit; the edit shows the stored value itself, so that OK without
    // changes leaves a value from an edited settings file as it was.
    SetDlgItemInt(dialog, editId, (UINT)value, TRUE);
    return spin;
}

static void SelectScrollKey(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_KEYLIST);
    for (int i = 0; i < KEY_NAME_COUNT; i++)
        SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)aszKeyNames[i].szName);
    // Prefix search, any case, from the second entry round to the first:
    // "f" finds F1, a name nothing begins with selects nothing.
    SendMessageA(list, LB_SELECTSTRING, 0, (LPARAM)Settings.szScrollKey);
}

static void InitDialog(HWND dialog)
{
    EnableApply(dialog, FALSE);

    hSensitivityEdit = GetDlgItem(dialog, IDC_SENSITIVITY);
    ahUpDown[0] = CreateSpin(dialog, IDC_SENSITIVITY_SPIN, IDC_SENSITIVITY, 0, 32767,
                             Settings.nSensitivity);

    SetCheck(dialog, Settings.nMessageType == MESSAGE_SEND ? MESSAGE_SEND : MESSAGE_POST, 1);

    ahUpDown[1] = CreateSpin(dialog, IDC_SCROLLTIMES_SPIN, IDC_SCROLLTIMES, 1, 32767,
                             Settings.nScrollTimes);
    ahUpDown[2] = CreateSpin(dialog, IDC_REPEATMS_SPIN, IDC_REPEATMS, 1, 32767,
                             Settings.nRepeatMs);
    // Shown as a thickness in pixels; unsigned arithmetic keeps an extreme
    // margin from an edited file from overflowing.
    ahUpDown[3] = CreateSpin(dialog, IDC_EDGETHICKNESS_SPIN, IDC_EDGETHICKNESS, 1, 100,
                             (int)((unsigned)Settings.nEdgeMargin + 1u));

    SelectScrollKey(dialog);
    if (!Settings.bHoldKey)
        EnableWindow(GetDlgItem(dialog, IDC_KEYLIST), FALSE);

    SetCheck(dialog, IDC_HOLDKEY, Settings.bHoldKey);
    SetCheck(dialog, IDC_ARROWKEYS, Settings.bArrowKeys);
    SetCheck(dialog, IDC_EDGESCROLL, Settings.bEdgeScroll);
    SetCheck(dialog, IDC_EDGEREPEAT, Settings.bEdgeRepeat);
    EnableEdgeControls(dialog, Settings.bEdgeScroll, Settings.bEdgeRepeat);

    for (int i = 0; i < 5; i++)
        SetCheck(dialog, IDC_CLASSEDIT + i, Settings.abClassOptions[i]);
    SetCheck(dialog, IDC_SAVEONEXIT, Settings.bSaveOnExit);
}

// Numbers are stored as typed: no range check, a text without digits is 0.
static int ReadInt(HWND dialog, int id)
{
    return (int)GetDlgItemInt(dialog, id, NULL, TRUE);
}

static void ReadBack(HWND dialog)
{
    Settings.nSensitivity = ReadInt(dialog, IDC_SENSITIVITY);
    Settings.nScrollTimes = ReadInt(dialog, IDC_SCROLLTIMES);
    Settings.nRepeatMs = ReadInt(dialog, IDC_REPEATMS);
    Settings.nEdgeMargin = (int)((unsigned)ReadInt(dialog, IDC_EDGETHICKNESS) - 1u);
    Settings.nMessageType = IsChecked(dialog, MESSAGE_POST) ? MESSAGE_POST : MESSAGE_SEND;

    Settings.bHoldKey = IsChecked(dialog, IDC_HOLDKEY);
    Settings.bArrowKeys = IsChecked(dialog, IDC_ARROWKEYS);
    Settings.bEdgeScroll = IsChecked(dialog, IDC_EDGESCROLL);
    Settings.bEdgeRepeat = IsChecked(dialog, IDC_EDGEREPEAT);
    EnableEdgeControls(dialog, Settings.bEdgeScroll, Settings.bEdgeRepeat);

    for (int i = 0; i < 5; i++)
        Settings.abClassOptions[i] = IsChecked(dialog, IDC_CLASSEDIT + i);

    // Read even while the list is disabled; no selection keeps the old name.
    HWND list = GetDlgItem(dialog, IDC_KEYLIST);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index != LB_ERR) {
        LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
        if (length != LB_ERR && length < SCROLL_KEY_SIZE)
            SendMessageA(list, LB_GETTEXT, index, (LPARAM)Settings.szScrollKey);
    }
    Settings.nScrollVk = KeyNameToVk(Settings.szScrollKey);

    Settings.bSaveOnExit = IsChecked(dialog, IDC_SAVEONEXIT);
}

static void CloseDialog(HWND dialog)
{
    DestroyWindow(dialog);
    Settings.hOptionsDlg = NULL;
    hSensitivityEdit = NULL;
}

// Only the control id counts, never the notification code: a focus
// notification from the key list enables Apply like a click does.
static void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDOK:
        ReadBack(dialog);
        CloseDialog(dialog);
        break;
    case IDC_APPLY:
        EnableApply(dialog, FALSE);
        ReadBack(dialog);
        break;
    case IDCANCEL:
        CloseDialog(dialog);
        break;
    case IDC_HOLDKEY:
        EnableApply(dialog, TRUE);
        EnableWindow(GetDlgItem(dialog, IDC_KEYLIST), IsChecked(dialog, IDC_HOLDKEY));
        break;
    case IDC_EDGESCROLL:
    case IDC_EDGEREPEAT:
        EnableApply(dialog, TRUE);
        EnableEdgeControls(dialog, IsChecked(dialog, IDC_EDGESCROLL),
                           IsChecked(dialog, IDC_EDGEREPEAT));
        break;
    case MESSAGE_POST:
    case MESSAGE_SEND:
    case IDC_KEYLIST:
    case IDC_ARROWKEYS:
    case IDC_SAVEONEXIT:
    case IDC_CLASSEDIT:
    case IDC_CLASSAFX:
    case IDC_CLASSCHANNEL:
    case IDC_CLASSOTHER:
    case IDC_MIDDLEBUTTON:
        EnableApply(dialog, TRUE);
        break;
    default:   // the edits among them: typing alone does not enable Apply
        break;
    }
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
