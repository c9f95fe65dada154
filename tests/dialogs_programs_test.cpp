// The Programs dialog driven as a user drives it: rules added in the rule
// editor (its checks included), moved and deleted, written by OK and Apply
// with the file's other lines as they stand, and the window finder dragged
// with the real mouse onto another program's window.
#include "dialogs_harness.h"
#include "dialogs/window_finder_win.h"
#include "res/resource.h"
#include "store/programs_file.h"
#include "testkit/kit_input.h"
#include "testkit/kit_procs.h"
#include <functional>
#include <set>

using namespace harness;

namespace {

// The rule editor is modal: it runs inside the click that opens it. A
// thread timer, which fires inside its loop, answers its error boxes and
// runs the steps one by one; an editor still open after the last step is
// cancelled, so that a failed step shows as a failed check, not a hang.
struct EDITORDRIVE {
    std::vector<std::function<void(HWND)>> steps;
    size_t nNext;
    std::vector<std::string> boxes;
    std::set<HWND> seen;
    int nEditors;
    HWND hLastEditor;
};
EDITORDRIVE drive;

void CALLBACK DriveEditor(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = FindWindowA("#32770", "Error");
    if (box && IsWindowVisible(box) && !drive.seen.count(box)) {
        char text[512] = "";
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        drive.boxes.push_back(text);
        drive.seen.insert(box);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return;
    }
    HWND editor = FindWindowA("#32770", "Rule");
    if (!editor || !IsWindowVisible(editor))
        return;
    if (editor != drive.hLastEditor) {
        drive.hLastEditor = editor;
        drive.nEditors++;
    }
    if (drive.nNext < drive.steps.size())
        drive.steps[drive.nNext++](editor);
    else
        PostMessageA(editor, WM_COMMAND, IDCANCEL, 0);
}

UINT_PTR Drive(std::vector<std::function<void(HWND)>> steps)
{
    drive = EDITORDRIVE{};
    drive.steps = steps;
    return SetTimer(NULL, 0, 30, DriveEditor);
}

int Rows(HWND dialog)
{
    return (int)SendDlgItemMessageA(dialog, IDC_RULELIST, LVM_GETITEMCOUNT, 0, 0);
}

std::string Cell(HWND dialog, int row, int column)
{
    char text[256] = "";
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendDlgItemMessageA(dialog, IDC_RULELIST, LVM_GETITEMTEXTA, (WPARAM)row, (LPARAM)&item);
    return text;
}

// The programs of the rows, one blank after each.
std::string Programs(HWND dialog)
{
    std::string s;
    for (int i = 0; i < Rows(dialog); i++)
        s += Cell(dialog, i, 0) + " ";
    return s;
}

void SelectRow(HWND dialog, int row)
{
    LVITEMA item = {};
    item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendDlgItemMessageA(dialog, IDC_RULELIST, LVM_SETITEMSTATE, (WPARAM)row, (LPARAM)&item);
    Pump();
}

std::string EditText(HWND editor, int id)
{
    char text[256] = "";
    GetDlgItemTextA(editor, id, text, sizeof text);
    return text;
}

void StartWithFile(const char *name, const std::string &bytes)
{
    ResetSettings();
    EnterScratchDir(name);
    REQUIRE(WriteBytes("programs.txt", bytes));
    LoadProgramRules();
}

void Finish()
{
    CloseIfOpen(&Settings.hProgramsDlg);
    WriteBytes("programs.txt", "");
    LoadProgramRules();
    LeaveScratchDir();
}

POINT Centre(HWND hwnd)
{
    RECT rc;
    GetWindowRect(hwnd, &rc);
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    return pt;
}

}  // namespace

