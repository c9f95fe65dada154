// "Start With Windows" against Wine's real shell: the Startup folder (sent to
// a scratch folder through this prefix's User Shell Folders key, so no real
// Startup folder is touched), shortcuts made and read through IShellLinkW,
// and the StartupApproved value of Windows' Startup apps page.
#include "dialogs_harness.h"
#include "res/resource.h"
#include "store/startup_link_win.h"
#include "store_test_files.h"
#include <shlobj.h>
#include <functional>
#include <string>
#include <vector>

using namespace harness;

#define SHELL_FOLDERS L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders"

static std::wstring Wide(const std::string &s)
{
    return std::wstring(s.begin(), s.end());   // the scratch paths are ASCII
}

static std::wstring ThisExe(void)
{
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(NULL, exe, MAX_PATH);
    return exe;
}

// The Startup folder is where this prefix's User Shell Folders key says.
static void SetStartupSetting(const std::wstring &folder)
{
    RegSetKeyValueW(HKEY_CURRENT_USER, SHELL_FOLDERS, L"Startup", REG_EXPAND_SZ, folder.c_str(),
                    (DWORD)((folder.size() + 1) * sizeof(wchar_t)));
}

// Gives the Startup folder back however a case ends (a failed REQUIRE
// included): without the value, Wine puts its default there again, so a
// case that died half way cannot leave the next run's prefix redirected.
struct STARTUPREDIRECT {
    ~STARTUPREDIRECT()
    {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, SHELL_FOLDERS, L"Startup");
        RegDeleteKeyValueW(HKEY_CURRENT_USER, STARTUP_APPROVED_KEY, STARTUP_LINK_NAME);
    }
};

static void SetApproved(BYTE first)
{
    BYTE data[12] = {first};
    RegSetKeyValueW(HKEY_CURRENT_USER, STARTUP_APPROVED_KEY, STARTUP_LINK_NAME, REG_BINARY, data,
                    sizeof data);
}

// The first byte of the value, or -1 when there is none.
static int Approved(void)
{
    BYTE data[12];
    DWORD cb = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, STARTUP_APPROVED_KEY, STARTUP_LINK_NAME, RRF_RT_REG_BINARY,
                     NULL, data, &cb) != ERROR_SUCCESS)
        return -1;
    return cb ? data[0] : -1;
}

struct LINK {
    std::wstring target, args, workDir, description;
};

// Every shortcut a row stands on must really be there.
static void MakeLink(const std::wstring &path, const LINK &l)
{
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    IShellLinkW *link = NULL;
    IPersistFile *file = NULL;
    bool ok = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER,
                                         IID_IShellLinkW, (void **)&link)) &&
              SUCCEEDED(link->QueryInterface(IID_IPersistFile, (void **)&file)) &&
              SUCCEEDED(link->SetPath(l.target.c_str())) &&
              SUCCEEDED(link->SetWorkingDirectory(l.workDir.c_str())) &&
              SUCCEEDED(file->Save(path.c_str(), TRUE));
    if (file)
        file->Release();
    if (link)
        link->Release();
    CoUninitialize();
    REQUIRE(ok);
}

static bool ReadLink(const std::wstring &path, LINK *l)
{
    CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    IShellLinkW *link = NULL;
    IPersistFile *file = NULL;
    wchar_t target[MAX_PATH] = L"", args[MAX_PATH] = L"", dir[MAX_PATH] = L"", desc[MAX_PATH] = L"";
    bool ok = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER,
                                         IID_IShellLinkW, (void **)&link)) &&
              SUCCEEDED(link->QueryInterface(IID_IPersistFile, (void **)&file)) &&
              SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
              SUCCEEDED(link->GetPath(target, MAX_PATH, NULL, SLGP_RAWPATH)) &&
              SUCCEEDED(link->GetArguments(args, MAX_PATH)) &&
              SUCCEEDED(link->GetWorkingDirectory(dir, MAX_PATH)) &&
              SUCCEEDED(link->GetDescription(desc, MAX_PATH));
    if (file)
        file->Release();
    if (link)
        link->Release();
    CoUninitialize();
    *l = {target, args, dir, desc};
    return ok;
}

static std::string Narrow(const std::wstring &s)
{
    std::string out;
    for (wchar_t c : s)
        out += c < 128 ? (char)c : '?';
    return out;
}

// Where a row's Startup folder is, and its shortcut.
struct PLACES {
    std::wstring dir, startup, link, other;
};

