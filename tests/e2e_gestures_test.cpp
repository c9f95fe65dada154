// Gestures through the real program, one row each: a script of keys,
// buttons, wheel turns and moves (kit_gesture.h) played at a point over the
// target in front, under settings of the row's, and what it must come to:
// the keys and buttons the program in front got (up to a mark), the steps
// scrolled by direction (Scrolled), and whether drag scrolling is locked.
// Consecutive rows with the same settings share one start of the program,
// in order; every row ends with nothing left pressed.
#include <doctest.h>
#include "e2e_support_session.h"
#include "scroll/settings.h"
#include "testkit/kit_gesture.h"
#include <memory>
#include <string>

static void BackDrags(void)
{
    WheelNoEdges();
    Settings.bMiddleButton = 1;
    Settings.nDragButton = DRAG_BUTTON_X1;
}

// Back drags with the pointer held still: each move of 2 pixels stays
// within the drag box of the held point, but the hand goes 20 pixels.
static void HeldBackSend(void)
{
    BackDrags();
    Settings.nMessageType = MESSAGE_SEND;
    Settings.bKeepPointerStill = 1;
}

static void HeldBackWheel(void)
{
    HeldBackSend();
    Settings.nMessageType = MESSAGE_WHEEL;
    Settings.nSensitivity = 30;
}

// No move of these rows is a step: a press that wanders scrolls nothing.
static void WanderNoLock(void)
{
    WheelType();
    Settings.bEdgeScroll = 0;
    Settings.nSensitivity = 1000;
}

static void WanderLock(void)
{
    WanderNoLock();
    Settings.bDragLock = 1;
}

static void ClassicDefaults(void) {}

static void PostOneAxis(void)
{
    Settings.nMessageType = MESSAGE_POST;
    Settings.bEdgeRepeat = 0;
    Settings.bOneAxis = 1;
}

static void WheelOneAxis(void)
{
    PostOneAxis();
    Settings.nMessageType = MESSAGE_WHEEL;
}

static void PostReverse(void)
{
    Settings.nMessageType = MESSAGE_POST;
    Settings.bEdgeRepeat = 0;
    Settings.bReverse = 1;
    Settings.bArrowKeys = 1;
}

static void WheelReverse(void)
{
    PostReverse();
    Settings.nMessageType = MESSAGE_WHEEL;
}

static void SendNoRepeat(void)
{
    Settings.nMessageType = MESSAGE_SEND;
    Settings.bEdgeRepeat = 0;
}

enum { PLAIN, CLASSIC };        // the recorder's plain window, or a thread target
enum { ANY = -1 };              // a lock not looked at

struct GESTUREROW {
    const char *szName;
    void (*pfnSettings)(void);
    int nTarget;
    int x, y;
    const char *szScript;
    const char *szInputs;       // InputsUpToMark (stand-ins only), NULL: no mark made, so
                                // what reached the program counts in the next mark
    const char *szScrolled;     // Scrolled, NULL: not compared
    int nLocked;
};

