// The Options dialog driven through its controls: what it shows when it
// opens, when Apply becomes available, what OK, Apply and Cancel store, the
// spin controls and the key list.
#include "dialogs_harness.h"
#include "res/resource.h"
#include <string.h>

using namespace harness;

static const int aEdgeSeven[] = {IDC_EDGEREPEAT, IDC_EDGELABEL, IDC_EDGETHICKNESS,
                                 IDC_PIXELSLABEL, IDC_REPEATLABEL, IDC_REPEATMS, IDC_MSLABEL};

static std::string SelectedKey(HWND dialog)
{
    HWND list = GetDlgItem(dialog, IDC_KEYLIST);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return "";
    char name[64] = "";
    SendMessageA(list, LB_GETTEXT, index, (LPARAM)name);
    return name;
}

static void ClickSpin(HWND dialog, int spinId, bool bUp)
{
    HWND spin = GetDlgItem(dialog, spinId);
    RECT rc;
    GetClientRect(spin, &rc);
    LPARAM at = MAKELPARAM(rc.right / 2, bUp ? rc.bottom / 4 : rc.bottom * 3 / 4);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(spin, WM_LBUTTONUP, 0, at);
    Pump();
}

static BOOL CALLBACK CountOptionsDialogs(HWND window, LPARAM count)
{
    if (Text(window) == "Options")
        ++*(int *)count;
    return TRUE;
}

// The options the dialog edits, compared as one block.
static bool SameOptions(const SETTINGS &a, const SETTINGS &b)
{
    return a.nSensitivity == b.nSensitivity && a.nScrollTimes == b.nScrollTimes &&
           a.nMessageType == b.nMessageType && a.bArrowKeys == b.bArrowKeys &&
           a.bHoldKey == b.bHoldKey && a.bEdgeScroll == b.bEdgeScroll &&
           a.bEdgeRepeat == b.bEdgeRepeat && a.nRepeatMs == b.nRepeatMs &&
           memcmp(a.abClassOptions, b.abClassOptions, sizeof a.abClassOptions) == 0 &&
           a.bSaveOnExit == b.bSaveOnExit && strcmp(a.szScrollKey, b.szScrollKey) == 0 &&
           a.nEdgeMargin == b.nEdgeMargin && a.nScrollVk == b.nScrollVk &&
           a.bDragLock == b.bDragLock && a.bOneAxis == b.bOneAxis && a.bReverse == b.bReverse &&
           a.bPauseFullScreen == b.bPauseFullScreen &&
           a.bKeepPointerStill == b.bKeepPointerStill && a.bGlide == b.bGlide &&
           a.nDragButton == b.nDragButton;
}

