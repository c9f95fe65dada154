// The window under the pointer: which top-level windows are looked beneath,
// and which are the shell's and refused.
#include <doctest.h>
#include "scroll/pointer_window.h"
#include <string>

TEST_CASE("looked beneath: tooltips, shadows, touchpad overlays, click-through overlays")
{
    struct { const char *cls; unsigned long exStyle; int seen; } rows[] = {
        {"tooltips_class32", 0, 1}, {"SysShadow", 0, 1}, {"Syn Visual Class", 0, 1},
        {"SynTrackCursorWindowClass", 0, 1}, {"Qt5QWindowToolTipSaveBits", 0, 1},
        {"Qt6152QWindowToolTipDropShadowSaveBits", 0, 1},
        {"Notepad", 0x00080000UL | 0x00000020UL, 1},    // layered and transparent
        {"Notepad", 0x00080000UL, 0},                    // layered alone: a real window
        {"Notepad", 0x00000020UL, 0},
        {"Qt5QWindowIcon", 0, 0}, {"tooltips_class", 0, 0}, {"Tooltips_class32", 0, 0},
    };
    for (auto &r : rows) {
        CAPTURE(std::string(r.cls));
        CAPTURE(r.exStyle);
        CHECK(SeenThroughRoot(r.cls, r.exStyle) == r.seen);
    }
}

TEST_CASE("refused: the shell's own windows, and the Start menu's programs")
{
    struct { const char *cls, *exe; int refused; } rows[] = {
        {"Shell_TrayWnd", "", 1}, {"Shell_SecondaryTrayWnd", "", 1}, {"Progman", "", 1},
        {"WorkerW", "", 1}, {"#32768", "", 1}, {"MultitaskingViewFrame", "", 1},
        {"TaskListThumbnailWnd", "", 1}, {"Ghost", "", 1}, {"PseudoConsoleWindow", "", 1},
        {"XamlExplorerHostIslandWindow", "", 1}, {"NotifyIconOverflowWindow", "", 1},
        {"Windows.UI.Core.CoreWindow", "StartMenuExperienceHost.exe", 1},
        {"Windows.UI.Core.CoreWindow", "searchhost.EXE", 1},
        {"Windows.UI.Core.CoreWindow", "TextInputHost.exe", 1},
        {"Windows.UI.Core.CoreWindow", "Calculator.exe", 0},   // an app: scrolled
        {"Windows.UI.Core.CoreWindow", "", 0},
        {"ApplicationFrameWindow", "SearchHost.exe", 0},
        {"shell_traywnd", "", 0}, {"Notepad", "", 0},
    };
    for (auto &r : rows) {
        CAPTURE(std::string(r.cls) + " / " + r.exe);
        CHECK(RefusedRoot(r.cls, r.exe) == r.refused);
    }
    CHECK(RefusalNeedsProgram("Windows.UI.Core.CoreWindow"));
    CHECK_FALSE(RefusalNeedsProgram("Shell_TrayWnd"));
}
