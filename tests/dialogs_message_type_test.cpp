// The Options dialog's four message types: what each stored value opens
// with, what OK and Apply store, and the class check boxes, which do not
// apply to wheel messages and are disabled while "Mouse wheel" or
// "Automatic" is pressed.
#include "dialogs_harness.h"
#include "res/resource.h"

using namespace harness;

static const int aClassBoxes[] = {IDC_CLASSEDIT, IDC_CLASSAFX, IDC_CLASSCHANNEL, IDC_CLASSOTHER};

static void CheckClassBoxes(HWND dialog, bool bEnabled)
{
    for (int id : aClassBoxes) {
        CAPTURE(id);
        CHECK(Enabled(dialog, id) == bEnabled);
    }
    CHECK(Enabled(dialog, IDC_MIDDLEBUTTON));   // not a class box: always there
}

TEST_CASE("each stored type opens with its button pressed and is stored back unchanged")
{
    struct { int stored, pressed, after; } rows[] = {
        {MESSAGE_SEND, MESSAGE_SEND, MESSAGE_SEND},
        {MESSAGE_POST, MESSAGE_POST, MESSAGE_POST},
        {MESSAGE_WHEEL, MESSAGE_WHEEL, MESSAGE_WHEEL},
        {MESSAGE_AUTO, MESSAGE_AUTO, MESSAGE_AUTO},
        {7, MESSAGE_POST, MESSAGE_POST},         // a value from an edited file
        {1549, MESSAGE_POST, MESSAGE_POST},
    };
    for (auto &r : rows) {
        CAPTURE(r.stored);
        ResetSettings();
        Settings.nMessageType = r.stored;
        HWND dialog = OpenOptions();
        for (int id : {MESSAGE_SEND, MESSAGE_POST, MESSAGE_WHEEL, MESSAGE_AUTO}) {
            CAPTURE(id);
            CHECK(Checked(dialog, id) == (id == r.pressed ? BST_CHECKED : BST_UNCHECKED));
        }
        CheckClassBoxes(dialog, r.pressed != MESSAGE_WHEEL && r.pressed != MESSAGE_AUTO);
        CHECK_FALSE(Enabled(dialog, IDC_APPLY));
        Click(dialog, IDOK);
        CHECK(Settings.nMessageType == r.after);
    }
}

TEST_CASE("pressing Mouse wheel disables the class boxes, another type enables them")
{
    ResetSettings();
    HWND dialog = OpenOptions();
    CheckClassBoxes(dialog, true);
    Click(dialog, MESSAGE_WHEEL);
    CHECK(Checked(dialog, MESSAGE_WHEEL) == BST_CHECKED);
    CHECK(Checked(dialog, MESSAGE_SEND) == BST_UNCHECKED);
    CHECK(Enabled(dialog, IDC_APPLY));
    CheckClassBoxes(dialog, false);
    // Their values are kept and stored as they stand.
    Click(dialog, IDC_APPLY);
    CHECK(Settings.nMessageType == MESSAGE_WHEEL);
    CHECK(Settings.bClassEdit == 1);
    CHECK(Settings.bClassOther == 0);
    CheckClassBoxes(dialog, false);

    Click(dialog, MESSAGE_POST);
    CheckClassBoxes(dialog, true);
    Click(dialog, MESSAGE_AUTO);
    CheckClassBoxes(dialog, false);
    Click(dialog, MESSAGE_WHEEL);
    Click(dialog, MESSAGE_SEND);
    CheckClassBoxes(dialog, true);
    Click(dialog, IDOK);
    CHECK(Settings.nMessageType == MESSAGE_SEND);

    // Cancel keeps what the last Apply stored.
    dialog = OpenOptions();
    Click(dialog, MESSAGE_WHEEL);
    Click(dialog, IDCANCEL);
    CHECK(Settings.nMessageType == MESSAGE_SEND);
}
