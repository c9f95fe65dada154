// LoadSettings and SaveSettings: the three files in their fixed order. Lists
// are read before settings.dat; saving stops at the first file it cannot
// write and reports that file.
#include "store/settings_store.h"
#include "store/settings_file.h"
#include "store/settings_text.h"
#include "scroll/settings.h"

// Reads a list file into szList, or settings.dat into the options when
// szList is NULL. A file that cannot be opened leaves the record as it was.
static void LoadFile(const char *szName, char *szList)
{
    HANDLE h = OpenForReading(szName);
    if (h == INVALID_HANDLE_VALUE)
        return;
    TEXTREADER r;
    OpenTextReader(&r, FileTextSource, h);
    if (szList)
        ReadListText(&r, szList);
    else
        ReadSettingsLines(&r);
    CloseHandle(h);
}

void LoadSettings(void)
{
    LoadFile("list1.txt", Settings.szExcludeList);
    LoadFile("list2.txt", Settings.szIncludeList);
    LoadFile("settings.dat", NULL);
}

static BOOL SaveFile(const char *szName, const std::string &bytes)
{
    if (ReplaceFileBytes(szName, bytes))
        return TRUE;
    ReportUnableToWrite(szName);
    return FALSE;
}

void SaveSettings(void)
{
    if (!SaveFile("settings.dat", SettingsFileBytes()))
        return;
    if (!SaveFile("list1.txt", ListFileBytes(Settings.szExcludeList)))
        return;
    SaveFile("list2.txt", ListFileBytes(Settings.szIncludeList));
}
