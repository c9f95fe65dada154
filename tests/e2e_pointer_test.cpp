// "Scroll the Window Under the Pointer" through the real program: a drag
// that begins over a stand-in behind the one in front scrolls it, looked
// beneath a tooltip and a click-through overlay, but never the shell's tray
// or a popup whose owner the lists exclude; without the option the window
// in front is scrolled as before.
#include <doctest.h>
#include "e2e_support_session.h"
#include "scroll/settings.h"
#include "testkit/kit_gesture.h"
#include <string>

// Where the drag begins: over the window behind, over something above it,
// or over a window of its own.
enum { OVER_BEHIND, OVER_TOOLTIP, OVER_OVERLAY, OVER_TRAY, OVER_POPUP };

// What is scrolled, and where.
enum { GETS_NOTHING, GETS_BEHIND_LINES, GETS_BEHIND_WHEELS, GETS_FRONT_WHEELS };

struct POINTERROW {
    const char *szName;
    int bUnderPointer, nType;
    int nOver;
    int nGets;
    const char *szKeys;         // what the window in front got of the keys; NULL not looked at
};

static const POINTERROW pointerRows[] = {
    // A classic type by posting: a send may time out on a loaded machine, and
    // the step is then dropped, as it must be inside a hook.
    {"PostMessage: the window behind, in its classic child", 1, MESSAGE_POST, OVER_BEHIND,
     GETS_BEHIND_LINES, NULL},
    {"Automatic: the window behind", 1, MESSAGE_AUTO, OVER_BEHIND, GETS_BEHIND_WHEELS, NULL},
    {"a tooltip above it is looked beneath", 1, MESSAGE_AUTO, OVER_TOOLTIP, GETS_BEHIND_WHEELS,
     NULL},
    {"a click-through overlay above it is looked beneath", 1, MESSAGE_AUTO, OVER_OVERLAY,
     GETS_BEHIND_WHEELS, NULL},
    {"the shell's tray: nothing, and Control reaches the program", 1, MESSAGE_AUTO, OVER_TRAY,
     GETS_NOTHING, "kdCtl kdCtl kdCtl kuCtl "},
    {"a popup whose owner's title is excluded: nothing", 1, MESSAGE_AUTO, OVER_POPUP,
     GETS_NOTHING, NULL},
    {"without the option: the window in front", 0, MESSAGE_AUTO, OVER_BEHIND, GETS_FRONT_WHEELS,
     NULL},
};

// The wheel deltas and line codes each window got, added up: "front:-240"
// the one in front, "behind:-288" or "behind:sD3" the rich edit behind,
// "other:N" messages to any other window.
struct TALLY {
    int nFront, nBehind, nOther;
    LONG anLines[DIR_COUNT];
};

static void Tally(TALLY *t, HWND hFront, HWND hBehind)
{
    for (const WHEELRECORD &w : TakeWheels()) {
        if (w.hwnd == hFront && w.msg == WM_MOUSEWHEEL)
            t->nFront += w.turn;
        else if (w.hwnd == hBehind && w.msg == WM_MOUSEWHEEL)
            t->nBehind += w.turn;
        else
            t->nOther++;
    }
    for (const SCROLLRECORD &k : TakeScrolls()) {
        if (k.hwnd == hBehind && k.msg == WM_VSCROLL && (k.code == SB_LINEDOWN || k.code == SB_LINEUP))
            t->anLines[k.code == SB_LINEDOWN ? DIR_DOWN : DIR_UP]++;
        else
            t->nOther++;
    }
}

static std::string Text(const TALLY &t)
{
    std::string s, lines = DirectionText(t.anLines);
    if (t.nFront)
        s += "front:" + std::to_string(t.nFront) + " ";
    if (t.nBehind || !lines.empty())
        s += "behind:" + (t.nBehind ? std::to_string(t.nBehind) : "s" + lines) + " ";
    if (t.nOther)
        s += "other:" + std::to_string(t.nOther);
    return s;
}

// Three moves of 12 pixels down: three line codes in the classic types; in
// Automatic the formula's amount, exact to the rich edit, in whole notches
// to the plain window.
static std::string Expected(int nGets);

// Whether the tally is what the row expects. A classic step is dropped
// when its tick ran out of time (it runs inside the input hooks, which a
// loaded machine slows down): there, which window got the lines is what
// counts, and at least one of them must have come.
static bool AsExpected(const TALLY &t, int nGets)
{
    if (Text(t) == Expected(nGets))
        return true;
    return nGets == GETS_BEHIND_LINES && t.anLines[DIR_DOWN] >= 1 && t.anLines[DIR_DOWN] <= 3 &&
           !t.anLines[DIR_UP] && !t.nFront && !t.nBehind && !t.nOther;
}

