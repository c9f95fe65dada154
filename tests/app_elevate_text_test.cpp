// The notice about a program run as administrator: the window's title cut
// to 60 characters, whatever the title holds. (The restart's switches show
// in tests/e2e_elevated_test.cpp.)
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

TEST_CASE("the texts are cut to the buffer, always zero-terminated")
{
    // The notice, in buffers too small for it: whatever fits, then the zero.
    const std::string full = "Veltrac cannot scroll Registry Editor: it runs as administrator.";
    for (size_t cb : {1, 2, 23, 40}) {
        CAPTURE(cb);
        char out[64];
        memset(out, '#', sizeof out);
        FormatElevatedNotice(out, cb, "Registry Editor");
        CHECK(std::string(out) == full.substr(0, cb - 1));
        CHECK(out[cb] == '#');   // nothing written past the buffer
    }
    // The restart's switches, one row per state.
    struct { int bOn, bInTray; const char *switches; } rows[] = {
        {0, 0, "-letmeopen2"},
        {1, 0, "-letmeopen2 -start"},
        {0, 1, "-letmeopen2 -tosystemtray"},
        {1, 1, "-letmeopen2 -start -tosystemtray"},
    };
    for (auto &r : rows) {
        std::string want = r.switches;
        CAPTURE(want);
        char out[64];
        FormatRestartSwitches(out, sizeof out, r.bOn, r.bInTray);
        CHECK(std::string(out) == want);
    }
    char small[8];
    FormatRestartSwitches(small, sizeof small, 1, 1);
    CHECK(std::string(small) == "-letmeo");
    // No room at all: not even the zero is written.
    small[0] = '#';
    FormatRestartSwitches(small, 0, 1, 1);
    FormatElevatedNotice(small, 0, "Registry Editor");
    CHECK(small[0] == '#');
}
