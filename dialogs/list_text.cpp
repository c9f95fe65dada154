// List-text entries: splitting a text into its entries and appending one
// entry under the buffer's size limit.
#include "dialogs/list_text.h"
#include <string.h>

std::vector<std::string> ListEntries(const char *listText)
{
    std::vector<std::string> entries;
    const char *start = listText;
    for (const char *p = listText; *p; p++) {
        if (*p == '\n') {
            entries.emplace_back(start, (size_t)(p - start));
            start = p + 1;
        }
    }
    return entries;
}

int AppendListEntry(char *listText, size_t nBufferSize, size_t *pnLength,
                    const char *entry, size_t nEntryLength)
{
    // The entry, its newline and the terminating zero must all fit.
    if (*pnLength + nEntryLength + 2 > nBufferSize)
        return 0;
    memcpy(listText + *pnLength, entry, nEntryLength);
    *pnLength += nEntryLength;
    listText[(*pnLength)++] = '\n';
    listText[*pnLength] = '\0';
    return 1;
}
