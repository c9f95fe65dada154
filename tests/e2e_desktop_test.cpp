// The real program on the desktop as people have it: keys that arrive while
// Start is still switching ON, the window position it saves from the tray,
// and a saved position that lies on no monitor.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_screen.h"
#include "res/resource.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "test_support.h"
#include <string>

// Start from the tray icon's menu, as a user picks it: Veltrac, Start.
static bool StartFromTrayMenu(const CHILDPROC &app)
{
    DWORD pid = app.pi.dwProcessId;
    PostMessageA(app.hwnd, WM_TRAYNOTIFY, 1, WM_LBUTTONDOWN);
    HWND popup = WaitPopup(pid, NULL);
    if (!popup)
        return false;
    PressKey('V');
    if (!WaitPopup(pid, popup))
        return false;
    PressKey('S');
    return true;
}

// Shift pressed and released as fast as SendInput goes, on a thread of its
// own, so that key events keep arriving at every moment of the switch.
static volatile LONG bFlooding;

static DWORD WINAPI FloodKeys(void *)
{
    while (bFlooding) {
        KeyDown(VK_SHIFT);
        KeyUp(VK_SHIFT);
    }
    return 0;
}

// With ON reached, the scroll key and the arrow keys must both scroll.
static void CheckKeysScroll(HWND target, THREADTARGET *t)
{
    CHECK(MakeForeground(target));
    long before = ThreadTargetSettle(t, 10000);
    PressKey(VK_UP);                        // the press and the release scroll
    long afterArrow = ThreadTargetSettle(t, 10000);
    CHECK(afterArrow - before == 2 * 2);    // two children
    // The key's press compares the last two cursor reports: make them close.
    MoveMouseTo(700, 501);
    MoveMouseTo(700, 500);
    KeyDown(VK_CONTROL);
    MoveMouseTo(700, 530);
    KeyUp(VK_CONTROL);
    CHECK(ThreadTargetSettle(t, 10000) - afterArrow == 2);   // one Down each
}

TEST_CASE("keys that arrive while Start runs still scroll once ON: from the window and the tray")
{
    EnterScratchDir("e2e_start_keys");
    REQUIRE(WriteSettingsDat([] {
        Settings.bArrowKeys = 1;
        Settings.nMessageType = MESSAGE_POST;
        Settings.bEdgeRepeat = 0;
        Settings.bSaveOnExit = 0;
    }));
    THREADTARGET *t = StartThreadTarget("Start Keys Target", "ThrdEdit", 2);
    REQUIRE(t);
    for (bool bTray : {false, true}) {
        CAPTURE(bTray);
        CHILDPROC app = StartVeltrac(bTray ? "-tosystemtray" : "");
        REQUIRE(app.hwnd);
        if (bTray)
            CHECK(WaitFor([&] { return !IsWindowVisible(app.hwnd); }, 10000));
        for (int round = 0; round < 4; round++) {
            CAPTURE(round);
            bFlooding = 1;
            HANDLE flood = CreateThread(NULL, 0, FloodKeys, NULL, 0, NULL);
            if (bTray)
                CHECK(StartFromTrayMenu(app));
            else
                PostMessageA(app.hwnd, WM_COMMAND, IDM_START, 0);
            CHECK(WaitTitle(app.hwnd, TITLE_ON));
            bFlooding = 0;
            WaitForSingleObject(flood, 10000);
            CloseHandle(flood);
            CheckKeysScroll(ThreadTargetWindow(t), t);
            PostMessageA(app.hwnd, WM_COMMAND, IDM_STOP, 0);
            CHECK(WaitTitle(app.hwnd, TITLE_OFF));
        }
        CHECK(EndVeltrac(&app) == 0);
        CloseChild(&app);
    }
    StopThreadTarget(t);
    LeaveScratchDir();
}

static POINT WindowCorner(HWND hwnd)
{
    RECT rc = {};
    GetWindowRect(hwnd, &rc);
    return POINT{rc.left, rc.top};
}

TEST_CASE("leaving from the tray saves where the window was shown, not where Windows hid it")
{
    EnterScratchDir("e2e_tray_position");
    REQUIRE(WriteSettingsDat([] {
        Settings.nWindowX = 137;
        Settings.nWindowY = 211;
    }));
    CHILDPROC app = StartVeltrac("");
    REQUIRE(app.hwnd);
    POINT at = WindowCorner(app.hwnd);
    CHECK(at.x == 137);
    CHECK(at.y == 211);

    // Into the tray and back: the window comes back where it was.
    PostMessageA(app.hwnd, WM_COMMAND, IDM_TOTRAY, 0);
    CHECK(WaitFor([&] { return !IsWindowVisible(app.hwnd) && IsIconic(app.hwnd); }, 10000));
    PostMessageA(app.hwnd, WM_COMMAND, IDM_TOWINDOW, 0);
    CHECK(WaitFor([&] { return IsWindowVisible(app.hwnd) && !IsIconic(app.hwnd); }, 10000));
    at = WindowCorner(app.hwnd);
    CHECK(at.x == 137);
    CHECK(at.y == 211);

    // Moved by the user, then into the tray and out through Exit.
    SetWindowPos(app.hwnd, NULL, 150, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CHECK(WaitFor([&] { return WindowCorner(app.hwnd).x == 150; }));
    PostMessageA(app.hwnd, WM_COMMAND, IDM_TOTRAY, 0);
    CHECK(WaitFor([&] { return !IsWindowVisible(app.hwnd) && IsIconic(app.hwnd); }, 10000));
    CHECK(EndVeltrac(&app) == 0);
    CloseChild(&app);
    std::string lines[21];
    REQUIRE(ReadSavedSettings(lines, 21));
    CHECK(lines[19] == "150");
    CHECK(lines[20] == "160");
    LeaveScratchDir();
}

TEST_CASE("a saved position on no monitor opens on the nearest monitor's work area")
{
    EnterScratchDir("e2e_offscreen");
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    struct { int x, y; } rows[] = {
        {-32000, -32000},          // what a minimised window reports
        {5000, 300},               // a monitor to the right that is gone
        {300, 5000},
        {-2000, 5000},
        {137, 211},                // on the monitor: left where it was
    };
    for (auto &r : rows) {
        CAPTURE(r.x);
        CAPTURE(r.y);
        REQUIRE(WriteSettingsDat([&] {
            Settings.nWindowX = r.x;
            Settings.nWindowY = r.y;
            Settings.bSaveOnExit = 0;
        }));
        CHILDPROC app = StartVeltrac("");
        REQUIRE(app.hwnd);
        RECT rc = {};
        GetWindowRect(app.hwnd, &rc);
        if (r.x == 137) {
            CHECK(rc.left == 137);
            CHECK(rc.top == 211);
        } else {
            // Wholly inside the work area, against the side it came from.
            CHECK(rc.left >= work.left);
            CHECK(rc.top >= work.top);
            CHECK(rc.right <= work.right);
            CHECK(rc.bottom <= work.bottom);
            CHECK((r.x < 0 ? rc.left == work.left : r.x > 1000 ? rc.right == work.right : rc.left == r.x));
            CHECK((r.y < 0 ? rc.top == work.top : r.y > 1000 ? rc.bottom == work.bottom : rc.top == r.y));
        }
        CHECK(EndVeltrac(&app) == 0);
        CloseChild(&app);
    }
    LeaveScratchDir();
}
