// Saves that cannot be completed: write-protected and locked files, and a
// write that fails half way. The files before the failing one are written,
// the failing one and those after it keep their previous bytes, no temporary
// file is left, and the failure is drawn on the main window.
#include <doctest.h>
#include "store/settings_text_win.h"
#include "store/settings_store.h"
#include "store/settings_text.h"
#include "scroll/settings.h"
#include "test_support.h"
#include "store_test_files.h"
#include <string.h>
#include <string>
#include <vector>

#define SHOT_W 160
#define SHOT_H 40

static LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

static std::vector<DWORD> Pixels(HDC src)
{
    HDC mem = CreateCompatibleDC(src);
    HBITMAP bmp = CreateCompatibleBitmap(src, SHOT_W, SHOT_H);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, SHOT_W, SHOT_H, src, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = SHOT_W;
    bi.bmiHeader.biHeight = -SHOT_H;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    std::vector<DWORD> px(SHOT_W * SHOT_H);
    GetDIBits(mem, bmp, 0, SHOT_H, px.data(), &bi, DIB_RGB_COLORS);
    DeleteObject(bmp);
    DeleteDC(mem);
    for (DWORD &p : px)
        p &= 0xffffff;
    return px;
}

static std::vector<DWORD> WindowPixels(HWND hwnd)
{
    HDC hdc = GetDC(hwnd);
    std::vector<DWORD> px = Pixels(hdc);
    ReleaseDC(hwnd, hdc);
    return px;
}

// What the report should look like: the two lines drawn the same way, with
// a fresh DC's default font and colours, on white.
static std::vector<DWORD> ExpectedPixels(HWND hwnd, const char *name)
{
    HDC hdc = GetDC(hwnd);
    HDC mem = CreateCompatibleDC(hdc);
    HBITMAP bmp = CreateCompatibleBitmap(hdc, SHOT_W, SHOT_H);
    HGDIOBJ old = SelectObject(mem, bmp);
    RECT rc = {0, 0, SHOT_W, SHOT_H};
    FillRect(mem, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
    if (name) {
        TextOutA(mem, 0, 0, "Unable to write:", 16);
        TextOutA(mem, 0, 16, name, (int)strlen(name));
    }
    std::vector<DWORD> px = Pixels(mem);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(hwnd, hdc);
    return px;
}

// A white top-most window that stands in for the main window. It is made
// once and never activated: destroying an active window costs seconds here.
static HWND ReportWindow(void)
{
    static HWND hwnd;
    if (!hwnd) {
        RegisterClassOnce("StoreReportTest", PlainProc);
        hwnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
                               "StoreReportTest", "", WS_POPUP, 0, 0, SHOT_W, SHOT_H, NULL,
                               NULL, GetModuleHandleA(NULL), NULL);
        ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    }
    // Paint it white again, wiping any earlier report, and wait until it is
    // white with nothing left to paint: a late paint would wipe the report.
    RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    std::vector<DWORD> blank = ExpectedPixels(hwnd, nullptr);
    CHECK(PumpUntil([&] {
        return !GetUpdateRect(hwnd, NULL, FALSE) && WindowPixels(hwnd) == blank;
    }));
    return hwnd;
}

// Runs SaveSettings on a freshly painted window and tells which report, if
// any, it drew: the file name, "" for none, or "?" for something else.
static std::string SaveAndSeeReport(void)
{
    HWND hwnd = ReportWindow();
    Settings.hMainWnd = hwnd;
    SaveSettings();
    std::vector<DWORD> shot = WindowPixels(hwnd);
    std::string seen = "?";
    for (const char *name : {"settings.dat", "list1.txt", "list2.txt"})
        if (shot == ExpectedPixels(hwnd, name))
            seen = name;
    if (shot == ExpectedPixels(hwnd, nullptr))
        seen = "";
    Settings.hMainWnd = NULL;
    return seen;
}

static void WriteOldFiles(void)
{
    WriteBytes("settings.dat", "old settings\r\n");
    WriteBytes("list1.txt", "old list 1\r\n");
    WriteBytes("list2.txt", "old list 2\r\n");
}

static void FillRecord(void)
{
    Settings.nSensitivity = 31;
    std::string big;
    for (int i = 0; i < 2000; i++)
        big += "entry " + std::to_string(i) + "\n";   // about 20 KB: several chunks
    strcpy(Settings.szExcludeList, big.c_str());
    strcpy(Settings.szIncludeList, "new 2\n");
}

TEST_CASE("a successful save draws nothing")
{
    EnterScratchDir("store_ok");
    FillRecord();
    WriteOldFiles();
    CHECK(SaveAndSeeReport() == "");
    CHECK_BYTES(ReadBytes("settings.dat"), SettingsFileBytes());
    CHECK_BYTES(ReadBytes("list2.txt"), "new 2\r\n");
    LeaveScratchDir();
}

