// Rules per program (programs.txt) through the real program: the stand-ins
// belong to this test program, so a rule naming it changes what the same
// drag does to them; a rule changed in the file applies at the next drag,
// and a file with lines the program cannot read is still read, and never
// rewritten by a save.
#include <doctest.h>
#include "e2e_support_session.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "testkit/kit_gesture.h"
#include <string>

// This test program's file name without ".exe", as a rule names it.
static std::string ThisProgram(void)
{
    char sz[MAX_PATH] = "";
    GetModuleFileNameA(NULL, sz, sizeof sz);
    std::string name = sz;
    name = name.substr(name.find_last_of("\\/") + 1);
    return name.substr(0, name.rfind('.'));
}

static bool WriteRules(const std::string &rules)
{
    return WriteBytes("programs.txt", rules);
}

// What the stand-in got, by direction, added up over calls: its wheel
// messages ("D3"), then "s" and its line codes, then "^" and the wheels
// that came with Control down.
struct GOT {
    LONG anWheels[DIR_COUNT], anLines[DIR_COUNT], anControl[DIR_COUNT];
};

static std::string Got(HWND hwnd, GOT *g)
{
    for (const WHEELRECORD &w : TakeWheels())
        if (w.hwnd == hwnd)
            (w.bControl ? g->anControl : g->anWheels)[w.msg == WM_MOUSEHWHEEL
                                                          ? (w.turn > 0 ? DIR_RIGHT : DIR_LEFT)
                                                          : (w.turn > 0 ? DIR_UP : DIR_DOWN)]++;
    for (const SCROLLRECORD &k : TakeScrolls())
        if (k.hwnd == hwnd && k.msg == WM_VSCROLL && (k.code == SB_LINEDOWN || k.code == SB_LINEUP))
            g->anLines[k.code == SB_LINEDOWN ? DIR_DOWN : DIR_UP]++;
    std::string lines = DirectionText(g->anLines), control = DirectionText(g->anControl);
    return DirectionText(g->anWheels) + (lines.empty() ? "" : "s" + lines) +
           (control.empty() ? "" : "^" + control);
}

// What it got of one drag: everything until it is what was expected, or
// the deadline passed.
static std::string GotOfDrag(HWND hwnd, const std::string &expected)
{
    GOT g = {};
    std::string got;
    WaitFor([&] { return (got = Got(hwnd, &g)) == expected; });
    return got;
}

struct RULEROW {
    const char *szName;
    const char *szRule;         // after the program's name; NULL no file
    int nType;
    bool bChromium;             // dragged over a Chromium page, else the plain window
    const char *szGot;
    const char *szKeys;         // what the stand-in got of the keys
};

// Three moves of 12 pixels down, a line each in the wheel type (whole
// notches to the plain window); over Chromium in Automatic, the formula's
// amount (288 with 3 lines a notch) by line codes of 40.
static const RULEROW ruleRows[] = {
    {"no rule", NULL, MESSAGE_WHEEL, false, "D3", ""},
    {"a rule of another class changes nothing", " class=Nothing* reverse=on", MESSAGE_WHEEL,
     false, "D3", ""},
    {"speed=200% doubles the lines", " speed=200%", MESSAGE_WHEEL, false, "D6", ""},
    {"reverse=on reverses them", " reverse=on", MESSAGE_WHEEL, false, "U3", ""},
    {"off leaves it alone, and Control reaches it", " off", MESSAGE_WHEEL, false, "",
     "kdCtl kdCtl kdCtl kuCtl "},
    {"delivery=lines gives Chromium line codes", " delivery=lines", MESSAGE_AUTO, true, "sD7",
     NULL},
    {"speed=200% doubles Automatic's amount", " delivery=lines speed=200%", MESSAGE_AUTO, true,
     "sD14", NULL},
};

