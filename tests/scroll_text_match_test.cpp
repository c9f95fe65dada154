// ContainsText: the one matching routine behind title lists, class names and
// command-line switches.
#include <doctest.h>
#include "scroll/text_match.h"

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
