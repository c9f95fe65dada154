// Scrolling Wine's notepad with the real program, driven only by injected
// input as a user would: Control held (with its auto-repeat) while the mouse
// moves, the cursor pushed against the top edge, and the same input while
// OFF. Notepad's own first visible line is the measure.
#include <doctest.h>
#include "e2e_support.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"
#include "testkit/kit_files.h"
#include "testkit/kit_target.h"
#include <stdio.h>

static const int X = 500, Y0 = 300;   // well away from every screen edge

// Waits until the first visible line has stayed the same for a while and
// returns it: the program delivers every step of a report before its hook
// returns, but a repeat tick it was in the middle of may still be sending.
static int SettledLine(HWND edit)
{
    int line = FirstVisibleLine(edit), same = 0;
    WaitFor([&] {
        int now = FirstVisibleLine(edit);
        same = now == line ? same + 1 : 0;
        line = now;
        return same >= 10;
    });
    return line;
}

// Whether the program's repeat timer is running is seen only in what it
// scrolls. Gives it the chance to: a timer of this thread with the program's
// period (the defaults: the test starts it with no settings.dat) ticks n
// times, then the program answers a message, so it has been running too.
static void LetRepeatTimerTick(HWND app, int n)
{
    CHECK(PumpTimerTicks((UINT)Settings.nRepeatMs, n));
    DWORD_PTR result;
    CHECK(SendMessageTimeoutA(app, WM_NULL, 0, 0, SMTO_NORMAL, WAIT_MS, &result) != 0);
}

struct DRAGROW {
    const char *name;
    WORD vk;        // key held during the moves, 0 for none
    int nStep;      // pixels per move (down when positive)
    int nMoves;
    int nExpected;  // lines scrolled while ON (down when positive)
};

static const DRAGROW dragRows[] = {
    {"Control, down", VK_CONTROL, 12, 10, 10},
    {"left Control, up", VK_LCONTROL, -12, 6, -6},
    {"right Control, down", VK_RCONTROL, 8, 4, 4},
    {"moves of exactly the sensitivity", VK_CONTROL, 5, 6, 0},
    {"one pixel more", VK_CONTROL, -6, 3, -3},
    {"no key held", 0, 12, 5, 0},
};

// One drag: a key-down before every move, as auto-repeat sends them, then
// the release; returns the lines scrolled.
static int Drag(HWND edit, const DRAGROW &row)
{
    // The key's first press compares the last two cursor reports, so the
    // last two must be close: a jump to the start would scroll by itself.
    MoveMouseTo(X, Y0 + 1);
    MoveMouseTo(X, Y0);
    int before = SettledLine(edit);
    for (int i = 1; i <= row.nMoves; i++) {
        if (row.vk)
            KeyDown(row.vk);
        MoveMouseTo(X, Y0 + i * row.nStep);
    }
    if (row.vk)
        KeyUp(row.vk);
    return SettledLine(edit) - before;
}

// Pushes the cursor against the top edge for a while, then away from it;
// returns the lines scrolled while there and checks that leaving the edge
// stops the repetition.
static int EdgeScroll(HWND app, HWND edit, bool bExpectMoving)
{
    SendMessageA(edit, EM_LINESCROLL, 0, 200 - FirstVisibleLine(edit));
    int before = SettledLine(edit);
    MoveMouseTo(X, 0);
    // The repeat timer keeps scrolling while the cursor rests at the edge.
    if (bExpectMoving)
        WaitFor([&] { return FirstVisibleLine(edit) <= before - 5; });
    else
        LetRepeatTimerTick(app, 5);
    int at = FirstVisibleLine(edit);
    MoveMouseTo(X, Y0);
    int after = SettledLine(edit);
    LetRepeatTimerTick(app, 5);
    CHECK(FirstVisibleLine(edit) == after);   // no more steps away from the edge
    return at - before;
}

static void RunAll(HWND app, HWND notepad, HWND edit, bool bOn)
{
    CAPTURE(bOn);
    CHECK(MakeForeground(notepad));
    for (const DRAGROW &row : dragRows) {
        CAPTURE(row.name);
        CHECK(Drag(edit, row) == (bOn ? row.nExpected : 0));
    }
    int scrolled = EdgeScroll(app, edit, bOn);
    if (bOn)
        CHECK(scrolled <= -5);   // more than the single step of the report
    else
        CHECK(scrolled == 0);
}

