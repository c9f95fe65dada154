// The text matching behind title lists, command-line switches, class
// patterns and program names.
#include <doctest.h>
#include "scroll/text_match.h"
#include <string.h>
#include <string>

TEST_CASE("ContainsText is a case-insensitive substring test on ASCII letters")
{
    struct { const char *hay, *needle; int expected; } rows[] = {
        {"Untitled - Notepad", "notepad", 1},
        {"Untitled - Notepad", "NOTEPAD", 1},
        {"Untitled - Notepad", "Untitled", 1},
        {"Untitled - Notepad", "pad", 1},
        {"Untitled - Notepad", "pads", 0},
        {"abc", "abcd", 0},          // needle longer than haystack
        {"", "", 1},                 // the empty needle is everywhere
        {"abc", "", 1},
        {"", "a", 0},
        {"RichEdit2", "Edit", 1},
        {"Afx:40000", "Afx:", 1},
        {"afx:40000", "AFX:", 1},
        {"mIRC_ChAnNeL", "channel", 1},
        {"-START", "-start", 1},
        {"x-startx", "-start", 1},
        {"\xC4rger", "\xE4rger", 0}, // only a-z fold; code-page letters do not
        {"a[b", "A{B", 0},           // '[' and '{' differ by 32 but are not letters
        {"@", "`", 0},
    };
    for (auto &r : rows) {
        CAPTURE(r.hay);
        CAPTURE(r.needle);
        CHECK(ContainsText(r.hay, r.needle) == r.expected);
    }
}

TEST_CASE("WildcardMatch and SameTextAnyCase: whole texts, '*' and '?', letter case by choice")
{
    struct { const char *pattern, *text; int bAnyCase, expected; } rows[] = {
        {"Chrome_WidgetWin_*", "Chrome_WidgetWin_1", 0, 1},
        {"Chrome_WidgetWin_*", "chrome_widgetwin_1", 0, 0},
        {"Chrome_WidgetWin_*", "chrome_widgetwin_1", 1, 1},
        {"*updown*", "msctls_updown32", 0, 1},
        {"HwndWrapper[*", "HwndWrapper[App;;1]", 0, 1},   // '[' is no class of characters
        {"game??", "GAME01", 1, 1},
        {"game??", "game1", 1, 0},                        // '?' is exactly one
        {"*a*b", "xaxxbxb", 1, 1},                        // the last star backtracks
        {"*a*b", "xaxxbx", 1, 0},
        {"a", "ab", 1, 0},                                // the whole text
        {"ApplicationFrameHost.exe", "applicationframehost.EXE", 1, 1},
        {"", "", 1, 1},
        {"**", "", 0, 1},
    };
    for (auto &r : rows) {
        CAPTURE(r.pattern);
        CAPTURE(r.text);
        CHECK(WildcardMatch(r.pattern, r.text, r.bAnyCase) == r.expected);
        if (r.bAnyCase && !strpbrk(r.pattern, "*?"))
            CHECK(SameTextAnyCase(r.pattern, r.text) == r.expected);
    }
}

TEST_CASE("ListMatchesTitle: entries end with a newline, case folds, empty titles never match")
{
    struct { const char *list, *title; int expected; } rows[] = {
        {"notepad\n", "Untitled - Notepad", 1},
        {"wordpad\nNOTEPAD\n", "Untitled - Notepad", 1},
        {"wordpad\n", "Untitled - Notepad", 0},
        {"notepad", "Untitled - Notepad", 0},       // no newline: no entry
        {"wordpad\nnotepad", "Untitled - Notepad", 0},
        {"wordpad\n\n", "Untitled - Notepad", 1},   // empty entry: any titled window
        {"\n", "x", 1},
        {"\n", "", 0},                              // ...but never an untitled one
        {"a\n", "", 0},
        {"", "anything", 0},
        {"Notepad - \n", "Untitled - Notepad", 0},
        {"d - n\n", "Untitled - Notepad", 1},
        {"PAD\n", "notepad", 1},
        {"untitled - notepad!\n", "Untitled - Notepad", 0},
        {"\xE4\n", "\xC4rger", 0},                   // only ASCII letters fold
    };
    for (auto &r : rows) {
        CAPTURE(r.list);
        CAPTURE(r.title);
        CHECK(ListMatchesTitle(r.list, r.title) == r.expected);
    }
}

// Entry by entry with ContainsText: slow, but plainly right.
static int NaiveListMatch(const std::string &list, const std::string &title)
{
    if (title.empty())
        return 0;
    size_t start = 0, nl;
    while ((nl = list.find('\n', start)) != std::string::npos) {
        if (ContainsText(title.c_str(), list.substr(start, nl - start).c_str()))
            return 1;
        start = nl + 1;
    }
    return 0;
}

TEST_CASE("ListMatchesTitle agrees with entry-by-entry matching on random texts")
{
    unsigned seed = 12345;
    auto next = [&seed] { seed = seed * 1103515245u + 12345u; return (seed >> 16) & 0x7fff; };
    const char alphabet[] = "aAbBc\n";
    int matches = 0;
    for (int round = 0; round < 3000; round++) {
        std::string list, title;
        int nList = next() % 24, nTitle = next() % 12;
        for (int i = 0; i < nList; i++)
            list += alphabet[next() % 6];
        for (int i = 0; i < nTitle; i++)
            title += alphabet[next() % 5];
        int expected = NaiveListMatch(list, title);
        matches += expected;
        CAPTURE(list);
        CAPTURE(title);
        REQUIRE(ListMatchesTitle(list.c_str(), title.c_str()) == expected);
    }
    CHECK(matches > 300);      // both outcomes well represented
    CHECK(matches < 2700);
}
