// Case-insensitive substring test. Only ASCII letters fold; every other byte
// compares as it is, so code-page characters in titles match themselves only.
#include "scroll/text_match.h"
#include <string.h>

static unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? (unsigned char)(c - 'a' + 'A') : c;
}

int ContainsText(const char *haystack, const char *needle)
{
    size_t nHay = strlen(haystack);
    size_t nNeedle = strlen(needle);
    if (nHay < nNeedle)
        return 0;
    for (size_t i = 0; i + nNeedle <= nHay; i++) {
        size_t k = 0;
        while (k < nNeedle &&
               FoldAscii((unsigned char)haystack[i + k]) == FoldAscii((unsigned char)needle[k]))
            k++;
        if (k == nNeedle)
            return 1;
    }
    return 0;
}
