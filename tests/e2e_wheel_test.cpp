// The "Mouse wheel" type through the real program, with injected input as a
// user gives it, against stand-ins for today's programs: they scroll on wheel
// messages only, zoom when Control is down, and record the keys and buttons
// they get. Control and the middle button must scroll them without reaching
// them, and reach them whole whenever they are not used for scrolling.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_recorder.h"
#include "e2e_support_settings.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"
#include <random>
#include <stdio.h>
#include <string>

static int LineTurn(UINT spi)
{
    UINT n = 3;
    SystemParametersInfoA(spi, 0, &n, 0);
    return n == 0 || n == 0xFFFFFFFFu ? 120 : (120 / n ? (int)(120 / n) : 1);
}

// The program ON in the wheel type, with the middle button scrolling too, no
// repeat timer (every wheel message then comes from one event), and the
// stand-ins up.
static void WheelType(void)
{
    Settings.nMessageType = MESSAGE_WHEEL;
    Settings.bMiddleButton = 1;
    Settings.bEdgeRepeat = 0;
}

TEST_CASE("Control+drag scrolls wheel-only windows; Control never reaches them")
{
    WHEELSESSION s(WheelType);
    REQUIRE(s.app.hwnd);
    int line = LineTurn(SPI_GETWHEELSCROLLLINES), chars = LineTurn(SPI_GETWHEELSCROLLCHARS);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    Rest(200, 250);
    for (int i = 1; i <= 6; i++) {
        KeyDown(VK_CONTROL);                       // as auto-repeat sends it
        MoveMouseTo(200, 250 + 12 * i);
    }
    KeyUp(VK_CONTROL);
    std::vector<WHEELRECORD> w = TakeWheels();
    REQUIRE(w.size() == 6);
    for (int i = 0; i < 6; i++) {
        CAPTURE(i);
        CHECK(w[i].hwnd == s.rec.hPlain);
        CHECK(w[i].msg == (UINT)WM_MOUSEWHEEL);
        CHECK(w[i].turn == -line);
        CHECK(w[i].keys == 0);
        CHECK(w[i].x == 200);
        CHECK(w[i].y == 250 + 12 * (i + 1));
        CHECK_FALSE(w[i].bControl);
        CHECK_FALSE(w[i].bControlAsync);
    }
    CHECK(PlainZooms() == 0);
    CHECK(PlainScrolled() == -6 * line);
    CHECK(InputsUpToMark() == "");               // neither the press nor the release
    CHECK_FALSE(AnyDown());
    CHECK_FALSE(RecorderKeyDown(VK_CONTROL));

    // The content inside a frame: sideways, to the content, not the frame.
    REQUIRE(RecorderForeground(s.rec.hFramed));
    RECT rc;
    GetWindowRect(s.rec.hContent, &rc);
    int x = rc.left + 40, y = (rc.top + rc.bottom) / 2;
    Rest(x, y);
    for (int i = 1; i <= 3; i++) {
        KeyDown(VK_CONTROL);
        MoveMouseTo(x + 12 * i, y);
    }
    KeyUp(VK_CONTROL);
    w = TakeWheels();
    REQUIRE(w.size() == 3);
    for (const WHEELRECORD &r : w) {
        CHECK(r.hwnd == s.rec.hContent);
        CHECK(r.msg == (UINT)WM_MOUSEHWHEEL);
        CHECK(r.turn == chars);
        CHECK_FALSE(r.bControlAsync);
    }
    CHECK_FALSE(AnyDown());
}

TEST_CASE("edge scrolling with the cursor outside the target scrolls it")
{
    WHEELSESSION s(WheelType);
    REQUIRE(s.app.hwnd);
    int line = LineTurn(SPI_GETWHEELSCROLLLINES);
    REQUIRE(RecorderForeground(s.rec.hFramed));
    RECT client;
    GetClientRect(s.rec.hFramed, &client);
    MapWindowPoints(s.rec.hFramed, NULL, (POINT *)&client, 2);
    int midX = (client.left + client.right) / 2, midY = (client.top + client.bottom) / 2;
    int h = GetSystemMetrics(SM_CYSCREEN);
    struct { int y, turn; } rows[] = {{0, line}, {h - 1, -line}};
    for (auto &r : rows) {
        CAPTURE(r.y);
        MoveMouseTo(700, 300);
        TakeWheels();
        MoveMouseTo(700, r.y);
        std::vector<WHEELRECORD> w = TakeWheels();
        REQUIRE(w.size() == 1);
        CHECK(w[0].hwnd == s.rec.hContent);
        CHECK(w[0].turn == r.turn);
        CHECK(w[0].x == midX);
        CHECK(w[0].y == midY);
    }
    MoveMouseTo(700, 300);
}

