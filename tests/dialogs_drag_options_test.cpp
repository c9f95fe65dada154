// The Options dialog's row of drag options: three check boxes below every
// other control, read when the dialog opens, each enabling Apply, stored as
// 1 or 0 by OK and Apply.
#include "dialogs_harness.h"
#include "res/resource.h"

using namespace harness;

static HWND OpenOptions()
{
    CloseIfOpen(&Settings.hOptionsDlg);
    HWND dialog = Command(IDM_OPTIONS, &Settings.hOptionsDlg);
    REQUIRE(dialog != NULL);
    return dialog;
}

struct BOX {
    int id;
    const char *text;
    int SETTINGS::*field;
};
static const BOX boxes[] = {
    {IDC_DRAGLOCK, "Tap to Lock Scrolling", &SETTINGS::bDragLock},
    {IDC_ONEAXIS, "One Direction at a Time", &SETTINGS::bOneAxis},
    {IDC_REVERSE, "Reverse Drag Direction", &SETTINGS::bReverse},
};

TEST_CASE("the three boxes sit below every other control, off by default")
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