static const GESTUREROW rows[] = {
    // Control and the middle button scroll wheel-only programs without
    // reaching them, and reach them whole whenever they do not scroll.
    {"a Control tap reaches the program whole", WheelType, PLAIN, 200, 250, "C",
     "kdCtl kuCtl ", "", ANY},
    {"Control+C reaches it whole", WheelType, PLAIN, 200, 250, "C+ #C C-",
     "kdCtl kdC ch3^ kuC kuCtl ", "", ANY},
    {"Control+click reaches it whole", WheelType, PLAIN, 200, 250, "C+ L C-",
     "kdCtl ld^ lu^ kuCtl ", "", ANY},
    {"Control+wheel is the program's own zoom, and stays one", WheelType, PLAIN, 200, 250,
     "C+ W C-", "kdCtl kuCtl ", "^U1", ANY},
    {"a middle click arrives as a click", WheelType, PLAIN, 200, 250, "M", "md mu ", "", ANY},
    {"a middle drag arrives as wheel messages only", WheelType, PLAIN, 200, 250,
     "M+ ^ ^ ^ ^ M-", "", "U4", ANY},
    {"after Control+C with Control still down, moves scroll no more", WheelType, PLAIN, 200,
     200, "C+ #C v v v C-", "kdCtl kdC ch3^ kuC kuCtl ", "", ANY},
    {"after it was let go, a new press drags again", WheelType, PLAIN, 200, 200,
     "C+ v v v C-", "", "D3", ANY},
    // A slow drag: 30 moves of a pixel, sensitivity 5.
    {"a slow drag scrolls by distance in the wheel type", WheelNoEdges, PLAIN, 200, 150,
     "C+ v1*30 C-", "", "D5", ANY},
    {"a slow drag scrolls nothing in a classic type", ClassicDefaults, CLASSIC, 250, 200,
     "C+ v1*30 C-", NULL, "", ANY},
    // The Back button as the drag button.
    {"Back drags scroll, and no X button message comes", BackDrags, PLAIN, 200, 150,
     "B+ v v v B-", "", "D3", ANY},
    {"a Back click is Back, as ever", BackDrags, PLAIN, 200, 150, "B", "xd xu ", "", ANY},
    {"the middle button is any button then", BackDrags, PLAIN, 200, 150, "M+ v v v M-",
     "md mu ", "", ANY},
    {"pointer held, SendMessage: a slow Back drag of 20 pixels is no click", HeldBackSend,
     PLAIN, 200, 150, "B+ ~v2*10 B-", "", NULL, ANY},
    {"pointer held, wheel type: a slow Back drag of 20 pixels is no click", HeldBackWheel,
     PLAIN, 200, 150, "B+ ~v2*10 B-", "", NULL, ANY},
    // A press that wandered off and scrolled nothing: without the lock
    // option a click would be given back; with it, a tap would lock.
    {"a middle press that wandered off is no click", WanderNoLock, PLAIN, 200, 250,
     "M+ v20 v20 M-", "", "", 0},
    {"a Control press that wandered off is no tap", WanderNoLock, PLAIN, 200, 250,
     "C+ >30 C-", "", "", 0},
    {"with the lock option, a middle press that wandered off is no tap", WanderLock, PLAIN,
     200, 250, "M+ v20 v20 M-", "", "", 0},
    {"with the lock option, a Control press that wandered off is no tap", WanderLock, PLAIN,
     200, 250, "C+ >30 C-", "", "", 0},
    // One direction at a time: a drag that wanders sideways scrolls one
    // axis, and a new press picks again. Control goes down before every
    // move, as auto-repeat sends it.
    {"one axis, classic: the first move picks the axis", PostOneAxis, CLASSIC, 700, 450,
     "C+ v C+ v> C+ v> C+ > C+ > C-", NULL, "D3", ANY},
    {"one axis, classic: a new press picks again", PostOneAxis, CLASSIC, 700, 450,
     "C+ < C+ <v C+ <v C-", NULL, "L3", ANY},
    {"one axis, wheel type: the first move picks the axis", WheelOneAxis, PLAIN, 200, 200,
     "C+ v C+ v> C+ v> C+ > C+ > C-", "", "D3", ANY},
    {"one axis, wheel type: a new press picks again", WheelOneAxis, PLAIN, 200, 200,
     "C+ < C+ <v C+ <v C-", "", "L3", ANY},
    // Reverse: drags go the other way, edges and arrow keys do not (an
    // arrow's press and release are two steps).
    {"reverse, classic: a drag", PostReverse, CLASSIC, 700, 450, "C+ v C+ v C+ > C-", NULL,
     "U2L1", ANY},
    {"reverse, classic: the top edge", PostReverse, CLASSIC, 700, 450, "@700,0", NULL,
     "U1", ANY},
    {"reverse, classic: the Down arrow", PostReverse, CLASSIC, 700, 450, "#Down", NULL, "D2",
     ANY},
    {"reverse, wheel type: a drag", WheelReverse, PLAIN, 200, 200, "C+ v C+ v C+ > C-", NULL,
     "U2L1", ANY},
    {"reverse, wheel type: the top edge", WheelReverse, PLAIN, 200, 200, "@200,0",
     NULL, "U1", ANY},
    {"reverse, wheel type: the Down arrow", WheelReverse, PLAIN, 200, 200, "#Down", NULL, "D2",
     ANY},
    // The middle button box off: the button drags through the hold key's
    // held state, and nothing was pressed since the program started.
    {"the first middle drag after start scrolls", SendNoRepeat, CLASSIC, 700, 450,
     "M+ v v v M-", NULL, "D3", ANY},
};

TEST_CASE("gestures: what each one scrolls and what reaches the program in front")
{
    std::unique_ptr<SESSION> s;
    for (size_t i = 0; i < sizeof rows / sizeof rows[0]; i++) {
        const GESTUREROW &r = rows[i];
        std::string name = r.szName;
        CAPTURE(name);
        if (i == 0 || r.pfnSettings != rows[i - 1].pfnSettings ||
            r.nTarget != rows[i - 1].nTarget) {
            s.reset();                           // the last one ends before the next starts
            s.reset(new SESSION(r.pfnSettings, r.nTarget == CLASSIC));
            REQUIRE(s->app.hwnd);
        }
        POINT end;
        REQUIRE(PlayGesture(r.szScript, r.x, r.y, &end));
        if (r.nTarget == PLAIN && r.szInputs) {
            Rest(end.x, end.y);                  // the mark's Control press compares reports
            CHECK(InputsUpToMark() == std::string(r.szInputs));
        }
        if (r.nTarget == PLAIN) {
            CHECK_FALSE(RecorderKeyDown(VK_CONTROL));
            CHECK_FALSE(RecorderKeyDown(VK_MBUTTON));
        }
        std::string scrolled = Scrolled(*s);
        if (r.szScrolled)
            CHECK(scrolled == std::string(r.szScrolled));
        if (r.nLocked != ANY)
            CHECK(WaitFor([&] { return DragLockShown(s->app.hwnd) == (r.nLocked != 0); }));
        CHECK_FALSE(AnyDown());
    }
}
