// The Windows dialog driven through its controls: the two list groups and
// their enabled states, Add and Delete, how the list texts are shown and
// rebuilt, OK, Apply, Cancel and Enter.
#include "dialogs_harness.h"
#include "res/resource.h"
#include <string.h>

using namespace harness;

static const int aExcludeGroup[] = {IDC_EXCLUDE, IDC_EXCLUDELIST, IDC_EXCLUDEADD, IDC_EXCLUDEDELETE};
static const int aIncludeGroup[] = {IDC_INCLUDE, IDC_INCLUDELIST, IDC_INCLUDEADD, IDC_INCLUDEDELETE};

// The items of a combo box in its own order, each followed by a newline:
// the list text OK is expected to write. Read as UTF-16, since Wine's ANSI
// CB_GETLBTEXT fails on items longer than 512 characters.
static std::string Items(HWND dialog, int comboId)
{
    std::string all;
    HWND combo = GetDlgItem(dialog, comboId);
    LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; i++) {
        LRESULT n = SendMessageW(combo, CB_GETLBTEXTLEN, i, 0);
        std::wstring item((size_t)n + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, i, (LPARAM)&item[0]);
        for (LRESULT k = 0; k < n; k++)
            all += (char)item[(size_t)k];   // the tests use ASCII only
        all += "\n";
    }
    return all;
}

static int Count(HWND dialog, int comboId)
{
    return (int)SendDlgItemMessageA(dialog, comboId, CB_GETCOUNT, 0, 0);
}

static HWND ComboEdit(HWND dialog, int comboId)
{
    return FindWindowExA(GetDlgItem(dialog, comboId), NULL, "Edit", NULL);
}

static void Add(HWND dialog, int comboId, const std::string &text)
{
    Type(dialog, comboId, text);
    Click(dialog, comboId == IDC_EXCLUDELIST ? IDC_EXCLUDEADD : IDC_INCLUDEADD);
}

static void CheckGroups(HWND dialog, bool bExclude, bool bInclude)
{
    for (int id : aExcludeGroup) {
        CAPTURE(id);
        CHECK(Enabled(dialog, id) == bExclude);
    }
    for (int id : aIncludeGroup) {
        CAPTURE(id);
        CHECK(Enabled(dialog, id) == bInclude);
    }
}

TEST_CASE("with the defaults the exclude group is on, the include group off, Apply off")
{
    ResetSettings();
    HWND dialog = OpenWindows();
    CHECK(Checked(dialog, IDC_EXCLUDE) == BST_CHECKED);
    CHECK(Checked(dialog, IDC_INCLUDE) == BST_UNCHECKED);
    CheckGroups(dialog, true, false);
    CHECK(Count(dialog, IDC_EXCLUDELIST) == 0);
    CHECK(Count(dialog, IDC_INCLUDELIST) == 0);
    CHECK(ItemText(dialog, IDC_EXCLUDELIST).empty());
    CHECK(ItemText(dialog, IDC_INCLUDELIST).empty());
    CHECK_FALSE(Enabled(dialog, IDC_APPLY));
    // Both edit fields take at most 2,000 typed characters.
    CHECK(SendMessageA(ComboEdit(dialog, IDC_EXCLUDELIST), EM_GETLIMITTEXT, 0, 0) == 2000);
    CHECK(SendMessageA(ComboEdit(dialog, IDC_INCLUDELIST), EM_GETLIMITTEXT, 0, 0) == 2000);
    Click(dialog, IDOK);
    CHECK(Settings.hWindowsDlg == NULL);
    CHECK(Settings.bExcludeList == 1);
    CHECK(Settings.bIncludeList == 0);
    CHECK(Settings.szExcludeList[0] == '\0');
}