TEST_CASE("a rule made in the editor is checked, listed, and written by OK beside the other lines")
{
    StartWithFile("dialogs_programs_add", "; my rules\r\ngame off\r\ncad sped=5\r\n");
    HWND dialog = OpenPrograms();
    CHECK(Programs(dialog) == "game ");
    CHECK(Cell(dialog, 0, 3) == "off");
    CHECK(Cell(dialog, 0, 4) == "");
    CHECK(ItemText(dialog, IDC_RULESTATUS) == "Line 3: unknown key \"sped\"");
    CHECK_FALSE(Enabled(dialog, IDC_APPLY));

    UINT_PTR timer = Drive({
        [](HWND e) { PostMessageA(e, WM_COMMAND, IDOK, 0); },   // no program
        [](HWND e) {
            SetDlgItemTextA(e, IDC_RULEPROGRAM, "  cad.exe ");
            SendDlgItemMessageA(e, IDC_RULESPEEDON, BM_CLICK, 0, 0);
            SetDlgItemTextA(e, IDC_RULESPEED, "5");
            PostMessageA(e, WM_COMMAND, IDOK, 0);
        },
        [](HWND e) {
            SetDlgItemTextA(e, IDC_RULESPEED, "50");
            CheckDlgButton(e, IDC_RULEREVERSE, BST_CHECKED);
            CheckDlgButton(e, IDC_RULEGLIDE, BST_UNCHECKED);
            SendDlgItemMessageA(e, IDC_RULEDELIVERY, CB_SETCURSEL, 2, 0);   // lines
            PostMessageA(e, WM_COMMAND, IDOK, 0);
        },
    });
    Click(dialog, IDC_RULEADD);
    KillTimer(NULL, timer);
    CHECK(drive.nNext == 3);
    REQUIRE(drive.boxes.size() == 2);
    CHECK(drive.boxes[0] == "Name the program, for example notepad.exe.");
    CHECK(drive.boxes[1] == "The speed must be 10% to 1000%.");

    CHECK(Programs(dialog) == "game cad.exe ");
    const char *cells[] = {"cad.exe", "", "", "", "50%", "on", "", "lines", "", "off", ""};
    for (int c = 0; c < 11; c++) {
        CAPTURE(c);
        CHECK(Cell(dialog, 1, c) == cells[c]);
    }
    CHECK(Enabled(dialog, IDC_APPLY));
    CHECK(ReadBytes("programs.txt") == "; my rules\r\ngame off\r\ncad sped=5\r\n");

    Click(dialog, IDOK);
    CHECK(Settings.hProgramsDlg == NULL);
    CHECK(ReadBytes("programs.txt") ==
          "; my rules\r\ngame off\r\ncad sped=5\r\ncad.exe speed=50% reverse=on delivery=lines "
          "glide=off\r\n");
    // In force at once: the next press in cad.exe is matched with it.
    RULEWINDOW w = {"CAD.EXE", "", "", "", ""};
    PROGRAMRULE m = MatchRules(CurrentProgramRules(), w);
    CHECK(m.nSpeed == 50);
    CHECK(m.bReverse == 1);
    Finish();
}

TEST_CASE("moves swap rules past comments, Apply writes, Cancel drops what followed")
{
    const char *file = "a off\r\n; note\r\nb speed=20\r\nc reverse=on\r\n";
    StartWithFile("dialogs_programs_move", file);
    HWND dialog = OpenPrograms();
    RECT rc;
    GetWindowRect(dialog, &rc);
    CHECK(rc.right - rc.left <= 1024);
    CHECK(rc.bottom - rc.top <= 768);
    CHECK(Programs(dialog) == "a b c ");
    CHECK(ItemText(dialog, IDC_RULESTATUS) == "Every line of programs.txt can be read.");
    SelectRow(dialog, 2);
    CHECK_FALSE(Enabled(dialog, IDC_RULEDOWN));
    Click(dialog, IDC_RULEUP);
    Click(dialog, IDC_RULEUP);
    CHECK(Programs(dialog) == "c a b ");
    CHECK_FALSE(Enabled(dialog, IDC_RULEUP));   // c is first, still selected
    Click(dialog, IDC_APPLY);
    CHECK_FALSE(Enabled(dialog, IDC_APPLY));
    CHECK(ReadBytes("programs.txt") == "c reverse=on\r\n; note\r\na off\r\nb speed=20\r\n");

    Click(dialog, IDC_RULEDELETE);
    CHECK(Programs(dialog) == "a b ");
    Click(dialog, IDCANCEL);
    CHECK(ReadBytes("programs.txt") == "c reverse=on\r\n; note\r\na off\r\nb speed=20\r\n");
    Finish();
}

