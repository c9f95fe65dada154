// Text-mode reading and writing of the settings files, done by hand so the
// bytes on disk are the same whatever C runtime the program is linked with.
#include "store/settings_text.h"
#include "store/settings_table.h"
#include "scroll/settings.h"
#include "input/key_names.h"
#include <limits.h>
#include <string.h>

#define CTRL_Z 26

void OpenTextReader(TEXTREADER *r, TEXTSOURCE pfnSource, void *pContext)
{
    r->pfnSource = pfnSource;
    r->pContext = pContext;
    r->nPos = r->nLen = 0;
    r->bEnded = 0;
    r->bAfterCR = 0;
}

// Next raw byte, or -1 once the text has ended.
static int NextByte(TEXTREADER *r)
{
    if (r->bEnded)
        return -1;
    if (r->nPos == r->nLen) {
        int n = r->pfnSource(r->pContext, r->achChunk, READ_CHUNK_SIZE);
        if (n <= 0) {
            r->bEnded = 1;
            return -1;
        }
        r->nPos = 0;
        r->nLen = n;
    }
    return (unsigned char)r->achChunk[r->nPos++];
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
    Settings.nScrollVk = KeyNameToVk(szLine);
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
    if (n != (int)sizeof szHeader - 1 || memcmp(szLine, szHeader, sizeof szHeader - 1) != 0)
        return 0;
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
        if (nLen + nKeep + 1 > LIST_TEXT_SIZE) {
            // The line does not fit: drop what of it was appended, and stop.
            nLen = nLineStart;
            szList[nLen] = '\0';
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