TEST_CASE("the check boxes switch the groups at once and the flags on Apply")
{
    ResetSettings();
    HWND dialog = OpenWindows();
    Click(dialog, IDC_EXCLUDE);   // off: both groups open
    CheckGroups(dialog, true, true);
    CHECK(Enabled(dialog, IDC_APPLY));
    CHECK(Settings.bExcludeList == 1);
    Click(dialog, IDC_INCLUDE);   // on: the exclude group closes, its box too
    CheckGroups(dialog, false, true);
    Click(dialog, IDC_APPLY);
    CHECK(Settings.bExcludeList == 0);
    CHECK(Settings.bIncludeList == 1);
    CHECK_FALSE(Enabled(dialog, IDC_APPLY));
    CheckGroups(dialog, false, true);
    Click(dialog, IDCANCEL);

    // Both flags set (an edited settings file): exclude wins, and the
    // disabled include box keeps its check mark; OK keeps both flags.
    Settings.bExcludeList = 1;
    Settings.bIncludeList = 1;
    dialog = OpenWindows();
    CheckGroups(dialog, true, false);
    CHECK(Checked(dialog, IDC_INCLUDE) == BST_CHECKED);
    Click(dialog, IDOK);
    CHECK(Settings.bExcludeList == 1);
    CHECK(Settings.bIncludeList == 1);
}

TEST_CASE("Add sorts in, refuses duplicates and empty texts; Delete removes the selection")
{
    ResetSettings();
    strcpy(Settings.szExcludeList, "Notepad\n");
    HWND dialog = OpenWindows();

    // A duplicate in other letter case is refused with a message.
    UINT_PTR timer = ExpectBoxes({{"Error", IDOK, "", false}});
    Add(dialog, IDC_EXCLUDELIST, "notepad");
    StopAnswering(timer);
    CHECK(Steps()[0].seen);
    CHECK(Steps()[0].text == "Entry Already Exists");
    CHECK(Count(dialog, IDC_EXCLUDELIST) == 1);
    CHECK_FALSE(Enabled(dialog, IDC_APPLY));
    CHECK(ItemText(dialog, IDC_EXCLUDELIST) == "notepad");   // the typed text stays

    Add(dialog, IDC_EXCLUDELIST, "");
    CHECK(Count(dialog, IDC_EXCLUDELIST) == 1);
    CHECK_FALSE(Enabled(dialog, IDC_APPLY));
    Click(dialog, IDC_EXCLUDEDELETE);   // nothing selected
    CHECK(Count(dialog, IDC_EXCLUDELIST) == 1);
    CHECK_FALSE(Enabled(dialog, IDC_APPLY));

    Add(dialog, IDC_EXCLUDELIST, "Zeta");
    CHECK(Enabled(dialog, IDC_APPLY));
    Add(dialog, IDC_EXCLUDELIST, "alpha");
    CHECK(Items(dialog, IDC_EXCLUDELIST) == "alpha\nNotepad\nZeta\n");
    Click(dialog, IDC_APPLY);
    CHECK(strcmp(Settings.szExcludeList, "alpha\nNotepad\nZeta\n") == 0);
    CHECK_FALSE(Enabled(dialog, IDC_APPLY));

    SendDlgItemMessageA(dialog, IDC_EXCLUDELIST, CB_SETCURSEL, 1, 0);
    Click(dialog, IDC_EXCLUDEDELETE);
    CHECK(Enabled(dialog, IDC_APPLY));
    CHECK(Items(dialog, IDC_EXCLUDELIST) == "alpha\nZeta\n");

    // The include list works the same way once its group is open.
    Click(dialog, IDC_EXCLUDE);
    Add(dialog, IDC_INCLUDELIST, "Mozilla");
    Click(dialog, IDOK);
    CHECK(strcmp(Settings.szExcludeList, "alpha\nZeta\n") == 0);
    CHECK(strcmp(Settings.szIncludeList, "Mozilla\n") == 0);
    CHECK(Settings.bExcludeList == 0);
}