TEST_CASE("Start With Windows shows the shortcut that is there and makes or deletes it")
{
    STARTUPREDIRECT redirect;
    PLACES p;
    p.dir = Wide(EnterScratchDir("startup_link"));
    p.startup = p.dir + L"\\StartUp";
    p.link = p.startup + L"\\" STARTUP_LINK_NAME;
    p.other = p.startup + L"\\Other.lnk";
    const LINK ours = {ThisExe(), L"", p.dir, L""};
    std::wstring upper = p.dir, lower = ThisExe();
    for (wchar_t &c : upper)
        c = towupper(c);
    for (wchar_t &c : lower)
        c = towlower(c);

    struct {
        const char *what;
        std::function<void(const PLACES &)> setup;
        int bShown;       // the box at opening
        bool bClick;      // the user clicks it before Apply
        bool bError;      // "Could not change the Startup folder."
        int bAfter;       // the box after Apply, and at the next opening
        std::function<void(const PLACES &)> check;
    } rows[] = {
        {"nothing there: ticked, the shortcut is made",
         [](const PLACES &) {}, 0, true, false, 1,
         [](const PLACES &p) {
             LINK l;
             REQUIRE(ReadLink(p.link, &l));
             CHECK(Narrow(l.target) == Narrow(ThisExe()));
             CHECK(Narrow(l.args) == "-tosystemtray -start");
             CHECK(Narrow(l.workDir) == Narrow(p.dir));
             CHECK(Narrow(l.description) == "Veltrac");
             CHECK(FileExists(Narrow(p.other).c_str()));
         }},
        {"ours: unticked, it goes and no other shortcut with it",
         [&](const PLACES &p) { MakeLink(p.link, ours); }, 1, true, false, 0,
         [](const PLACES &p) {
             CHECK_FALSE(FileExists(Narrow(p.link).c_str()));
             CHECK(FileExists(Narrow(p.other).c_str()));
         }},
        {"ours, in other letter case",
         [&](const PLACES &p) { MakeLink(p.link, {lower, L"", upper, L""}); }, 1, false, false, 1,
         nullptr},
        {"another copy's: unchecked, and an unchanged box leaves it",
         [](const PLACES &p) { MakeLink(p.link, {L"C:\\Other\\Veltrac.exe", L"", p.dir, L""}); }, 0,
         false, false, 0,
         [](const PLACES &p) {
             LINK l;
             REQUIRE(ReadLink(p.link, &l));
             CHECK(Narrow(l.target) == "C:\\Other\\Veltrac.exe");
         }},
        {"another copy's: ticked, it becomes ours",
         [](const PLACES &p) { MakeLink(p.link, {L"C:\\Other\\Veltrac.exe", L"", p.dir, L""}); }, 0,
         true, false, 1, nullptr},
        {"another working folder (Veltrac was moved)",
         [](const PLACES &p) { MakeLink(p.link, {ThisExe(), L"", p.startup, L""}); }, 0, false,
         false, 0, nullptr},
        {"turned off in Startup apps: ticked, the off goes",
         [&](const PLACES &p) {
             MakeLink(p.link, ours);
             SetApproved(0x03);
         },
         0, true, false, 1, [](const PLACES &) { CHECK(Approved() == -1); }},
        {"turned on in Startup apps: left as it is",
         [&](const PLACES &p) {
             MakeLink(p.link, ours);
             SetApproved(0x02);
         },
         1, false, false, 1, [](const PLACES &) { CHECK(Approved() == 0x02); }},
        // Wine running as root writes into read-only folders, so the Startup
        // folder's path is made a file: nothing can be created inside it.
        {"the Startup folder is a file: the error, and the box unchecked",
         [](const PLACES &p) {
             DeleteFileW(p.other.c_str());
             RemoveDirectoryW(p.startup.c_str());
             WriteBytes(Narrow(p.startup).c_str(), "not a folder");
         },
         0, true, true, 0, nullptr},
        // A read-only file is one that wineserver refuses to delete, even to root.
        {"ours, read-only: unticking fails, the box checked",
         [&](const PLACES &p) {
             MakeLink(p.link, ours);
             SetFileAttributesW(p.link.c_str(), FILE_ATTRIBUTE_READONLY);
         },
         1, true, true, 1, nullptr},
    };
    for (auto &r : rows) {
        std::string what = r.what;
        CAPTURE(what);
        ResetSettings();
        // A fresh Startup folder holding another program's shortcut.
        SetFileAttributesW(p.link.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(p.link.c_str());
        DeleteFileW(p.other.c_str());
        DeleteFileW(p.startup.c_str());
        RegDeleteKeyValueW(HKEY_CURRENT_USER, STARTUP_APPROVED_KEY, STARTUP_LINK_NAME);
        CreateDirectoryW(p.startup.c_str(), NULL);
        MakeLink(p.other, {L"C:\\windows\\notepad.exe", L"", L"C:\\", L""});
        SetStartupSetting(p.startup);
        r.setup(p);

        HWND dialog = Command(IDM_OPTIONS, &Settings.hOptionsDlg);
        REQUIRE(dialog != NULL);
        CHECK(Checked(dialog, IDC_STARTWITHWINDOWS) == r.bShown);
        CHECK(IsStartupLinkOn() == r.bShown);
        Click(dialog, IDC_ARROWKEYS);              // an option applied beside it
        if (r.bClick)
            Click(dialog, IDC_STARTWITHWINDOWS);
        UINT_PTR timer = ExpectBoxes({{"Error", IDOK, "", false}});
        Click(dialog, IDC_APPLY);
        StopAnswering(timer);
        CHECK(Steps()[0].seen == r.bError);
        if (r.bError)
            CHECK(Steps()[0].text == "Could not change the Startup folder.");
        CHECK(Checked(dialog, IDC_STARTWITHWINDOWS) == r.bAfter);
        CHECK(Settings.bArrowKeys == 1);
        if (r.check)
            r.check(p);
        Click(dialog, IDCANCEL);
        dialog = Command(IDM_OPTIONS, &Settings.hOptionsDlg);
        CHECK(Checked(dialog, IDC_STARTWITHWINDOWS) == r.bAfter);
        Click(dialog, IDCANCEL);
    }

    SetFileAttributesW(p.link.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(p.link.c_str());
    DeleteFileW(p.other.c_str());
    RemoveDirectoryW(p.startup.c_str());
    DeleteFileW(p.startup.c_str());
    LeaveScratchDir();
}
