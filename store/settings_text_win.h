// The file side of the settings files: opening a file for reading as a text
// source, the code page conversion of UTF-16 text, replacing a file's
// contents safely, keeping a copy of a file before it is replaced, and the
// "Unable to write:" report on the main window. Every name goes to Windows
// through the wide calls, so a folder named outside the ANSI code page works.
#pragma once
#include <windows.h>
#include <string>

// INVALID_HANDLE_VALUE when the file cannot be opened for reading.
HANDLE OpenForReading(const wchar_t *szName);
// A TEXTSOURCE over a handle from OpenForReading.
int FileTextSource(void *pContext, char *buf, int cb);
// A WIDETOANSI: WideCharToMultiByte to the ANSI code page, no best fit (a
// character the code page lacks is '?' and counts as lost).
int FileWideToAnsi(const wchar_t *pw, int nw, char *out, int cbOut, int *pbLost);

// Writes the bytes to a temporary file beside szName and then puts it in
// szName's place in one step. FALSE, with szName left exactly as it was and
// no temporary file left behind, when szName cannot be opened for writing or
// any write, the flush, the close or the replacement fails.
BOOL ReplaceFileBytes(const wchar_t *szName, const std::string &bytes);

// Copies szName to szBackup, replacing an older backup. TRUE also when there
// is no szName to copy.
BOOL KeepBackup(const wchar_t *szName, const wchar_t *szBackup);

// Draws "Unable to write:" and the file name at the main window's top left.
void ReportUnableToWrite(const char *szName);

// Test-only fault injection: when set to N > 0, the Nth chunk written from
// then on fails half way, as on a full disk. It fires once and resets to 0.
extern int nTestFailingWrite;
