// Options and lists survive restarts of the real program: it starts from the
// files in its current folder, writes them on Save Settings and at exit, and
// reads them again on Load Settings.
#include <doctest.h>
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"
#include "testkit/kit_procs.h"
#include "store_test_files.h"
#include <stdio.h>
#include <stdlib.h>
#include <string>

// Ends the program through its close box and returns the exit code (-1 if
// it hung).
static int CloseProgram(CHILDPROC *run)
{
    int code = EndVeltrac(run, WM_CLOSE);
    CloseChild(run);
    return code;
}

static std::string SettingsText(int nSensitivity, const char *key, int bSaveOnExit, int x, int y)
{
    char buf[256];
    snprintf(buf, sizeof buf,
             "settings 1\r\n%d\r\n3\r\n1545\r\n1\r\n1\r\n0\r\n1\r\n120\r\n0\r\n1\r\n1\r\n1\r\n"
             "%d\r\n%s\r\n0\r\n1\r\n1\r\n4\r\n%d\r\n%d\r\n",
             nSensitivity, bSaveOnExit, key, x, y);
    return buf;
}

TEST_CASE("the program keeps options and lists across Save, Load and restarts")
{
    EnterScratchDir("store_program");
    std::string dat = SettingsText(9, "Alt", 1, 40, 50);
    std::string longEntry(2500, 'e');
    WriteBytes("settings.dat", dat);
    WriteBytes("list1.txt", "Notepad\nCalc 100%\n");            // LF only: saved as CR LF
    WriteBytes("list2.txt", longEntry + "\r\nshort\r\n");

    CHILDPROC run = StartVeltrac("");
    CHECK(run.hwnd != NULL);
    RECT rc = {};
    GetWindowRect(run.hwnd, &rc);
    CHECK(rc.left == 40);
    CHECK(rc.top == 50);

    // F12: the files come back as written, the LF list with CR LF.
    SendMessageA(run.hwnd, WM_COMMAND, IDM_SAVESETTINGS, 0);
    CHECK_BYTES(ReadBytes("settings.dat"), dat);
    CHECK_BYTES(ReadBytes("list1.txt"), "Notepad\r\nCalc 100%\r\n");
    CHECK_BYTES(ReadBytes("list2.txt"), longEntry + "\r\nshort\r\n");

    // F11 after the files changed on disk, then F12: the new values.
    std::string dat2 = SettingsText(12, "NumPad4", 1, 40, 50);
    WriteBytes("settings.dat", dat2);
    WriteBytes("list1.txt", "Word\r\n");
    SendMessageA(run.hwnd, WM_COMMAND, IDM_LOADSETTINGS, 0);
    DeleteFileA("settings.dat");
    DeleteFileA("list1.txt");
    DeleteFileA("list2.txt");
    SendMessageA(run.hwnd, WM_COMMAND, IDM_SAVESETTINGS, 0);
    CHECK_BYTES(ReadBytes("settings.dat"), dat2);
    CHECK_BYTES(ReadBytes("list1.txt"), "Word\r\n");
    CHECK_BYTES(ReadBytes("list2.txt"), longEntry + "\r\nshort\r\n");

    // Exit saves because bSaveOnExit is 1.
    DeleteFileA("settings.dat");
    DeleteFileA("list1.txt");
    DeleteFileA("list2.txt");
    CHECK(CloseProgram(&run) == 0);
    CHECK_BYTES(ReadBytes("settings.dat"), dat2);
    CHECK_BYTES(ReadBytes("list1.txt"), "Word\r\n");
    CHECK_BYTES(ReadBytes("list2.txt"), longEntry + "\r\nshort\r\n");

    // A second start reads what the first one left; without bSaveOnExit the
    // exit writes nothing.
    WriteBytes("settings.dat", SettingsText(12, "NumPad4", 0, 60, 70));
    run = StartVeltrac("");
    CHECK(run.hwnd != NULL);
    GetWindowRect(run.hwnd, &rc);
    CHECK(rc.left == 60);
    CHECK(rc.top == 70);
    DeleteFileA("settings.dat");
    DeleteFileA("list2.txt");
    CHECK(CloseProgram(&run) == 0);
    CHECK(!FileExists("settings.dat"));
    CHECK(!FileExists("list2.txt"));
    CHECK(CountFiles("*.tmp") == 0);

    // A file an old editor saved with CR-only line ends is the user's
    // settings, not a bad header: the exit saves them back, as CR LF.
    std::string dat3 = SettingsText(14, "Shift", 1, 80, 90);
    std::string crOnly;
    for (char c : dat3)
        if (c != '\n')
            crOnly += c;
    WriteBytes("settings.dat", crOnly);
    WriteBytes("list1.txt", "One\rTwo\r");
    run = StartVeltrac("");
    CHECK(run.hwnd != NULL);
    CHECK(CloseProgram(&run) == 0);
    CHECK_BYTES(ReadBytes("settings.dat"), dat3);
    CHECK_BYTES(ReadBytes("list1.txt"), "One\r\nTwo\r\n");
    LeaveScratchDir();
}

