// The text rules of the settings files, free of any window or file call:
// reading lines (ended by CR LF, LF or a lone CR, as the editor that last
// saved the file chose), the numeric reader, loading settings.dat lines
// into the record, collecting a list text, and the exact bytes that saving
// writes.
#pragma once
#include <stddef.h>
#include <string>

#define LINE_BUFFER_SIZE 2000           // one read: at most 1999 characters and a zero
#define READ_CHUNK_SIZE 4096

// Fills buf with up to cb raw bytes of the file; returns how many, and 0 at
// the end of the file or on a read error (both simply end the text).
typedef int (*TEXTSOURCE)(void *pContext, char *buf, int cb);

struct TEXTREADER {
    TEXTSOURCE pfnSource;
    void *pContext;
    char achChunk[READ_CHUNK_SIZE];
    int nPos, nLen;
    int bEnded;                         // Ctrl-Z met, or the source ran dry
    int bAfterCR;                       // the last line ended at a CR: an LF next is its pair
};

void OpenTextReader(TEXTREADER *r, TEXTSOURCE pfnSource, void *pContext);

// Reads the next line into szLine: the characters up to and including the
// next line end, but at most 1999, then a zero. CR LF, a lone LF and a lone
// CR (as old Mac editors save) each end a line and arrive as one newline, in
// any mix; Ctrl-Z ends the text. Returns the number of characters stored (a
// line may hold zero bytes, so this can differ from strlen), or -1 when no
// characters are left.
int ReadTextLine(TEXTREADER *r, char szLine[LINE_BUFFER_SIZE]);

// An in-memory text as a source, for tests and callers that hold the bytes.
struct MEMORYTEXT {
    const char *pBytes;
    size_t cbBytes;
    size_t nPos;
};
int MemoryTextSource(void *pContext, char *buf, int cb);

// Leading white space, one optional sign, decimal digits; wraps modulo 2^32.
int ParseSettingsNumber(const char *szLine);

// Reads settings.dat from r into the record: the header must be exactly
// "settings 1" and a newline, then each line's value is stored in its field
// as soon as it has been read. Returns the number of field lines stored.
int ReadSettingsLines(TEXTREADER *r);

// Replaces the list text (LIST_TEXT_SIZE bytes) with the lines of r, whole
// lines only, as many as fit with the terminator. Returns its length.
int ReadListText(TEXTREADER *r, char *szList);

// The exact bytes of the files that saving writes, line ends as CR LF.
std::string SettingsFileBytes(void);
std::string ListFileBytes(const char *szList);
