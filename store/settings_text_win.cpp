// Reading and writing the settings files with Win32 file calls. A save never
// truncates the file it replaces: the new bytes go to a temporary file in the
// same folder, every write is checked, and only a complete, flushed and
// closed file is moved over the old one.
#include "store/settings_text_win.h"
#include "scroll/settings.h"

#define WRITE_CHUNK_SIZE 4096

int nTestFailingWrite = 0;

HANDLE OpenForReading(const wchar_t *szName)
{
    return CreateFileW(szName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, NULL);
}

int FileTextSource(void *pContext, char *buf, int cb)
{
    DWORD got = 0;
    if (!ReadFile((HANDLE)pContext, buf, (DWORD)cb, &got, NULL))
        return 0;
    return (int)got;
}

int FileWideToAnsi(const wchar_t *pw, int nw, char *out, int cbOut, int *pbLost)
{
    // UTF-8 as the ANSI code page (a Windows 10 option) loses nothing and
    // takes no default-character arguments.
    BOOL bUsedDefault = FALSE;
    BOOL bUtf8 = GetACP() == CP_UTF8;
    int n = WideCharToMultiByte(CP_ACP, bUtf8 ? 0 : WC_NO_BEST_FIT_CHARS, pw, nw, out, cbOut,
                                NULL, bUtf8 ? NULL : &bUsedDefault);
    if (bUsedDefault || n <= 0)
        *pbLost = 1;
    return n > 0 ? n : 0;
}

// A file that cannot be opened for writing (read-only, access denied, held
// open without write sharing) is refused before anything is written; the
// probe opens it without truncating it. A missing file is simply created.
static BOOL CanOpenForWriting(const wchar_t *szName)
{
    // Windows refuses to open a read-only file for writing, but Wine running
    // as root does not, so the attribute is checked here as well.
    DWORD attributes = GetFileAttributesW(szName);
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return FALSE;
    HANDLE h = CreateFileW(szName, GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return TRUE;
    }
    return GetLastError() == ERROR_FILE_NOT_FOUND;
}

static BOOL WriteChunk(HANDLE h, const char *p, DWORD cb)
{
    DWORD done = 0;
    if (nTestFailingWrite > 0 && --nTestFailingWrite == 0) {
        WriteFile(h, p, cb / 2, &done, NULL);
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return WriteFile(h, p, cb, &done, NULL) && done == cb;
}

static BOOL WriteAll(HANDLE h, const std::string &bytes)
{
    for (size_t pos = 0; pos < bytes.size(); pos += WRITE_CHUNK_SIZE) {
        size_t left = bytes.size() - pos;
        DWORD cb = (DWORD)(left < WRITE_CHUNK_SIZE ? left : WRITE_CHUNK_SIZE);
        if (!WriteChunk(h, bytes.data() + pos, cb))
            return FALSE;
    }
    return TRUE;
}

BOOL ReplaceFileBytes(const wchar_t *szName, const std::string &bytes)
{
    if (!CanOpenForWriting(szName))
        return FALSE;
    // The temporary file must share the folder of szName so that the final
    // move is a rename on one volume, never a copy. The names are bare, so
    // that folder is the current one.
    wchar_t szTemp[MAX_PATH];
    if (!GetTempFileNameW(L".", L"vlt", 0, szTemp))
        return FALSE;
    HANDLE h = CreateFileW(szTemp, GENERIC_WRITE, 0, NULL, TRUNCATE_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE) {
        DeleteFileW(szTemp);
        return FALSE;
    }
    BOOL ok = WriteAll(h, bytes);
    // Flush before the rename: after a crash the new name must not stand for
    // a file whose data never reached the disk.
    ok = ok && FlushFileBuffers(h);
    ok = CloseHandle(h) && ok;
    ok = ok && MoveFileExW(szTemp, szName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok)
        DeleteFileW(szTemp);
    return ok;
}

BOOL KeepBackup(const wchar_t *szName, const wchar_t *szBackup)
{
    // An older backup that is write-protected is replaced all the same: it
    // is the program's own copy.
    SetFileAttributesW(szBackup, FILE_ATTRIBUTE_NORMAL);
    if (CopyFileW(szName, szBackup, FALSE))
        return TRUE;
    DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

void ReportUnableToWrite(const char *szName)
{
    // GetDC(NULL) would be the whole screen; without a main window there is
    // nowhere to report. After the window is destroyed GetDC fails instead.
    if (!Settings.hMainWnd)
        return;
    HDC hdc = GetDC(Settings.hMainWnd);
    if (!hdc)
        return;
    TextOutA(hdc, 0, 0, "Unable to write:", 16);
    TextOutA(hdc, 0, 16, szName, lstrlenA(szName));
    ReleaseDC(Settings.hMainWnd, hdc);
}
