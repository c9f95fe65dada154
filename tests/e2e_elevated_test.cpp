// Programs run as administrator, with the real Veltrac.exe: the notice comes
// once per program (Wine runs every process at one level, so two notepads
// whose processes refuse every query stand in for them), and a click on
// the balloon restarts Veltrac, ON and in the tray as it was (Wine's "runas"
// starts it without a prompt), from a folder named outside the ANSI code
// page: the files are saved only once the new copy has started and only as
// the exit saves them, a failed start (all a declined prompt is to the
// program) writes nothing, and a failed save keeps this copy with the error
// box while the new one ends unseen.
#include <doctest.h>
#include "e2e_support.h"
#include "res/resource.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "scroll/target.h"
#include "store_test_files.h"
#include <sddl.h>
#include <shellapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <vector>

// Notepad on a file of its own, its process closed to every query: Veltrac
// cannot read its level, as it cannot read a program's run as administrator.
static CHILDPROC StartClosedNotepad(const char *file)
{
    CHILDPROC proc = {};
    WriteBytes(file, "");
    SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, FALSE};
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(
            "D:(D;;0x1400;;;WD)(A;;0x1FFFFF;;;WD)", SDDL_REVISION_1, &sa.lpSecurityDescriptor, NULL))
        return proc;
    char cmd[MAX_PATH];
    snprintf(cmd, sizeof cmd, "C:\\windows\\notepad.exe %s", file);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    if (CreateProcessA(NULL, cmd, &sa, NULL, FALSE, 0, NULL, NULL, &si, &proc.pi)) {
        WaitForInputIdle(proc.pi.hProcess, 20000);     // shown and in front, as it puts itself
        WaitFor([&] { return (proc.hwnd = FindProcessWindow(proc.pi.dwProcessId, "Notepad")) != NULL; });
    }
    LocalFree(sa.lpSecurityDescriptor);
    return proc;
}

static std::string Notice(HWND hwnd)
{
    return "Veltrac cannot scroll " + WindowText(hwnd) +
           ": it runs as administrator. Click here to restart Veltrac as administrator.";
}

TEST_CASE("the notice comes once per program run as administrator")
{
    EnterScratchDir("e2e_elevated");
    CHECK(WriteSettingsDat([] { Settings.bSaveOnExit = 0; }));
    CHILDPROC app = StartVeltrac("-start");
    REQUIRE(app.hwnd != NULL);
    CHILDPROC first = StartClosedNotepad("first.txt"), second = StartClosedNotepad("second.txt");
    REQUIRE(first.hwnd);
    REQUIRE(second.hwnd);
    // A Control tap asks whether the window in front is scrolled; the first
    // tap after it came to the front may find its facts not read yet.
    auto TapUntilNotice = [&](HWND hwnd) {
        return WaitFor([&] {
            if (GetForegroundWindow() != hwnd)
                MakeForeground(hwnd);
            PressKey(VK_CONTROL);
            return BalloonShows(Notice(hwnd));
        });
    };
    CHECK(TapUntilNotice(first.hwnd));
    PostMessageA(app.hwnd, WM_TRAYNOTIFY, 1, NIN_BALLOONTIMEOUT);
    CHECK(WaitFor([&] { return !BalloonShows(Notice(first.hwnd)); }));
    // Back to the first: not again. The second's own notice comes after
    // whatever the first would have asked for, and ends the watch.
    CHECK(MakeForeground(first.hwnd));
    for (int i = 0; i < 3; i++)
        PressKey(VK_CONTROL);
    CHECK(MakeForeground(second.hwnd));
    bool bAgain = false;
    CHECK(WaitFor([&] {
        PressKey(VK_CONTROL);
        bAgain = bAgain || BalloonShows(Notice(first.hwnd));
        return BalloonShows(Notice(second.hwnd));
    }));
    CHECK_FALSE(bAgain);
    StopChild(&first);
    StopChild(&second);
    CHECK(EndVeltrac(&app) == 0);
    CloseChild(&app);
    LeaveScratchDir();
}

// settings.dat's line 2, the sensitivity: tells which file was written last.
static std::string SavedSensitivity(void)
{
    std::string lines[2];
    return ReadSavedSettings(lines, 2) ? lines[1] : "<none>";
}

static bool WriteFiles(int nSensitivity, int bSaveOnExit, const char *list1, const char *list2)
{
    SetFileAttributesA("settings.dat", FILE_ATTRIBUTE_NORMAL);
    return WriteSettingsDat([&] {
               Settings.nSensitivity = nSensitivity;
               Settings.bSaveOnExit = bSaveOnExit;
           }) &&
           WriteBytes("list1.txt", list1) && WriteBytes("list2.txt", list2);
}

enum RESTARTEND { RESTARTED, START_FAILS, SAVE_FAILS };

