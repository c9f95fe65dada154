// The "Mouse wheel" type through the real program, with injected input as a
// user gives it, against stand-ins for today's programs: they scroll on wheel
// messages only, zoom when Control is down, and record the keys and buttons
// they get. Control and the middle button must scroll them without reaching
// them, and reach them whole whenever they are not used for scrolling.
#include <doctest.h>
#include "e2e_support.h"
#include "e2e_support_session.h"
#include "input/inject.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"
#include "testkit/kit_gesture.h"
#include <functional>
#include <random>
#include <stdio.h>
#include <string>

static int LineTurn(UINT spi)
{
    UINT n = 3;
    SystemParametersInfoA(spi, 0, &n, 0);
    return n == 0 || n == 0xFFFFFFFFu ? 120 : (120 / n ? (int)(120 / n) : 1);
}

TEST_CASE("Control+drag scrolls wheel-only windows; Control never reaches them")
{
    SESSION s(WheelType);
    REQUIRE(s.app.hwnd);
    int line = LineTurn(SPI_GETWHEELSCROLLLINES), chars = LineTurn(SPI_GETWHEELSCROLLCHARS);
    // Control goes down before every move, as auto-repeat sends it.
    REQUIRE(PlayGesture("C+ v C+ v C+ v C+ v C+ v C+ v C-", 200, 250));
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
    REQUIRE(PlayGesture("C+ > C+ > C+ > C-", x, y));
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
    SESSION s(WheelType);
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

TEST_CASE("nothing is left pressed when scrolling goes OFF, or the program ends, mid-drag")
{
    SESSION s(WheelType);
    REQUIRE(s.app.hwnd);
    for (int round = 0; round < 3; round++) {
        CAPTURE(round);
        bool bExit = round == 2;
        bool bMiddle = round == 1;
        if (round > 0) {
            PostMessageA(s.app.hwnd, WM_COMMAND, IDM_START, 0);
            REQUIRE(WaitTitle(s.app.hwnd, TITLE_ON));
            // The last round's release came while OFF, unseen by the program,
            // which still counts the key as held (as it always has): a tap
            // tells it otherwise.
            InputsUpToMark();
        }
        REQUIRE(PlayGesture(bMiddle ? "M+ v v v" : "C+ v v v", 200, 250));
        CHECK(TakeWheels().size() == 3);
        if (bExit) {
            CHECK(EndVeltrac(&s.app) == 0);
        } else {
            PostMessageA(s.app.hwnd, WM_COMMAND, IDM_STOP, 0);
            REQUIRE(WaitTitle(s.app.hwnd, TITLE_OFF));
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

// The random run's rounds: every message type, each drag button, and the
// options that change what a drag does. Each round starts the program afresh;
// its first sequence begins with the first drag after start, its second with
// a chord during a flick, its third with a tap and another window in front,
// its fourth with a slow drag of the drag button.
struct RANDOMROUND {
    const char *szName;
    int nType, nDragButton, bMiddleBox, bStill, bGlide, bLock;
    bool bFirstWithButton;          // the first drag with the drag button, not Control
    int bUnderPointer;
};

static const RANDOMROUND randomRounds[] = {
    {"wheel type, middle button", MESSAGE_WHEEL, DRAG_BUTTON_MIDDLE, 1, 0, 0, 0, true, 0},
    {"wheel type, Back, still pointer, glide, lock", MESSAGE_WHEEL, DRAG_BUTTON_X1, 1, 1, 1, 1,
     true, 0},
    {"SendMessage, Forward, still pointer, glide", MESSAGE_SEND, DRAG_BUTTON_X2, 1, 1, 1, 0,
     false, 0},
    {"Automatic, the window under the pointer, middle button, glide, lock", MESSAGE_AUTO,
     DRAG_BUTTON_MIDDLE, 1, 0, 1, 1, true, 1},
    {"PostMessage, lock, the middle button through the hold key's flag", MESSAGE_POST,
     DRAG_BUTTON_MIDDLE, 0, 0, 0, 1, true, 0},
};

// What an input was, for the glide's exception to the time rule: a move, the
// release of a trigger whose press had nothing else pressed during it, or
// anything else (which stops a glide).
enum { GAVE_MOVE, GAVE_CLEAN_RELEASE, GAVE_OTHER };

struct GAVE {
    DWORD dwStart, dwEnd;           // GetTickCount before it was injected, and after
    int nKind;
};

// A wheel message of the program's own making: not the user's wheel, which
// the test tags, nor one the program gave back for the user.
static bool ProgramWheel(const WHEELRECORD &w)
{
    return w.extra != USER_WHEEL_TAG && w.extra != OWN_INPUT_TAG;
}

// One round of the random run: sequences of random input, each ended by
// letting go of everything, and checked during and after for what a user
// relies on:
//  - no wheel message of the program's reaches a window while its program
//    has Control, Shift or Alt down (a zoom, a sideways scroll, a menu);
//  - once every trigger is let go, a move moves the pointer, and where the
//    window in front is one the lists exclude, at once (the lock ends when
//    another window comes to the front);
//  - no wheel message of the program's comes more than 100 ms after the last
//    input, unless a glide began at a clean release;
//  - a drag button press whose hand left the drag box is no click: nothing
//    of it is given back;
//  - the first drag after start scrolls the way the hand went (wheel type);
//  - nothing is left pressed.
struct RANDOMRUN {
    const RANDOMROUND &r;
    SESSION &s;
    std::mt19937 random;
    std::vector<GAVE> gave;         // every input of the round
    std::vector<WHEELRECORD> wheels;
    std::string trail;              // this sequence's inputs by name, for the report
    bool ctl, shift, alt, c, left, other, button;      // down now
    bool bCtlSpoilt, bButtonSpoilt; // something else was pressed during the press
    bool bButtonPressed;            // the drag button went down in this sequence
    bool bButtonMoved;              // and the hand then left the drag box
    int nTravel;                    // the hand's way since the drag button went down
    bool bExcluded;                 // the excluded window is in front
    bool bHeldAcross;               // a trigger was down as it came to the front
    bool bPointerFailed, bLockFailed;    // reported once: each costs a deadline

    RANDOMRUN(const RANDOMROUND &round, SESSION &session, unsigned seed)
        : r(round), s(session), random(seed), ctl(false), shift(false), alt(false), c(false),
          left(false), other(false), button(false), bCtlSpoilt(false), bButtonSpoilt(false),
          bButtonPressed(false), bButtonMoved(false), nTravel(0), bExcluded(false),
          bHeldAcross(false), bPointerFailed(false), bLockFailed(false)
    {
    }

    // One input, with when it was given: a wheel message posted while its
    // injection was under way (the program's hooks run before it returns,
    // as slowly as the machine makes them) came at once.
    void Give(int nKind, const std::string &name, const std::function<void()> &inject)
    {
        gave.push_back({GetTickCount(), 0, nKind});
        inject();
        gave.back().dwEnd = GetTickCount();
        trail += name + " ";
    }
    // A press of anything but the trigger itself makes it no clean release.
    void Spoil(bool bByButton)
    {
        if (ctl)
            bCtlSpoilt = true;
        if (button && !bByButton)
            bButtonSpoilt = true;
    }
    void Control(bool bDown)
    {
        if (bDown) {
            if (button)
                bButtonSpoilt = true;
            bCtlSpoilt = false;
            Give(GAVE_OTHER, "ctl+", [] { KeyDown(VK_CONTROL); });
        } else {
            Give(bCtlSpoilt ? GAVE_OTHER : GAVE_CLEAN_RELEASE, "ctl-", [] { KeyUp(VK_CONTROL); });
        }
        ctl = bDown;
    }
    void DragButton(bool bDown)
    {
        if (bDown) {
            Spoil(true);
            bButtonSpoilt = false;
            bButtonPressed = true;
            nTravel = 0;
        }
        Give(bDown || bButtonSpoilt ? GAVE_OTHER : GAVE_CLEAN_RELEASE, bDown ? "drag+" : "drag-",
             [&] { DragButtonInput(r.nDragButton, bDown); });
        button = bDown;
    }
    void Key(WORD vk, bool &down, const char *name)
    {
        if (!down)
            Spoil(false);
        Give(GAVE_OTHER, std::string(name) + (down ? "-" : "+"),
             [&] { down ? KeyUp(vk) : KeyDown(vk); });
        down = !down;
    }
    void Left(bool bDown)
    {
        if (bDown)
            Spoil(false);
        INPUT in = MouseInput(bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
        Give(GAVE_OTHER, bDown ? "left+" : "left-", [&] { SendOne(in); });
        left = bDown;
    }
    // A button that does not drag: the middle one where a side button drags.
    void Other(bool bDown)
    {
        if (bDown)
            Spoil(false);
        Give(GAVE_OTHER, bDown ? "other+" : "other-", [&] {
            r.nDragButton == DRAG_BUTTON_MIDDLE ? BackButton(bDown) : MiddleButton(bDown);
        });
        other = bDown;
    }
    // A mouse's moves, of 2, 4 or 12 pixels, whose way is known whether the
    // pointer is held or not (the system may stretch the longer ones, never
    // shorten them); outside a drag button press also a tablet's places
    // within the plain window.
    void Move()
    {
        if (!button && random() % 2) {
            int y = 150 + (int)(random() % 200);
            Give(GAVE_MOVE, "to", [&] { MoveMouseTo(200, y); });
            return;
        }
        POINT pt = {};
        GetCursorPos(&pt);
        static const int anStep[] = {2, 4, 12};
        int sign = pt.y > 320 ? -1 : pt.y < 180 ? 1 : (random() % 2 ? 1 : -1);
        int d = sign * anStep[random() % 3];
        Give(GAVE_MOVE, d > 0 ? "down" : "up", [&] { MoveMouseBy(0, d); });
        nTravel += d;
        int box = GetSystemMetrics(SM_CYDRAG);
        if (button && (nTravel > box || -nTravel > box))
            bButtonMoved = true;
    }
    // A flick: three quick moves one way, such as a glide starts from.
    void Flick()
    {
        POINT pt = {};
        GetCursorPos(&pt);
        int sign = pt.y > 250 ? -1 : 1;
        for (int i = 1; i <= 3; i++) {
            Give(GAVE_MOVE, sign > 0 ? "flick" : "flick-up", [&] {
                if (button)
                    MoveMouseBy(0, 12 * sign);
                else
                    MoveMouseTo(200, pt.y + 40 * i * sign);
            });
            nTravel += 12 * sign;
            bButtonMoved = bButtonMoved || button;
        }
    }
    // The hand rests: a gap in the input, not a wait for anything (what the
    // last input caused has come by its end, but a glide: the time rule then
    // has something to see).
    void Pause()
    {
        trail += "pause ";
        Sleep(150);
    }
    void Step()
    {
        switch (random() % 27) {
        case 0: case 1: Control(!ctl); break;
        case 2:
            if (ctl)
                Give(GAVE_OTHER, "repeat", [] { KeyDown(VK_CONTROL); });
            break;
        case 3: Key(VK_SHIFT, shift, "shift"); break;
        case 4: Key(VK_MENU, alt, "alt"); break;
        case 5: Key('C', c, "C"); break;
        case 6: case 7:
            // One press of the drag button a sequence: its give-back is then its own.
            if (button || !bButtonPressed)
                DragButton(!button);
            else
                Move();
            break;
        case 8: Left(!left); break;
        case 9: Other(!other); break;
        case 10:
            Spoil(false);
            Give(GAVE_OTHER, "wheel", [&] { WheelTurn(random() % 2 ? 120 : -120); });
            break;
        case 11:
            trail += "busy ";
            RecorderBusy(100);
            break;
        case 12:
            if (!bExcluded && random() % 2) {
                trail += "front:excluded ";
                CHECK(RecorderForeground(s.rec.hExcluded));
                bExcluded = true;
                bHeldAcross = ctl || button;
            }
            break;
        case 13: Pause(); break;
        case 14: case 15: Flick(); break;
        default: Move(); break;
        }
    }
    // The first drag after start: down, and in the wheel type it scrolls down.
    void FirstDrag()
    {
        Give(GAVE_MOVE, "rest", [] { Rest(200, 250); });
        r.bFirstWithButton ? DragButton(true) : Control(true);
        for (int i = 0; i < 6; i++)
            Give(GAVE_MOVE, "down", [] { MoveMouseBy(0, 4); });
        bButtonMoved = r.bFirstWithButton;
        r.bFirstWithButton ? DragButton(false) : Control(false);
        if (r.nType != MESSAGE_WHEEL)
            return;
        std::vector<WHEELRECORD> w = TakeWheels();
        wheels.insert(wheels.end(), w.begin(), w.end());
        int nDown = 0, nUp = 0;
        for (const WHEELRECORD &k : w)
            if (ProgramWheel(k) && k.msg == WM_MOUSEWHEEL)
                (k.turn < 0 ? nDown : nUp)++;
        CHECK(nDown > 0);
        CHECK(nUp == 0);
    }
    // Control+C during a flick, and the hand rests: a chord, not a release.
    void ChordInFlick()
    {
        Control(true);
        Flick();
        Key('C', c, "C");
        Pause();
        Key('C', c, "C");
        Control(false);
    }
    // A tap (that locks, where the lock is on), a drag, and then another
    // window comes to the front: one the lists exclude. (In the classic
    // types a key press compares the last two reports: they are close.)
    void LockThenExcluded()
    {
        Give(GAVE_MOVE, "rest", [] { Rest(200, 250); });
        Control(true);
        Control(false);
        for (int i = 0; i < 3; i++)
            Move();
        trail += "front:excluded ";
        CHECK(RecorderForeground(s.rec.hExcluded));
        bExcluded = true;
        bHeldAcross = false;
    }
    // A slow drag of the drag button: 16 pixels in moves of 2.
    void SlowButtonDrag()
    {
        Give(GAVE_MOVE, "rest", [] { Rest(200, 250); });
        DragButton(true);
        for (int i = 0; i < 8; i++)
            Give(GAVE_MOVE, "down", [] { MoveMouseBy(0, 2); });
        bButtonMoved = true;
        DragButton(false);
    }
    void PointerFollows(const char *where)
    {
        if (bPointerFailed)
            return;
        POINT pt = {};
        GetCursorPos(&pt);
        int y = pt.y < 250 ? pt.y + 40 : pt.y - 40;
        Give(GAVE_MOVE, "to", [&] { MoveMouseTo(200, y); });
        bool bFollows = WaitFor([&] {
            POINT now = {};
            GetCursorPos(&now);
            return now.x == 200 && now.y == y;
        });
        CAPTURE(std::string(where));
        CHECK(bFollows);
        bPointerFailed = !bFollows;
    }
    void LockEnds(void)
    {
        if (bLockFailed)
            return;
        bool bEnded = WaitFor([&] { return !DragLockShown(s.app.hwnd); });
        CHECK(bEnded);
        bLockFailed = !bEnded;
    }
    bool IsDragButtonMessage(const INPUTRECORD &k)
    {
        switch (r.nDragButton) {
        case DRAG_BUTTON_X1: case DRAG_BUTTON_X2:
            return (k.msg == WM_XBUTTONDOWN || k.msg == WM_XBUTTONUP) &&
                   HIWORD(k.wParam) == (r.nDragButton == DRAG_BUTTON_X1 ? XBUTTON1 : XBUTTON2);
        default:
            return k.msg == WM_MBUTTONDOWN || k.msg == WM_MBUTTONUP;
        }
    }
    void CheckWheels(void)
    {
        std::vector<WHEELRECORD> w = TakeWheels();
        wheels.insert(wheels.end(), w.begin(), w.end());
        int nWithKeys = 0, nLate = 0;
        std::string first;
        for (const WHEELRECORD &k : wheels) {
            if (!ProgramWheel(k))
                continue;
            if (k.bControl || k.bShift || k.bAlt) {
                if (!nWithKeys++)
                    first += std::string("with") + (k.bControl ? " Control" : "") +
                             (k.bShift ? " Shift" : "") + (k.bAlt ? " Alt" : "") + "; ";
            }
            // The last input begun before it, and the last that was not a move.
            const GAVE *last = NULL, *lastPress = NULL;
            for (size_t i = gave.size(); i-- > 0;) {
                if ((LONG)(k.dwTime - gave[i].dwStart) < 0)
                    continue;
                if (!last)
                    last = &gave[i];
                if (gave[i].nKind != GAVE_MOVE) {
                    lastPress = &gave[i];
                    break;
                }
            }
            bool bGlide = r.bGlide && lastPress && lastPress->nKind == GAVE_CLEAN_RELEASE;
            LONG nAfter = last ? (LONG)(k.dwTime - last->dwEnd) : 0;
            if (nAfter > 100 && !bGlide && !nLate++)
                first += "late by " + std::to_string(nAfter) + " ms; ";
        }
        wheels.clear();
        CAPTURE(first);
        CHECK(nWithKeys == 0);
        CHECK(nLate == 0);
    }
    void EndSequence(void)
    {
        // Let go of whatever is down, as the user's fingers would.
        if (ctl) Control(false);
        if (button) DragButton(false);
        if (shift) Key(VK_SHIFT, shift, "shift");
        if (alt) Key(VK_MENU, alt, "alt");
        if (c) Key('C', c, "C");
        if (left) Left(false);
        if (other) Other(false);
        if (bExcluded) {
            PointerFollows("the excluded window in front");
            // A tap begun before the change and ended after it may lock or
            // not; a lock from before has ended.
            if (!bHeldAcross)
                LockEnds();
            CHECK(RecorderForeground(s.rec.hPlain));
            bExcluded = false;
        }
        // The mark's keys, given at once; the wait for them is no input.
        std::vector<INPUTRECORD> in;
        gave.push_back({GetTickCount(), GetTickCount(), GAVE_OTHER});
        trail += "mark ";
        bool bMarked = InputRecordsUpToMark(&in);
        CAPTURE(InputNames(in));
        CHECK(bMarked);
        if (bButtonMoved) {
            int nGiven = 0;
            for (const INPUTRECORD &k : in)
                nGiven += k.extra == OWN_INPUT_TAG && IsDragButtonMessage(k);
            CHECK(nGiven == 0);
        }
        // The mark came after the lock was shown as it is: a lock still on
        // ends at a tap.
        if (DragLockShown(s.app.hwnd)) {
            Give(GAVE_OTHER, "ctl+", [] { KeyDown(VK_CONTROL); });
            Give(GAVE_CLEAN_RELEASE, "ctl-", [] { KeyUp(VK_CONTROL); });
            LockEnds();
        }
        PointerFollows("every trigger let go");
        CheckWheels();
        std::string down;
        for (int vk : {VK_LCONTROL, VK_RCONTROL, VK_SHIFT, VK_MENU, (int)'C', VK_MBUTTON,
                       VK_LBUTTON, VK_XBUTTON1, VK_XBUTTON2})
            if (GetAsyncKeyState(vk) < 0)
                down += std::to_string(vk) + " ";
        CHECK(down == "");
    }
    void Sequence(int nSteps, int nSequence)
    {
        trail.clear();
        CAPTURE(trail);
        bButtonPressed = bButtonMoved = bHeldAcross = false;
        if (nSequence == 0)
            FirstDrag();
        if (nSequence == 1)
            ChordInFlick();
        if (nSequence == 2)
            LockThenExcluded();
        if (nSequence == 3)
            SlowButtonDrag();
        for (int i = 0; i < nSteps; i++)
            Step();
        EndSequence();
    }
};

TEST_CASE("a seeded random run of keys, buttons, wheels and moves leaves nothing pressed")
{
    for (size_t round = 0; round < sizeof randomRounds / sizeof randomRounds[0]; round++) {
        const RANDOMROUND &r = randomRounds[round];
        SUBCASE(r.szName) {
            SESSION s([&] {
                Settings.nMessageType = r.nType;
                Settings.bMiddleButton = r.bMiddleBox;
                Settings.nDragButton = r.nDragButton;
                Settings.bKeepPointerStill = r.bStill;
                Settings.bGlide = r.bGlide;
                Settings.bDragLock = r.bLock;
                Settings.bUnderPointer = r.bUnderPointer;
                Settings.bEdgeRepeat = 0;
                WriteBytes("list1.txt", EXCLUDED_TITLE "\r\n");
            });
            REQUIRE(s.app.hwnd);
            RANDOMRUN run(r, s, 20261207 + (unsigned)round);
            for (int i = 0; i < 8; i++) {
                CAPTURE(i);
                run.Sequence(24, i);
            }
            for (int vk : {VK_CONTROL, VK_SHIFT, VK_MENU, (int)'C', VK_MBUTTON, VK_LBUTTON,
                           VK_XBUTTON1, VK_XBUTTON2}) {
                CAPTURE(vk);
                CHECK_FALSE(RecorderKeyDown(vk));
                CHECK(GetAsyncKeyState(vk) >= 0);
            }
        }
    }
}

TEST_CASE("Wine's notepad scrolls in the wheel type too")
{
    EnterScratchDir("e2e_wheel_notepad");
    REQUIRE(WriteSettingsDat([] {
        Settings.nMessageType = MESSAGE_WHEEL;
        Settings.bEdgeRepeat = 0;
        Settings.bSaveOnExit = 0;
    }));
    CHILDPROC app = StartVeltrac("-start");
    HWND edit = NULL;
    CHILDPROC notepad = StartNotepad(&edit);
    REQUIRE(app.hwnd);
    REQUIRE(edit);
    CHECK(WaitTitle(app.hwnd, TITLE_ON));
    CHECK(MakeForeground(notepad.hwnd));
    RECT rc;
    GetWindowRect(edit, &rc);
    int x = (rc.left + rc.right) / 2, y = rc.top + 20;
    int before = FirstVisibleLine(edit);
    REQUIRE(PlayGesture("C+ v C+ v C+ v C+ v C+ v C-", x, y));
    // One wheel line per step, however notepad adds them up.
    CHECK(WaitFor([&] { return FirstVisibleLine(edit) - before == 5; }));
    CHECK_FALSE(AnyDown());
    CHECK(EndVeltrac(&app) == 0);
    StopChild(&notepad);
    CloseChild(&app);
    LeaveScratchDir();
}
