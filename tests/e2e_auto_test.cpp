// The "Automatic" type through the real program: stand-ins of the classes
// its table names, each dragged with Control held, get what their row of
// the table says (exact wheel deltas, whole notches, line codes, or
// nothing), and every wheel message is a plain one: no key flags, a point
// over its window, never with Control down.
#include <doctest.h>
#include "e2e_support_session.h"
#include "scroll/settings.h"
#include "testkit/kit_gesture.h"
#include <stdio.h>
#include <string>

// What one line is worth in wheel delta (L lines or characters a notch).
static int LineDelta(UINT spi)
{
    UINT n = 3;
    SystemParametersInfoA(spi, 0, &n, 0);
    return n == 0 || n == 0xFFFFFFFFu ? 40 : (int)(120 / n);
}

// What came to a receiver, as text: "V-576~" the vertical wheel deltas'
// sum ("~" when some delta was no multiple of 120), "H+96" the sideways
// ones, "sD7" / "sR14" line codes by direction; "" nothing.
struct CAME {
    int nV, nH;
    bool bVOdd, bHOdd;
    LONG anLines[DIR_COUNT];
    int nElsewhere;             // wheel or scroll messages to any other window
};

static std::string Text(const CAME &c)
{
    char sz[64] = "";
    std::string s;
    if (c.nV || c.bVOdd)
        s += (snprintf(sz, sizeof sz, "V%+d%s ", c.nV, c.bVOdd ? "~" : ""), sz);
    if (c.nH || c.bHOdd)
        s += (snprintf(sz, sizeof sz, "H%+d%s ", c.nH, c.bHOdd ? "~" : ""), sz);
    std::string lines = DirectionText(c.anLines);
    if (!lines.empty())
        s += "s" + lines + " ";
    if (c.nElsewhere)
        s += "elsewhere:" + std::to_string(c.nElsewhere);
    return s;
}

// How a row's axis is delivered, as the table says for its class.
enum { GETS_NOTHING, GETS_PRECISE, GETS_NOTCHED, GETS_LINES };

// The text a drag of nDelta (the formula's whole amount) on one axis gives.
static std::string Expected(int nGets, bool bHorizontal, int nDelta, int nLineDelta)
{
    CAME c = {};
    int *pn = bHorizontal ? &c.nH : &c.nV;
    switch (nGets) {
    case GETS_PRECISE:
        *pn = nDelta;
        (bHorizontal ? c.bHOdd : c.bVOdd) = nDelta % 120 != 0 || nDelta / 120 == 0;
        break;
    case GETS_NOTCHED: *pn = nDelta / 120 * 120; break;
    case GETS_LINES:
        c.anLines[bHorizontal ? (nDelta > 0 ? DIR_RIGHT : DIR_LEFT)
                              : (nDelta > 0 ? DIR_UP : DIR_DOWN)] =
            (nDelta < 0 ? -nDelta : nDelta) / nLineDelta;
        break;
    }
    return Text(c);
}

struct AUTOROW {
    const char *szName;
    const char *szRoot;         // the top-level window's class
    const char *szReceiver;     // its child's class, which receives; NULL the root itself
    bool bHorizontal;           // a drag to the right, else down
    int nGets;
};

static const AUTOROW autoRows[] = {
    {"Chromium's page, down: exact deltas", "Chrome_WidgetWin_1", "Chrome_RenderWidgetHostHWND",
     false, GETS_PRECISE},
    {"Chromium's page, sideways: exact deltas", "Chrome_WidgetWin_1",
     "Chrome_RenderWidgetHostHWND", true, GETS_PRECISE},
    {"WPF, down: whole notches", "HwndWrapper[Veltrac.Tests;;7f3a]", NULL, false, GETS_NOTCHED},
    {"WPF, sideways: nothing", "HwndWrapper[Veltrac.Tests;;7f3a]", NULL, true, GETS_NOTHING},
    {"Excel's sheet, down: whole notches", "XLMAIN", "EXCEL7", false, GETS_NOTCHED},
    {"Excel's sheet, sideways: line codes", "XLMAIN", "EXCEL7", true, GETS_LINES},
    {"a combo box, down: nothing", "ComboHost", "ComboBox", false, GETS_NOTHING},
};

static void AutoType(void)
{
    Settings.nMessageType = MESSAGE_AUTO;
    Settings.bEdgeRepeat = 0;
}

