// The decisions about the window in front, as tables: whose integrity level
// is above ours, which window rectangles make a full-screen program on
// monitors of several layouts, and when the last answer to "which window is
// in front" may stand.
#include <doctest.h>
#include <windows.h>
#include "scroll/foreground.h"

TEST_CASE("a program runs above us when its level is higher or cannot be read")
{
    struct {
        int bTheirsKnown;
        unsigned long nTheirs;
        int bOursKnown;
        unsigned long nOurs;
        int above;
    } rows[] = {
        {1, INTEGRITY_MEDIUM, 1, INTEGRITY_MEDIUM, 0},   // the same level
        {1, INTEGRITY_HIGH, 1, INTEGRITY_MEDIUM, 1},     // run as administrator
        {1, INTEGRITY_MEDIUM + 0x100, 1, INTEGRITY_MEDIUM, 1},   // medium plus (UIAccess)
        {1, INTEGRITY_LOW, 1, INTEGRITY_MEDIUM, 0},      // a sandboxed browser tab
        {1, INTEGRITY_HIGH, 1, INTEGRITY_HIGH, 0},       // we run as administrator too
        {1, INTEGRITY_SYSTEM, 1, INTEGRITY_HIGH, 1},
        {0, 0, 1, INTEGRITY_HIGH, 1},                    // not to be opened: above
        {1, INTEGRITY_SYSTEM, 0, 0, 0},                  // no levels on this system
    };
    for (auto &r : rows) {
        CAPTURE(r.bTheirsKnown);
        CAPTURE(r.nTheirs);
        CAPTURE(r.bOursKnown);
        CAPTURE(r.nOurs);
        CHECK(RunsAboveUs(r.bTheirsKnown, r.nTheirs, r.bOursKnown, r.nOurs) == r.above);
    }
}

TEST_CASE("a full-screen program: no caption, its whole monitor covered, not the shell")
{
    const SCREENRECT primary = {0, 0, 1024, 768};
    const SCREENRECT left = {-1280, -200, 0, 824};      // a second monitor left of it
    const unsigned long popup = WS_POPUP | WS_VISIBLE;
    const unsigned long captioned = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    struct {
        const char *what;
        SCREENRECT window;
        const SCREENRECT *monitor;
        unsigned long style;
        const char *cls;
        int full;
    } rows[] = {
        {"exact cover", {0, 0, 1024, 768}, &primary, popup, "GameWindow", 1},
        {"larger than the monitor", {-8, -8, 1032, 776}, &primary, popup, "GameWindow", 1},
        {"one pixel short at the right", {0, 0, 1023, 768}, &primary, popup, "GameWindow", 0},
        {"starting one pixel down", {0, 1, 1024, 768}, &primary, popup, "GameWindow", 0},
        {"the work area only", {0, 0, 1024, 728}, &primary, popup, "GameWindow", 0},
        {"captioned, maximized over it", {-8, -8, 1032, 776}, &primary, captioned, "Notepad", 0},
        {"a border only", {0, 0, 1024, 768}, &primary, WS_POPUP | WS_BORDER, "Chrome", 1},
        {"the desktop", {0, 0, 1024, 768}, &primary, popup, "Progman", 0},
        {"the desktop behind the wallpaper", {0, 0, 1024, 768}, &primary, popup, "WorkerW", 0},
        {"the taskbar, in other letters", {0, 0, 1024, 768}, &primary, popup, "shell_traywnd", 0},
        {"the left monitor, negative origin", {-1280, -200, 0, 824}, &left, popup, "Game", 1},
        {"the left monitor, short at its top", {-1280, -199, 0, 824}, &left, popup, "Game", 0},
        {"spanning both monitors", {-1280, -200, 1024, 824}, &left, popup, "Game", 1},
    };
    for (auto &r : rows) {
        CAPTURE(r.what);
        CHECK(IsFullScreenWindow(&r.window, r.monitor, r.style, r.cls) == r.full);
    }
}

TEST_CASE("a move inside an input event takes the last answer while it is a few ms old")
{
    struct {
        const char *what;
        int bFresh, bInsideEvent, bAnswerIsRecord;
        double dAgeMs;
        int reuse;
    } rows[] = {
        {"a move, just asked", 0, 1, 1, 0.0, 1},
        {"a move, almost too old", 0, 1, 1, FOREGROUND_REUSE_MS - 0.01, 1},
        {"a move, the answer too old", 0, 1, 1, FOREGROUND_REUSE_MS, 0},
        {"a press reads afresh", 1, 1, 1, 0.0, 0},
        {"outside an input event", 0, 0, 1, 0.0, 0},
        {"another window came to the front", 0, 1, 0, 0.0, 0},
        {"a clock that went back", 0, 1, 1, -1.0, 0},
    };
    for (auto &r : rows) {
        CAPTURE(r.what);
        CHECK(MayReuseForeground(r.bFresh, r.bInsideEvent, r.bAnswerIsRecord, r.dAgeMs) == r.reuse);
    }
}