static std::string Utf16LeFile(const std::wstring &text)
{
    std::string out = "\xff\xfe";
    for (wchar_t u : text)
        out += std::string{(char)(u & 0xff), (char)(u >> 8)};
    return out;
}

TEST_CASE("in a folder named outside the ANSI code page: marked files read, rejected ones kept, Help opens")
{
    // Greek and Chinese: no ANSI code page holds both.
    EnterScratchDirW(L"store_program_\x03b1\x03b2\x03b3_\x4e2d\x6587");
    std::string dat = SettingsText(9, "Alt", 1, 40, 50);
    // settings.dat with a UTF-8 mark, list1.txt in UTF-16, list2.txt with
    // text after a Ctrl-Z that no load can keep.
    WriteBytes("settings.dat", "\xef\xbb\xbf" + dat);
    WriteBytes("list1.txt", Utf16LeFile(L"Notepad\r\nWord\r\n"));
    std::string list2 = "Calc\r\n\x1a" "after the end\r\n";
    WriteBytes("list2.txt", list2);

    CHILDPROC run = StartVeltrac("");
    CHECK(run.hwnd != NULL);
    RECT rc = {};
    GetWindowRect(run.hwnd, &rc);
    CHECK(rc.left == 40);                   // read through the mark
    CHECK(rc.top == 50);
    CHECK(CloseProgram(&run) == 0);
    // The exit saved every value read, in the program's own format, and kept
    // the one file it could not read whole.
    CHECK_BYTES(ReadBytes("settings.dat"), dat);
    CHECK_BYTES(ReadBytes("list1.txt"), "Notepad\r\nWord\r\n");
    CHECK_BYTES(ReadBytes("list2.txt"), "Calc\r\n");
    CHECK_BYTES(ReadBytes("list2.txt.bak"), list2);
    CHECK(CountFiles("*.bak") == 1);
    CHECK(CountFiles("*.tmp") == 0);

    // A settings.dat of another version: its values are not read, and the
    // exit keeps it before writing the record over it.
    std::string other = "settings 2\r\n9\r\n";
    WriteBytes("settings.dat", other);
    run = StartVeltrac("");
    CHECK(run.hwnd != NULL);
    CHECK(CloseProgram(&run) == 0);
    CHECK_BYTES(ReadBytes("settings.dat.bak"), other);
    std::string lines = ReadBytes("settings.dat");
    CHECK(lines.rfind("settings 1\r\n5\r\n", 0) == 0);   // the default sensitivity

    // Help: Yes opens readme.txt from this folder in Notepad, maximized.
    WriteBytes("readme.txt", "Veltrac help\r\n");
    run = StartVeltrac("");
    REQUIRE(run.hwnd != NULL);
    PostMessageA(run.hwnd, WM_COMMAND, IDM_HELP, 0);
    HWND box = NULL;
    CHECK(WaitFor([&] {
        box = FindProcessDialog(run.pi.dwProcessId, "Help With Veltrac v2.5");
        return box && IsWindowVisible(box);
    }));
    if (box)
        PostMessageA(box, WM_COMMAND, IDYES, 0);
    HWND notepad = WaitReadmeNotepad();
    CHECK(notepad != NULL);
    if (notepad) {
        CHECK(IsZoomed(notepad));
        CHECK(CloseWindowProcess(notepad, 10000));
    }
    CHECK(CloseProgram(&run) == 0);
    LeaveScratchDir();
}
