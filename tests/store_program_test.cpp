// Options and lists survive restarts of the real program: it starts from the
// files in its current folder, writes them on Save Settings and at exit, and
// reads them again on Load Settings.
#include <doctest.h>
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"
#include "store_test_files.h"
#include <stdio.h>
#include <stdlib.h>
#include <string>

struct RUNNING {
    PROCESS_INFORMATION pi;
    HWND hwnd;
};

static HWND FindOwnWindow(DWORD pid)
{
    HWND hwnd = NULL;
    while ((hwnd = FindWindowExA(NULL, hwnd, MAIN_CLASS_NAME, NULL)) != NULL) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == pid)
            return hwnd;
    }
    return NULL;
}

// Starts Veltrac.exe in the current folder and waits for its main window and
// then for its message loop: a sent message is answered only from there.
static RUNNING StartProgram(void)
{
    RUNNING run = {};
    const char *exe = getenv("VELTRAC_EXE");
    char cmd[MAX_PATH * 2];
    snprintf(cmd, sizeof cmd, "\"%s\"", exe ? exe : "Veltrac.exe");
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    if (!CreateProcessA(NULL, cmd, NULL, NULL, FALSE, 0, NULL, NULL, &si, &run.pi))
        return run;
    WaitForInputIdle(run.pi.hProcess, 20000);
    WaitFor([&] { return (run.hwnd = FindOwnWindow(run.pi.dwProcessId)) != NULL; }, 20000);
    DWORD_PTR result;
    if (run.hwnd)
        SendMessageTimeoutA(run.hwnd, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &result);
    return run;
}

// Ends it through its close box and returns the exit code (-1 if it hung).
static int CloseProgram(RUNNING *run)
{
    if (!run->pi.hProcess)
        return -1;
    if (run->hwnd)
        PostMessageA(run->hwnd, WM_CLOSE, 0, 0);
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(run->pi.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(run->pi.hProcess, 99);
    else
        GetExitCodeProcess(run->pi.hProcess, &code);
    CloseHandle(run->pi.hProcess);
    CloseHandle(run->pi.hThread);
    run->pi.hProcess = NULL;
    return (int)code;
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

    RUNNING run = StartProgram();
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
    run = StartProgram();
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
    run = StartProgram();
    CHECK(run.hwnd != NULL);
    CHECK(CloseProgram(&run) == 0);
    CHECK_BYTES(ReadBytes("settings.dat"), dat3);
    CHECK_BYTES(ReadBytes("list1.txt"), "One\r\nTwo\r\n");
    LeaveScratchDir();
}