TEST_CASE("Automatic scrolls each stand-in the way its class wants, by plain wheel messages")
{
    SESSION s(AutoType);
    REQUIRE(s.app.hwnd);
    int nLine = LineDelta(SPI_GETWHEELSCROLLLINES), nChar = LineDelta(SPI_GETWHEELSCROLLCHARS);
    const SETTINGS &d = DefaultRecord();
    for (const AUTOROW &r : autoRows) {
        CAPTURE(std::string(r.szName));
        // Away from the screen's middle, where Wine's X pointer rests.
        HWND root = RecorderStandIn({r.szRoot, r.szName, NULL, NULL, 480, 60, 420, 300, 0, 0});
        REQUIRE(root);
        RECT rc;
        GetClientRect(root, &rc);
        HWND receiver = r.szReceiver ? RecorderStandIn({r.szReceiver, NULL, root, NULL, 10, 10,
                                                         rc.right - 20, rc.bottom - 20, 0, 0})
                                     : root;
        REQUIRE(receiver);
        REQUIRE(RecorderForeground(receiver));
        TakeWheels();
        TakeScrolls();
        TakeInputs();

        // Six moves of 12 pixels: the formula's amount, down or to the right.
        RECT rr, rroot;
        GetWindowRect(receiver, &rr);
        GetWindowRect(root, &rroot);
        int x = rr.left + 40, y = rr.top + 40;
        int nPerNotch = r.bHorizontal ? nChar : nLine;
        int nDelta = 6 * 12 * d.nScrollTimes * nPerNotch / d.nSensitivity;
        std::string expected = Expected(r.nGets, r.bHorizontal, r.bHorizontal ? nDelta : -nDelta,
                                        r.bHorizontal ? nChar : nLine);
        REQUIRE(PlayGesture(r.bHorizontal ? "C+ > C+ > C+ > C+ > C+ > C+ > C-"
                                          : "C+ v C+ v C+ v C+ v C+ v C+ v C-",
                            x, y));
        // What waits for the next gap comes from a timer: wait for the whole.
        CAME came = {};
        std::vector<WHEELRECORD> all;
        WaitFor([&] {
            for (const WHEELRECORD &w : TakeWheels()) {
                all.push_back(w);
                if (w.hwnd != receiver)
                    came.nElsewhere++;
                else if (w.msg == WM_MOUSEHWHEEL)
                    came.nH += w.turn, came.bHOdd |= w.turn % 120 != 0;
                else
                    came.nV += w.turn, came.bVOdd |= w.turn % 120 != 0;
            }
            for (const SCROLLRECORD &k : TakeScrolls()) {
                if (k.hwnd != receiver)
                    came.nElsewhere++;
                else if (k.msg == WM_VSCROLL && (k.code == SB_LINEDOWN || k.code == SB_LINEUP))
                    came.anLines[k.code == SB_LINEDOWN ? DIR_DOWN : DIR_UP]++;
                else if (k.msg == WM_HSCROLL && (k.code == SB_LINERIGHT || k.code == SB_LINELEFT))
                    came.anLines[k.code == SB_LINERIGHT ? DIR_RIGHT : DIR_LEFT]++;
                else
                    came.nElsewhere++;
            }
            return Text(came) == expected;
        });
        CHECK(Text(came) == expected);
        for (const WHEELRECORD &w : all) {
            CHECK(w.keys == 0);
            CHECK_FALSE(w.bControl);
            CHECK_FALSE(w.bControlAsync);
            // The pointer's point, on the drag's line, over the receiver's root.
            CHECK((r.bHorizontal ? w.y == y : w.x == x));
            CHECK(w.x >= rroot.left);
            CHECK(w.x < rroot.right);
            CHECK(w.y >= rroot.top);
            CHECK(w.y < rroot.bottom);
        }
        // Never scrolled: the press stays the program's, which has the focus there.
        if (r.nGets == GETS_NOTHING && !r.bHorizontal) {
            std::string keys;
            CHECK(WaitFor([&] {
                keys += InputNames(TakeInputs());
                return keys.find("kuCtl@ComboBox") != std::string::npos;
            }));
            CAPTURE(keys);
            CHECK(keys.rfind("kdCtl@ComboBox ", 0) == 0);
        }
        CHECK_FALSE(AnyDown());
        PostMessageA(root, WM_CLOSE, 0, 0);
        CHECK(WaitFor([&] { return !IsWindow(root); }));
    }
}
