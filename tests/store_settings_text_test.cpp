// The text rules of the settings files without any file: the numeric reader,
// line reading across chunk boundaries, the field table's order, and the
// bytes that saving produces.
#include <doctest.h>
#include "store/settings_text.h"
#include "scroll/settings.h"
#include <string.h>
#include <string>
#include <vector>

static void RestoreDefaults(void)
{
    SetDefaultSettings();
}

// A source that hands out at most nChunk bytes per call, so that carriage
// returns, Ctrl-Z and line ends fall on every possible chunk boundary.
struct SLOWTEXT {
    MEMORYTEXT m;
    int nChunk;
};

static int SlowSource(void *pContext, char *buf, int cb)
{
    SLOWTEXT *s = (SLOWTEXT *)pContext;
    return MemoryTextSource(&s->m, buf, cb < s->nChunk ? cb : s->nChunk);
}

static std::vector<std::string> ReadAllLines(const std::string &bytes, int nChunk)
{
    SLOWTEXT s = {{bytes.data(), bytes.size(), 0}, nChunk};
    TEXTREADER r;
    OpenTextReader(&r, SlowSource, &s);
    std::vector<std::string> lines;
    char line[LINE_BUFFER_SIZE];
    int n;
    while ((n = ReadTextLine(&r, line)) >= 0)
        lines.push_back(std::string(line, n));
    return lines;
}

TEST_CASE("numeric lines: white space, one sign, digits, 32-bit wrap-around")
{
    struct { const char *text; int value; } rows[] = {
        {"12", 12}, {"  -7", -7}, {"3abc", 3}, {"", 0}, {"abc", 0}, {"- 5", 0},
        {"-2147483648", -2147483647 - 1}, {"3000000000", -1294967296}, {"4294967301", 5},
        {"+42\n", 42}, {" \t\v\f\r\n9", 9}, {"--5", 0}, {"+-5", 0}, {"007", 7},
        {"12 34", 12}, {"-0", 0}, {"2147483647", 2147483647},
        {"2147483648", -2147483647 - 1}, {"-2147483649", 2147483647},
        {"99999999999999999999", 1661992959}, {"18446744073709551617", 1},
        {"-4294967295", 1}, {"\xb9" "5", 0},   // superscript one is no digit
    };
    for (auto &r : rows) {
        CAPTURE(r.text);
        CHECK(ParseSettingsNumber(r.text) == r.value);
    }
}

TEST_CASE("line reading: CR LF, LF and CR end lines in any mix, Ctrl-Z ends, 1999-character pieces")
{
    std::string x1999(1999, 'x');
    struct { std::string bytes; std::vector<std::string> lines; } rows[] = {
        {"", {}},
        {"\r\r\r", {"\n", "\n", "\n"}},
        {"\r\n\r\n", {"\n", "\n"}},
        {"\x1a" "abc\n", {}},
        {"a\r\nb\n", {"a\n", "b\n"}},
        {"a\rb", {"a\n", "b"}},
        {"a\r\nb\nc\rd", {"a\n", "b\n", "c\n", "d"}},
        {"a\n\r\nb", {"a\n", "\n", "b"}},
        {"a\n\rb", {"a\n", "\n", "b"}},            // LF CR is two line ends
        {"a\r\r\nb", {"a\n", "\n", "b"}},
        {"a\x1a" "b\nc\n", {"a"}},
        {"a\nb\r\x1a\r\n", {"a\n", "b\n"}},
        {"a\r\x1a\nb", {"a\n"}},
        {std::string("a\0b\n", 4), {std::string("a\0b\n", 4)}},
        {x1999 + "\n", {x1999, "\n"}},
        {std::string(1998, 'y') + "\r\n", {std::string(1998, 'y') + "\n"}},
        {std::string(1998, 'y') + "\r", {std::string(1998, 'y') + "\n"}},
        {std::string(4000, 'z'), {std::string(1999, 'z'), std::string(1999, 'z'), "zz"}},
        // A piece ends between the CR and the LF of a pair: still one line end.
        {x1999 + "\r\nb", {x1999, "\n", "b"}},
        {x1999 + "\r\r\nb", {x1999, "\n", "\n", "b"}},
    };
    for (auto &r : rows) {
        for (int nChunk : {1, 2, 3, 7, READ_CHUNK_SIZE}) {
            CAPTURE(r.bytes.size());
            CAPTURE(nChunk);
            CHECK(ReadAllLines(r.bytes, nChunk) == r.lines);
        }
    }
}

