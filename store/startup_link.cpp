// The decision behind the "Start With Windows" box. A shortcut made by
// another copy of Veltrac (another folder, so other settings) is not this
// copy's: the box stays unchecked, and an unchanged box never removes it.
#include "store/startup_link.h"

// Windows compares file names without regard to case across the Unicode
// letters; this folds the ranges paths are made of in practice: ASCII,
// Latin-1, Latin Extended-A, Greek and Cyrillic. Two spellings that differ
// outside them count as different paths, so the box errs towards unchecked.
static unsigned FoldPathChar(unsigned c)
{
    if (c == '/')
        return '\\';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 'A';
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)      // à..þ, not ÷
        return c - 0x20;
    if (c == 0xFF)                                 // ÿ
        return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        // Pairs, upper case first, except 0x139..0x148 and 0x179..0x17E,
        // which pair odd with even; 0x130, 0x131, 0x138, 0x149, 0x17F
        // stand alone.
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
            return (c & 1) ? c : c - 1;
        if (c == 0x130 || c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F)
            return c;
        return c & ~1u;
    }
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2)   // α..ω, not final ς
        return c - 0x20;
    if (c >= 0x430 && c <= 0x44F)                  // а..я
        return c - 0x20;
    if (c >= 0x450 && c <= 0x45F)                  // ѐ..џ
        return c - 0x50;
    return c;
}

// Length without one trailing separator.
static size_t PathLength(const wchar_t *s)
{
    size_t n = 0;
    while (s[n])
        n++;
    if (n > 0 && (s[n - 1] == L'\\' || s[n - 1] == L'/'))
        n--;
    return n;
}

int SamePath(const wchar_t *a, const wchar_t *b)
{
    size_t n = PathLength(a);
    if (n == 0 || n != PathLength(b))
        return 0;
    for (size_t i = 0; i < n; i++)
        if (FoldPathChar((unsigned)a[i]) != FoldPathChar((unsigned)b[i]))
            return 0;
    return 1;
}

int StartupBoxChecked(const STARTUPLINK *link, const wchar_t *szExe, const wchar_t *szCurDir)
{
    return link->bExists && !link->bApprovedOff && link->szTarget && link->szWorkDir &&
           SamePath(link->szTarget, szExe) && SamePath(link->szWorkDir, szCurDir);
}

int StartupApprovedOff(const unsigned char *data, size_t cb)
{
    return cb > 0 && (data[0] & 1);
}
