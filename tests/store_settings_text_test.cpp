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

TEST_CASE("byte-order marks: which one the first bytes carry")
{
    struct { std::string bytes; TEXTMARK mark; size_t cbMark; } rows[] = {
        {"", MARK_NONE, 0},
        {"settings 1\r\n", MARK_NONE, 0},
        {"\xef\xbb\xbfsettings", MARK_UTF8, 3},
        {"\xef\xbb\xbf", MARK_UTF8, 3},
        {"\xef\xbb", MARK_NONE, 0},                 // cut short: no mark
        {"\xef\xbb\xbe", MARK_NONE, 0},
        {"\xff\xfe", MARK_UTF16LE, 2},
        {std::string("\xff\xfes\0", 4), MARK_UTF16LE, 2},
        {"\xfe\xff", MARK_UTF16BE, 2},
        {"\xff", MARK_NONE, 0},
        {"\xfe\xfe", MARK_NONE, 0},
        {" \xef\xbb\xbf", MARK_NONE, 0},            // only at the very start
    };
    for (auto &r : rows) {
        CAPTURE(r.bytes);
        size_t cbMark = 99;
        CHECK(DetectTextMark((const unsigned char *)r.bytes.data(), r.bytes.size(), &cbMark) == r.mark);
        CHECK(cbMark == r.cbMark);
    }
}

// UTF-16 bytes of a text given as code units, little or big endian, with
// the mark in front.
static std::string Utf16(const std::u16string &text, bool bBigEndian)
{
    std::string out = bBigEndian ? "\xfe\xff" : "\xff\xfe";
    for (char16_t u : text) {
        char lo = (char)(u & 0xff), hi = (char)(u >> 8);
        out += bBigEndian ? std::string{hi, lo} : std::string{lo, hi};
    }
    return out;
}

// n surrogate pairs in a row.
static std::u16string PairRun(int n)
{
    std::u16string out;
    for (int i = 0; i < n; i++)
        out += u"\U0001F600";
    return out;
}

struct READOUT {
    std::vector<std::string> lines;
    int bDropped;
};

// A converter standing in for the Win32 one: e-acute is 0xE9 as in
// Windows-1252, the rest is lost as '?', a surrogate pair as one '?', and
// half a pair (which the reader must never hand over) as '!'.
static int Latin1Only(const wchar_t *pw, int nw, char *out, int cbOut, int *pbLost)
{
    int n = 0;
    for (int i = 0; i < nw && n < cbOut; i++) {
        bool bHigh = pw[i] >= 0xD800 && pw[i] < 0xDC00, bLow = pw[i] >= 0xDC00 && pw[i] < 0xE000;
        if (bHigh && i + 1 < nw && pw[i + 1] >= 0xDC00 && pw[i + 1] < 0xE000) {
            out[n++] = '?';
            i++;
        } else if (bHigh || bLow) {
            out[n++] = '!';
        } else {
            out[n++] = pw[i] < 0x100 ? (char)pw[i] : '?';
        }
        if (pw[i] >= 0x100)
            *pbLost = 1;
    }
    return n;
}

static READOUT ReadThrough(const std::string &bytes, int nChunk, WIDETOANSI pfn)
{
    SLOWTEXT s = {{bytes.data(), bytes.size(), 0}, nChunk};
    TEXTREADER r;
    OpenTextReader(&r, SlowSource, &s, pfn);
    READOUT out = {{}, 0};
    char line[LINE_BUFFER_SIZE];
    int n;
    while ((n = ReadTextLine(&r, line)) >= 0)
        out.lines.push_back(std::string(line, n));
    out.bDropped = r.bDropped;
    return out;
}

