// The text rules of the settings files, free of any window or file call:
// reading lines (ended by CR LF, LF or a lone CR, as the editor that last
// saved the file chose), byte-order marks (a UTF-8 mark is skipped, UTF-16
// with its mark is read as text), the numeric reader, loading settings.dat
// lines into the record, collecting a list text, and the exact bytes that
// saving writes (always ANSI, without a mark).
#pragma once
#include <stddef.h>
#include <string>

#define LINE_BUFFER_SIZE 2000           // one read: at most 1999 characters and a zero
#define READ_CHUNK_SIZE 4096

// Fills buf with up to cb raw bytes of the file; returns how many, and 0 at
// the end of the file or on a read error (both simply end the text).
typedef int (*TEXTSOURCE)(void *pContext, char *buf, int cb);

// The mark a file's first bytes carry: EF BB BF, FF FE or FE FF.
enum TEXTMARK { MARK_NONE, MARK_UTF8, MARK_UTF16LE, MARK_UTF16BE };

// Which mark the first cb bytes begin with (fewer than a whole mark is
// none), and its length in *pcbMark (0 for none).
TEXTMARK DetectTextMark(const unsigned char *p, size_t cb, size_t *pcbMark);

// Turns nw UTF-16 code units (never a surrogate pair cut in two) into the
// program's ANSI bytes, at most cbOut (3 per unit always fit); returns how
// many, and sets *pbLost when a character has no equivalent. The Win32 side
// gives WideCharToMultiByte; without one, characters past ASCII read as '?'.
typedef int (*WIDETOANSI)(const wchar_t *pw, int nw, char *out, int cbOut, int *pbLost);

#define WIDE_CHUNK_UNITS (READ_CHUNK_SIZE / 4)   // units converted at a time

struct TEXTREADER {
    TEXTSOURCE pfnSource;
    void *pContext;
    WIDETOANSI pfnWideToAnsi;
    char achChunk[READ_CHUNK_SIZE];     // the text: ANSI bytes, the mark gone
    int nPos, nLen;
    int bEnded;                         // Ctrl-Z met, or the source ran dry
    int bAfterCR;                       // the last line ended at a CR: an LF next is its pair
    int bMarkRead;                      // the first bytes have been looked at
    TEXTMARK nMark;
    unsigned char achRaw[READ_CHUNK_SIZE];   // UTF-16: raw bytes not yet converted
    int nRawLen;
    int bRawEnded;
    // Some of the file did not reach the text: bytes after a Ctrl-Z, UTF-16
    // characters the ANSI code page lacks or a last odd byte, and (set by
    // ReadListText) zero bytes and lines that did not fit.
    int bDropped;
};

// The first read looks for a mark: UTF-8's is skipped (the bytes after it
// are taken as they are), UTF-16 is converted with pfnWideToAnsi.
void OpenTextReader(TEXTREADER *r, TEXTSOURCE pfnSource, void *pContext,
                    WIDETOANSI pfnWideToAnsi = nullptr);

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
// as soon as it has been read. Returns the number of field lines stored, 0
// for a file with no text at all, and -1 when the first line is not the
// header (the file is rejected: nothing is stored).
int ReadSettingsLines(TEXTREADER *r);

// Replaces the list text (LIST_TEXT_SIZE bytes) with the lines of r, whole
// lines only, as many as fit with the terminator. Returns its length; sets
// r->bDropped when a line did not fit or a zero byte was left out.
int ReadListText(TEXTREADER *r, char *szList);

// The exact bytes of the files that saving writes, line ends as CR LF.
std::string SettingsFileBytes(void);
std::string ListFileBytes(const char *szList);