TEST_CASE("the finder dropped on another program's window fills its program and class")
{
    StartWithFile("dialogs_programs_finder", "");
    // Another program whose file name alone is ambiguous: a copy of Veltrac
    // named javaw.exe, its window out of the dialog's way.
    std::string dir = MakeScratchDir("dialogs_programs_javaw");
    std::string javaw = dir + "\\javaw.exe";
    REQUIRE(CopyFileA(VeltracExe().c_str(), javaw.c_str(), FALSE));
    CHILDPROC app = StartVeltracAt(std::wstring(javaw.begin(), javaw.end()), "-letmeopen2");
    // Ended however the case ends: a copy left running would take the
    // single-instance place of every later test's program.
    struct ENDER {
        CHILDPROC *p;
        ~ENDER() { StopChild(p); }
    } ender = {&app};
    REQUIRE(app.hwnd != NULL);
    SetWindowPos(app.hwnd, HWND_TOP, 660, 480, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);

    HWND dialog = OpenPrograms();
    REQUIRE(MakeForeground(dialog));
    POINT finder = Centre(GetDlgItem(dialog, IDC_FINDER));
    POINT target = Centre(app.hwnd);
    // Escape during a drag cancels it: the release opens no editor, and the
    // dialog stays open. (First, before any window comes or goes under
    // the pointer: Wine then moves it back to where the X pointer is.)
    UINT_PTR timer = Drive({});
    MoveMouseTo(finder.x, finder.y);
    SendOne(MouseInput(MOUSEEVENTF_LEFTDOWN));
    CHECK(PumpFor([] { return FinderDragging() != FALSE; }));
    MoveMouseTo(target.x, target.y);
    CHECK(PumpFor([&] { return ItemText(dialog, IDC_FINDERPROGRAM) == "javaw.exe"; }));
    PressKey(VK_ESCAPE);
    CHECK(PumpFor([] { return !FinderDragging(); }));
    SendOne(MouseInput(MOUSEEVENTF_LEFTUP));
    Pump();
    KillTimer(NULL, timer);
    CHECK(drive.nEditors == 0);
    CHECK(Rows(dialog) == 0);
    CHECK(Settings.hProgramsDlg == dialog);
    CHECK(ItemText(dialog, IDC_FINDERPROGRAM) == "");

    MoveMouseTo(finder.x, finder.y);
    SendOne(MouseInput(MOUSEEVENTF_LEFTDOWN));
    CHECK(PumpFor([] { return FinderDragging() != FALSE; }));
    MoveMouseTo(target.x, target.y);
    CHECK(PumpFor([&] { return ItemText(dialog, IDC_FINDERPROGRAM) == "javaw.exe"; }));
    CHECK(ItemText(dialog, IDC_FINDERROOT) == "Veltrac Window Class");
    CHECK(ItemText(dialog, IDC_FINDERRECEIVER) == "Button");
    CHECK(ItemText(dialog, IDC_FINDERTITLE) == "Veltrac --- OFF");
    CHECK(ItemText(dialog, IDC_FINDERVERDICT) ==
          "scrolled: SendMessage, line messages (once switched ON)");

    std::string program, cls;
    timer = Drive({[&](HWND e) {
        program = EditText(e, IDC_RULEPROGRAM);
        cls = EditText(e, IDC_RULECLASS);
        PostMessageA(e, WM_COMMAND, IDOK, 0);
    }});
    SendOne(MouseInput(MOUSEEVENTF_LEFTUP));
    CHECK(PumpFor([&] { return Rows(dialog) == 1; }));
    CHECK(program == "javaw.exe");
    CHECK(cls == "Veltrac Window Class");
    CHECK(Cell(dialog, 0, 1) == "Veltrac Window Class");
    CHECK_FALSE(FinderDragging());
    KillTimer(NULL, timer);

    Click(dialog, IDCANCEL);
    Finish();
}