TEST_CASE("with the defaults the dialog opens as the record says and OK changes nothing")
{
    ResetSettings();
    HWND dialog = OpenOptions();
    CHECK(ItemText(dialog, IDC_SENSITIVITY) == "5");
    CHECK(ItemText(dialog, IDC_SCROLLTIMES) == "1");
    CHECK(ItemText(dialog, IDC_REPEATMS) == "50");
    CHECK(ItemText(dialog, IDC_EDGETHICKNESS) == "1");
    CHECK(Checked(dialog, MESSAGE_SEND) == BST_CHECKED);
    CHECK(Checked(dialog, MESSAGE_POST) == BST_UNCHECKED);
    CHECK(SelectedKey(dialog) == "Control");
    CHECK(Enabled(dialog, IDC_KEYLIST));
    CHECK(SendDlgItemMessageA(dialog, IDC_KEYLIST, LB_GETCOUNT, 0, 0) == 28);
    CHECK(Checked(dialog, IDC_HOLDKEY) == BST_CHECKED);
    CHECK(Checked(dialog, IDC_ARROWKEYS) == BST_UNCHECKED);
    CHECK(Checked(dialog, IDC_EDGESCROLL) == BST_CHECKED);
    CHECK(Checked(dialog, IDC_EDGEREPEAT) == BST_CHECKED);
    for (int id : aEdgeSeven) {
        CAPTURE(id);
        CHECK(Enabled(dialog, id));
    }
    const int classes[5] = {1, 1, 1, 0, 0};
    for (int i = 0; i < 5; i++) {
        CAPTURE(i);
        CHECK(Checked(dialog, IDC_CLASSEDIT + i) == classes[i]);
    }
    CHECK(Checked(dialog, IDC_SAVEONEXIT) == BST_CHECKED);
    CHECK_FALSE(Enabled(dialog, IDC_APPLY));
    CHECK(GetFocus() == GetDlgItem(dialog, IDOK));
    // Four spin controls, each sitting on its edit.
    for (int id = IDC_SENSITIVITY_SPIN; id <= IDC_EDGETHICKNESS_SPIN; id++) {
        CAPTURE(id);
        HWND spin = GetDlgItem(dialog, id);
        REQUIRE(spin != NULL);
        CHECK((HWND)SendMessageA(spin, UDM_GETBUDDY, 0, 0) ==
              GetDlgItem(dialog, IDC_SENSITIVITY + (id - IDC_SENSITIVITY_SPIN)));
    }

    Click(dialog, IDOK);
    CHECK(Settings.hOptionsDlg == NULL);
    CHECK_FALSE(IsWindow(dialog));
    CHECK(SameOptions(Settings, Initial()));
}

