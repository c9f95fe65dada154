// Reading and writing programs.txt with the wide file calls, and watching
// its last-write time.
#include "store/programs_file.h"
#include "scroll/rules_win.h"
#include "store/settings_text_win.h"

static RULESET rules;
static FILETIME ftRead;             // the last-write time of what was read; 0 none
static DWORD dwLastLook;

static FILETIME WrittenAt(void)
{
    WIN32_FILE_ATTRIBUTE_DATA fad;
    FILETIME none = {0, 0};
    return GetFileAttributesExW(PROGRAMS_FILE, GetFileExInfoStandard, &fad) ? fad.ftLastWriteTime
                                                                            : none;
}

void LoadProgramRules(void)
{
    std::string bytes;
    HANDLE h = CreateFileW(PROGRAMS_FILE, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h != INVALID_HANDLE_VALUE) {
        char buf[4096];
        DWORD got;
        while (ReadFile(h, buf, sizeof buf, &got, NULL) && got)
            bytes.append(buf, got);
        CloseHandle(h);
    }
    ftRead = WrittenAt();
    rules = ParseRules(bytes.data(), bytes.size());
    SetProgramRules(&rules);
}

BOOL SaveProgramRules(const RULESET &newRules)
{
    BOOL ok = ReplaceFileBytes(PROGRAMS_FILE, RulesFileBytes(newRules));
    LoadProgramRules();
    return ok;
}

BOOL CheckProgramRulesFile(void)
{
    DWORD now = GetTickCount();
    if (now - dwLastLook < 1000)
        return FALSE;
    dwLastLook = now;
    return CheckProgramRulesFileNow();
}

BOOL CheckProgramRulesFileNow(void)
{
    FILETIME ft = WrittenAt();
    if (CompareFileTime(&ft, &ftRead) == 0)
        return FALSE;
    LoadProgramRules();
    return TRUE;
}

const RULESET &CurrentProgramRules(void)
{
    return rules;
}
