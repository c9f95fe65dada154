// The Windows dialog: edits the exclude and include title lists in two combo
// boxes and the two flags that switch them on, and writes them back to the
// Settings record on OK and Apply.
#include "dialogs/dialogs.h"
#include "dialogs/list_text.h"
#include "scroll/settings.h"
#include <string>
#include <vector>

// What the user may type into a combo box's edit field.
#define ENTRY_LIMIT 2000

// The four controls of a list group follow from the id of its check box.
#define GROUP_COMBO(check)  ((check) + 95)
#define GROUP_ADD(check)    ((check) + 97)
#define GROUP_DELETE(check) ((check) + 99)

static int IsChecked(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

static void EnableApply(HWND dialog, BOOL bEnable)
{
    EnableWindow(GetDlgItem(dialog, IDC_APPLY), bEnable);
}

static void EnableGroup(HWND dialog, int checkId, BOOL bEnable)
{
    const int ids[] = {checkId, GROUP_COMBO(checkId), GROUP_ADD(checkId), GROUP_DELETE(checkId)};
    for (int id : ids)
        EnableWindow(GetDlgItem(dialog, id), bEnable);
}

// An active exclude list wins; the include list is editable only while the
// exclude list is off. A disabled check box keeps its check mark.
void EnableListGroups(HWND dialog, int excludeOn, int includeOn)
{
    EnableGroup(dialog, IDC_EXCLUDE, excludeOn || !includeOn);
    EnableGroup(dialog, IDC_INCLUDE, !excludeOn);
}

void FillComboFromList(HWND dialog, int comboId, char *listText)
{
    // A leading newline means an empty list; make that plain for good.
    if (listText[0] == '\n')
        listText[0] = '\0';
    // Every entry, not only those near the start: OK and Apply rebuild the
    // list text from the combo box, so an entry left out here would be lost.
    for (const std::string &entry : ListEntries(listText))
        SendDlgItemMessageA(dialog, comboId, CB_ADDSTRING, 0, (LPARAM)entry.c_str());
}

// Reads one item as the list text stores it. The item is fetched as UTF-16
// and converted back to the ANSI code page it was added in: Wine's ANSI
// CB_GETLBTEXT crashes the program on items longer than 512 characters.
// Returns 0 when the combo box reports an error or the item is empty.
static int GetItemText(HWND combo, LRESULT index, std::vector<wchar_t> *wide, std::string *text)
{
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || length == 0)
        return 0;
    wide->assign((size_t)length + 1, L'\0');
    LRESULT got = SendMessageW(combo, CB_GETLBTEXT, index, (LPARAM)wide->data());
    if (got == CB_ERR || got <= 0 || got > length)
        return 0;
    int n = WideCharToMultiByte(CP_ACP, 0, wide->data(), (int)got, NULL, 0, NULL, NULL);
    if (n <= 0)
        return 0;
    text->assign((size_t)n, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide->data(), (int)got, &(*text)[0], n, NULL, NULL);
    return 1;
}

void CopyComboToList(HWND dialog, int comboId, char *listText)
{
    HWND combo = GetDlgItem(dialog, comboId);
    LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    if (count == CB_ERR)
        return;
    listText[0] = '\0';
    size_t nLength = 0;
    std::vector<wchar_t> wide;   // not a wstring: that would link a second string library
    std::string item;
    for (LRESULT i = 0; i < count; i++) {
        // An item that would not fit is left out; later, shorter ones may fit.
        if (GetItemText(combo, i, &wide, &item))
            AppendListEntry(listText, LIST_TEXT_SIZE, &nLength, item.c_str(), item.size());
    }
}

