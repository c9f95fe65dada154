// The dialogs and the Help command in the real program, reached the way a
// user reaches them: the F5, F6, F7 and F1 keys, the menu bar and the tray
// menu.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_screen.h"
#include "res/resource.h"
#include "scroll/messages.h"
#include "scroll/settings.h"
#include "test_support.h"
#include <string.h>

// Waits for the dialog or message box of this title to show, then closes it
// with the given key; true when it came and went. A box is found as soon as
// it is created, before it is shown and takes the keyboard: a key pressed
// then would be lost.
static bool SeeAndClose(const CHILDPROC &app, const char *title, WORD closeKey)
{
    HWND box = NULL;
    if (!WaitFor([&] {
            box = FindProcessDialog(app.pi.dwProcessId, title);
            return box && IsWindowVisible(box);
        }, 10000))
        return false;
    if (!MakeForeground(box))
        return false;
    PressKey(closeKey);
    return WaitFor([&] { return !IsWindow(box); }, 10000);
}

// Opens a menu bar popup with Alt and its letter, then picks an item by its
// letter once the popup shows.
static bool PickFromMenuBar(const CHILDPROC &app, WORD popupKey, WORD itemKey)
{
    if (!MakeForeground(app.hwnd))
        return false;
    KeyDown(VK_MENU);
    PressKey(popupKey);
    KeyUp(VK_MENU);
    if (!WaitPopup(app.pi.dwProcessId, NULL))
        return false;
    PressKey(itemKey);
    return true;
}

TEST_CASE("keys, menu bar and tray menu open the dialogs and Help in the real program")
{
    EnterScratchDir("e2e_dialogs");
    CHILDPROC app = StartVeltrac("");
    REQUIRE(app.hwnd != NULL);
    int nNotepads = CountProcesses("notepad.exe");

    struct {
        const char *how;
        WORD vk;
        const char *title;
        WORD closeKey;
    } keys[] = {
        {"F5", VK_F5, "Options", VK_ESCAPE},
        {"F6", VK_F6, "Windows", VK_ESCAPE},
        {"F7", VK_F7, "Programs", VK_ESCAPE},
        {"F1", VK_F1, "Help With Veltrac v2.5", 'N'},   // answer No
    };
    for (auto &k : keys) {
        CAPTURE(k.how);
        REQUIRE(MakeForeground(app.hwnd));
        PressKey(k.vk);
        CHECK(SeeAndClose(app, k.title, k.closeKey));
    }
    CHECK(CountProcesses("notepad.exe") == nNotepads);

    struct {
        WORD popupKey, itemKey;
        const char *title;
    } items[] = {
        {'H', 'A', "About Veltrac v2.5"},
        {'V', 'P', "Programs"},
    };
    // From the menu bar.
    for (auto &i : items) {
        CAPTURE(i.title);
        CHECK(PickFromMenuBar(app, i.popupKey, i.itemKey));
        CHECK(SeeAndClose(app, i.title, VK_ESCAPE));
    }

    // From the tray menu, which a left click on the icon opens at the cursor.
    struct {
        WORD itemKey;
        const char *title;
    } trayItems[] = {
        {'O', "Options"},
        {'P', "Programs"},
    };
    for (auto &i : trayItems) {
        CAPTURE(i.title);
        PostMessageA(app.hwnd, WM_TRAYNOTIFY, 1, WM_LBUTTONDOWN);
        HWND menu = WaitPopup(app.pi.dwProcessId, NULL);
        CHECK(menu != NULL);
        PressKey('V');
        CHECK(WaitPopup(app.pi.dwProcessId, menu) != NULL);
        PressKey(i.itemKey);
        CHECK(SeeAndClose(app, i.title, VK_ESCAPE));
    }

    CHECK(EndVeltrac(&app) == 0);
    CloseChild(&app);
    LeaveScratchDir();
}
