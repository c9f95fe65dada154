// The texts of meeting a program run as administrator: the notice with the
// window's title cut to 60 characters, and the restart's switches.
#include <doctest.h>
#include "app/elevate_text.h"
#include <string.h>
#include <string>

TEST_CASE("the notice names the window by its title, cut to 60 characters")
{
    const std::string s61 = std::string(60, 'x') + "Y";
    const std::string tail =
        ": it runs as administrator. Click here to restart Veltrac as administrator.";
    struct { const char *title; std::string shown; } rows[] = {
        {"Registry Editor", "Registry Editor"},
        {"", "the window in front"},
        {NULL, "the window in front"},
        {s61.c_str(), std::string(60, 'x')},                 // the 61st character goes
        {"100% done: 50%s %d", "100% done: 50%s %d"},        // no formatting in titles
    };
    for (auto &r : rows) {
        CAPTURE(r.shown);
        char out[256];
        FormatElevatedNotice(out, sizeof out, r.title);
        CHECK(std::string(out) == "Veltrac cannot scroll " + r.shown + tail);
    }
    // The longest notice fits the balloon's 256 bytes with room to spare.
    char out[256];
    FormatElevatedNotice(out, sizeof out, std::string(300, 'z').c_str());
    CHECK(strlen(out) == 22 + 60 + tail.size());
}

TEST_CASE("the restart starts beside this copy, ON and in the tray as it is")
{
    // Without "-letmeopen2" the new copy would yield to this one if it
    // looked before this one is gone: a race no test sees reliably.
    struct { int bOn, bInTray; const char *switches; } rows[] = {
        {0, 0, "-letmeopen2"},
        {1, 0, "-letmeopen2 -start"},
        {0, 1, "-letmeopen2 -tosystemtray"},
        {1, 1, "-letmeopen2 -start -tosystemtray"},
    };
    for (auto &r : rows) {
        char out[64];
        FormatRestartSwitches(out, sizeof out, r.bOn, r.bInTray);
        CHECK(std::string(out) == r.switches);
    }
}