TEST_CASE("clicks, the key list and spin arrows enable Apply; typing does not")
{
    ResetSettings();
    HWND dialog = OpenOptions();
    struct {
        const char *what;
        void (*act)(HWND);
        bool bEnables;
    } rows[] = {
        {"type a number", [](HWND d) { Type(d, IDC_SENSITIVITY, "7"); }, false},
        {"PostMessage", [](HWND d) { Click(d, MESSAGE_POST); }, true},
        {"SendMessage", [](HWND d) { Click(d, MESSAGE_SEND); }, true},
        {"arrow keys", [](HWND d) { Click(d, IDC_ARROWKEYS); }, true},
        {"save on exit", [](HWND d) { Click(d, IDC_SAVEONEXIT); }, true},
        {"class Edit", [](HWND d) { Click(d, IDC_CLASSEDIT); }, true},
        {"class Afx", [](HWND d) { Click(d, IDC_CLASSAFX); }, true},
        {"class channel", [](HWND d) { Click(d, IDC_CLASSCHANNEL); }, true},
        {"class other", [](HWND d) { Click(d, IDC_CLASSOTHER); }, true},
        {"middle button", [](HWND d) { Click(d, IDC_MIDDLEBUTTON); }, true},
        {"button list",
         [](HWND d) {
             HWND list = GetDlgItem(d, IDC_DRAGBUTTON);
             SendMessageA(list, CB_SETCURSEL, DRAG_BUTTON_X2, 0);
             SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_DRAGBUTTON, CBN_SELCHANGE), (LPARAM)list);
         },
         true},
        {"focus into button list",
         [](HWND d) { SendMessageA(d, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(d, IDC_DRAGBUTTON), TRUE); },
         true},
        {"key selected",
         [](HWND d) {
             HWND list = GetDlgItem(d, IDC_KEYLIST);
             SendMessageA(list, LB_SETCURSEL, 5, 0);
             SendMessageA(d, WM_COMMAND, MAKEWPARAM(IDC_KEYLIST, LBN_SELCHANGE), (LPARAM)list);
         },
         true},
        {"focus into key list",
         [](HWND d) { SendMessageA(d, WM_NEXTDLGCTL, (WPARAM)GetDlgItem(d, IDC_KEYLIST), TRUE); },
         true},
        // The spin rows come before the edge rows: a spin whose edit is
        // disabled does not step.
        {"sensitivity up", [](HWND d) { ClickSpin(d, IDC_SENSITIVITY_SPIN, true); }, true},
        {"scroll times up", [](HWND d) { ClickSpin(d, IDC_SCROLLTIMES_SPIN, true); }, true},
        {"repeat down", [](HWND d) { ClickSpin(d, IDC_REPEATMS_SPIN, false); }, true},
        {"thickness up", [](HWND d) { ClickSpin(d, IDC_EDGETHICKNESS_SPIN, true); }, true},
        {"spin at its limit",
         [](HWND d) {
             ClickSpin(d, IDC_EDGETHICKNESS_SPIN, false);
             ClickSpin(d, IDC_EDGETHICKNESS_SPIN, false);
         },
         true},
        {"edge repeat", [](HWND d) { Click(d, IDC_EDGEREPEAT); }, true},
        {"edge scroll", [](HWND d) { Click(d, IDC_EDGESCROLL); }, true},
        {"hold key", [](HWND d) { Click(d, IDC_HOLDKEY); }, true},
    };
    for (auto &row : rows) {
        CAPTURE(row.what);
        REQUIRE_FALSE(Enabled(dialog, IDC_APPLY));
        row.act(dialog);
        CHECK(Enabled(dialog, IDC_APPLY) == row.bEnables);
        if (Enabled(dialog, IDC_APPLY))
            Click(dialog, IDC_APPLY);   // stores and disables Apply again
        CHECK_FALSE(Enabled(dialog, IDC_APPLY));
        CHECK(Settings.hOptionsDlg == dialog);
    }
    // What the rows left behind, stored by their Apply.
    CHECK(Settings.nSensitivity == 8);
    CHECK(Settings.nScrollTimes == 2);
    CHECK(Settings.nRepeatMs == 49);
    CHECK(Settings.nEdgeMargin == 0);   // up to 2, then down to 1 and not below
    CHECK(Settings.nMessageType == MESSAGE_SEND);
    CHECK(Settings.bHoldKey == 0);
    CHECK(Settings.bArrowKeys == 1);
    CHECK(Settings.bEdgeScroll == 0);
    CHECK(Settings.bEdgeRepeat == 0);
    CHECK(Settings.bSaveOnExit == 0);
    const int classes[5] = {0, 0, 0, 1, 1};
    for (int i = 0; i < 5; i++)
        CHECK(Settings.abClassOptions[i] == classes[i]);
    CHECK(Settings.nDragButton == DRAG_BUTTON_X2);
    CHECK(strcmp(Settings.szScrollKey, "F11") == 0);   // entry 5 of the sorted list
    CHECK(Settings.nScrollVk == VK_F11);
    // The hold key's click disabled the key list at once; its selection is
    // still read back.
    CHECK_FALSE(Enabled(dialog, IDC_KEYLIST));
    SendDlgItemMessageA(dialog, IDC_KEYLIST, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)"F5");
    Click(dialog, IDOK);
    CHECK(Settings.nScrollVk == VK_F5);

    // Opening with the hold key off starts with the list disabled.
    dialog = OpenOptions();
    CHECK_FALSE(Enabled(dialog, IDC_KEYLIST));
    Click(dialog, IDCANCEL);
}

TEST_CASE("typed numbers are stored as typed, without a range check")
{
    ResetSettings();
    HWND dialog = OpenOptions();
    struct {
        int id;
        const char *text;
        int *field;
        int expected;
    } rows[] = {
        {IDC_SENSITIVITY, "40000", &Settings.nSensitivity, 40000},
        {IDC_SCROLLTIMES, "abc", &Settings.nScrollTimes, 0},
        {IDC_REPEATMS, "-5", &Settings.nRepeatMs, -5},
        {IDC_EDGETHICKNESS, "0", &Settings.nEdgeMargin, -1},
    };
    for (auto &row : rows)
        Type(dialog, row.id, row.text);
    CHECK_FALSE(Enabled(dialog, IDC_APPLY));
    Click(dialog, IDOK);
    for (auto &row : rows) {
        CAPTURE(row.text);
        CHECK(*row.field == row.expected);
    }

    // A thickness of 1 is a margin of 0; 100 is the spin's top.
    dialog = OpenOptions();
    CHECK(ItemText(dialog, IDC_SENSITIVITY) == "40000");   // shown as stored
    CHECK(ItemText(dialog, IDC_EDGETHICKNESS) == "0");
    Type(dialog, IDC_EDGETHICKNESS, "1");
    Click(dialog, IDC_HOLDKEY);   // anything that enables Apply
    Click(dialog, IDC_APPLY);
    CHECK(Settings.nEdgeMargin == 0);
    CHECK(Settings.nSensitivity == 40000);
    Click(dialog, IDCANCEL);
}