TEST_CASE("each line of settings.dat lands in its own field")
{
    std::string file = "settings 1\n";
    for (int line = 2; line <= 21; line++)
        file += line == 15 ? "Tab\n" : std::to_string(line) + "\n";
    MEMORYTEXT m = {file.data(), file.size(), 0};
    TEXTREADER r;
    OpenTextReader(&r, MemoryTextSource, &m);
    CHECK(ReadSettingsLines(&r) == 20);
    int *fields[] = {
        &Settings.nSensitivity, &Settings.nScrollTimes, &Settings.nMessageType,
        &Settings.bArrowKeys, &Settings.bHoldKey, &Settings.bEdgeScroll, &Settings.bEdgeRepeat,
        &Settings.nRepeatMs, &Settings.abClassOptions[0], &Settings.abClassOptions[1],
        &Settings.abClassOptions[2], &Settings.abClassOptions[3], &Settings.bSaveOnExit,
        nullptr, &Settings.bExcludeList, &Settings.bIncludeList,
        &Settings.abClassOptions[4], &Settings.nEdgeMargin, &Settings.nWindowX,
        &Settings.nWindowY,
    };
    for (int i = 0; i < 20; i++) {
        CAPTURE(i + 2);
        if (fields[i])
            CHECK(*fields[i] == i + 2);
    }
    CHECK(std::string(Settings.szScrollKey) == "Tab");
    CHECK(Settings.nScrollVk == 9);
    // Saving walks the same lines back out.
    std::string crlf;
    for (char c : file)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    CHECK(SettingsFileBytes() == crlf);
    RestoreDefaults();
}

TEST_CASE("the default record saves as the 102 bytes of the file format")
{
    RestoreDefaults();
    const char *expected =
        "settings 1\r\n5\r\n1\r\n1546\r\n0\r\n1\r\n1\r\n1\r\n50\r\n1\r\n1\r\n1\r\n0\r\n1\r\n"
        "Control\r\n1\r\n0\r\n0\r\n0\r\n-2147483648\r\n-2147483648\r\n";
    std::string bytes = SettingsFileBytes();
    CHECK(bytes == expected);
    CHECK(bytes.size() == 102);
}

TEST_CASE("list texts save with CR LF and every other byte unchanged")
{
    struct { std::string list, bytes; } rows[] = {
        {"", ""},
        {"A\nB\n", "A\r\nB\r\n"},
        {"no newline", "no newline"},
        {"\n\n", "\r\n\r\n"},
        {"100% %s %d %n\n", "100% %s %d %n\r\n"},
        {"\xe9t\xe9\t\n", "\xe9t\xe9\t\r\n"},
    };
    for (auto &r : rows) {
        CAPTURE(r.list);
        CHECK(ListFileBytes(r.list.c_str()) == r.bytes);
    }
}

TEST_CASE("a list text never runs past its buffer, and keeps whole lines only")
{
    // Guard bytes after the buffer show any write past its end.
    std::vector<char> buf(LIST_TEXT_SIZE + 64, '\x55');
    auto load = [&](const std::string &bytes) {
        MEMORYTEXT m = {bytes.data(), bytes.size(), 0};
        TEXTREADER r;
        OpenTextReader(&r, MemoryTextSource, &m);
        return ReadListText(&r, buf.data());
    };
    auto guardIntact = [&] {
        for (size_t i = LIST_TEXT_SIZE; i < buf.size(); i++)
            if (buf[i] != '\x55')
                return false;
        return true;
    };
    // 9 characters and a newline per entry: 10,004 entries fill 100,040 bytes.
    std::string entry = "abcdefghi\n";
    std::string full;
    for (int i = 0; i < 10004; i++)
        full += entry;
    full += std::string(8, 'k') + "\n";          // 100,049 characters: fits exactly
    CHECK(load(full) == LIST_TEXT_SIZE - 1);
    CHECK(std::string(buf.data()) == full);
    CHECK(guardIntact());

    // One more character and that last line is dropped whole.
    std::string over = full;
    over.insert(over.size() - 1, "k");
    CHECK(load(over) == 100040);
    CHECK(buf[100040] == '\0');
    CHECK(guardIntact());

    // A long line that starts inside the buffer and crosses its end (several
    // pieces) goes whole; the shorter line after it is not read either.
    std::string crossing = full.substr(0, 100040 - 3000) + std::string(5000, 'L') + "\nshort\n";
    CHECK(load(crossing) == 100040 - 3000);
    CHECK(strlen(buf.data()) == 100040 - 3000);
    CHECK(guardIntact());
}