TEST_CASE("notepad scrolls while ON and never while OFF")
{
    EnterScratchDir("e2e_scroll");
    CHILDPROC app = StartVeltrac("");
    HWND edit = NULL;
    CHILDPROC notepad = StartNotepad(&edit);
    CHECK(app.hwnd != NULL);
    CHECK(edit != NULL);
    if (app.hwnd && edit) {
        CHECK(FirstVisibleLine(edit) == 0);
        RunAll(app.hwnd, notepad.hwnd, edit, false);

        PostMessageA(app.hwnd, WM_COMMAND, IDM_START, 0);
        CHECK(WaitTitle(app.hwnd, TITLE_ON));
        RunAll(app.hwnd, notepad.hwnd, edit, true);

        // Switched OFF again: the keyboard hook is gone and the engine idle.
        PostMessageA(app.hwnd, WM_COMMAND, IDM_STOP, 0);
        CHECK(WaitTitle(app.hwnd, TITLE_OFF));
        RunAll(app.hwnd, notepad.hwnd, edit, false);

        CHECK(EndVeltrac(&app) == 0);
    }
    StopChild(&notepad);
    CloseChild(&app);
    LeaveScratchDir();
}

TEST_CASE("Automatic: notepad and wordpad scroll by a drag and stop when it stops, from behind too")
{
    struct { const char *name; CHILDPROC (*start)(HWND *); int bBehind; } rows[] = {
        {"notepad", StartNotepad, 0},
        {"wordpad", StartWordpad, 0},
        {"notepad behind another window, the window under the pointer", StartNotepad, 1},
    };
    for (auto &r : rows) {
        SUBCASE(r.name) {
            EnterScratchDir("e2e_auto_real");
            REQUIRE(WriteSettingsDat([&] {
                Settings.nMessageType = MESSAGE_AUTO;
                Settings.bEdgeScroll = Settings.bEdgeRepeat = 0;
                Settings.bUnderPointer = r.bBehind;
            }));
            CHILDPROC app = StartVeltrac("-start");
            HWND edit = NULL;
            CHILDPROC editor = r.start(&edit);
            THREADTARGET *front = NULL;
            CHECK(app.hwnd != NULL);
            CHECK(edit != NULL);
            if (app.hwnd && edit && WaitTitle(app.hwnd, TITLE_ON)) {
                RECT rc;
                GetWindowRect(edit, &rc);
                POINT mid = {(rc.left + rc.right) / 2, rc.top + 30};
                // Wine reports its own pointer's place as a move when a window
                // comes up under it, a while later: that place is where the
                // drag begins, so such a move takes nothing from the drag.
                SetCursorPos(mid.x, mid.y);
                CHECK(MakeForeground(editor.hwnd));
                if (r.bBehind) {   // in front, away from the drag's way
                    front = StartThreadTarget({"Front Window", "ThrdEdit", 1, 0, NULL, NULL, NULL,
                                               NULL, 600, 420, 300, 200});
                    REQUIRE(front);
                    CHECK(GetForegroundWindow() == ThreadTargetWindow(front));
                }
                MoveMouseTo(mid.x, mid.y + 1);
                MoveMouseTo(mid.x, mid.y);
                int before = SettledLine(edit);
                KeyDown(VK_CONTROL);
                for (int i = 1; i <= 10; i++)
                    MoveMouseTo(mid.x, mid.y + 12 * i);
                KeyUp(VK_CONTROL);
                int after = SettledLine(edit);
                CHECK(after > before);
                // Stopped: a move without the key scrolls nothing more.
                MoveMouseTo(mid.x, mid.y);
                CHECK(SettledLine(edit) == after);
                if (front)
                    CHECK(ThreadTargetCounts(front).nScrolls == 0);
            }
            if (front)
                StopThreadTarget(front);
            StopChild(&editor);
            CHECK(EndVeltrac(&app) == 0);
            CloseChild(&app);
            LeaveScratchDir();
        }
    }
}
