// Programs run as administrator, with the real Veltrac.exe: the notice is
// asked for once per program (this process and Veltrac's, both faked as run
// as administrator: Wine runs every process at one level), and a click on
// the balloon restarts Veltrac, ON and in the tray as it was (Wine's "runas"
// starts it without a prompt).
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_settings.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "scroll/target.h"
#include <shellapi.h>

TEST_CASE("the notice is asked for once per program, and its balloon's click restarts Veltrac")
{
    EnterScratchDir("e2e_elevated");
    CHECK(WriteSettingsDat([] { Settings.bSaveOnExit = 0; }));
    CHILDPROC app = StartVeltrac("-start");
    REQUIRE(app.hwnd != NULL);

    FakeRunAsAdministrator(true);
    HWND notices = CreateWindowExA(0, "Static", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
    Settings.hMainWnd = notices;
    int nOurs = 0, nTheirs = 0;
    MSGFILTER count = [&](MSG &m) {
        if (m.hwnd != notices || m.message != WM_ELEVATEDTARGET)
            return false;
        nOurs += m.lParam == (LPARAM)GetCurrentProcessId();
        nTheirs += m.lParam == (LPARAM)app.pi.dwProcessId && m.wParam == (WPARAM)app.hwnd;
        return true;
    };
    const char *classes[] = {"TestEdit"};
    HWND ours = CreateTestTarget("Our Admin Window", classes, 1);
    for (int i = 0; i < 2; i++) {
        CHECK(MakeForeground(ours));
        CHECK(FindTargetWindowForPress() == NULL);
        CHECK(MakeForeground(app.hwnd));
        CHECK(FindTargetWindowForPress() == NULL);
        CHECK(PumpPosted(WAIT_MS, count));
        CHECK(nOurs == 1);
        CHECK(nTheirs == 1);
    }
    DestroyTestTarget(ours);
    DestroyWindow(notices);
    Settings.hMainWnd = NULL;
    FakeRunAsAdministrator(false);

    // In the tray, then the balloon clicked: saved (Save On Exit is off, so
    // only the restart writes the file), and a new copy ON in the tray.
    PostMessageA(app.hwnd, WM_COMMAND, IDM_TOTRAY, 0);
    CHECK(WaitFor([&] { return !IsWindowVisible(app.hwnd); }));
    DeleteFileA("settings.dat");
    PostMessageA(app.hwnd, WM_TRAYNOTIFY, 1, NIN_BALLOONUSERCLICK);
    CHECK(WaitExit(&app, 20000) == 0);
    CHECK(GetFileAttributesA("settings.dat") != INVALID_FILE_ATTRIBUTES);
    CHILDPROC next = {};
    CHECK(WaitFor([&] {
        next.hwnd = FindWindowA(VELTRAC_CLASS, NULL);
        return next.hwnd && WindowText(next.hwnd) == "Veltrac --- ON" && IsIconic(next.hwnd);
    }));
    if (next.hwnd) {
        GetWindowThreadProcessId(next.hwnd, &next.pi.dwProcessId);
        next.pi.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE,
                                       FALSE, next.pi.dwProcessId);
        CHECK(next.pi.dwProcessId != app.pi.dwProcessId);
        CHECK(!IsWindowVisible(next.hwnd));
        CHECK(EndVeltrac(&next) == 0);
    }
    CloseChild(&next);
    CloseChild(&app);
    LeaveScratchDir();
}