TEST_CASE("spin arrows show plain digits up to the top of their range")
{
    ResetSettings();
    Settings.nRepeatMs = 32766;
    Settings.nEdgeMargin = 99;
    HWND dialog = OpenOptions();
    CHECK(ItemText(dialog, IDC_REPEATMS) == "32766");
    ClickSpin(dialog, IDC_REPEATMS_SPIN, true);
    ClickSpin(dialog, IDC_REPEATMS_SPIN, true);
    CHECK(ItemText(dialog, IDC_REPEATMS) == "32767");   // no "32,767", no wrap
    ClickSpin(dialog, IDC_EDGETHICKNESS_SPIN, true);
    CHECK(ItemText(dialog, IDC_EDGETHICKNESS) == "100");
    Click(dialog, IDOK);
    CHECK(Settings.nRepeatMs == 32767);
    CHECK(Settings.nEdgeMargin == 99);
}

TEST_CASE("flags of 2 show checked and are stored as 1; an odd message type means post")
{
    ResetSettings();
    int *flags[] = {&Settings.bArrowKeys, &Settings.bHoldKey, &Settings.bEdgeScroll,
                    &Settings.bEdgeRepeat, &Settings.bSaveOnExit, &Settings.abClassOptions[0],
                    &Settings.abClassOptions[1], &Settings.abClassOptions[2],
                    &Settings.abClassOptions[3], &Settings.abClassOptions[4]};
    const int ids[] = {IDC_ARROWKEYS, IDC_HOLDKEY, IDC_EDGESCROLL, IDC_EDGEREPEAT,
                       IDC_SAVEONEXIT, 1730, 1731, 1732, 1733, 1734};
    for (int *flag : flags)
        *flag = 2;
    Settings.nMessageType = 7;
    HWND dialog = OpenOptions();
    for (int id : ids) {
        CAPTURE(id);
        CHECK(Checked(dialog, id) == BST_CHECKED);
    }
    CHECK(Checked(dialog, MESSAGE_POST) == BST_CHECKED);
    CHECK(Checked(dialog, MESSAGE_SEND) == BST_UNCHECKED);
    // Edge scrolling counts as on only at exactly 1, but the dialog shows 2
    // checked, so its controls are enabled too.
    for (int id : aEdgeSeven)
        CHECK(Enabled(dialog, id));
    Click(dialog, IDOK);
    for (int *flag : flags)
        CHECK(*flag == 1);
    CHECK(Settings.nMessageType == MESSAGE_POST);
}

TEST_CASE("the scroll key is selected by prefix and stored from the selection")
{
    struct {
        const char *stored;
        const char *selected;
        const char *afterOk;
        int vk;
    } rows[] = {
        {"f", "F1", "F1", VK_F1},
        {"control", "Control", "Control", VK_CONTROL},
        {"Ctrl", "", "Ctrl", VK_CONTROL},   // nothing begins with it: kept
        {"Alt", "Alt", "Alt", VK_MENU},      // the first entry, reached last
        {"F12", "F12", "F12", VK_F12},
    };
    for (auto &row : rows) {
        CAPTURE(row.stored);
        ResetSettings();
        strcpy(Settings.szScrollKey, row.stored);
        HWND dialog = OpenOptions();
        CHECK(SelectedKey(dialog) == row.selected);
        Click(dialog, IDOK);
        CHECK(strcmp(Settings.szScrollKey, row.afterOk) == 0);
        CHECK(Settings.nScrollVk == row.vk);
    }
}