TEST_CASE("a rule for the program of a window changes what a drag does there")
{
    for (const RULEROW &r : ruleRows) {
        SUBCASE(r.szName) {
            SESSION s([&] {
                Settings.nMessageType = r.nType;
                Settings.bEdgeRepeat = 0;
                if (r.szRule)
                    WriteRules("; rules of the test\r\n" + ThisProgram() + r.szRule + "\r\n");
            });
            REQUIRE(s.app.hwnd);
            HWND hwnd = s.rec.hPlain;
            if (r.bChromium) {
                HWND root = RecorderStandIn({"Chrome_WidgetWin_1", "Page", NULL, NULL, 480, 60,
                                             420, 300, 0, 0});
                REQUIRE(root);
                RECT rc;
                GetClientRect(root, &rc);
                hwnd = RecorderStandIn({"Chrome_RenderWidgetHostHWND", NULL, root, NULL, 0, 0,
                                        rc.right, rc.bottom, 0, 0});
                REQUIRE(hwnd);
                REQUIRE(RecorderForeground(hwnd));
                GOT g = {};
                Got(hwnd, &g);
            }
            RECT rc;
            GetWindowRect(hwnd, &rc);
            REQUIRE(PlayGesture("C+ v C+ v C+ v C-", rc.left + 100, rc.top + 40));
            CHECK(GotOfDrag(hwnd, r.szGot) == r.szGot);
            if (r.szKeys)
                CHECK(InputsUpToMark() == r.szKeys);
            GOT later = {};
            CHECK(Got(hwnd, &later) == "");
            CHECK_FALSE(AnyDown());
        }
    }
}

TEST_CASE("a rule changed in the file applies at the next drag, without a restart")
{
    SESSION s([] {
        Settings.nMessageType = MESSAGE_WHEEL;
        Settings.bEdgeRepeat = 0;
    });
    REQUIRE(s.app.hwnd);
    REQUIRE(PlayGesture("C+ v C+ v C+ v C-", 200, 150));
    CHECK(GotOfDrag(s.rec.hPlain, "D3") == "D3");
    // The program looks at the file's time at most once a second: the
    // drags until then do what the last rule said. A drag is whole either
    // way: the rules are matched at its press.
    const char *asRules[] = {" reverse=on", " speed=200%", NULL};
    const char *asGot[] = {"U3", "D6", "D3"};
    for (int i = 0; i < 3; i++) {
        CAPTURE(i);
        REQUIRE(WriteRules(asRules[i] ? ThisProgram() + asRules[i] + "\r\n" : ""));
        std::string got;
        CHECK(WaitFor([&] {
            PlayGesture("C+ v C+ v C+ v C-", 200, 150);
            GOT g = {};
            got = Got(s.rec.hPlain, &g);
            return got == asGot[i];
        }, 20000));
        CAPTURE(got);
    }
}

TEST_CASE("a file with lines the program cannot read is read, and kept byte for byte at save")
{
    // Bare line ends, an unknown key, a bad value, an unclosed quote, and
    // between them a good rule.
    const std::string bytes = "; mine\n" + ThisProgram() + " sped=3\n\"" + ThisProgram() +
                              " reverse=on\r\n" + ThisProgram() + " reverse=on\n" +
                              ThisProgram() + " speed=5000%\r\n  \t\n";
    SESSION s([&] {
        Settings.nMessageType = MESSAGE_WHEEL;
        Settings.bEdgeRepeat = 0;
        Settings.bSaveOnExit = 1;
        WriteRules(bytes);
    });
    REQUIRE(s.app.hwnd);
    REQUIRE(PlayGesture("C+ v C+ v C+ v C-", 200, 150));
    CHECK(GotOfDrag(s.rec.hPlain, "U3") == "U3");
    DWORD_PTR done = 0;
    CHECK(SendMessageTimeoutA(s.app.hwnd, WM_COMMAND, IDM_SAVESETTINGS, 0, SMTO_NORMAL, 10000,
                              &done));
    CHECK(ReadBytes("programs.txt") == bytes);
    CHECK(EndVeltrac(&s.app) == 0);
    CHECK(ReadBytes("settings.dat") != "<missing>");
    CHECK(ReadBytes("programs.txt") == bytes);
}