TEST_CASE("write-protected files stop the save at that file and are reported")
{
    EnterScratchDir("store_readonly");
    FillRecord();
    std::string newDat = SettingsFileBytes();
    std::string newList1 = ListFileBytes(Settings.szExcludeList);

    SUBCASE("settings.dat: neither list is written") {
        WriteOldFiles();
        // Wine running as root lets even a read-only file be opened for
        // writing, so this holds only because the save checks the attribute.
        SetFileAttributesA("settings.dat", FILE_ATTRIBUTE_READONLY);
        CHECK(SaveAndSeeReport() == "settings.dat");
        CHECK_BYTES(ReadBytes("settings.dat"), "old settings\r\n");
        CHECK_BYTES(ReadBytes("list1.txt"), "old list 1\r\n");
        CHECK_BYTES(ReadBytes("list2.txt"), "old list 2\r\n");
    }
    SUBCASE("settings.dat with no list files yet: none appear") {
        WriteOldFiles();
        DeleteFileA("list1.txt");
        DeleteFileA("list2.txt");
        SetFileAttributesA("settings.dat", FILE_ATTRIBUTE_READONLY);
        CHECK(SaveAndSeeReport() == "settings.dat");
        CHECK(!FileExists("list1.txt"));
        CHECK(!FileExists("list2.txt"));
    }
    SUBCASE("list2.txt: settings.dat and list1.txt are written first") {
        WriteOldFiles();
        SetFileAttributesA("list2.txt", FILE_ATTRIBUTE_READONLY);
        CHECK(SaveAndSeeReport() == "list2.txt");
        CHECK_BYTES(ReadBytes("settings.dat"), newDat);
        CHECK_BYTES(ReadBytes("list1.txt"), newList1);
        CHECK_BYTES(ReadBytes("list2.txt"), "old list 2\r\n");
    }
    CHECK(CountFiles("*.tmp") == 0);
    SetFileAttributesA("settings.dat", FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA("list2.txt", FILE_ATTRIBUTE_NORMAL);
    LeaveScratchDir();
}

TEST_CASE("a write that fails half way keeps the previous file")
{
    EnterScratchDir("store_interrupted");
    FillRecord();
    std::string newDat = SettingsFileBytes();
    struct { int nFailingWrite; const char *reported; bool datNew; } rows[] = {
        {1, "settings.dat", false},   // the only chunk of settings.dat
        {2, "list1.txt", true},       // the first chunk of list1.txt
        {4, "list1.txt", true},       // a chunk in the middle of list1.txt
    };
    for (auto &r : rows) {
        CAPTURE(r.nFailingWrite);
        WriteOldFiles();
        nTestFailingWrite = r.nFailingWrite;
        CHECK(SaveAndSeeReport() == r.reported);
        CHECK(nTestFailingWrite == 0);
        CHECK_BYTES(ReadBytes("settings.dat"), (r.datNew ? newDat : "old settings\r\n"));
        CHECK_BYTES(ReadBytes("list1.txt"), "old list 1\r\n");
        CHECK_BYTES(ReadBytes("list2.txt"), "old list 2\r\n");
        CHECK(CountFiles("*.tmp") == 0);
    }
    LeaveScratchDir();
}

TEST_CASE("a file held open by another handle is not replaced")
{
    EnterScratchDir("store_locked");
    FillRecord();
    struct { const char *what; DWORD share; } rows[] = {
        // No write sharing: the file cannot even be opened for writing.
        {"no sharing", 0},
        // Writing is shared but deleting is not: the new file is complete but
        // cannot be put in the old one's place, so it is thrown away.
        {"no delete sharing", FILE_SHARE_READ | FILE_SHARE_WRITE},
    };
    for (auto &r : rows) {
        CAPTURE(r.what);
        WriteOldFiles();
        HANDLE hold = CreateFileA("list1.txt", GENERIC_READ, r.share, NULL, OPEN_EXISTING, 0, NULL);
        CHECK(hold != INVALID_HANDLE_VALUE);
        CHECK(SaveAndSeeReport() == "list1.txt");
        CloseHandle(hold);
        CHECK_BYTES(ReadBytes("settings.dat"), SettingsFileBytes());
        CHECK_BYTES(ReadBytes("list1.txt"), "old list 1\r\n");
        CHECK_BYTES(ReadBytes("list2.txt"), "old list 2\r\n");
        CHECK(CountFiles("*.tmp") == 0);
    }
    LeaveScratchDir();
}

TEST_CASE("without a main window a failing save draws nowhere and does not crash")
{
    EnterScratchDir("store_nowindow");
    WriteOldFiles();
    SetFileAttributesA("settings.dat", FILE_ATTRIBUTE_READONLY);
    Settings.hMainWnd = NULL;
    HDC screen = GetDC(NULL);
    std::vector<DWORD> before = Pixels(screen);
    SaveSettings();
    CHECK(Pixels(screen) == before);
    ReleaseDC(NULL, screen);
    CHECK_BYTES(ReadBytes("settings.dat"), "old settings\r\n");
    // A destroyed window, as on the exit path: GetDC fails, nothing happens.
    HWND hwnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                GetModuleHandleA(NULL), NULL);
    DestroyWindow(hwnd);
    CHECK(!IsWindow(hwnd));
    Settings.hMainWnd = hwnd;
    SaveSettings();
    Settings.hMainWnd = NULL;
    CHECK_BYTES(ReadBytes("list1.txt"), "old list 1\r\n");
    SetFileAttributesA("settings.dat", FILE_ATTRIBUTE_NORMAL);
    LeaveScratchDir();
}
