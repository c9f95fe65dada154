// Edge detection with the display scaled to 150 % (144 DPI): the hooks report
// physical pixels, and the program, being DPI aware, measures the screen in
// the same pixels, so its right and bottom bands sit at the real edges.
#include <doctest.h>
#include "e2e_support.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"

static const char *szDesktopKey = "Control Panel\\Desktop";

static void SetLogPixels(DWORD dpi)
{
    HKEY key;
    REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, szDesktopKey, 0, NULL, 0, KEY_SET_VALUE, NULL, &key,
                            NULL) == ERROR_SUCCESS);
    if (dpi)
        RegSetValueExA(key, "LogPixels", 0, REG_DWORD, (const BYTE *)&dpi, sizeof dpi);
    else
        RegDeleteValueA(key, "LogPixels");
    RegCloseKey(key);
}

// Posted messages and no repeat timer: every scroll comes from one report.
static void WriteDpiSettings(void)
{
    REQUIRE(WriteSettingsDat([] {
        Settings.nMessageType = MESSAGE_POST;
        Settings.bEdgeRepeat = 0;
        Settings.bSaveOnExit = 0;
    }));
}

static int WindowHeight(HWND hwnd)
{
    RECT rc;
    GetWindowRect(hwnd, &rc);
    return rc.bottom - rc.top;
}

static SCROLLCOUNT CountAfterMove(HWND edit, int x, int y)
{
    ResetCounts();
    MoveMouseTo(x, y);
    // The program posted its steps from its hook, before SendInput returned.
    CHECK(PumpPosted());
    return ChildCount(edit);
}

TEST_CASE("at 144 DPI the right and bottom edge bands are the screen's last pixels")
{
    EnterScratchDir("dpi");
    WriteDpiSettings();
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);

    CHILDPROC plain = StartVeltrac("");
    REQUIRE(plain.hwnd);
    int nPlainHeight = WindowHeight(plain.hwnd);
    CHECK(EndVeltrac(&plain) == 0);
    CloseChild(&plain);

    SetLogPixels(144);
    CHILDPROC veltrac = StartVeltrac("-start");
    SetLogPixels(0);          // later programs of this prefix start unscaled again
    REQUIRE(veltrac.hwnd);
    // The caption and menu bar grow with the scaling: proof that it is on.
    CHECK(WindowHeight(veltrac.hwnd) > nPlainHeight);
    REQUIRE(WaitTitle(veltrac.hwnd, TITLE_ON));

    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("DPI Target", classes, 1);
    HWND edit = TestChild(top, 0);
    REQUIRE(MakeForeground(top));

    struct { int x, y; int left, right, up, down; const char *where; } rows[] = {
        {w * 2 / 3 + 20, h / 2, 0, 0, 0, 0, "inside, beyond a scaled right edge"},
        {w / 2, h * 2 / 3 + 20, 0, 0, 0, 0, "inside, beyond a scaled bottom edge"},
        {w - 2, h / 2, 0, 0, 0, 0, "next to the right edge"},
        {w - 1, h / 2, 0, 1, 0, 0, "the right edge"},
        {w / 2, h - 1, 0, 0, 0, 1, "the bottom edge"},
        {0, h / 2, 1, 0, 0, 0, "the left edge"},
    };
    for (auto &r : rows) {
        CAPTURE(r.where);
        SCROLLCOUNT c = CountAfterMove(edit, r.x, r.y);
        CHECK(c.nLeft == r.left);
        CHECK(c.nRight == r.right);
        CHECK(c.nUp == r.up);
        CHECK(c.nDown == r.down);
    }
    CHECK(EndVeltrac(&veltrac) == 0);
    CloseChild(&veltrac);
    DestroyTestTarget(top);
    LeaveScratchDir();
}
