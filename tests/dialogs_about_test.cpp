// The About box and the Help command as a user meets them: the box's
// picture, text and focus, one box at a time, the picture note, and the
// help question with its answers (Notepad is started only on Yes with
// readme.txt present).
#include "dialogs_harness.h"
#include "res/resource.h"
#include "testkit/kit_procs.h"
#include <stdio.h>
#include <string.h>

using namespace harness;

static std::vector<std::string> SplitCrLf(const std::string &text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t at = text.find("\r\n", start);
        lines.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos)
            return lines;
        start = at + 2;
    }
}

static const char szQuestion[] =
    "This program lets you scroll things around\njust by moving the mouse.  Because there\n"
    "are so many options, please refer to readme.txt\nif you need help.\n\n"
    "Would you like to read readme.txt now?";

TEST_CASE("the about text has its eleven lines in four blocks")
{
    std::string text = szAboutText;
    CHECK(text.size() == 306);
    std::vector<std::string> lines = SplitCrLf(text);
    REQUIRE(lines.size() == 11);
    for (size_t i = 0; i < lines.size(); i++) {
        CAPTURE(i + 1);
        bool bEmpty = (i + 1 == 5 || i + 1 == 8 || i + 1 == 10);
        CHECK(lines[i].empty() == bEmpty);
        CHECK(lines[i].find_first_of("\r\n") == std::string::npos);
    }
    CHECK(lines[6].rfind("https://", 0) == 0);
    CHECK(lines[8].find('@') != std::string::npos);
    CHECK(strlen(szPictureNote) == 81);
    CHECK(strstr(szPictureNote, "https://") != NULL);
    CHECK(strlen(szPictureNoteTitle) == 12);
    CHECK(strlen(szQuestion) == 189);
}

TEST_CASE("the About box shows picture and text, focuses OK, and takes no typing")
{
    ResetSettings();
    HWND box = OpenAbout();
    CHECK(Text(box) == "About Veltrac v2.5");
    CHECK(IsWindowVisible(box));
    CHECK((GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0);
    HWND picture = GetDlgItem(box, IDC_ABOUTPICTURE);
    REQUIRE(Settings.hAboutBitmap != NULL);
    CHECK((HBITMAP)SendMessageA(picture, BM_GETIMAGE, IMAGE_BITMAP, 0) == Settings.hAboutBitmap);
    HWND edit = GetDlgItem(box, IDC_ABOUTTEXT);
    CHECK(Text(edit) == szAboutText);
    CHECK(GetFocus() == GetDlgItem(box, IDOK));

    // Typing into the text box changes nothing.
    SetFocus(edit);
    PostMessageA(edit, WM_CHAR, 'x', 0);
    PostMessageA(edit, WM_KEYDOWN, VK_DELETE, 0);
    Pump();
    CHECK(Text(edit) == szAboutText);

    // About again: the same box, no second one.
    CHECK(Command(IDM_ABOUT, &Settings.hAboutDlg) == box);
    Click(box, IDOK);
    CHECK(Settings.hAboutDlg == NULL);
    CHECK_FALSE(IsWindow(box));
}

TEST_CASE("Escape and the close box close it too; reopening initialises afresh")
{
    ResetSettings();
    struct {
        const char *how;
        void (*close)(HWND);
    } rows[] = {
        {"Escape", [](HWND b) { PostMessageA(GetDlgItem(b, IDOK), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"close box", [](HWND b) { PostMessageA(b, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (auto &row : rows) {
        CAPTURE(row.how);
        HWND box = OpenAbout();
        SetDlgItemTextA(box, IDC_ABOUTTEXT, "spoilt");
        row.close(box);
        CHECK(PumpFor([] { return Settings.hAboutDlg == NULL; }));
        CHECK(Settings.hAboutDlg == NULL);
        box = OpenAbout();
        CHECK(Text(GetDlgItem(box, IDC_ABOUTTEXT)) == szAboutText);
        Click(box, IDOK);
    }
}

TEST_CASE("the picture shows its note and leaves the box open")
{
    ResetSettings();
    HWND box = OpenAbout();
    UINT_PTR timer = ExpectBoxes({{szPictureNoteTitle, IDOK, "", false}});
    Click(box, IDC_ABOUTPICTURE);
    StopAnswering(timer);
    REQUIRE(Steps()[0].seen);
    CHECK(Steps()[0].text == szPictureNote);
    CHECK(Settings.hAboutDlg == box);
    CHECK(IsWindow(box));
    Click(box, IDOK);
}

TEST_CASE("Help asks first; No starts nothing, Yes without readme.txt reports it")
{
    ResetSettings();
    EnterScratchDir("help");
    FILE *f = fopen("readme.txt", "w");
    REQUIRE(f != NULL);
    fputs("help text\n", f);
    fclose(f);
    int nBefore = CountProcesses("notepad.exe");

    UINT_PTR timer = ExpectBoxes({{"Help With Veltrac v2.5", IDNO, "", false}});
    SendMessageA(Owner(), WM_COMMAND, IDM_HELP, 0);
    StopAnswering(timer);
    REQUIRE(Steps()[0].seen);
    CHECK(Steps()[0].text == szQuestion);
    CHECK(CountProcesses("notepad.exe") == nBefore);

    DeleteFileA("readme.txt");
    timer = ExpectBoxes({{"Help With Veltrac v2.5", IDYES, "", false},
                         {"Error Loading Readme.txt", IDOK, "", false}});
    SendMessageA(Owner(), WM_COMMAND, IDM_HELP, 0);
    StopAnswering(timer);
    REQUIRE(Steps()[1].seen);
    CHECK(Steps()[1].text == "Can't find readme.txt, sorry.");
    CHECK(CountProcesses("notepad.exe") == nBefore);
    LeaveScratchDir();
}

TEST_CASE("Yes with readme.txt opens it in Notepad, maximized")
{
    ResetSettings();
    EnterScratchDir("help_yes");
    REQUIRE(WriteBytes("readme.txt", "Veltrac help\r\n"));

    UINT_PTR timer = ExpectBoxes({{"Help With Veltrac v2.5", IDYES, "", false}});
    SendMessageA(Owner(), WM_COMMAND, IDM_HELP, 0);
    StopAnswering(timer);
    REQUIRE(Steps()[0].seen);

    HWND notepad = WaitReadmeNotepad();
    REQUIRE(notepad != NULL);
    CHECK(IsZoomed(notepad));
    CHECK(CloseWindowProcess(notepad, 10000));
    LeaveScratchDir();
}
