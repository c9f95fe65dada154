// Lines 22 to 24 of settings.dat, the drag options: written only when one of
// them is on (so the default file stays the 21 lines, 102 bytes, that every
// copy of the program reads), then all three; read when present.
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

TEST_CASE("the drag lines are written only when one of the options is on")
{
    SetDefaultSettings();
    std::string plain = SettingsFileBytes();
    CHECK(plain.size() == 102);
    CHECK(LineCount(plain) == 21);

    struct { int lock, axis, reverse; const char *tail; } rows[] = {
        {1, 0, 0, "1\r\n0\r\n0\r\n"},
        {0, 1, 0, "0\r\n1\r\n0\r\n"},
        {0, 0, 1, "0\r\n0\r\n1\r\n"},
        {1, 1, 1, "1\r\n1\r\n1\r\n"},
        {2, 0, -1, "2\r\n0\r\n-1\r\n"},   // from an edited file: written as it stands
    };
    for (auto &r : rows) {
        CAPTURE(r.tail);
        SetDefaultSettings();
        Settings.bDragLock = r.lock;
        Settings.bOneAxis = r.axis;
        Settings.bReverse = r.reverse;
        std::string bytes = SettingsFileBytes();
        CHECK(LineCount(bytes) == 24);
        CHECK(bytes.compare(0, plain.size(), plain) == 0);   // the first 21 lines as ever
        CHECK(bytes.substr(plain.size()) == r.tail);

        // And back.
        SetDefaultSettings();
        CHECK(Load(bytes) == SETTINGS_FIELD_COUNT);
        CHECK(Settings.bDragLock == r.lock);
        CHECK(Settings.bOneAxis == r.axis);
        CHECK(Settings.bReverse == r.reverse);
        CHECK(SettingsFileBytes() == bytes);
    }
}

TEST_CASE("a file without the drag lines leaves the options as they were")
{
    SetDefaultSettings();
    std::string plain = SettingsFileBytes();
    // At start: the start-up 0.
    CHECK(Load(plain) == SETTINGS_LINE_COUNT - 1);
    CHECK(Settings.bDragLock == 0);
    CHECK(Settings.bOneAxis == 0);
    CHECK(Settings.bReverse == 0);
    // Loaded again later, over options switched on: as with any missing line.
    Settings.bDragLock = Settings.bOneAxis = Settings.bReverse = 1;
    Load(plain);
    CHECK(Settings.bDragLock == 1);
    CHECK(Settings.bReverse == 1);
    // Only line 22: the other two keep theirs; lines after 24 are ignored.
    Settings.bOneAxis = Settings.bReverse = 5;
    Load(plain + "0\r\n");
    CHECK(Settings.bDragLock == 0);
    CHECK(Settings.bOneAxis == 5);
    Load(plain + "1\r\n1\r\n1\r\n7\r\nrest\r\n");
    CHECK(Settings.bReverse == 1);
    SetDefaultSettings();
}
