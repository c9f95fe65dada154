// Scroll-key names: exact, case-sensitive, whole-name lookup with Control as
// the fallback, and the folding of left/right modifier codes.
#include <doctest.h>
#include "input/key_names.h"
#include <string.h>

TEST_CASE("KeyNameToVk translates names exactly")
{
    struct { const char *name; int vk; } rows[] = {
        {"Control", 17}, {"Alt", 18}, {"Shift", 16}, {"Space", 32}, {"Tab", 9},
        {"Escape", 27}, {"NumPad0", 96}, {"NumPad9", 105}, {"F1", 112}, {"F12", 123},
        {"F10", 121},            // whole names only, not the prefix F1
        {"alt", 17}, {"control", 17}, {"ALT", 17},   // other case: fallback
        {"Alt ", 17}, {"Alt\r", 17}, {"Alt\n", 17}, {" Alt", 17},
        {"", 17}, {"Ctrl", 17}, {"F13", 17},
    };
    for (auto &r : rows) {
        CAPTURE(r.name);
        CHECK(KeyNameToVk(r.name) == r.vk);
    }
}

TEST_CASE("the key table has 28 distinct names in table order, each round-trips")
{
    CHECK(strcmp(aszKeyNames[0].szName, "F1") == 0);
    CHECK(strcmp(aszKeyNames[12].szName, "Space") == 0);
    CHECK(strcmp(aszKeyNames[13].szName, "Control") == 0);
    CHECK(strcmp(aszKeyNames[27].szName, "Tab") == 0);
    for (int i = 0; i < KEY_NAME_COUNT; i++) {
        CAPTURE(aszKeyNames[i].szName);
        CHECK(strlen(aszKeyNames[i].szName) <= 7);
        CHECK(KeyNameToVk(aszKeyNames[i].szName) == aszKeyNames[i].nVk);
        for (int k = i + 1; k < KEY_NAME_COUNT; k++)
            CHECK(strcmp(aszKeyNames[i].szName, aszKeyNames[k].szName) != 0);
    }
}

TEST_CASE("left and right modifier codes fold to the generic ones")
{
    struct { int in, out; } rows[] = {
        {0xA0, 16}, {0xA1, 16}, {0xA2, 17}, {0xA3, 17}, {0xA4, 18}, {0xA5, 18},
        {17, 17}, {38, 38}, {0x41, 0x41}, {0x9F, 0x9F}, {0xA6, 0xA6},
    };
    for (auto &r : rows) {
        CAPTURE(r.in);
        CHECK(FoldModifierVk(r.in) == r.out);
    }
}
