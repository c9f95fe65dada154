// The shell work of "Start With Windows": the Startup folder's Veltrac.lnk,
// made and read through IShellLinkW and IPersistFile, and the StartupApproved
// value that Windows' Startup apps page keeps for it. COM is initialised per
// call and balanced: the program has one thread and calls this rarely.
#include "store/startup_link_win.h"
#include "store/startup_link.h"
#include <shlobj.h>
#include <objbase.h>

// Wide paths throughout: a folder name outside the ANSI code page must not
// turn into question marks in the shortcut.
#define PATH_CHARS 1024

static BOOL StartupLinkPath(wchar_t szPath[MAX_PATH], BOOL bCreate)
{
    // SHGetFolderPathW is in shell32 on every Windows this runs on and links
    // statically in both builds; CSIDL_FLAG_CREATE makes a missing folder.
    int nFolder = CSIDL_STARTUP | (bCreate ? CSIDL_FLAG_CREATE : 0);
    // S_FALSE: the folder does not exist (so neither does a shortcut in it).
    if (SHGetFolderPathW(NULL, nFolder, NULL, SHGFP_TYPE_CURRENT, szPath) != S_OK)
        return FALSE;
    size_t n = (size_t)lstrlenW(szPath);
    size_t cbName = sizeof STARTUP_LINK_NAME / sizeof(wchar_t);
    if (n + 1 + cbName > MAX_PATH)
        return FALSE;
    if (n > 0 && szPath[n - 1] != L'\\')
        szPath[n++] = L'\\';
    lstrcpyW(szPath + n, STARTUP_LINK_NAME);
    return TRUE;
}

static BOOL ProgramPaths(wchar_t szExe[PATH_CHARS], wchar_t szCurDir[PATH_CHARS])
{
    DWORD nExe = GetModuleFileNameW(NULL, szExe, PATH_CHARS);
    DWORD nDir = GetCurrentDirectoryW(PATH_CHARS, szCurDir);
    return nExe > 0 && nExe < PATH_CHARS && nDir > 0 && nDir < PATH_CHARS;
}

// S_FALSE (already initialised on this thread) must be balanced too;
// RPC_E_CHANGED_MODE means COM runs in another mode and must not be undone.
static BOOL BeginCom(void)
{
    return SUCCEEDED(CoInitializeEx(NULL, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}

static void EndCom(BOOL bInitialised)
{
    if (bInitialised)
        CoUninitialize();
}

static BOOL NewShellLink(IShellLinkW **ppLink, IPersistFile **ppFile)
{
    *ppLink = NULL;
    *ppFile = NULL;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                (void **)ppLink)))
        return FALSE;
    if (FAILED((*ppLink)->QueryInterface(IID_IPersistFile, (void **)ppFile))) {
        (*ppLink)->Release();
        *ppLink = NULL;
        return FALSE;
    }
    return TRUE;
}

static void FreeShellLink(IShellLinkW *pLink, IPersistFile *pFile)
{
    if (pFile)
        pFile->Release();
    if (pLink)
        pLink->Release();
}

// The shortcut's target and working folder; FALSE when it cannot be read.
static BOOL ReadLink(const wchar_t *szLink, wchar_t szTarget[PATH_CHARS],
                     wchar_t szWorkDir[PATH_CHARS])
{
    BOOL bCom = BeginCom();
    IShellLinkW *pLink;
    IPersistFile *pFile;
    BOOL ok = NewShellLink(&pLink, &pFile);
    // SLGP_RAWPATH: the target as stored, without environment variables
    // expanded or the shell resolving it anew.
    ok = ok && SUCCEEDED(pFile->Load(szLink, STGM_READ)) &&
         SUCCEEDED(pLink->GetPath(szTarget, PATH_CHARS, NULL, SLGP_RAWPATH)) &&
         SUCCEEDED(pLink->GetWorkingDirectory(szWorkDir, PATH_CHARS));
    FreeShellLink(pLink, pFile);
    EndCom(bCom);
    return ok;
}

static BOOL WriteLink(const wchar_t *szLink, const wchar_t *szExe, const wchar_t *szCurDir)
{
    BOOL bCom = BeginCom();
    IShellLinkW *pLink;
    IPersistFile *pFile;
    BOOL ok = NewShellLink(&pLink, &pFile);
    ok = ok && SUCCEEDED(pLink->SetPath(szExe)) &&
         SUCCEEDED(pLink->SetArguments(STARTUP_LINK_ARGS)) &&
         SUCCEEDED(pLink->SetWorkingDirectory(szCurDir)) &&
         SUCCEEDED(pLink->SetDescription(L"Veltrac")) &&
         SUCCEEDED(pFile->Save(szLink, TRUE));
    FreeShellLink(pLink, pFile);
    EndCom(bCom);
    return ok;
}

// Reads the StartupApproved value of Veltrac.lnk: 1 turned off, 0 on or
// absent.
static int ApprovedOff(void)
{
    HKEY hKey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, STARTUP_APPROVED_KEY, 0, KEY_QUERY_VALUE, &hKey) !=
        ERROR_SUCCESS)
        return 0;
    BYTE data[64];
    DWORD cb = sizeof data, type = 0;
    LONG r = RegQueryValueExW(hKey, STARTUP_LINK_NAME, NULL, &type, data, &cb);
    RegCloseKey(hKey);
    // A value longer than the buffer still tells its first byte.
    if (r == ERROR_MORE_DATA)
        cb = sizeof data;
    else if (r != ERROR_SUCCESS)
        return 0;
    return StartupApprovedOff(data, cb);
}

// Ticking the box is the user turning it on again: the "off" goes.
static BOOL ClearApprovedOff(void)
{
    if (!ApprovedOff())
        return TRUE;
    HKEY hKey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, STARTUP_APPROVED_KEY, 0, KEY_SET_VALUE, &hKey) !=
        ERROR_SUCCESS)
        return FALSE;
    LONG r = RegDeleteValueW(hKey, STARTUP_LINK_NAME);
    RegCloseKey(hKey);
    return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND;
}

int IsStartupLinkOn(void)
{
    wchar_t szLink[MAX_PATH], szExe[PATH_CHARS], szCurDir[PATH_CHARS];
    if (!StartupLinkPath(szLink, FALSE) || !ProgramPaths(szExe, szCurDir))
        return 0;
    // No shortcut, no COM: the common case costs one attribute look-up.
    DWORD attributes = GetFileAttributesW(szLink);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0;
    wchar_t szTarget[PATH_CHARS] = L"", szWorkDir[PATH_CHARS] = L"";
    STARTUPLINK link;
    link.bExists = ReadLink(szLink, szTarget, szWorkDir);
    link.szTarget = szTarget;
    link.szWorkDir = szWorkDir;
    link.bApprovedOff = link.bExists && ApprovedOff();
    return StartupBoxChecked(&link, szExe, szCurDir);
}

BOOL SetStartupLink(int bOn)
{
    wchar_t szLink[MAX_PATH];
    if (!bOn) {
        if (!StartupLinkPath(szLink, FALSE))
            return TRUE;                // no Startup folder: no shortcut either
        if (DeleteFileW(szLink))
            return TRUE;
        DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    wchar_t szExe[PATH_CHARS], szCurDir[PATH_CHARS];
    if (!StartupLinkPath(szLink, TRUE) || !ProgramPaths(szExe, szCurDir))
        return FALSE;
    if (!WriteLink(szLink, szExe, szCurDir))
        return FALSE;
    return ClearApprovedOff();
}