TEST_CASE("list texts are shown entry by entry and rebuilt from the items")
{
    struct {
        const char *what;
        const char *list;
        int nItems;
        const char *afterOk;
    } rows[] = {
        {"leading newline: empty", "\nabc\n", 0, ""},
        {"two newlines make an empty item, left out", "a\n\nb\n", 3, "a\nb\n"},
        {"no newline after the last characters", "a\nb", 1, "a\n"},
        {"duplicates stay", "dup\nb\ndup\n", 3, "b\ndup\ndup\n"},
        {"sorted on OK", "b\nC\na\n", 3, "a\nb\nC\n"},
        {"code-page characters kept", "Caf\xe9 \xbb\n", 1, "Caf\xe9 \xbb\n"},
    };
    for (auto &row : rows) {
        CAPTURE(row.what);
        ResetSettings();
        strcpy(Settings.szExcludeList, row.list);
        strcpy(Settings.szIncludeList, row.list);
        HWND dialog = OpenWindows();
        CHECK(Count(dialog, IDC_EXCLUDELIST) == row.nItems);
        CHECK(Count(dialog, IDC_INCLUDELIST) == row.nItems);
        Click(dialog, IDOK);
        CHECK(strcmp(Settings.szExcludeList, row.afterOk) == 0);
        // The include group was disabled, and is rebuilt all the same.
        CHECK(strcmp(Settings.szIncludeList, row.afterOk) == 0);
    }

    // A leading newline empties the list for good, even on Cancel.
    ResetSettings();
    strcpy(Settings.szIncludeList, "\nabc\n");
    HWND dialog = OpenWindows();
    Click(dialog, IDCANCEL);
    CHECK(Settings.szIncludeList[0] == '\0');
}

TEST_CASE("a long list is shown whole, so OK and Apply keep every entry")
{
    ResetSettings();
    // 3,000 entries, about 60,000 characters: far past the first 2001.
    std::string list;
    for (int i = 0; i < 3000; i++) {
        char entry[32];
        snprintf(entry, sizeof entry, "Window title %05d\n", i);
        list += entry;
    }
    // And one entry longer than anything a user can type.
    list.insert(0, std::string(5000, 'L') + "\n");
    strcpy(Settings.szExcludeList, list.c_str());
    HWND dialog = OpenWindows();
    CHECK(Count(dialog, IDC_EXCLUDELIST) == 3001);
    Click(dialog, IDC_EXCLUDE);   // anything that enables Apply
    Click(dialog, IDC_APPLY);
    CHECK(strlen(Settings.szExcludeList) == list.size());
    CHECK(strcmp(Settings.szExcludeList, list.c_str()) == 0);
    Click(dialog, IDCANCEL);
}

TEST_CASE("Cancel after Apply keeps the applied lists; one dialog at a time")
{
    ResetSettings();
    HWND dialog = OpenWindows();
    CHECK(Command(IDM_WINDOWS, &Settings.hWindowsDlg) == dialog);
    Add(dialog, IDC_EXCLUDELIST, "first");
    Click(dialog, IDC_APPLY);
    Add(dialog, IDC_EXCLUDELIST, "second");
    SendDlgItemMessageA(dialog, IDC_EXCLUDELIST, CB_SETCURSEL, 0, 0);
    Click(dialog, IDC_EXCLUDEDELETE);
    Click(dialog, IDCANCEL);
    CHECK(Settings.hWindowsDlg == NULL);
    CHECK(strcmp(Settings.szExcludeList, "first\n") == 0);

    // Changes made elsewhere while it is open are overwritten by Apply.
    dialog = OpenWindows();
    strcpy(Settings.szExcludeList, "loaded\n");
    Settings.bIncludeList = 1;
    Click(dialog, IDC_EXCLUDE);   // twice: Apply on, the box as it was
    Click(dialog, IDC_EXCLUDE);
    Click(dialog, IDC_APPLY);
    CHECK(strcmp(Settings.szExcludeList, "first\n") == 0);
    CHECK(Settings.bIncludeList == 0);
    Click(dialog, IDCANCEL);
}

TEST_CASE("Enter in a combo box's edit field is OK; a 2,000-character entry is added whole")
{
    ResetSettings();
    HWND dialog = OpenWindows();
    std::string longest(2000, 'w');
    longest[0] = 'A';
    longest[1999] = 'Z';
    Add(dialog, IDC_EXCLUDELIST, longest);
    CHECK(Items(dialog, IDC_EXCLUDELIST) == longest + "\n");

    // Typed, then Enter: the lists are applied and the typed text is not added.
    HWND edit = ComboEdit(dialog, IDC_EXCLUDELIST);
    REQUIRE(edit != NULL);
    SetFocus(edit);
    SetWindowTextA(edit, "typed only");
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(edit, WM_KEYUP, VK_RETURN, 0);
    CHECK(PumpFor([] { return Settings.hWindowsDlg == NULL; }));
    CHECK(Settings.hWindowsDlg == NULL);
    CHECK_FALSE(IsWindow(dialog));
    CHECK(Settings.szExcludeList == longest + "\n");
}
