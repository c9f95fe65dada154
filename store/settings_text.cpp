// Text-mode reading and writing of the settings files, done by hand so the
// bytes on disk are the same whatever C runtime the program is linked with.
// Byte-order marks are found here too; only turning UTF-16 beyond ASCII into
// the ANSI code page needs Windows, and the file side hands that in.
#include "store/settings_text.h"
#include "store/settings_table.h"
#include "scroll/options.h"
#include "input/key_names.h"
#include <limits.h>
#include <string.h>

#define CTRL_Z 26

void OpenTextReader(TEXTREADER *r, TEXTSOURCE pfnSource, void *pContext,
                    WIDETOANSI pfnWideToAnsi)
{
    r->pfnSource = pfnSource;
    r->pContext = pContext;
    r->pfnWideToAnsi = pfnWideToAnsi;
    r->nPos = r->nLen = 0;
    r->bEnded = 0;
    r->bAfterCR = 0;
    r->bMarkRead = 0;
    r->nMark = MARK_NONE;
    r->nRawLen = 0;
    r->bRawEnded = 0;
    r->bDropped = 0;
}

TEXTMARK DetectTextMark(const unsigned char *p, size_t cb, size_t *pcbMark)
{
    TEXTMARK mark = MARK_NONE;
    size_t n = 0;
    if (cb >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        mark = MARK_UTF8, n = 3;
    else if (cb >= 2 && p[0] == 0xFF && p[1] == 0xFE)
        mark = MARK_UTF16LE, n = 2;
    else if (cb >= 2 && p[0] == 0xFE && p[1] == 0xFF)
        mark = MARK_UTF16BE, n = 2;
    *pcbMark = n;
    return mark;
}

// Fills achRaw from the source as far as it goes; the source may hand out
// fewer bytes than asked for at a time.
static void TopUpRaw(TEXTREADER *r, int nWanted)
{
    while (!r->bRawEnded && r->nRawLen < nWanted) {
        int n = r->pfnSource(r->pContext, (char *)r->achRaw + r->nRawLen,
                             (int)sizeof r->achRaw - r->nRawLen);
        if (n <= 0)
            r->bRawEnded = 1;
        else
            r->nRawLen += n;
    }
}

static wchar_t RawUnit(const TEXTREADER *r, int i)
{
    const unsigned char *p = r->achRaw + 2 * i;
    return r->nMark == MARK_UTF16LE ? (wchar_t)(p[0] | p[1] << 8) : (wchar_t)(p[0] << 8 | p[1]);
}

// ASCII needs no code page; anything else goes to the Win32 side's
// converter, or reads as '?' without one.
static int WideToAnsi(TEXTREADER *r, const wchar_t *pw, int nw, char *out, int cbOut)
{
    bool bAscii = true;
    for (int i = 0; i < nw; i++)
        bAscii = bAscii && pw[i] < 0x80;
    if (!bAscii && r->pfnWideToAnsi)
        return r->pfnWideToAnsi(pw, nw, out, cbOut, &r->bDropped);
    int n = 0;
    for (int i = 0; i < nw && n < cbOut; i++) {
        if (pw[i] >= 0xDC00 && pw[i] < 0xE000 && i > 0 && pw[i - 1] >= 0xD800 && pw[i - 1] < 0xDC00)
            continue;                   // the second half of a pair already given as '?'
        out[n++] = pw[i] < 0x80 ? (char)pw[i] : '?';
        r->bDropped |= pw[i] >= 0x80;
    }
    return n;
}

// UTF-16: the next units, converted into achChunk. A pair is never cut in
// two, neither at the end of the raw bytes read so far nor at the end of a
// batch; an odd byte at the very end is dropped. 0 at the end of the text.
static int NextWideChunk(TEXTREADER *r)
{
    for (;;) {
        TopUpRaw(r, (int)sizeof r->achRaw);
        int nUnits = r->nRawLen / 2;
        if (nUnits > WIDE_CHUNK_UNITS)
            nUnits = WIDE_CHUNK_UNITS;
        bool bMore = !r->bRawEnded || nUnits < r->nRawLen / 2;
        wchar_t last = nUnits > 0 ? RawUnit(r, nUnits - 1) : 0;
        if (bMore && last >= 0xD800 && last < 0xDC00)
            nUnits--;                   // its pair follows: they go together
        if (nUnits == 0) {
            if (r->bRawEnded) {
                r->bDropped |= r->nRawLen > 0;
                r->nRawLen = 0;
                return 0;
            }
            continue;
        }
        wchar_t aw[WIDE_CHUNK_UNITS];
        for (int i = 0; i < nUnits; i++)
            aw[i] = RawUnit(r, i);
        int n = WideToAnsi(r, aw, nUnits, r->achChunk, READ_CHUNK_SIZE);
        r->nRawLen -= 2 * nUnits;
        memmove(r->achRaw, r->achRaw + 2 * nUnits, (size_t)r->nRawLen);
        if (n > 0)
            return n;
    }
}

// The first bytes are looked at for a mark: without one, or after UTF-8's,
// they are the text itself; UTF-16 goes through NextWideChunk from then on.
static int FirstChunk(TEXTREADER *r)
{
    r->bMarkRead = 1;
    TopUpRaw(r, 3);
    size_t cbMark = 0;
    r->nMark = DetectTextMark(r->achRaw, (size_t)r->nRawLen, &cbMark);
    r->nRawLen -= (int)cbMark;
    memmove(r->achRaw, r->achRaw + cbMark, (size_t)r->nRawLen);
    if (r->nMark == MARK_UTF16LE || r->nMark == MARK_UTF16BE)
        return NextWideChunk(r);
    memcpy(r->achChunk, r->achRaw, (size_t)r->nRawLen);
    int n = r->nRawLen;
    r->nRawLen = 0;
    return n;
}

// The next piece of text, 0 at its end.
static int NextChunk(TEXTREADER *r)
{
    if (!r->bMarkRead) {
        int n = FirstChunk(r);
        if (n > 0 || r->bRawEnded)
            return n;
    }
    if (r->nMark == MARK_UTF16LE || r->nMark == MARK_UTF16BE)
        return NextWideChunk(r);
    return r->pfnSource(r->pContext, r->achChunk, READ_CHUNK_SIZE);
}

// Next byte of the text, or -1 once the text has ended.
static int NextByte(TEXTREADER *r)
{
    if (r->bEnded)
        return -1;
    if (r->nPos == r->nLen) {
        int n = NextChunk(r);
        if (n <= 0) {
            r->bEnded = 1;
            return -1;
        }
        r->nPos = 0;
        r->nLen = n;
    }
    return (unsigned char)r->achChunk[r->nPos++];
}

// After a Ctrl-Z: whether the file goes on (what follows is dropped).
static bool MoreAfterEnd(TEXTREADER *r)
{
    if (r->nPos < r->nLen)
        return true;
    return NextChunk(r) > 0;
}

int ReadTextLine(TEXTREADER *r, char szLine[LINE_BUFFER_SIZE])
{
    int n = 0;
    while (n < LINE_BUFFER_SIZE - 1) {
        int c = NextByte(r);
        if (c < 0)
            break;
        // The LF of a CR LF pair may come in the next chunk, or be the first
        // byte of the next call (after a 1999-character piece): the flag
        // carries the pair across both.
        int bAfterCR = r->bAfterCR;
        r->bAfterCR = 0;
        if (c == '\n' && bAfterCR)
            continue;
        if (c == '\r') {
            r->bAfterCR = 1;
            c = '\n';
        }
        if (c == CTRL_Z) {
            r->bEnded = 1;              // the rest of the file is not text
            r->bDropped |= MoreAfterEnd(r);
            break;
        }
        szLine[n++] = (char)c;
        if (c == '\n')
            break;
    }
    szLine[n] = '\0';
    return n > 0 ? n : -1;
}

int MemoryTextSource(void *pContext, char *buf, int cb)
{
    MEMORYTEXT *m = (MEMORYTEXT *)pContext;
    size_t left = m->cbBytes - m->nPos;
    size_t n = left < (size_t)cb ? left : (size_t)cb;
    memcpy(buf, m->pBytes + m->nPos, n);
    m->nPos += n;
    return (int)n;
}

int ParseSettingsNumber(const char *szLine)
{
    const char *p = szLine;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\v' || *p == '\f' || *p == '\r')
        p++;
    int bNegative = 0;
    if (*p == '+' || *p == '-')
        bNegative = *p++ == '-';
    // Unsigned arithmetic wraps by definition; signed overflow would not.
    unsigned int u = 0;
    while (*p >= '0' && *p <= '9')
        u = u * 10u + (unsigned int)(*p++ - '0');
    if (bNegative)
        u = 0u - u;
    // Two's-complement reading of the 32 bits without an out-of-range cast.
    return u <= (unsigned int)INT_MAX ? (int)u : -(int)(~u) - 1;
}

// Line 15: one trailing line end goes, the key code comes from the whole
// line, and the record keeps as much of the name as its field holds.
static void StoreTextLine(const SETTINGSLINE *row, char *szLine)
{
    size_t n = strlen(szLine);
    if (n > 0 && (szLine[n - 1] == '\n' || szLine[n - 1] == '\r'))
        szLine[--n] = '\0';
    *row->pnKeyCode = KeyNameToVk(szLine);
    size_t keep = n < (size_t)row->cbField - 1 ? n : (size_t)row->cbField - 1;
    char *field = (char *)row->pField;
    memcpy(field, szLine, keep);
    field[keep] = '\0';
}

int ReadSettingsLines(TEXTREADER *r)
{
    char szLine[LINE_BUFFER_SIZE];
    static const char szHeader[] = SETTINGS_HEADER "\n";
    int n = ReadTextLine(r, szLine);
    if (n < 0)
        return 0;                       // no text: nothing to reject
    if (n != (int)sizeof szHeader - 1 || memcmp(szLine, szHeader, sizeof szHeader - 1) != 0)
        return -1;
    int nStored = 0;
    for (const SETTINGSLINE &row : aSettingsLines) {
        if (ReadTextLine(r, szLine) < 0)
            break;
        if (row.nKind == LINE_TEXT) {
            StoreTextLine(&row, szLine);
        } else {
            int value = ParseSettingsNumber(szLine);
            if (row.nChoices && (value < 0 || value >= row.nChoices))
                value = 0;
            *(int *)row.pField = value;
        }
        nStored++;
    }
    return nStored;
}

int ReadListText(TEXTREADER *r, char *szList)
{
    char szLine[LINE_BUFFER_SIZE];
    int nLen = 0;
    int nLineStart = 0;                 // where the physical line being read began
    szList[0] = '\0';
    for (;;) {
        int n = ReadTextLine(r, szLine);
        if (n < 0)
            break;
        // A zero byte cannot stand inside a list text; dropping it keeps the
        // entries after it.
        int nKeep = 0;
        for (int i = 0; i < n; i++)
            if (szLine[i] != '\0')
                szLine[nKeep++] = szLine[i];
        r->bDropped |= nKeep < n;
        if (nLen + nKeep + 1 > LIST_TEXT_SIZE) {
            // The line does not fit: drop what of it was appended, and stop.
            nLen = nLineStart;
            szList[nLen] = '\0';
            r->bDropped = 1;
            break;
        }
        memcpy(szList + nLen, szLine, nKeep);
        nLen += nKeep;
        szList[nLen] = '\0';
        // Lines over 1999 characters come in pieces; a line is complete at
        // its newline (or at the end of the file).
        if (nKeep > 0 && szLine[nKeep - 1] == '\n')
            nLineStart = nLen;
    }
    return nLen;
}

// "%d" by hand: a minus sign for negative values, no plus, no padding. (The
// C library's formatter would bring its whole floating-point printer along.)
static void AppendDecimal(std::string *out, int value)
{
    char digits[12];
    int n = 0;
    unsigned int u = value < 0 ? 0u - (unsigned int)value : (unsigned int)value;
    do {
        digits[n++] = (char)('0' + u % 10);
        u /= 10;
    } while (u);
    if (value < 0)
        out->push_back('-');
    while (n > 0)
        out->push_back(digits[--n]);
}

std::string SettingsFileBytes(void)
{
    bool bOptional = false;
    for (const SETTINGSLINE &row : aSettingsLines)
        if (row.bOptional && *(const int *)row.pField != 0)
            bOptional = true;
    std::string out = SETTINGS_HEADER "\r\n";
    for (const SETTINGSLINE &row : aSettingsLines) {
        if (row.bOptional && !bOptional)
            break;                      // the optional lines stand last
        if (row.nKind == LINE_TEXT) {
            const char *text = (const char *)row.pField;
            out.append(text, strnlen(text, row.cbField));
        } else {
            AppendDecimal(&out, *(const int *)row.pField);
        }
        out += "\r\n";
    }
    return out;
}

std::string ListFileBytes(const char *szList)
{
    size_t n = strnlen(szList, LIST_TEXT_SIZE);
    std::string out;
    out.reserve(n + n / 8);
    for (size_t i = 0; i < n; i++) {
        if (szList[i] == '\n')
            out += '\r';
        out += szList[i];
    }
    return out;
}
