// The file side of the settings files: opening a file for reading as a text
// source, replacing a file's contents safely, and the "Unable to write:"
// report on the main window.
#pragma once
#include <windows.h>
#include <string>

// INVALID_HANDLE_VALUE when the file cannot be opened for reading.
HANDLE OpenForReading(const char *szName);
// A TEXTSOURCE over a handle from OpenForReading.
int FileTextSource(void *pContext, char *buf, int cb);

// Writes the bytes to a temporary file beside szName and then puts it in
// szName's place in one step. FALSE, with szName left exactly as it was and
// no temporary file left behind, when szName cannot be opened for writing or
// any write, the flush, the close or the replacement fails.
BOOL ReplaceFileBytes(const char *szName, const std::string &bytes);

// Draws "Unable to write:" and the file name at the main window's top left.
void ReportUnableToWrite(const char *szName);

// Test-only fault injection: when set to N > 0, the Nth chunk written from
// then on fails half way, as on a full disk. It fires once and resets to 0.
extern int nTestFailingWrite;
