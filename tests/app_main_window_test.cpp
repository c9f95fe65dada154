// The main window in this process, brought up by the real start-up code:
// ON/OFF faces, commands, position tracking, the hooks' reports of real
// injected input, and the balloon about a program run as administrator.
#include <doctest.h>
#include "app/tray.h"
#include "scroll/foreground_win.h"
#include "scroll/target.h"
#include "res/resource.h"
#include "testkit/kit_input.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "test_support.h"
#include <string.h>
#include <string>

static HWND MainWindow(void)
{
    HWND hwnd = InProcessMainWindow("mainwindow");
    REQUIRE(hwnd);
    return hwnd;
}

static void Command(UINT id)
{
    CHECK(SendMessageA(MainWindow(), WM_COMMAND, id, 0) == 0);
}

static bool Grayed(HMENU menu, UINT id)
{
    return (GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) != 0;
}

static void CheckFaces(bool on)
{
    HWND hwnd = MainWindow();
    char title[64];
    GetWindowTextA(hwnd, title, sizeof title);
    CHECK(strcmp(title, on ? "Veltrac --- ON" : "Veltrac --- OFF") == 0);
    CHECK(strcmp(Settings.szTitle, title) == 0);
    CHECK(Settings.bScrolling == (on ? 1 : 0));
    CHECK((Settings.hKeyboardHook != NULL) == on);
    for (HMENU menu : {GetMenu(hwnd), Settings.hPopupMenu}) {
        CHECK(Grayed(menu, IDM_START) == on);
        CHECK(Grayed(menu, IDM_STOP) == !on);
    }
    HBITMAP shown = (HBITMAP)SendMessageA(Settings.hButton, BM_GETIMAGE, IMAGE_BITMAP, 0);
    CHECK(shown == (on ? Settings.hGoBitmap : Settings.hStopBitmap));
}

