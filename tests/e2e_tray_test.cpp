// The tray icon as a user meets it: "-tosystemtray" hides the window, the
// icon's menu opens at the cursor, "&To Window" brings the window back,
// Ctrl+S hides it again, and Exit from the icon's menu ends the program.
// Wine on a bare X server has no notification area of the desktop, so it
// shows the icons in a small "Wine System Tray" window of its own; should
// the shell refuse the icon, the program must report it and stay unshown.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_screen.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"

#define WINE_TRAY_CLASS "__winex11_standalone_tray"

// Waits until the tray request of the start-up has been answered one way or
// the other; returns the error box if the shell refused the icon.
static HWND WaitTrayOutcome(const CHILDPROC &app)
{
    HWND box = NULL;
    WaitFor([&] {
        box = FindProcessDialog(app.pi.dwProcessId, "Error");
        return box || (IsIconic(app.hwnd) && !IsWindowVisible(app.hwnd));
    }, 10000);
    return box;
}

static std::string BoxText(HWND box)
{
    HWND text = FindWindowExA(box, NULL, "Static", NULL);
    // The first static of a message box may be its icon; the text is the
    // one with a caption.
    while (text && WindowText(text).empty())
        text = FindWindowExA(box, text, "Static", NULL);
    return text ? WindowText(text) : "";
}

// A left press on the icon: a real click in Wine's tray window where there
// is one, else the shell's notification sent by hand after a cursor move.
static POINT PressTrayIcon(HWND main)
{
    POINT pt = {200, 150};
    HWND tray = FindWindowA(WINE_TRAY_CLASS, NULL);
    if (tray && IsWindowVisible(tray)) {
        // Two presses within the double-click time make the second a
        // double click, which the program rightly ignores.
        static DWORD lastPress;
        DWORD since = GetTickCount() - lastPress, wait = GetDoubleClickTime() + 100;
        if (since < wait)
            Sleep(wait - since);
        pt.x = pt.y = GetSystemMetrics(SM_CXSMICON) / 2 + 2;   // middle of the first icon
        ClientToScreen(tray, &pt);
        ClickAt(pt.x, pt.y);
        lastPress = GetTickCount();
    } else {
        // The menu opens where the hook last saw the cursor; SendInput
        // returns only after the program's hook has seen this move.
        MoveMouseTo(pt.x, pt.y);
        PostMessageA(main, WM_USER + 800, 1, WM_LBUTTONDOWN);
    }
    return pt;
}

TEST_CASE("-tosystemtray -start: hidden in the tray, ON, and back through the icon's menu")
{
    EnterScratchDir("e2e_tray");
    CHILDPROC app = StartVeltrac("-tosystemtray -start");
    CHECK(app.hwnd != NULL);
    if (!app.hwnd) {
        CloseChild(&app);
        LeaveScratchDir();
        return;
    }
    DWORD pid = app.pi.dwProcessId;
    HWND box = WaitTrayOutcome(app);
    // Posted after the tray command, Start runs once that is done.
    CHECK(WaitTitle(app.hwnd, TITLE_ON));
    CHECK(!IsWindowVisible(app.hwnd));

    if (box) {
        // Refused: the documented box, and the window stays unshown.
        MESSAGE("the shell refused the tray icon");
        CHECK(BoxText(box) == "Unable to Minimize to system tray.");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        CHECK(WaitFor([&] { return !IsWindow(box); }, 10000));
        CHECK(!IsWindowVisible(app.hwnd));
        PostMessageA(app.hwnd, WM_COMMAND, IDM_TOWINDOW, 0);
        CHECK(WaitFor([&] { return IsWindowVisible(app.hwnd) != 0; }, 10000));
        CHECK(EndVeltrac(&app) == 0);
        CloseChild(&app);
        LeaveScratchDir();
        return;
    }

    CHECK(IsIconic(app.hwnd));
    // A second start leaves the window in the tray.
    CHILDPROC second = StartVeltrac("", false);
    CHECK(WaitExit(&second, 20000) == 1);
    CloseChild(&second);
    CHECK(!IsWindowVisible(app.hwnd));

    // The icon's menu opens at the cursor; its Veltrac submenu follows the
    // switch like the menu bar (ON: Start grayed, Stop enabled).
    POINT at = PressTrayIcon(app.hwnd);
    HWND popup = WaitPopup(pid, NULL);
    CHECK(popup != NULL);
    RECT rc = {};
    GetWindowRect(popup, &rc);
    CHECK(rc.left == at.x);
    CHECK(rc.top == at.y);
    PressKey('V');
    HWND sub = WaitPopup(pid, popup);
    bool grayed[2] = {};
    CHECK(sub != NULL);
    CHECK(ReadGrayedItems(sub, 2, grayed));
    CHECK(grayed[0]);
    CHECK(!grayed[1]);
    PressKey(VK_ESCAPE);
    // "&File", "&To Window": back, restored, not minimized.
    PressKey('F');
    PressKey('T');
    CHECK(WaitFor([&] { return IsWindowVisible(app.hwnd) != 0; }, 10000));
    CHECK(!IsIconic(app.hwnd));

    // Ctrl+S, the accelerator of "&To System Tray", hides it again.
    CHECK(MakeForeground(app.hwnd));
    KeyDown(VK_CONTROL);
    PressKey('S');
    KeyUp(VK_CONTROL);
    CHECK(WaitFor([&] { return !IsWindowVisible(app.hwnd) && IsIconic(app.hwnd); }, 10000));
    CHECK(FindProcessDialog(pid, "Error") == NULL);

    // A click elsewhere closes the icon's menu without a command.
    PressTrayIcon(app.hwnd);
    popup = WaitPopup(pid, NULL);
    CHECK(popup != NULL);
    ClickAt(600, 500);
    CHECK(WaitFor([&] { return FindVisiblePopup(pid, NULL) == NULL && !InMenuMode(app); }));
    CHECK(!IsWindowVisible(app.hwnd));

    // "&File", "E&xit" from the icon's menu ends the program with 0, and
    // takes the icon with it.
    PressTrayIcon(app.hwnd);
    CHECK(WaitPopup(pid, NULL) != NULL);
    PressKey('F');
    PressKey('X');
    CHECK(WaitExit(&app, 20000) == 0);
    HWND tray = FindWindowA(WINE_TRAY_CLASS, NULL);
    if (tray)
        CHECK(WaitFor([&] { return !IsWindowVisible(tray); }, 10000));
    CloseChild(&app);
    LeaveScratchDir();
}
