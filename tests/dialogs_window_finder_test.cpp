// The window finder's decisions as tables: what it says Veltrac does in the
// window under it, the kind of control Automatic never scrolls, and which
// programs need a class to single their windows out.
#include <doctest.h>
#include "dialogs/window_finder.h"
#include "res/resource.h"
#include "scroll/receiver.h"
#include <string>

TEST_CASE("the verdict follows target selection's order, then the way of delivery")
{
    // A window of another program that Veltrac, ON, would scroll in
    // Automatic by the table's smooth way; each row changes that.
    auto Base = [] {
        FINDERFACTS f = {};
        f.bWindow = 1;
        f.nTitles = TITLES_PASS;
        f.nMessageType = MESSAGE_AUTO;
        f.nForcedWay = WAY_NONE;
        f.nTableWay = WAY_PRECISE;
        f.szReceiverClass = "Chrome_RenderWidgetHostHWND";
        f.nSpeed = 100;
        f.bScrolling = 1;
        return f;
    };
    struct {
        const char *what;
        void (*change)(FINDERFACTS &);
        const char *verdict;
    } rows[] = {
        {"Automatic, smooth", [](FINDERFACTS &) {}, "scrolled: Automatic, smooth wheel messages"},
        {"no window", [](FINDERFACTS &f) { f.bWindow = 0; }, ""},
        {"own window", [](FINDERFACTS &f) { f.bOwn = 1; f.bShell = 1; },
         "left alone: one of Veltrac's own windows"},
        {"own window while OFF", [](FINDERFACTS &f) { f.bOwn = 1; f.bScrolling = 0; },
         "left alone: one of Veltrac's own windows"},
        {"shell before lists", [](FINDERFACTS &f) { f.bShell = 1; f.nTitles = TITLES_EXCLUDED; },
         "never scrolled: part of the Windows shell"},
        {"excluded", [](FINDERFACTS &f) { f.nTitles = TITLES_EXCLUDED; f.bAboveUs = 1; },
         "left alone: excluded by the title list"},
        {"not included", [](FINDERFACTS &f) { f.nTitles = TITLES_NOT_INCLUDED; },
         "left alone: not in the include list"},
        {"rule off before admin", [](FINDERFACTS &f) { f.bRuleOff = 1; f.bAboveUs = 1; },
         "left alone: hands off by programs.txt"},
        {"full-screen pause", [](FINDERFACTS &f) { f.bFullScreenPaused = 1; f.bAboveUs = 1; },
         "left alone: full-screen program"},
        {"administrator", [](FINDERFACTS &f) { f.bAboveUs = 1; },
         "left alone: runs as administrator"},
        {"combo box",
         [](FINDERFACTS &f) { f.nTableWay = WAY_NEVER; f.szReceiverClass = "ComboBox"; },
         "never scrolled: combo box"},
        {"a rule's delivery does not reach a slider",
         [](FINDERFACTS &f) {
             f.nTableWay = WAY_NEVER;
             f.nForcedWay = WAY_LINES;
             f.szReceiverClass = "msctls_trackbar32";
         },
         "never scrolled: slider"},
        {"never scrolled only in Automatic",
         [](FINDERFACTS &f) { f.nTableWay = WAY_NEVER; f.nMessageType = MESSAGE_SEND; },
         "scrolled: SendMessage, line messages"},
        {"post", [](FINDERFACTS &f) { f.nMessageType = MESSAGE_POST; },
         "scrolled: PostMessage, line messages"},
        {"wheel", [](FINDERFACTS &f) { f.nMessageType = MESSAGE_WHEEL; },
         "scrolled: Mouse wheel, wheel messages"},
        {"a rule's delivery wins over the table", [](FINDERFACTS &f) { f.nForcedWay = WAY_LINES; },
         "scrolled: Automatic, line messages"},
        {"notched", [](FINDERFACTS &f) { f.nTableWay = WAY_NOTCHED; },
         "scrolled: Automatic, wheel messages by the notch"},
        {"real", [](FINDERFACTS &f) { f.nTableWay = WAY_REAL; },
         "scrolled: Automatic, real wheel input"},
        {"speed and reverse by a rule", [](FINDERFACTS &f) { f.nSpeed = 50; f.bReverse = 1; },
         "scrolled: Automatic, smooth wheel messages, speed 50%, reversed"},
        {"OFF", [](FINDERFACTS &f) { f.bScrolling = 0; },
         "scrolled: Automatic, smooth wheel messages (once switched ON)"},
        {"OFF and excluded", [](FINDERFACTS &f) { f.bScrolling = 0; f.nTitles = TITLES_EXCLUDED; },
         "left alone: excluded by the title list (once switched ON)"},
    };
    for (auto &r : rows) {
        CAPTURE(r.what);
        FINDERFACTS f = Base();
        r.change(f);
        CHECK(FinderVerdict(f) == r.verdict);
    }
}

TEST_CASE("controls Automatic never scrolls are named as the user knows them")
{
    struct {
        const char *cls, *kind;
    } rows[] = {
        {"ComboBox", "combo box"},          {"ComboBoxEx32", "combo box"},
        {"msctls_updown32", "spin box"},    {"WindowsForms10.updown", "spin box"},
        {"msctls_trackbar32", "slider"},    {"NetUIHWND", "ribbon"},
        {"PseudoConsoleWindow", "console"}, {"Edit", "control that changes its value"},
        {NULL, "control that changes its value"},
    };
    for (auto &r : rows) {
        CAPTURE(r.cls ? r.cls : "(null)");
        CHECK(std::string(NeverScrolledKind(r.cls)) == r.kind);
    }
}

TEST_CASE("a rule from the finder names the class only where the program is a host")
{
    struct {
        const char *program;
        int bNeedsClass;
    } rows[] = {
        {"javaw.exe", 1},   {"JAVAW.EXE", 1},    {"java.exe", 1},     {"javaws.exe", 0},
        {"ApplicationFrameHost.exe", 1},         {"electron.exe", 1}, {"rundll32.exe", 1},
        {"pythonw.exe", 1}, {"notepad.exe", 0},  {"Code.exe", 0},     {"", 0},
        {NULL, 0},
    };
    for (auto &r : rows) {
        CAPTURE(r.program ? r.program : "(null)");
        CHECK(ProgramNeedsClass(r.program) == r.bNeedsClass);
    }
}