TEST_CASE("a Control tap, Control+C and Control+click reach the program whole")
{
    WHEELSESSION s(WheelType);
    REQUIRE(s.app.hwnd);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    Rest(200, 250);
    PressKey(VK_CONTROL);
    CHECK(InputsUpToMark() == "kdCtl kuCtl ");

    KeyDown(VK_CONTROL);
    PressKey('C');
    KeyUp(VK_CONTROL);
    CHECK(InputsUpToMark() == "kdCtl kdC ch3^ kuC kuCtl ");

    KeyDown(VK_CONTROL);
    ClickAt(200, 250);
    KeyUp(VK_CONTROL);
    CHECK(InputsUpToMark() == "kdCtl ld^ lu^ kuCtl ");

    // Control+wheel is the program's own zoom, and must stay one.
    KeyDown(VK_CONTROL);
    WheelTurn(120);
    KeyUp(VK_CONTROL);
    CHECK(InputsUpToMark() == "kdCtl kuCtl ");
    std::vector<WHEELRECORD> w = TakeWheels();
    REQUIRE(w.size() == 1);
    CHECK(w[0].bControl);
    CHECK(PlainZooms() == 1);
    CHECK_FALSE(AnyDown());
    CHECK_FALSE(RecorderKeyDown(VK_CONTROL));
}

TEST_CASE("a middle click arrives as a click, a middle drag as wheel messages only")
{
    WHEELSESSION s(WheelType);
    REQUIRE(s.app.hwnd);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    Rest(200, 250);
    MiddleButton(true);
    MiddleButton(false);
    CHECK(InputsUpToMark() == "md mu ");
    CHECK(TakeWheels().empty());

    MiddleButton(true);
    for (int i = 1; i <= 4; i++)
        MoveMouseTo(200, 250 - 12 * i);
    MiddleButton(false);
    CHECK(InputsUpToMark() == "");
    std::vector<WHEELRECORD> w = TakeWheels();
    CHECK(w.size() == 4);
    for (const WHEELRECORD &r : w)
        CHECK(r.turn > 0);
    CHECK_FALSE(AnyDown());
    CHECK_FALSE(RecorderKeyDown(VK_MBUTTON));
}

TEST_CASE("nothing is left pressed when scrolling goes OFF, or the program ends, mid-drag")
{
    WHEELSESSION s(WheelType);
    REQUIRE(s.app.hwnd);
    REQUIRE(RecorderForeground(s.rec.hPlain));
    for (int round = 0; round < 3; round++) {
        CAPTURE(round);
        bool bExit = round == 2;
        bool bMiddle = round == 1;
        if (round > 0) {
            PostMessageA(s.app.hwnd, WM_COMMAND, IDM_START, 0);
            REQUIRE(WaitFor([&] { return WindowText(s.app.hwnd) == "Veltrac --- ON"; }, 10000));
            // The last round's release came while OFF, unseen by the program,
            // which still counts the key as held (as it always has): a tap
            // tells it otherwise.
            InputsUpToMark();
        }
        Rest(200, 250);
        if (bMiddle)
            MiddleButton(true);
        else
            KeyDown(VK_CONTROL);
        for (int i = 1; i <= 3; i++)
            MoveMouseTo(200, 250 + 12 * i);
        CHECK(TakeWheels().size() == 3);
        if (bExit) {
            CHECK(EndVeltrac(&s.app) == 0);
        } else {
            PostMessageA(s.app.hwnd, WM_COMMAND, IDM_STOP, 0);
            REQUIRE(WaitFor([&] { return WindowText(s.app.hwnd) == "Veltrac --- OFF"; }, 10000));
        }
        // Programs never saw the press, and nothing released it for them.
        CHECK(InputsUpToMark() == "");
        CHECK_FALSE(RecorderKeyDown(bMiddle ? VK_MBUTTON : VK_CONTROL));
        CHECK(GetAsyncKeyState(bMiddle ? VK_MBUTTON : VK_CONTROL) >= 0);
        // The real release then reaches them on its own.
        if (bMiddle)
            MiddleButton(false);
        else
            KeyUp(VK_CONTROL);
        CHECK_FALSE(AnyDown());
        CHECK_FALSE(RecorderKeyDown(VK_CONTROL));
        CHECK_FALSE(RecorderKeyDown(VK_MBUTTON));
        TakeInputs();
    }
}