static std::string Expected(int nGets)
{
    UINT nLines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0);
    const SETTINGS &d = DefaultRecord();
    int nDelta = 3 * 12 * d.nScrollTimes * (int)(120 / (nLines ? nLines : 3)) / d.nSensitivity;
    TALLY t = {};
    switch (nGets) {
    case GETS_BEHIND_LINES: t.anLines[DIR_DOWN] = 3; break;
    case GETS_BEHIND_WHEELS: t.nBehind = -nDelta; break;
    case GETS_FRONT_WHEELS: t.nFront = -(nDelta / 120 * 120); break;
    }
    return Text(t);
}

TEST_CASE("a drag scrolls the window under the pointer where it begins, as the option says")
{
    for (const POINTERROW &r : pointerRows) {
        SUBCASE(r.szName) {
            SESSION s([&] {
                Settings.nMessageType = r.nType;
                Settings.bEdgeRepeat = 0;
                Settings.bUnderPointer = r.bUnderPointer;
                WriteBytes("list1.txt", EXCLUDED_TITLE "\r\n");
            });
            REQUIRE(s.app.hwnd);
            // The window behind: a frame beside the one in front (the plain
            // window, 50,100 to 450,400), its rich edit filling it. Whatever
            // lies above it covers the whole of the drag's way.
            HWND frame = RecorderStandIn({"BehindFrame", "Behind", NULL, NULL, 480, 60, 420, 300,
                                          0, 0});
            REQUIRE(frame);
            RECT rc;
            GetClientRect(frame, &rc);
            HWND behind = RecorderStandIn({"RichEdit20W", NULL, frame, NULL, 10, 10,
                                           rc.right - 20, rc.bottom - 20, 0, 0});
            REQUIRE(behind);
            int x = 640, y = 140;
            HWND above = NULL;
            switch (r.nOver) {
            case OVER_TOOLTIP:
                above = RecorderStandIn({"tooltips_class32", "", NULL, NULL, x - 60, y - 20, 160,
                                         100, WS_POPUP | WS_BORDER, WS_EX_TOPMOST});
                break;
            case OVER_OVERLAY:
                above = RecorderStandIn({"OverlayStandIn", "", NULL, NULL, x - 60, y - 20, 160, 100,
                                         WS_POPUP,
                                         WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TRANSPARENT});
                break;
            case OVER_TRAY:
                above = RecorderStandIn({"Shell_TrayWnd", "", NULL, NULL, x - 60, y - 20, 160, 100,
                                         WS_POPUP | WS_BORDER, WS_EX_TOPMOST});
                break;
            case OVER_POPUP: {
                above = RecorderStandIn({"PopupStandIn", "Find", NULL, s.rec.hExcluded, x - 60,
                                         y - 20, 160, 100, WS_POPUP | WS_BORDER, 0});
                REQUIRE(above);
                GetClientRect(above, &rc);
                HWND child = RecorderStandIn({"RichEdit20W", NULL, above, NULL, 0, 0, rc.right,
                                              rc.bottom, 0, 0});
                REQUIRE(child);
                break;
            }
            }
            if (r.nOver != OVER_BEHIND)
                REQUIRE(above);
            // The plain window in front, with the focus, and nothing else above.
            REQUIRE(RecorderForeground(s.rec.hPlain));
            CHECK(GetForegroundWindow() == s.rec.hPlain);
            // The window system shows them where the drag begins (a
            // click-through overlay it looks beneath itself).
            HWND hTop = r.nOver == OVER_BEHIND || r.nOver == OVER_OVERLAY ? behind
                        : r.nOver == OVER_POPUP                            ? NULL
                                                                           : above;
            if (hTop)
                CHECK(WaitFor([&] { return WindowFromPoint(POINT{x, y}) == hTop; }));
            TALLY t = {};
            Tally(&t, s.rec.hPlain, behind);
            t = TALLY{};
            TakeInputs();

            REQUIRE(PlayGesture("C+ v C+ v C+ v C-", x, y));
            std::string expected = Expected(r.nGets);
            WaitFor([&] {
                Tally(&t, s.rec.hPlain, behind);
                return Text(t) == expected;
            });
            CAPTURE(expected);
            CHECK_MESSAGE(AsExpected(t, r.nGets), Text(t));
            CHECK(GetForegroundWindow() == s.rec.hPlain);     // a drag activates nothing
            if (r.szKeys)
                CHECK(InputsUpToMark() == r.szKeys);
            // Nothing more came later, while the mark went through.
            Tally(&t, s.rec.hPlain, behind);
            CHECK_MESSAGE(AsExpected(t, r.nGets), Text(t));
            CHECK_FALSE(AnyDown());
        }
    }
}
