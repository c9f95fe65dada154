// The Automatic type's table: every row, the first-match order, the patterns.
#include <doctest.h>
#include "scroll/receiver.h"
#include <string>

TEST_CASE("class patterns: case-sensitive, '*' any text")
{
    struct { const char *pattern, *cls; int matches; } rows[] = {
        {"Edit", "Edit", 1},           {"Edit", "edit", 0},         {"Edit", "Edit2", 0},
        {"RichEdit*", "RichEdit20W", 1}, {"RichEdit*", "RichEdit", 1}, {"*updown*", "my_updown_1", 1},
        {"*updown*", "UpDown", 0},     {"Qt*QWindow*", "Qt5152QWindowIcon", 1},
        {"Qt*QWindow*", "QtWindow", 0}, {"HwndWrapper[*", "HwndWrapper[App;;1]", 1},
        {"*", "", 1},                  {"a*b*c", "axxbyyc", 1},     {"a*b*c", "axxbyy", 0},
    };
    for (auto &r : rows) {
        CAPTURE(std::string(r.pattern) + " ~ " + r.cls);
        CHECK(ClassMatches(r.pattern, r.cls) == r.matches);
    }
}

TEST_CASE("how each receiver wants it: the first row that matches")
{
    struct {
        const char *classes[4];     // receiver first, root last
        int bOverRoot, bHBar;
        int row, vertical, horizontal, toRoot;
    } rows[] = {
        {{"Windows.UI.Core.CoreWindow"}, 1, 0, 1, WAY_REAL, WAY_REAL, 0},
        {{"Chrome_RenderWidgetHostHWND", "Windows.UI.Input.InputSite.WindowClass", "Frame"}, 1, 0,
         1, WAY_REAL, WAY_REAL, 0},
        // The terminal's host reads posted wheels, though a child reads real input.
        {{"Windows.UI.Input.InputSite.WindowClass", "CASCADIA_HOSTING_WINDOW_CLASS"}, 1, 0, 2,
         WAY_PRECISE, WAY_NONE, 1},
        {{"Chrome_RenderWidgetHostHWND", "Chrome_WidgetWin_1"}, 1, 0, 3, WAY_PRECISE, WAY_PRECISE, 0},
        {{"Chrome_WidgetWin_0"}, 0, 0, 3, WAY_PRECISE, WAY_PRECISE, 0},
        {{"MozillaWindowClass", "MozillaWindowClass"}, 1, 0, 4, WAY_PRECISE, WAY_PRECISE, 0},
        {{"MozillaWindowClass", "MozillaWindowClass"}, 0, 0, 5, WAY_LINES, WAY_LINES, 0},
        {{"Qt5152QWindowIcon"}, 1, 0, 6, WAY_PRECISE, WAY_PRECISE, 0},
        {{"gdkSurfaceToplevel"}, 1, 0, 6, WAY_PRECISE, WAY_PRECISE, 0},
        {{"Scintilla", "Notepad++"}, 1, 0, 6, WAY_PRECISE, WAY_PRECISE, 0},
        {{"_WwG", "_WwB", "OpusApp"}, 1, 0, 6, WAY_PRECISE, WAY_PRECISE, 0},
        {{"WindowsForms10.Window.8.app.0.1"}, 1, 0, 6, WAY_PRECISE, WAY_PRECISE, 0},
        {{"HwndWrapper[App;;abc]"}, 1, 1, 7, WAY_NOTCHED, WAY_NONE, 0},
        {{"SunAwtFrame"}, 1, 0, 8, WAY_NOTCHED, WAY_NOTCHED, 0},
        {{"SDL_app"}, 1, 0, 8, WAY_NOTCHED, WAY_NOTCHED, 0},
        {{"EXCEL7", "XLDESK", "XLMAIN"}, 1, 0, 9, WAY_NOTCHED, WAY_LINES, 0},
        {{"ComboBox", "Dialog"}, 1, 0, 10, WAY_NEVER, WAY_NEVER, 0},
        {{"msctls_trackbar32"}, 1, 0, 10, WAY_NEVER, WAY_NEVER, 0},
        {{"WindowsForms10.msctls_updown32"}, 1, 0, 6, WAY_PRECISE, WAY_PRECISE, 0},   // row 6 first
        {{"NetUIHWND", "MsoCommandBar", "OpusApp"}, 1, 0, 10, WAY_NEVER, WAY_NEVER, 0},
        {{"NetUIHWND", "OpusApp"}, 1, 0, 12, WAY_NOTCHED, WAY_NOTCHED, 0},
        {{"PseudoConsoleWindow"}, 1, 0, 10, WAY_NEVER, WAY_NEVER, 0},
        {{"Edit", "Notepad"}, 1, 1, 11, WAY_PRECISE, WAY_LINES, 0},
        {{"RICHEDIT50W", "WordPadClass"}, 1, 0, 11, WAY_PRECISE, WAY_LINES, 0},
        {{"SysListView32"}, 1, 0, 11, WAY_PRECISE, WAY_LINES, 0},
        {{"ThunderRT6FormDC"}, 1, 0, 11, WAY_PRECISE, WAY_LINES, 0},
        {{"AnythingElse"}, 1, 0, 12, WAY_NOTCHED, WAY_NOTCHED, 0},
        {{"AnythingElse"}, 1, 1, 12, WAY_NOTCHED, WAY_LINES, 0},
        {{"edit"}, 1, 0, 12, WAY_NOTCHED, WAY_NOTCHED, 0},    // classes are case-sensitive here
    };
    for (auto &r : rows) {
        RECEIVERFACTS f = {};
        for (const char *c : r.classes)
            if (c)
                f.aszClasses[f.nClasses++] = c;
        f.bPointerOverRoot = r.bOverRoot;
        f.bHorizontalBar = r.bHBar;
        CAPTURE(std::string(r.classes[0]));
        RECEIVERWAY w = ReceiverWants(&f);
        CHECK(w.nRow == r.row);
        CHECK(w.nVertical == r.vertical);
        CHECK(w.nHorizontal == r.horizontal);
        CHECK(w.bToRoot == r.toRoot);
    }
}
