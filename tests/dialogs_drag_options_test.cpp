// The Options dialog's rows below the older controls: the drag options' and
// the newer options' check boxes, read when the dialog opens, each enabling
// Apply, stored as 1 or 0 by OK and Apply; the drag button's drop-down list;
// and the grown dialog still fitting a 1024x768 screen.
#include "dialogs_harness.h"
#include "res/resource.h"

using namespace harness;

struct BOX {
    int id;
    const char *text;
    int SETTINGS::*field;
};
static const BOX boxes[] = {
    {IDC_DRAGLOCK, "Tap to Lock Scrolling", &SETTINGS::bDragLock},
    {IDC_ONEAXIS, "One Direction at a Time", &SETTINGS::bOneAxis},
    {IDC_REVERSE, "Reverse Drag Direction", &SETTINGS::bReverse},
    {IDC_PAUSEFULLSCREEN, "Pause in Full-Screen Programs", &SETTINGS::bPauseFullScreen},
    {IDC_KEEPPOINTERSTILL, "Keep Pointer Still While Dragging", &SETTINGS::bKeepPointerStill},
    {IDC_GLIDE, "Glide After Release", &SETTINGS::bGlide},
};

TEST_CASE("the boxes sit below every older control, off by default")
{
    ResetSettings();
    HWND dialog = OpenOptions();
    RECT lowest = {};
    GetWindowRect(GetDlgItem(dialog, IDC_SAVEONEXIT), &lowest);
    for (const BOX &b : boxes) {
        CAPTURE(b.text);
        HWND box = GetDlgItem(dialog, b.id);
        REQUIRE(box != NULL);
        CHECK(Text(box) == b.text);
        CHECK(Checked(dialog, b.id) == BST_UNCHECKED);
        CHECK(Enabled(dialog, b.id));
        RECT rc;
        GetWindowRect(box, &rc);
        CHECK(rc.top >= lowest.bottom);
    }
    Click(dialog, IDOK);
    for (const BOX &b : boxes)
        CHECK(Settings.*b.field == 0);
}

TEST_CASE("each box enables Apply; Apply and OK store 1 or 0; a stored 2 shows checked")
{
    for (const BOX &b : boxes) {
        CAPTURE(b.text);
        ResetSettings();
        HWND dialog = OpenOptions();
        CHECK_FALSE(Enabled(dialog, IDC_APPLY));
        Click(dialog, b.id);
        CHECK(Enabled(dialog, IDC_APPLY));
        CHECK(Settings.*b.field == 0);            // not before Apply
        Click(dialog, IDC_APPLY);
        CHECK(Settings.*b.field == 1);
        CHECK_FALSE(Enabled(dialog, IDC_APPLY));
        Click(dialog, b.id);
        Click(dialog, IDOK);
        CHECK(Settings.*b.field == 0);

        Settings.*b.field = 2;                     // from an edited file
        dialog = OpenOptions();
        CHECK(Checked(dialog, b.id) == BST_CHECKED);
        Click(dialog, IDCANCEL);
        CHECK(Settings.*b.field == 2);
        dialog = OpenOptions();
        Click(dialog, IDOK);
        CHECK(Settings.*b.field == 1);
    }
}

static int Selected(HWND dialog)
{
    return (int)SendDlgItemMessageA(dialog, IDC_DRAGBUTTON, CB_GETCURSEL, 0, 0);
}

// As a user's choice arrives: the selection, then the list's notification.
static void Choose(HWND dialog, int index)
{
    HWND list = GetDlgItem(dialog, IDC_DRAGBUTTON);
    SendMessageA(list, CB_SETCURSEL, (WPARAM)index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_DRAGBUTTON, CBN_SELCHANGE), (LPARAM)list);
    Pump();
}

TEST_CASE("the Button list holds the three buttons in order and stores the chosen one")
{
    ResetSettings();
    HWND dialog = OpenOptions();
    HWND list = GetDlgItem(dialog, IDC_DRAGBUTTON);
    REQUIRE(list != NULL);
    CHECK((GetWindowLongA(list, GWL_STYLE) & 3) == CBS_DROPDOWNLIST);
    CHECK(ItemText(dialog, IDC_DRAGBUTTONLABEL) == "Button:");
    const char *names[] = {"Middle", "Back (X1)", "Forward (X2)"};
    REQUIRE(SendMessageA(list, CB_GETCOUNT, 0, 0) == 3);
    for (int i = 0; i < 3; i++) {
        char text[32] = "";
        SendMessageA(list, CB_GETLBTEXT, i, (LPARAM)text);
        CHECK(std::string(text) == names[i]);
    }
    CHECK(Selected(dialog) == DRAG_BUTTON_MIDDLE);
    Click(dialog, IDCANCEL);

    // Each choice enables Apply and is stored by Apply or OK, not before;
    // reopening shows what is stored.
    struct { int stored, chosen; bool bOk; } rows[] = {
        {DRAG_BUTTON_MIDDLE, DRAG_BUTTON_X1, false},
        {DRAG_BUTTON_X1, DRAG_BUTTON_X2, true},
        {DRAG_BUTTON_X2, DRAG_BUTTON_MIDDLE, true},
        {DRAG_BUTTON_X2, DRAG_BUTTON_X1, false},
    };
    for (auto &r : rows) {
        CAPTURE(r.stored);
        CAPTURE(r.chosen);
        Settings.nDragButton = r.stored;
        dialog = OpenOptions();
        CHECK(Selected(dialog) == r.stored);
        CHECK_FALSE(Enabled(dialog, IDC_APPLY));
        Choose(dialog, r.chosen);
        CHECK(Enabled(dialog, IDC_APPLY));
        CHECK(Settings.nDragButton == r.stored);
        Click(dialog, r.bOk ? IDOK : IDC_APPLY);
        CHECK(Settings.nDragButton == r.chosen);
        if (!r.bOk) {
            Choose(dialog, r.stored);
            Click(dialog, IDCANCEL);          // Cancel keeps what Apply stored
            CHECK(Settings.nDragButton == r.chosen);
        }
    }

    // A value no entry stands for shows Middle, and OK stores that.
    Settings.nDragButton = 5;
    dialog = OpenOptions();
    CHECK(Selected(dialog) == DRAG_BUTTON_MIDDLE);
    Click(dialog, IDOK);
    CHECK(Settings.nDragButton == DRAG_BUTTON_MIDDLE);
}

TEST_CASE("the grown dialog fits a 1024x768 screen, the Button list in its first new row")
{
    ResetSettings();
    HWND dialog = OpenOptions();
    RECT rc;
    GetWindowRect(dialog, &rc);
    CHECK(rc.right - rc.left <= 1024);
    CHECK(rc.bottom - rc.top <= 768);
    // Every control inside the client area, none cut off at the bottom.
    RECT client;
    GetClientRect(dialog, &client);
    MapWindowPoints(dialog, NULL, (POINT *)&client, 2);
    RECT drag;
    GetWindowRect(GetDlgItem(dialog, IDC_DRAGLOCK), &drag);
    for (int id : {IDC_DRAGBUTTONLABEL, IDC_DRAGBUTTON, IDC_PAUSEFULLSCREEN, IDC_KEEPPOINTERSTILL,
                   IDC_GLIDE, IDC_STARTWITHWINDOWS}) {
        CAPTURE(id);
        RECT item;
        GetWindowRect(GetDlgItem(dialog, id), &item);
        CHECK(item.top >= drag.bottom);
        CHECK(item.bottom <= client.bottom);
        CHECK(item.right <= client.right);
    }
    Click(dialog, IDCANCEL);
}