static void AddEntry(HWND dialog, int comboId)
{
    char szText[ENTRY_LIMIT + 1];
    SendDlgItemMessageA(dialog, comboId, WM_GETTEXT, sizeof szText, (LPARAM)szText);
    // The duplicate test comes first, so an empty text that matches an
    // empty item is reported too.
    if (SendDlgItemMessageA(dialog, comboId, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)szText)
        != CB_ERR) {
        MessageBoxA(dialog, "Entry Already Exists", "Error", MB_ICONERROR);
        return;
    }
    if (!szText[0])
        return;
    SendDlgItemMessageA(dialog, comboId, CB_ADDSTRING, 0, (LPARAM)szText);
    EnableApply(dialog, TRUE);
}

static void DeleteEntry(HWND dialog, int comboId)
{
    LRESULT index = SendDlgItemMessageA(dialog, comboId, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return;
    SendDlgItemMessageA(dialog, comboId, CB_DELETESTRING, index, 0);
    EnableApply(dialog, TRUE);
}

// Both lists are rebuilt whatever the check boxes say.
static void ApplyLists(HWND dialog)
{
    CopyComboToList(dialog, IDC_EXCLUDELIST, Settings.szExcludeList);
    CopyComboToList(dialog, IDC_INCLUDELIST, Settings.szIncludeList);
    EnableApply(dialog, FALSE);
    Settings.bExcludeList = IsChecked(dialog, IDC_EXCLUDE);
    Settings.bIncludeList = IsChecked(dialog, IDC_INCLUDE);
    EnableListGroups(dialog, Settings.bExcludeList, Settings.bIncludeList);
}

static void CloseDialog(HWND dialog)
{
    DestroyWindow(dialog);
    Settings.hWindowsDlg = NULL;
}

static void InitDialog(HWND dialog)
{
    SendDlgItemMessageA(dialog, IDC_EXCLUDE, BM_SETCHECK,
                        Settings.bExcludeList ? BST_CHECKED : BST_UNCHECKED, 0);
    SendDlgItemMessageA(dialog, IDC_INCLUDE, BM_SETCHECK,
                        Settings.bIncludeList ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableListGroups(dialog, Settings.bExcludeList, Settings.bIncludeList);
    SendDlgItemMessageA(dialog, IDC_EXCLUDELIST, CB_LIMITTEXT, ENTRY_LIMIT, 0);
    SendDlgItemMessageA(dialog, IDC_INCLUDELIST, CB_LIMITTEXT, ENTRY_LIMIT, 0);
    // The typing fields start empty, whatever the template's texts: an Add
    // pressed before typing must not add "ComboBox1".
    SetDlgItemTextA(dialog, IDC_EXCLUDELIST, "");
    SetDlgItemTextA(dialog, IDC_INCLUDELIST, "");
    FillComboFromList(dialog, IDC_EXCLUDELIST, Settings.szExcludeList);
    FillComboFromList(dialog, IDC_INCLUDELIST, Settings.szIncludeList);
    EnableApply(dialog, FALSE);
}

// Only the control id counts, never the notification code.
static void OnCommand(HWND dialog, int id)
{
    switch (id) {
    case IDOK:
        ApplyLists(dialog);
        CloseDialog(dialog);
        break;
    case IDC_APPLY:
        ApplyLists(dialog);
        break;
    case IDCANCEL:
        CloseDialog(dialog);
        break;
    case IDC_EXCLUDE:
    case IDC_INCLUDE:
        EnableListGroups(dialog, IsChecked(dialog, IDC_EXCLUDE), IsChecked(dialog, IDC_INCLUDE));
        EnableApply(dialog, TRUE);
        break;
    case IDC_EXCLUDEADD:
    case IDC_INCLUDEADD:
        AddEntry(dialog, GROUP_COMBO(id - 97));
        break;
    case IDC_EXCLUDEDELETE:
    case IDC_INCLUDEDELETE:
        DeleteEntry(dialog, GROUP_COMBO(id - 99));
        break;
    default:   // the combo boxes' own notifications among them
        break;
    }
}

INT_PTR CALLBACK WindowsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        InitDialog(dialog);
        return FALSE;   // no control gets the first focus
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}