TEST_CASE("the edge check boxes enable the seven edge controls")
{
    ResetSettings();
    HWND dialog = OpenOptions();
    // Clicks in turn, and what is enabled after each: the four thickness
    // controls and the three repeat ones. The repeat box can only be
    // clicked while edge scrolling is checked.
    struct {
        int clickId;
        bool bThickness, bRepeat;
    } rows[] = {
        {IDC_EDGEREPEAT, true, false},
        {IDC_EDGESCROLL, false, false},
        {IDC_EDGESCROLL, true, false},
        {IDC_EDGEREPEAT, true, true},
        {IDC_EDGESCROLL, false, false},   // repeat still checked: all off
    };
    for (auto &row : rows) {
        Click(dialog, row.clickId);
        CAPTURE(Checked(dialog, IDC_EDGESCROLL));
        CAPTURE(Checked(dialog, IDC_EDGEREPEAT));
        for (int i = 0; i < 7; i++) {
            CAPTURE(aEdgeSeven[i]);
            CHECK(Enabled(dialog, aEdgeSeven[i]) == (i < 4 ? row.bThickness : row.bRepeat));
        }
    }
    // The spin controls themselves are left as they are.
    CHECK(Enabled(dialog, IDC_EDGETHICKNESS_SPIN));
    CHECK(Enabled(dialog, IDC_REPEATMS_SPIN));
    Click(dialog, IDOK);
    CHECK(Settings.bEdgeScroll == 0);
    CHECK(Settings.bEdgeRepeat == 1);
}

TEST_CASE("one dialog at a time; Cancel keeps what Apply stored; reopening reads the record")
{
    ResetSettings();
    HWND dialog = OpenOptions();
    CHECK(Command(IDM_OPTIONS, &Settings.hOptionsDlg) == dialog);
    int nDialogs = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountOptionsDialogs, (LPARAM)&nDialogs);
    CHECK(nDialogs == 1);

    Type(dialog, IDC_SENSITIVITY, "9");
    Click(dialog, IDC_ARROWKEYS);   // twice: Apply on, the box as it was
    Click(dialog, IDC_ARROWKEYS);
    // A second initialisation of an open dialog touches nothing.
    SendMessageA(dialog, WM_INITDIALOG, 0, 0);
    CHECK(ItemText(dialog, IDC_SENSITIVITY) == "9");
    CHECK(SendDlgItemMessageA(dialog, IDC_KEYLIST, LB_GETCOUNT, 0, 0) == 28);
    Click(dialog, IDC_APPLY);
    CHECK(Settings.nSensitivity == 9);
    // Changes made elsewhere while it is open (Load Settings, say) are not
    // shown; Apply writes the dialog's values over them.
    Settings.nScrollTimes = 4;
    Type(dialog, IDC_SENSITIVITY, "12");
    Click(dialog, IDC_ARROWKEYS);
    Click(dialog, IDC_ARROWKEYS);
    Click(dialog, IDC_APPLY);
    CHECK(Settings.nSensitivity == 12);
    CHECK(Settings.nScrollTimes == 1);
    Type(dialog, IDC_SENSITIVITY, "33");
    Click(dialog, IDCANCEL);
    CHECK(Settings.hOptionsDlg == NULL);
    CHECK(Settings.nSensitivity == 12);

    Settings.nScrollTimes = 3;
    dialog = OpenOptions();
    CHECK(ItemText(dialog, IDC_SENSITIVITY) == "12");
    CHECK(ItemText(dialog, IDC_SCROLLTIMES) == "3");
    CHECK_FALSE(Enabled(dialog, IDC_APPLY));
    // Escape closes like Cancel.
    PostMessageA(GetDlgItem(dialog, IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
    CHECK(PumpFor([] { return Settings.hOptionsDlg == NULL; }));
    CHECK(Settings.hOptionsDlg == NULL);
}
