// Lines 22 to 29 of settings.dat, the drag options and the newer options
// after them: written only when one of them is not 0 (so the default file
// stays the 21 lines, 102 bytes, that every copy of the program reads), then
// all eight; read when present; the drag button's line read as one of its
// three buttons.
#include <doctest.h>
#include "scroll/settings.h"
#include "store/settings_table.h"
#include "store/settings_text.h"
#include <string>

static int LineCount(const std::string &bytes)
{
    int n = 0;
    for (char c : bytes)
        n += c == '\n';
    return n;
}

static int Load(const std::string &bytes)
{
    MEMORYTEXT m = {bytes.data(), bytes.size(), 0};
    TEXTREADER r;
    OpenTextReader(&r, MemoryTextSource, &m);
    return ReadSettingsLines(&r);
}

// The eight optional fields, in file order.
static int *const apOptional[] = {
    &Settings.bDragLock, &Settings.bOneAxis, &Settings.bReverse, &Settings.bPauseFullScreen,
    &Settings.bKeepPointerStill, &Settings.bGlide, &Settings.nDragButton, &Settings.bUnderPointer,
};
#define OPTIONAL_COUNT 8

TEST_CASE("the optional lines are written only when one of the options is not 0")
{
    SetDefaultSettings();
    std::string plain = SettingsFileBytes();
    CHECK(plain.size() == 102);
    CHECK(LineCount(plain) == 21);

    struct { int values[OPTIONAL_COUNT]; const char *tail; } rows[] = {
        {{1, 0, 0, 0, 0, 0, 0, 0}, "1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"},
        {{0, 1, 0, 0, 0, 0, 0, 0}, "0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"},
        {{0, 0, 1, 0, 0, 0, 0, 0}, "0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"},
        {{0, 0, 0, 1, 0, 0, 0, 0}, "0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n"},
        {{0, 0, 0, 0, 1, 0, 0, 0}, "0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n"},
        {{0, 0, 0, 0, 0, 1, 0, 0}, "0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n"},
        {{0, 0, 0, 0, 0, 0, DRAG_BUTTON_X1, 0}, "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n"},
        {{0, 0, 0, 0, 0, 0, DRAG_BUTTON_X2, 0}, "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n0\r\n"},
        {{1, 1, 1, 1, 1, 1, 2, 0}, "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n2\r\n0\r\n"},
        {{0, 0, 0, 0, 0, 0, 0, 1}, "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n"},
        // From an edited file: written as it stands.
        {{2, 0, -1, 0, 3, 0, 0, 0}, "2\r\n0\r\n-1\r\n0\r\n3\r\n0\r\n0\r\n0\r\n"},
    };
    for (auto &r : rows) {
        CAPTURE(r.tail);
        SetDefaultSettings();
        for (int i = 0; i < OPTIONAL_COUNT; i++)
            *apOptional[i] = r.values[i];
        std::string bytes = SettingsFileBytes();
        CHECK(LineCount(bytes) == 29);
        CHECK(bytes.compare(0, plain.size(), plain) == 0);   // the first 21 lines as ever
        CHECK(bytes.substr(plain.size()) == r.tail);

        // And back.
        SetDefaultSettings();
        CHECK(Load(bytes) == SETTINGS_FIELD_COUNT);
        for (int i = 0; i < OPTIONAL_COUNT; i++) {
            CAPTURE(i + 22);
            CHECK(*apOptional[i] == r.values[i]);
        }
        CHECK(SettingsFileBytes() == bytes);
    }
}

TEST_CASE("a file without the optional lines leaves the options as they were")
{
    SetDefaultSettings();
    std::string plain = SettingsFileBytes();
    // At start: the start-up 0.
    CHECK(Load(plain) == SETTINGS_LINE_COUNT - 1);
    for (int *p : apOptional)
        CHECK(*p == 0);
    // Loaded again later, over options switched on: as with any missing line.
    for (int *p : apOptional)
        *p = 1;
    Load(plain);
    for (int *p : apOptional)
        CHECK(*p == 1);
    // Only line 22: the others keep theirs.
    Settings.bOneAxis = Settings.bGlide = 5;
    Load(plain + "0\r\n");
    CHECK(Settings.bDragLock == 0);
    CHECK(Settings.bOneAxis == 5);
    CHECK(Settings.bGlide == 5);
    // A file of the drag options' time, lines 22 to 24: 25 to 29 keep theirs.
    Load(plain + "1\r\n1\r\n1\r\n");
    CHECK(Settings.bReverse == 1);
    CHECK(Settings.bGlide == 5);
    CHECK(Settings.nDragButton == 1);
    // Lines after 29 are ignored.
    Load(plain + "1\r\n1\r\n1\r\n7\r\nrest\r\n0\r\n2\r\n1\r\n9\r\n");
    CHECK(Settings.bPauseFullScreen == 7);
    CHECK(Settings.bKeepPointerStill == 0);
    CHECK(Settings.bGlide == 0);
    CHECK(Settings.nDragButton == DRAG_BUTTON_X2);
    CHECK(Settings.bUnderPointer == 1);
    SetDefaultSettings();
}

TEST_CASE("line 28 reads as one of the three buttons; any other value is the middle one")
{
    SetDefaultSettings();
    std::string head = SettingsFileBytes() + "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    struct { const char *line; int button; } rows[] = {
        {"0", DRAG_BUTTON_MIDDLE}, {"1", DRAG_BUTTON_X1}, {"2", DRAG_BUTTON_X2},
        {" +2 apples", DRAG_BUTTON_X2}, {"3", DRAG_BUTTON_MIDDLE}, {"-1", DRAG_BUTTON_MIDDLE},
        {"4294967297", DRAG_BUTTON_X1},   // wraps to 1, as every number line does
        {"-2147483648", DRAG_BUTTON_MIDDLE}, {"X2", DRAG_BUTTON_MIDDLE}, {"", DRAG_BUTTON_MIDDLE},
    };
    for (auto &r : rows) {
        CAPTURE(r.line);
        Settings.nDragButton = 7;
        CHECK(Load(head + r.line + "\r\n") == SETTINGS_FIELD_COUNT - 1);
        CHECK(Settings.nDragButton == r.button);
    }
    SetDefaultSettings();
}
