// The notice about a program run as administrator: the window's title cut
// to 60 characters, whatever the title holds; the restart's switches, the
// token the restarted copy finds in them and the name of the lock it waits
// on; the error box of a failed save. (The restart itself shows in
// tests/e2e_elevated_test.cpp.)
#include <doctest.h>
#include "app/elevate.h"
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
    char small[8];
    FormatRestartSwitches(small, sizeof small, 1, 1, "1234.1");
    CHECK(std::string(small) == "-letmeo");
    // No room at all: not even the zero is written.
    small[0] = '#';
    FormatRestartSwitches(small, 0, 1, 1, "1234.1");
    FormatElevatedNotice(small, 0, "Registry Editor");
    CHECK(small[0] == '#');
}

TEST_CASE("the restart's switches carry the token the new copy finds again")
{
    struct { int bOn, bInTray; const char *switches; } rows[] = {
        {0, 0, "-letmeopen2 -restartof 1234.1"},
        {1, 0, "-letmeopen2 -start -restartof 1234.1"},
        {0, 1, "-letmeopen2 -tosystemtray -restartof 1234.1"},
        {1, 1, "-letmeopen2 -start -tosystemtray -restartof 1234.1"},
    };
    for (auto &r : rows) {
        CAPTURE(r.switches);
        char out[128];
        FormatRestartSwitches(out, sizeof out, r.bOn, r.bInTray, "1234.1");
        CHECK(std::string(out) == r.switches);
        char token[RESTART_TOKEN_SIZE];
        CHECK(FindRestartToken(out, token) == 1);
        CHECK(std::string(token) == "1234.1");
    }
}

TEST_CASE("the token: after -restartof in any letter case, digits and dots only")
{
    std::string longToken(40, '7');
    struct { std::string cmd; int found; const char *token; } rows[] = {
        {"", 0, ""},
        {"-letmeopen2 -start", 0, ""},
        {"-restartof 42.3", 1, "42.3"},
        {"-RestartOf\t 42.3 -start", 1, "42.3"},
        {"x-restartof42.3", 1, "42.3"},             // anywhere, as the other switches
        {"-restartof", 0, ""},
        {"-restartof abc", 0, ""},
        {"-restartof 12;del", 1, "12"},
        {"-restart 12", 0, ""},
        {"-restartof " + longToken, 1, "7777777777777777777777777777777"},
    };
    for (auto &r : rows) {
        CAPTURE(r.cmd);
        char token[RESTART_TOKEN_SIZE];
        CHECK(FindRestartToken(r.cmd.c_str(), token) == r.found);
        CHECK(std::string(token) == r.token);
    }
    char name[64];
    FormatRestartToken(name, sizeof name, 4294967295UL, 12);
    CHECK(std::string(name) == "4294967295.12");
    FormatRestartLockName(name, sizeof name, "42.3");
    CHECK(std::string(name) == "Local\\Veltrac restart 42.3");
}

TEST_CASE("the error box of a restart whose save failed names the file")
{
    for (const char *file : {"settings.dat", "list1.txt", "list2.txt"}) {
        CAPTURE(file);
        char out[256];
        FormatRestartSaveError(out, sizeof out, file);
        CHECK(std::string(out) == std::string("Unable to write: ") + file +
                                      "\n\nThe settings could not be saved, so Veltrac was not "
                                      "restarted as administrator. It goes on running as before.");
    }
}
