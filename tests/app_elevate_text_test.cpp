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
