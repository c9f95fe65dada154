// LoadSettings and SaveSettings: the three files in their fixed order. Lists
// are read before settings.dat; saving stops at the first file it cannot
// write and reports that file. A file the last load could not take whole is
// copied to <name>.bak before a save replaces it.
#include "store/settings_store.h"
#include "store/settings_text_win.h"
#include "store/settings_text.h"
#include "scroll/settings.h"

enum { FILE_SETTINGS, FILE_LIST1, FILE_LIST2, FILE_COUNT };

struct STOREFILE {
    const wchar_t *szName;
    const wchar_t *szBackup;
    const char *szReportName;           // as "Unable to write:" shows it
};

static const STOREFILE aFiles[FILE_COUNT] = {
    {L"settings.dat", L"settings.dat.bak", "settings.dat"},
    {L"list1.txt", L"list1.txt.bak", "list1.txt"},
    {L"list2.txt", L"list2.txt.bak", "list2.txt"},
};

// Per file, whether its last load rejected it: settings.dat whose first line
// is not the header, a list file of which some bytes did not reach the list
// (lines that did not fit, zero bytes, text after a Ctrl-Z, UTF-16
// characters the ANSI code page lacks). Saving the record over such a file
// would lose what the program could not read, so the next save keeps it.
static BOOL abRejected[FILE_COUNT];

// Reads a list file into szList, or settings.dat into the options when
// szList is NULL. A file that cannot be opened leaves the record as it was.
static void LoadFile(int nFile, char *szList)
{
    abRejected[nFile] = FALSE;
    HANDLE h = OpenForReading(aFiles[nFile].szName);
    if (h == INVALID_HANDLE_VALUE)
        return;
    static TEXTREADER r;                // 8 KB of buffers: not on the stack
    OpenTextReader(&r, FileTextSource, h, FileWideToAnsi);
    if (szList) {
        ReadListText(&r, szList);
        abRejected[nFile] = r.bDropped;
    } else {
        abRejected[nFile] = ReadSettingsLines(&r) < 0;
    }
    CloseHandle(h);
}

void LoadSettings(void)
{
    LoadFile(FILE_LIST1, Settings.szExcludeList);
    LoadFile(FILE_LIST2, Settings.szIncludeList);
    LoadFile(FILE_SETTINGS, NULL);
}

static BOOL SaveFile(int nFile, const std::string &bytes, const char **pszFailed)
{
    const STOREFILE &f = aFiles[nFile];
    if ((!abRejected[nFile] || KeepBackup(f.szName, f.szBackup)) &&
        ReplaceFileBytes(f.szName, bytes)) {
        abRejected[nFile] = FALSE;      // the file is the program's own now
        return TRUE;
    }
    ReportUnableToWrite(f.szReportName);
    if (pszFailed)
        *pszFailed = f.szReportName;
    return FALSE;
}

BOOL SaveSettings(const char **pszFailed)
{
    return SaveFile(FILE_SETTINGS, SettingsFileBytes(), pszFailed) &&
           SaveFile(FILE_LIST1, ListFileBytes(Settings.szExcludeList), pszFailed) &&
           SaveFile(FILE_LIST2, ListFileBytes(Settings.szIncludeList), pszFailed);
}