TEST_CASE("a UTF-8 mark is skipped and UTF-16 is read as text, whatever the chunks")
{
    std::u16string longLine(3000, u'w');
    struct {
        const char *what;
        std::string bytes;
        std::vector<std::string> lines;
        int bDropped;
    } rows[] = {
        {"UTF-8 mark", "\xef\xbb\xbfsettings 1\r\n5\r\n", {"settings 1\n", "5\n"}, 0},
        {"UTF-8 mark only", "\xef\xbb\xbf", {}, 0},
        {"UTF-8 mark, bytes after it as they are", "\xef\xbb\xbf" "caf\xc3\xa9\n", {"caf\xc3\xa9\n"}, 0},
        {"a second mark is text", "\xef\xbb\xbf\xef\xbb\xbfx", {"\xef\xbb\xbfx"}, 0},
        {"UTF-16 LE", Utf16(u"settings 1\r\n5\r\n", false), {"settings 1\n", "5\n"}, 0},
        {"UTF-16 BE", Utf16(u"settings 1\r\n5\r\n", true), {"settings 1\n", "5\n"}, 0},
        {"UTF-16 mark only", Utf16(u"", false), {}, 0},
        {"UTF-16, lone CR and LF", Utf16(u"a\rb\nc", false), {"a\n", "b\n", "c"}, 0},
        {"UTF-16 e-acute through the converter", Utf16(u"caf\u00e9\r\n", true), {"caf\xe9\n"}, 0},
        {"UTF-16 Greek the code page lacks", Utf16(u"\u03b1\u03b2\r\nok\r\n", false),
         {"??\n", "ok\n"}, 1},
        // A pair reaches the converter whole, whichever chunk cuts it.
        {"UTF-16 surrogate pair", Utf16(u"x\U0001F600y\n", false), {"x?y\n"}, 1},
        {"UTF-16 pairs across every batch", Utf16(std::u16string(2000, u'a') + PairRun(3000), false),
         {std::string(1999, 'a'), std::string(1, 'a') + std::string(1998, '?'),
          std::string(1002, '?')}, 1},
        {"UTF-16 lone halves", Utf16(std::u16string{0xD800, u'a', 0xDC00}, true), {"!a!"}, 1},
        {"UTF-16 odd last byte", Utf16(u"ab", false) + "c", {"ab"}, 1},
        {"UTF-16 zero unit", Utf16(std::u16string(u"a\0b\n", 4), false), {std::string("a\0b\n", 4)}, 0},
        {"UTF-16 Ctrl-Z ends, the rest dropped", Utf16(u"a\r\nb\x1a" u"c\r\n", false), {"a\n", "b"}, 1},
        {"UTF-16 long line in pieces", Utf16(longLine + u"\r\n", false),
         {std::string(1999, 'w'), std::string(1001, 'w') + "\n"}, 0},
        {"Ctrl-Z at the very end drops nothing", "a\r\n\x1a", {"a\n"}, 0},
        {"bytes after Ctrl-Z are dropped", "a\r\n\x1a" "b", {"a\n"}, 1},
    };
    for (auto &r : rows) {
        std::string what = r.what;
        for (int nChunk : {1, 2, 3, 7, READ_CHUNK_SIZE}) {
            CAPTURE(what);
            CAPTURE(nChunk);
            READOUT got = ReadThrough(r.bytes, nChunk, Latin1Only);
            CHECK(got.lines == r.lines);
            CHECK(got.bDropped == r.bDropped);
        }
    }
}

TEST_CASE("UTF-16 without a converter: ASCII as it is, the rest as '?' and dropped")
{
    std::string bytes = Utf16(u"Notepad\r\ncaf\u00e9\r\nx\U0001F600\r\n", false);
    for (int nChunk : {1, 3, READ_CHUNK_SIZE}) {
        CAPTURE(nChunk);
        READOUT got = ReadThrough(bytes, nChunk, nullptr);
        CHECK(got.lines == std::vector<std::string>{"Notepad\n", "caf?\n", "x?\n"});
        CHECK(got.bDropped == 1);
    }
    READOUT ascii = ReadThrough(Utf16(u"Notepad\r\nWord\r\n", true), 5, nullptr);
    CHECK(ascii.lines == std::vector<std::string>{"Notepad\n", "Word\n"});
    CHECK(ascii.bDropped == 0);
}

TEST_CASE("settings.dat: a first line that is not the header rejects the file, no text does not")
{
    struct { std::string bytes; int result; } rows[] = {
        {"", 0},
        {"\xef\xbb\xbf", 0},
        {Utf16(u"", false), 0},
        {"\x1a" "settings 1\r\n", 0},
        {"settings 1\r\n", 0},
        {"settings 1\r\n5\r\n", 1},
        {"\xef\xbb\xbfsettings 1\r\n5\r\n", 1},
        {Utf16(u"settings 1\r\n5\r\n6\r\n", true), 2},
        {"settings 2\r\n5\r\n", -1},
        {"\r\n", -1},
        {"settings 1", -1},
        {"\xef\xbb\xbf\xef\xbb\xbfsettings 1\r\n5\r\n", -1},
        {std::string("s\0e\0t\0", 6), -1},          // UTF-16 without its mark
    };
    for (auto &r : rows) {
        CAPTURE(r.bytes);
        SLOWTEXT s = {{r.bytes.data(), r.bytes.size(), 0}, 2};
        TEXTREADER reader;
        OpenTextReader(&reader, SlowSource, &s);
        CHECK(ReadSettingsLines(&reader) == r.result);
    }
    RestoreDefaults();
}

TEST_CASE("a list drops nothing, or says so")
{
    static char list[LIST_TEXT_SIZE];
    std::string full;
    for (int i = 0; i < 10004; i++)
        full += "abcdefghi\n";
    full += std::string(8, 'k') + "\n";             // fills the list exactly
    struct { const char *what; std::string bytes; int bDropped; } rows[] = {
        {"plain", "a\r\nb\r\n", 0},
        {"empty", "", 0},
        {"lone CRs", "a\rb\r", 0},
        {"exactly full", full, 0},
        {"one line too many", full + "x\n", 1},
        {"a zero byte", std::string("a\0b\r\n", 5), 1},
        {"text after Ctrl-Z", "a\r\n\x1a" "b\r\n", 1},
        {"Ctrl-Z last", "a\r\n\x1a", 0},
        {"UTF-16, ASCII only", Utf16(u"Notepad\r\n", false), 0},
        {"UTF-16, a zero unit", Utf16(std::u16string(u"a\0b\r\n", 5), false), 1},
    };
    for (auto &r : rows) {
        std::string what = r.what;
        CAPTURE(what);
        MEMORYTEXT m = {r.bytes.data(), r.bytes.size(), 0};
        TEXTREADER reader;
        OpenTextReader(&reader, MemoryTextSource, &m);
        ReadListText(&reader, list);
        CHECK(reader.bDropped == r.bDropped);
    }
}