TEST_CASE("the balloon's click restarts Veltrac: saved once started, as the exit saves, or not at all")
{
    // Greek and Chinese: no ANSI code page holds both, so every path the
    // program hands to Windows must go through the wide calls. The program
    // runs from a copy in that folder too.
    std::wstring dir = EnterScratchDirW(L"e2e_elevated_\x03b1\x03b2\x03b3_\x4e2d\x6587");
    const char *built = getenv("VELTRAC_EXE");
    REQUIRE(built != NULL);
    wchar_t wbuilt[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, built, -1, wbuilt, MAX_PATH);
    std::wstring exe = dir + L"\\Veltrac.exe", moved = dir + L"\\Veltrac moved.exe";
    REQUIRE(CopyFileW(wbuilt, exe.c_str(), FALSE));

    struct {
        const char *what;
        int bSaveOnExit;
        RESTARTEND end;
    } rows[] = {
        {"Save On Exit off: restarted, nothing written", 0, RESTARTED},
        {"Save On Exit on: restarted, saved, and the new copy reads what was saved", 1, RESTARTED},
        // A declined prompt is a failed ShellExecuteEx too: the program cannot
        // tell the two apart, and Wine shows no prompt to decline.
        {"the start fails: nothing written, this copy goes on", 1, START_FAILS},
        {"the save fails: the error box, this copy goes on, the new copy ends unseen", 1,
         SAVE_FAILS},
    };
    for (auto &r : rows) {
        std::string what = r.what;
        CAPTURE(what);
        // What the program starts from (sensitivity 11), then other files put
        // in their place (22): a save writes 11 back, no save leaves 22.
        REQUIRE(WriteFiles(11, r.bSaveOnExit, "Notepad\r\n", "Calc\r\n"));
        CHILDPROC app = StartVeltracAt(exe, "-start");
        REQUIRE(app.hwnd != NULL);
        PostMessageA(app.hwnd, WM_COMMAND, IDM_TOTRAY, 0);
        CHECK(WaitFor([&] { return !IsWindowVisible(app.hwnd); }));
        REQUIRE(WriteFiles(22, r.bSaveOnExit, "marker 1\r\n", "marker 2\r\n"));
        if (r.end == SAVE_FAILS)
            SetFileAttributesA("settings.dat", FILE_ATTRIBUTE_READONLY);
        if (r.end == START_FAILS)
            REQUIRE(MoveFileW(exe.c_str(), moved.c_str()));

        PostMessageA(app.hwnd, WM_TRAYNOTIFY, 1, NIN_BALLOONUSERCLICK);
        if (r.end == RESTARTED) {
            CHECK(WaitExit(&app, 20000) == 0);
            CHECK(SavedSensitivity() == (r.bSaveOnExit ? "11" : "22"));
            CHECK_BYTES(ReadBytes("list1.txt"), r.bSaveOnExit ? "Notepad\r\n" : "marker 1\r\n");
            CHECK_BYTES(ReadBytes("list2.txt"), r.bSaveOnExit ? "Calc\r\n" : "marker 2\r\n");
            CHILDPROC next = {};
            CHECK(WaitFor([&] {
                next.hwnd = FindWindowA(MAIN_CLASS_NAME, NULL);
                return next.hwnd && WindowText(next.hwnd) == "Veltrac --- ON" && IsIconic(next.hwnd);
            }));
            REQUIRE(next.hwnd != NULL);
            GetWindowThreadProcessId(next.hwnd, &next.pi.dwProcessId);
            next.pi.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION |
                                               PROCESS_TERMINATE,
                                           FALSE, next.pi.dwProcessId);
            CHECK(next.pi.dwProcessId != app.pi.dwProcessId);
            CHECK(!IsWindowVisible(next.hwnd));
            CHECK(EndVeltrac(&next) == 0);
            if (r.bSaveOnExit) {
                // The new copy read the files only after they were saved:
                // its own exit writes the same values back.
                CHECK(SavedSensitivity() == "11");
                CHECK_BYTES(ReadBytes("list1.txt"), "Notepad\r\n");
            }
            CloseChild(&next);
        } else {
            HWND box = NULL;
            if (r.end == START_FAILS) {
                // Posted after the click, so carried out after it.
                PostMessageA(app.hwnd, WM_COMMAND, IDM_TOWINDOW, 0);
                CHECK(WaitFor([&] { return IsWindowVisible(app.hwnd) != FALSE; }));
            } else {
                CHECK(WaitFor([&] {
                    box = FindProcessDialog(app.pi.dwProcessId, "Error");
                    return box && IsWindowVisible(box);
                }));
                char text[512] = "";
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                CHECK(std::string(text).find("Unable to write: settings.dat") == 0);
            }
            // The new copy, if one was started, ends without a window.
            CHECK(WaitFor([&] { return Processes("Veltrac.exe", app.pi.dwProcessId).empty(); }));
            CHECK(CountWindowsOfClass(MAIN_CLASS_NAME) == 1);
            CHECK(WaitForSingleObject(app.pi.hProcess, 0) == WAIT_TIMEOUT);
            CHECK(SavedSensitivity() == "22");
            CHECK_BYTES(ReadBytes("list1.txt"), "marker 1\r\n");
            CHECK_BYTES(ReadBytes("list2.txt"), "marker 2\r\n");
            if (box) {
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                CHECK(WaitFor([&] { return !IsWindow(box); }));
            }
            if (r.end == START_FAILS)
                CHECK(MoveFileW(moved.c_str(), exe.c_str()));
            SetFileAttributesA("settings.dat", FILE_ATTRIBUTE_NORMAL);
            // This copy goes on as before, and its exit saves as usual.
            CHECK(EndVeltrac(&app) == 0);
            CHECK(SavedSensitivity() == "11");
            CHECK_BYTES(ReadBytes("list1.txt"), "Notepad\r\n");
        }
        CloseChild(&app);
    }
    LeaveScratchDir();
}
