// The real program's life as a user sees it: the ON/OFF switch through the
// menu commands, the F2/F4 keys and the picture button, the single-instance
// rule and the command-line switches, and both ways of ending.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_screen.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"

// The fixed frame: 170 wide, caption + menu bar + 70 high, with or without
// "-ontop".
static void CheckWindowSize(HWND hwnd)
{
    RECT rc;
    GetWindowRect(hwnd, &rc);
    CHECK(rc.right - rc.left == 170);
    CHECK(rc.bottom - rc.top ==
          GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) + 70);
}

// Opens the "&Veltrac" menu of the menu bar with Alt+V, reads whether Start
// and Stop are grayed, and closes it again. It returns only once the menu's
// modal loop has ended: until then keys and posted commands go to that loop
// (an Exit posted then is lost with it), and the popup is hidden by the first
// Escape while the menu bar stays in menu mode until the second.
static bool ReadStartStop(const CHILDPROC &app, bool grayed[2])
{
    if (!MakeForeground(app.hwnd))
        return false;
    KeyDown(VK_MENU);
    PressKey('V');
    KeyUp(VK_MENU);
    DWORD pid = app.pi.dwProcessId;
    HWND popup = WaitPopup(pid, NULL);
    bool ok = popup && ReadGrayedItems(popup, 2, grayed);
    // The flag the end of the loop is told by is up while the menu shows.
    CHECK(InMenuMode(app));
    PressKey(VK_ESCAPE);   // closes the popup
    PressKey(VK_ESCAPE);   // leaves the menu bar
    CHECK(WaitFor([&] { return !InMenuMode(app) && !FindVisiblePopup(pid, NULL); }));
    return ok;
}

// Every face of the switch that shows on the screen.
static void CheckFaces(const CHILDPROC &app, HWND button, bool bOn)
{
    CAPTURE(bOn);
    CHECK(WindowText(app.hwnd) == (bOn ? TITLE_ON : TITLE_OFF));
    bool grayed[2] = {};
    CHECK(ReadStartStop(app, grayed));
    CHECK(grayed[0] == bOn);    // Start
    CHECK(grayed[1] == !bOn);   // Stop
    // The menu just closed may still be repainting over the button.
    const char *shown = bOn ? "GOBMP" : "STOPBMP", *other = bOn ? "STOPBMP" : "GOBMP";
    CHECK(WaitFor([&] { return WindowShowsPicture(button, shown); }));
    CHECK(!WindowShowsPicture(button, other));
}

TEST_CASE("the switch follows menu commands, F2/F4 and the picture button")
{
    EnterScratchDir("e2e_switch");
    CHILDPROC app = StartVeltrac("");
    CHECK(app.hwnd != NULL);
    if (app.hwnd) {
        CHECK(IsWindowVisible(app.hwnd));
        CHECK((GetWindowLongA(app.hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0);
        CheckWindowSize(app.hwnd);

        // The picture button covers the whole client area.
        HWND button = FindWindowExA(app.hwnd, NULL, "Button", NULL);
        CHECK(button != NULL);
        RECT client, rc;
        GetClientRect(app.hwnd, &client);
        GetWindowRect(button, &rc);
        MapWindowPoints(NULL, app.hwnd, (POINT *)&rc, 2);
        CHECK(rc.left == 0);
        CHECK(rc.top == 0);
        CHECK(rc.right == client.right);
        CHECK(rc.bottom == client.bottom);
        CheckFaces(app, button, false);

        PostMessageA(app.hwnd, WM_COMMAND, IDM_START, 0);
        CHECK(WaitTitle(app.hwnd, TITLE_ON));
        CheckFaces(app, button, true);
        // Start while ON changes nothing; one Stop still switches OFF.
        PostMessageA(app.hwnd, WM_COMMAND, IDM_START, 0);
        PostMessageA(app.hwnd, WM_COMMAND, IDM_STOP, 0);
        CHECK(WaitTitle(app.hwnd, TITLE_OFF));

        // Accelerators, translated by the message loop for the focused button.
        CHECK(MakeForeground(app.hwnd));
        PressKey(VK_F2);
        CHECK(WaitTitle(app.hwnd, TITLE_ON));
        PressKey(VK_F4);
        CHECK(WaitTitle(app.hwnd, TITLE_OFF));

        // A real click on the picture toggles the state each time.
        GetWindowRect(button, &rc);
        int cx = (rc.left + rc.right) / 2, cy = (rc.top + rc.bottom) / 2;
        ClickAt(cx, cy);
        CHECK(WaitTitle(app.hwnd, TITLE_ON));
        CheckFaces(app, button, true);
        ClickAt(cx, cy);
        CHECK(WaitTitle(app.hwnd, TITLE_OFF));
        CheckFaces(app, button, false);

        CHECK(EndVeltrac(&app) == 0);
    }
    CloseChild(&app);
    LeaveScratchDir();
}

TEST_CASE("single instance: a second start ends with 1, -letmeopen2 opens a second window")
{
    EnterScratchDir("e2e_instances");
    CHILDPROC first = StartVeltrac("");
    CHECK(first.hwnd != NULL);
    if (first.hwnd) {
        const char *rows[] = {"", "-start", "-tosystemtray", "-ONTOP -Start"};
        for (const char *args : rows) {
            CAPTURE(args);
            CHILDPROC second = StartVeltrac(args, false);
            CHECK(WaitExit(&second, 20000) == 1);
            CloseChild(&second);
            // The first instance is left as it was: still OFF, shown, alone.
            CHECK(CountWindowsOfClass(MAIN_CLASS_NAME) == 1);
            CHECK(WindowText(first.hwnd) == TITLE_OFF);
            CHECK(IsWindowVisible(first.hwnd));
        }

        // Switches are found anywhere in the command line, in any case.
        CHILDPROC other = StartVeltrac("x-LetMeOpen2x -START");
        CHECK(other.hwnd != NULL);
        CHECK(other.hwnd != first.hwnd);
        CHECK(CountWindowsOfClass(MAIN_CLASS_NAME) == 2);
        if (other.hwnd) {
            CHECK(WaitTitle(other.hwnd, TITLE_ON));
            CHECK(WindowText(first.hwnd) == TITLE_OFF);
            // Closing the window and the Exit command both end with 0.
            CHECK(EndVeltrac(&other, WM_CLOSE) == 0);
        }
        CloseChild(&other);
        CHECK(CountWindowsOfClass(MAIN_CLASS_NAME) == 1);
        CHECK(EndVeltrac(&first) == 0);
    }
    CloseChild(&first);
    LeaveScratchDir();
}

TEST_CASE("-ontop makes the window topmost and changes nothing else")
{
    EnterScratchDir("e2e_ontop");
    CHILDPROC app = StartVeltrac("-ontop");
    CHECK(app.hwnd != NULL);
    if (app.hwnd) {
        CHECK((GetWindowLongA(app.hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
        CheckWindowSize(app.hwnd);
        CHECK(IsWindowVisible(app.hwnd));
        CHECK(WindowText(app.hwnd) == TITLE_OFF);
        CHECK(EndVeltrac(&app, WM_CLOSE) == 0);
    }
    CloseChild(&app);
    LeaveScratchDir();
}
