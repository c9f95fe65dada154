// Walking and rebuilding list texts (title fragments, each followed by one
// newline, zero-terminated) without any window: the Windows dialog fills its
// combo boxes from these entries and rebuilds the texts from their items.
#pragma once
#include <stddef.h>
#include <string>
#include <vector>

// Every entry of the text, in text order: the characters before each
// newline (two newlines in a row give an empty entry). Characters after the
// last newline have no newline of their own and form no entry. The whole
// text is walked, however long, so that no entry is lost when the dialog
// rebuilds the text from what it shows.
std::vector<std::string> ListEntries(const char *listText);

// Appends the entry and one newline at *pnLength when the text, terminator
// included, still fits in nBufferSize bytes; returns 1 then, and 0 (text
// unchanged) when it would not fit.
int AppendListEntry(char *listText, size_t nBufferSize, size_t *pnLength,
                    const char *entry, size_t nEntryLength);
