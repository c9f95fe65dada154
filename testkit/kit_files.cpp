// Scratch folders are remembered by path so that they can be emptied when
// made again and removed at the end; the settings writer borrows the one
// Settings record for the formatter and puts it back.
#include "testkit/kit_files.h"
#include "store/settings_text.h"
#include <windows.h>
#include <string.h>
#include <vector>

static std::wstring savedDir;
static std::vector<std::wstring> madeDirs;

static void EmptyDir(const std::wstring &dir)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return;
    do {
        std::wstring f = dir + L"\\" + fd.cFileName;
        SetFileAttributesW(f.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(f.c_str());
    } while (FindNextFileW(h, &fd));
    FindClose(h);
}

static std::wstring MakeDirW(const wchar_t *name)
{
    wchar_t buf[MAX_PATH];
    GetTempPathW(MAX_PATH, buf);
    std::wstring dir = std::wstring(buf) + L"veltrac_" + std::to_wstring(GetCurrentProcessId()) +
                       L"_" + name;
    EmptyDir(dir);                       // what a previous case left behind
    CreateDirectoryW(dir.c_str(), NULL);
    madeDirs.push_back(dir);
    return dir;
}

static std::string Narrow(const std::wstring &w)
{
    char path[MAX_PATH * 2];
    WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, path, sizeof path, NULL, NULL);
    return path;
}

static std::wstring Widen(const char *s)
{
    wchar_t w[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, s, -1, w, MAX_PATH);
    return w;
}

std::string MakeScratchDir(const char *name)
{
    return Narrow(MakeDirW(Widen(name).c_str()));
}

std::wstring EnterScratchDirW(const wchar_t *name)
{
    wchar_t buf[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, buf);
    if (savedDir.empty())
        savedDir = buf;
    std::wstring dir = MakeDirW(name);
    SetCurrentDirectoryW(dir.c_str());
    return dir;
}

std::string EnterScratchDir(const char *name)
{
    return Narrow(EnterScratchDirW(Widen(name).c_str()));
}

void LeaveScratchDir(void)
{
    if (!savedDir.empty())
        SetCurrentDirectoryW(savedDir.c_str());
}

void RemoveScratchDirs(void)
{
    for (const std::wstring &dir : madeDirs) {
        EmptyDir(dir);
        RemoveDirectoryW(dir.c_str());
    }
    madeDirs.clear();
}

bool WriteBytes(const char *path, const std::string &bytes)
{
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD done = 0;
    BOOL ok = bytes.empty() || WriteFile(h, bytes.data(), (DWORD)bytes.size(), &done, NULL);
    return CloseHandle(h) && ok && done == bytes.size();
}

std::string ReadBytes(const char *path)
{
    HANDLE h = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string bytes(GetFileSize(h, NULL), '\0');
    DWORD got = 0;
    if (!bytes.empty())
        ReadFile(h, &bytes[0], (DWORD)bytes.size(), &got, NULL);
    CloseHandle(h);
    bytes.resize(got);
    return bytes;
}

bool FileExists(const char *path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

int CountFiles(const char *pattern)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern, &fd);
    if (h == INVALID_HANDLE_VALUE)
        return 0;
    int n = 0;
    do
        n++;
    while (FindNextFileA(h, &fd));
    FindClose(h);
    return n;
}

bool WriteSettingsDat(const std::function<void()> &edit, const char *dir)
{
    static SETTINGS saved;            // 200 KB: not on the stack
    saved = Settings;
    Settings = DefaultRecord();
    edit();
    std::string bytes = SettingsFileBytes();
    Settings = saved;
    std::string path = dir ? std::string(dir) + "\\settings.dat" : "settings.dat";
    return WriteBytes(path.c_str(), bytes);
}

bool ReadSavedSettings(std::string lines[], int nMax)
{
    std::string bytes = ReadBytes("settings.dat");
    if (bytes == "<missing>")
        return false;
    int n = 0;
    for (size_t at = 0; n < nMax && at < bytes.size(); n++) {
        size_t end = bytes.find('\n', at);
        if (end == std::string::npos)
            end = bytes.size();
        lines[n] = bytes.substr(at, end - at);
        if (!lines[n].empty() && lines[n].back() == '\r')
            lines[n].pop_back();
        at = end + 1;
    }
    return n > 0;
}

const SETTINGS &DefaultRecord(void)
{
    static SETTINGS *defaults;
    if (!defaults) {
        static SETTINGS kept;
        kept = Settings;
        SetDefaultSettings();
        defaults = new SETTINGS(Settings);
        Settings = kept;
    }
    return *defaults;
}

void ResetRecord(void)
{
    memcpy(&Settings, &DefaultRecord(), sizeof Settings);
}
