// Reading and writing the settings files with Win32 file calls. A save never
// truncates the file it replaces: the new bytes go to a temporary file in the
// same folder, every write is checked, and only a complete, flushed and
// closed file is moved over the old one.
#include "store/settings_file.h"
#include "scroll/settings.h"

#define WRITE_CHUNK_SIZE 4096

int nTestFailingWrite = 0;

HANDLE OpenForReading(const char *szName)
{
    return CreateFileA(szName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, NULL);
}

int FileTextSource(void *pContext, char *buf, int cb)
{
    DWORD got = 0;
    if (!ReadFile((HANDLE)pContext, buf, (DWORD)cb, &got, NULL))
        return 0;
    return (int)got;
}

// A file that cannot be opened for writing (read-only, access denied, held
// open without write sharing) is refused before anything is written; the
// probe opens it without truncating it. A missing file is simply created.
static BOOL CanOpenForWriting(const char *szName)
{
    // Windows refuses to open a read-only file for writing, but Wine running
    // as root does not, so the attribute is checked here as well.
    DWORD attributes = GetFileAttributesA(szName);
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return FALSE;
    HANDLE h = CreateFileA(szName, GENERIC_WRITE,
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

BOOL ReplaceFileBytes(const char *szName, const std::string &bytes)
{
    if (!CanOpenForWriting(szName))
        return FALSE;
    // The temporary file must share the folder of szName so that the final
    // move is a rename on one volume, never a copy. The names are bare, so
    // that folder is the current one.
    char szTemp[MAX_PATH];
    if (!GetTempFileNameA(".", "vlt", 0, szTemp))
        return FALSE;
    HANDLE h = CreateFileA(szTemp, GENERIC_WRITE, 0, NULL, TRUNCATE_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE) {
        DeleteFileA(szTemp);
        return FALSE;
    }
    BOOL ok = WriteAll(h, bytes);
    // Flush before the rename: after a crash the new name must not stand for
    // a file whose data never reached the disk.
    ok = ok && FlushFileBuffers(h);
    ok = CloseHandle(h) && ok;
    ok = ok && MoveFileExA(szTemp, szName, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok)
        DeleteFileA(szTemp);
    return ok;
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