TEST_CASE("start-up leaves every face OFF, the button covering the client area")
{
    HWND hwnd = MainWindow();
    REQUIRE(hwnd);
    CheckFaces(false);
    CHECK(Settings.hMouseHook != NULL);
    char cls[64];
    GetClassNameA(hwnd, cls, sizeof cls);
    CHECK(strcmp(cls, "Veltrac Window Class") == 0);
    RECT client, button;
    GetClientRect(hwnd, &client);
    GetClientRect(Settings.hButton, &button);
    CHECK(button.right == client.right);
    CHECK(button.bottom == client.bottom);
    LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    CHECK((style & WS_MAXIMIZEBOX) == 0);
    CHECK((style & WS_THICKFRAME) == 0);
    CHECK((GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
    RECT rc;
    GetWindowRect(hwnd, &rc);
    CHECK(rc.right - rc.left == 170);
    CHECK(Settings.nScrollVk == 17);
}

TEST_CASE("Start and Stop switch every face; Start while ON installs no second hook")
{
    Command(IDM_START);
    CheckFaces(true);
    HHOOK hook = Settings.hKeyboardHook;
    Command(IDM_START);
    CHECK(Settings.hKeyboardHook == hook);
    Command(IDM_STOP);
    CheckFaces(false);
    Command(IDM_STOP);                    // again while OFF: the OFF faces again
    CheckFaces(false);

    Command(0);                           // the picture button toggles
    CheckFaces(true);
    Command(0);
    CheckFaces(false);
    Command(4321);                        // unknown commands do nothing
    CheckFaces(false);
}

TEST_CASE("position, display and report messages")
{
    HWND hwnd = MainWindow();
    SetWindowPos(hwnd, NULL, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rc;
    CHECK(PumpUntil([&] {
        GetWindowRect(hwnd, &rc);
        return rc.left == 123 && rc.top == 77 && Settings.nWindowX == 123 &&
               Settings.nWindowY == 77;
    }));
    CHECK(Settings.nWindowX == rc.left);
    CHECK(Settings.nWindowY == rc.top);

    Settings.nScreenMaxX = 5;
    Settings.nScreenMaxY = 5;
    CHECK(SendMessageA(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(10, 10)) == 0);
    CHECK(Settings.nScreenMaxX == GetSystemMetrics(SM_CXSCREEN) - 1);
    CHECK(Settings.nScreenMaxY == GetSystemMetrics(SM_CYSCREEN) - 1);

    CHECK(SendMessageA(hwnd, WM_HOOKMOUSE, (WPARAM)-40, 300) == 0);
    CHECK(Settings.nMouseX == -40);
    CHECK(Settings.nMouseY == 300);
    CHECK(SendMessageA(hwnd, WM_HOOKKEY, MIDDLE_BUTTON_KEY, 1) == 0);
    CHECK(Settings.bKeyHeld == 1);
    SendMessageA(hwnd, WM_HOOKKEY, MIDDLE_BUTTON_KEY, 0);
    CHECK(Settings.bKeyHeld == 0);
    CHECK(SendMessageA(hwnd, WM_TRAYNOTIFY, 1, WM_MOUSEMOVE) == 0);
}

TEST_CASE("one copy of each dialog: opening again raises it, closing clears the handle")
{
    Command(IDM_ABOUT);
    HWND about = Settings.hAboutDlg;
    REQUIRE(about);
    Command(IDM_ABOUT);
    CHECK(Settings.hAboutDlg == about);
    SendMessageA(about, WM_COMMAND, IDCANCEL, 0);
    CHECK(PumpUntil([&] { return Settings.hAboutDlg == NULL && !IsWindow(about); }));
    CHECK(Settings.hAboutDlg == NULL);
    CHECK_FALSE(IsWindow(about));

    Command(IDM_OPTIONS);
    Command(IDM_WINDOWS);
    Command(IDM_PROGRAMS);
    HWND programs = Settings.hProgramsDlg;
    Command(IDM_PROGRAMS);
    CHECK(Settings.hOptionsDlg != NULL);
    CHECK(Settings.hWindowsDlg != NULL);
    CHECK(programs != NULL);
    CHECK(Settings.hProgramsDlg == programs);
    SendMessageA(Settings.hOptionsDlg, WM_COMMAND, IDCANCEL, 0);
    SendMessageA(Settings.hWindowsDlg, WM_COMMAND, IDCANCEL, 0);
    SendMessageA(Settings.hProgramsDlg, WM_COMMAND, IDCANCEL, 0);
    CHECK(PumpUntil([] {
        return Settings.hOptionsDlg == NULL && Settings.hWindowsDlg == NULL &&
               Settings.hProgramsDlg == NULL;
    }));
    CHECK_FALSE(IsWindow(programs));
}

// SendInput returns once the low-level hooks have run; they are this
// thread's, so they run inside the call, and whatever they posted here is
// handled by the marker wait after it. Every report is in when this returns.
static void Inject(INPUT *in, int n)
{
    CHECK(SendInput((UINT)n, in, sizeof(INPUT)) == (UINT)n);
    CHECK(PumpPosted());
}

static void MoveTo(int x, int y)
{
    INPUT in = AbsoluteMove(x, y);
    Inject(&in, 1);
}

static void Key(WORD vk, bool up)
{
    INPUT in = KeyInput(vk, up);
    Inject(&in, 1);
}

// The watchdog compares samples taken HOOK_HEALTH_MS apart, and the first
// one after a hook was removed may still count the last event it saw; only a
// later period with input and nothing seen tells. So input goes on, a little
// at a time, until the watchdog has put a new hook in place of the dead one.
static bool InjectUntilReplaced(HHOOK *phHook, HHOOK dead, const std::function<void(int)> &inject)
{
    int n = 0;
    DWORD last = GetTickCount() - 1000;
    return PumpUntil([&] {
        if (*phHook != dead && *phHook != NULL)
            return true;
        if (GetTickCount() - last >= 50) {
            inject(n++);
            last = GetTickCount();
        }
        return false;
    }, 20000);
}

TEST_CASE("the hooks report real input: cursor, middle button, folded modifier keys")
{
    MainWindow();
    MoveTo(200, 150);
    MoveTo(210, 160);
    CHECK(Settings.nMouseX == 210);
    CHECK(Settings.nMouseY == 160);
    CHECK(Settings.nLastX == 200);

    INPUT mb = {};
    mb.type = INPUT_MOUSE;
    mb.mi.dwFlags = MOUSEEVENTF_MIDDLEDOWN;
    Inject(&mb, 1);
    CHECK(Settings.bKeyHeld == 1);
    mb.mi.dwFlags = MOUSEEVENTF_MIDDLEUP;
    Inject(&mb, 1);
    CHECK(Settings.bKeyHeld == 0);

    Key(VK_LCONTROL, false);              // OFF: no keyboard hook, no report
    CHECK(Settings.bKeyHeld == 0);
    Key(VK_LCONTROL, true);

    Command(IDM_START);
    Key(VK_LCONTROL, false);              // arrives as 162, reported as 17
    CHECK(Settings.bKeyHeld == 1);
    Key(VK_LCONTROL, true);
    CHECK(Settings.bKeyHeld == 0);
    Key(VK_RCONTROL, false);
    CHECK(Settings.bKeyHeld == 1);
    Key(VK_RCONTROL, true);
    CHECK(Settings.bKeyHeld == 0);
    Command(IDM_STOP);
}

TEST_CASE("a hook removed behind the program's back is installed again and scrolling comes back")
{
    MainWindow();
    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("Hook Health Target", classes, 1);
    HWND edit = TestChild(top, 0);
    Command(IDM_START);
    Settings.bEdgeRepeat = 0;
    MoveTo(300, 300);

    // Windows drops a hook that overran its time-out without a word; do the
    // same here, then keep using the mouse.
    HHOOK dead = Settings.hMouseHook;
    UnhookWindowsHookEx(dead);
    MoveTo(320, 330);
    CHECK(Settings.nMouseX == 300);       // the move went unseen
    // A new place each time, so that the samples find the cursor moved.
    CHECK(InjectUntilReplaced(&Settings.hMouseHook, dead, [](int i) {
        SendOne(AbsoluteMove(340 + i % 97, 350));
    }));
    CHECK(Settings.hMouseHook != dead);
    ResetCounts();
    MoveTo(300, 0);                       // the top edge scrolls again
    CHECK(Settings.nMouseY == 0);
    CHECK(ChildCount(edit).nUp >= 1);

    // The same for the keyboard hook while ON.
    dead = Settings.hKeyboardHook;
    UnhookWindowsHookEx(dead);
    Key(VK_LCONTROL, false);
    Key(VK_LCONTROL, true);
    CHECK(Settings.bKeyHeld == 0);
    CHECK(InjectUntilReplaced(&Settings.hKeyboardHook, dead, [](int) {
        INPUT in[2] = {KeyInput(VK_SHIFT, false), KeyInput(VK_SHIFT, true)};
        SendInput(2, in, sizeof(INPUT));
    }));
    CHECK(Settings.hKeyboardHook != dead);
    CHECK(Settings.hKeyboardHook != NULL);
    Key(VK_LCONTROL, false);
    CHECK(Settings.bKeyHeld == 1);
    Key(VK_LCONTROL, true);
    CHECK(Settings.bKeyHeld == 0);

    Command(IDM_STOP);
    DestroyTestTarget(top);
}

// Whether the shell has the program's icon: modifying an icon that is not
// there fails.
static bool IconThere(HWND hwnd)
{
    NOTIFYICONDATAA nid = {};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = hwnd;
    nid.uID = TRAY_ICON_ID;
    return Shell_NotifyIconA(NIM_MODIFY, &nid) != 0;
}


TEST_CASE("a program run as administrator: one balloon, its icon there only while it shows")
{
    HWND hwnd = MainWindow();
    FakeRunAsAdministrator(true);
    int nNotices = 0;
    MSGFILTER count = [&](MSG &m) {
        nNotices += m.message == WM_ELEVATEDTARGET;
        return false;
    };
    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("Registry Editor", classes, 1);
    // Kept out by the title list, or paused full-screen: not worth a notice.
    strcpy(Settings.szExcludeList, "registry\n");
    CHECK(FindTargetWindowForPress() == NULL);
    Settings.szExcludeList[0] = '\0';
    Settings.bPauseFullScreen = 1;
    SetWindowLongA(top, GWL_STYLE, WS_POPUP | WS_VISIBLE);
    SetWindowPos(top, NULL, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                 SWP_NOZORDER | SWP_FRAMECHANGED);
    CHECK(FindTargetWindowForPress() == NULL);
    CHECK(PumpPosted(WAIT_MS, count));
    CHECK(nNotices == 0);
    Settings.bPauseFullScreen = 0;
    CHECK(FindTargetWindow() == NULL);
    CHECK(FindTargetWindowForPress() == NULL);
    CHECK(PumpPosted(WAIT_MS, count));
    CHECK(nNotices == 1);
    CHECK(WaitFor([] {
        return BalloonShows("Veltrac cannot scroll Registry Editor: it runs as administrator. "
                            "Click here to restart Veltrac as administrator.");
    }));
    // Not in the tray: the icon came for the balloon alone, and goes with it.
    CHECK(Settings.bInTray == 0);
    CHECK(IsWindowVisible(hwnd));
    CHECK(IconThere(hwnd));
    SendMessageA(hwnd, WM_TRAYNOTIFY, TRAY_ICON_ID, NIN_BALLOONTIMEOUT);
    CHECK(!IconThere(hwnd));
    CHECK(FindTargetWindow() == NULL);    // told once
    CHECK(PumpPosted(WAIT_MS, count));
    CHECK(nNotices == 1);

    // Told again in a new run. Going to the tray while the balloon's icon
    // is there; the balloon's end then leaves the tray's icon alone.
    ForgetForeground();
    CHECK(FindTargetWindowForPress() == NULL);
    CHECK(PumpPosted(WAIT_MS, count));
    CHECK(nNotices == 2);
    CHECK(AddTrayIcon(hwnd) == 1);
    SendMessageA(hwnd, WM_TRAYNOTIFY, TRAY_ICON_ID, NIN_BALLOONHIDE);
    CHECK(IconThere(hwnd));
    CHECK(Settings.bInTray == 1);
    Command(IDM_TOWINDOW);
    CHECK(!IconThere(hwnd));

    FakeRunAsAdministrator(false);
    DestroyTestTarget(top);
}

TEST_CASE("Explorer's restart puts the tray icon back while in the tray, and only then")
{
    HWND hwnd = MainWindow();
    UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    REQUIRE(taskbarCreated != 0);
    NOTIFYICONDATAA nid = {};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = hwnd;
    nid.uID = TRAY_ICON_ID;

    Command(IDM_TOTRAY);
    CHECK(IconThere(hwnd));
    // A restarted shell has forgotten every icon.
    CHECK(Shell_NotifyIconA(NIM_DELETE, &nid));
    CHECK(!IconThere(hwnd));
    SendMessageA(hwnd, taskbarCreated, 0, 0);
    CHECK(IconThere(hwnd));

    Command(IDM_TOWINDOW);
    CHECK(!IconThere(hwnd));
    SendMessageA(hwnd, taskbarCreated, 0, 0);
    CHECK(!IconThere(hwnd));
}