TEST_CASE("a seeded random run of keys, buttons, wheels and moves leaves nothing pressed")
{
    // The second round with the pointer held still, glides, and Back dragging.
    for (int round = 0; round < 2; round++) {
        CAPTURE(round);
        WHEELSESSION s([&] {
            WheelType();
            Settings.bKeepPointerStill = Settings.bGlide = round;
            Settings.nDragButton = round ? DRAG_BUTTON_X1 : DRAG_BUTTON_MIDDLE;
        });
        REQUIRE(s.app.hwnd);
        REQUIRE(RecorderForeground(s.rec.hPlain));
        Rest(200, 250);
        std::mt19937 random(20261207 + round);
        bool ctl = false, shift = false, c = false, middle = false, left = false, back = false;
        int y = 250;
        for (int i = 0; i < 400; i++) {
            switch (random() % 10) {
            case 0: ctl ? KeyUp(VK_CONTROL) : KeyDown(VK_CONTROL); ctl = !ctl; break;
            case 1: if (ctl) KeyDown(VK_CONTROL); break;      // auto-repeat
            case 2: shift ? KeyUp(VK_SHIFT) : KeyDown(VK_SHIFT); shift = !shift; break;
            case 3: c ? KeyUp('C') : KeyDown('C'); c = !c; break;
            case 4: MiddleButton(!middle); middle = !middle; break;
            case 5: {
                INPUT in = {};
                in.type = INPUT_MOUSE;
                in.mi.dwFlags = left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
                SendInput(1, &in, sizeof in);
                left = !left;
                break;
            }
            case 6: WheelTurn(random() % 2 ? 120 : -120); break;
            case 7: BackButton(!back); back = !back; break;
            default:
                y = 150 + (int)(random() % 200);
                MoveMouseTo(200, y);
                break;
            }
        }
        // Let go of whatever the run left pressed, as the user's fingers would.
        if (ctl) KeyUp(VK_CONTROL);
        if (shift) KeyUp(VK_SHIFT);
        if (c) KeyUp('C');
        if (middle) MiddleButton(false);
        if (back) BackButton(false);
        if (left) {
            INPUT in = {};
            in.type = INPUT_MOUSE;
            in.mi.dwFlags = MOUSEEVENTF_LEFTUP;
            SendInput(1, &in, sizeof in);
        }
        InputsUpToMark();
        CHECK_FALSE(AnyDown());
        for (int vk : {VK_CONTROL, VK_SHIFT, (int)'C', VK_MBUTTON, VK_LBUTTON, VK_XBUTTON1}) {
            CAPTURE(vk);
            CHECK_FALSE(RecorderKeyDown(vk));
            CHECK(GetAsyncKeyState(vk) >= 0);
        }
    }
}

TEST_CASE("Wine's notepad scrolls in the wheel type too")
{
    std::string dir = EnterScratchDir("e2e_wheel_notepad");
    std::string file = dir + "\\long.txt";
    FILE *f = fopen(file.c_str(), "w");
    REQUIRE(f);
    for (int i = 1; i <= 500; i++)
        fprintf(f, "Line %03d of a long file for wheel scrolling.\n", i);
    fclose(f);
    REQUIRE(WriteSettingsDat([] {
        Settings.nMessageType = MESSAGE_WHEEL;
        Settings.bEdgeRepeat = 0;
        Settings.bSaveOnExit = 0;
    }));
    CHILDPROC app = StartVeltrac("-start");
    HWND edit = NULL;
    CHILDPROC notepad = StartNotepad(file.c_str(), &edit);
    REQUIRE(app.hwnd);
    REQUIRE(edit);
    CHECK(WaitFor([&] { return WindowText(app.hwnd) == "Veltrac --- ON"; }, 10000));
    // Away from the middle of the screen, where Wine's X pointer rests.
    SetWindowPos(notepad.hwnd, NULL, 0, 120, 440, 260, SWP_NOZORDER | SWP_NOACTIVATE);
    CHECK(MakeForeground(notepad.hwnd));
    RECT rc;
    GetWindowRect(edit, &rc);
    int x = (rc.left + rc.right) / 2, y = rc.top + 20;
    Rest(x, y);
    int before = FirstVisibleLine(edit);
    for (int i = 1; i <= 5; i++) {
        KeyDown(VK_CONTROL);
        MoveMouseTo(x, y + 12 * i);
    }
    KeyUp(VK_CONTROL);
    // One wheel line per step, however notepad adds them up.
    CHECK(WaitFor([&] { return FirstVisibleLine(edit) - before == 5; }));
    CHECK_FALSE(AnyDown());
    CHECK(EndVeltrac(&app) == 0);
    PostMessageA(notepad.hwnd, WM_CLOSE, 0, 0);
    WaitExit(&notepad, 10000);
    CloseChild(&notepad);
    CloseChild(&app);
    LeaveScratchDir();
}
