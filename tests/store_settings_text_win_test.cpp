// LoadSettings and SaveSettings on real files in a scratch folder: what each
// kind of file content loads as, what saving writes, and that a save that
// cannot finish leaves the previous files as they were.
#include <doctest.h>
#include "store/settings_text_win.h"
#include "store/settings_store.h"
#include "store/settings_table.h"
#include "store/settings_text.h"
#include "scroll/settings.h"
#include "input/key_names.h"
#include "test_support.h"
#include "store_test_files.h"
#include <stdlib.h>
#include <string.h>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

// Sets every option to a value unlike its default, so that a test can see
// which fields a load changed and which it left alone.
static void SetSentinels(void)
{
    for (const SETTINGSLINE &row : aSettingsLines) {
        if (row.nKind == LINE_TEXT)
            strcpy((char *)row.pField, "Sentinel");
        else
            *(int *)row.pField = 7000 + row.nLine;
    }
    Settings.nScrollVk = -1;
}

static bool FieldIsSentinel(const SETTINGSLINE &row)
{
    if (row.nKind == LINE_TEXT)
        return strcmp((const char *)row.pField, "Sentinel") == 0;
    return *(const int *)row.pField == 7000 + row.nLine;
}

static std::string DefaultsFile(void)
{
    ResetRecord();
    return SettingsFileBytes();
}

TEST_CASE("no files: loading changes nothing, saving writes the defaults exactly")
{
    EnterScratchDir("store_nofiles");
    ResetRecord();
    LoadSettings();
    CHECK(memcmp(&Settings, &DefaultRecord(), sizeof Settings) == 0);

    SaveSettings();
    std::string dat = ReadBytes("settings.dat");
    CHECK(dat.size() == 102);
    CHECK(dat.substr(0, 12) == "settings 1\r\n");
    CHECK_BYTES(dat, DefaultsFile());
    CHECK(FileExists("list1.txt"));
    CHECK(ReadBytes("list1.txt").empty());
    CHECK(FileExists("list2.txt"));
    CHECK(ReadBytes("list2.txt").empty());
    CHECK(CountFiles("*.tmp") == 0);
    LeaveScratchDir();
}

TEST_CASE("header variants decide whether any option is read")
{
    struct { std::string header; bool accepted; } rows[] = {
        {"settings 1\r\n", true}, {"settings 1\n", true}, {"settings 1\r", true},
        {"settings\r 1\r\n", false},
        {"Settings 1\r\n", false}, {"SETTINGS 1\r\n", false}, {"settings 1 \r\n", false},
        {" settings 1\r\n", false}, {"settings 2\r\n", false}, {"settings 10\r\n", false},
        {"settings 1", false}, {"\r\n", false}, {"", false},
        {std::string("settings 1\0\r\n", 13), false}, {"settings 1\x1a\r\n", false},
    };
    EnterScratchDir("store_header");
    for (auto &r : rows) {
        CAPTURE(r.header);
        SetSentinels();
        WriteBytes("settings.dat", r.header + "9\r\n8\r\n1545\r\n");
        LoadSettings();
        CHECK(Settings.nSensitivity == (r.accepted ? 9 : 7002));
        CHECK(Settings.nScrollTimes == (r.accepted ? 8 : 7003));
        CHECK(Settings.nMessageType == (r.accepted ? 1545 : 7004));
        for (int i = 3; i < SETTINGS_FIELD_COUNT; i++)
            CHECK(FieldIsSentinel(aSettingsLines[i]));
    }
    LeaveScratchDir();
}

TEST_CASE("settings.dat lines: short files, line 15, odd numbers, extra and long lines")
{
    std::string head = "settings 1\r\n";
    std::string to14 = head;                       // lines 1 to 14
    for (int line = 2; line <= 14; line++)
        to14 += std::to_string(line) + "\r\n";
    std::string after15 = "16\r\n17\r\n18\r\n19\r\n20\r\n21\r\n";
    std::string after21 = "22\r\n23\r\n24\r\n25\r\n26\r\n27\r\n28\r\n29\r\n";
    auto CrOnly = [](std::string bytes) {
        std::string out;
        for (char c : bytes)
            if (c != '\n')
                out += c;
        return out;
    };
    std::string long40(40, 'k');
    struct {
        const char *what;
        std::string file;
        int nFieldsSet;           // fields 2.. that changed, the rest keep sentinels
        const char *key;          // expected szScrollKey when line 15 was read
        int vk;
    } rows[] = {
        {"header only", head, 0, nullptr, 0},
        {"three lines", head + "1\r\n2\r\n3\r\n", 3, nullptr, 0},
        {"three lines, last without newline", head + "1\r\n2\r\n3", 3, nullptr, 0},
        {"lower-case alt", to14 + "alt\r\n" + after15, 20, "alt", 17},
        {"Alt", to14 + "Alt\r\n" + after15, 20, "Alt", 18},
        {"empty key line", to14 + "\r\n" + after15, 20, "", 17},
        {"key ends the file", to14 + "Shift", 14, "Shift", 16},
        {"key with LF only", to14 + "Tab\n" + after15, 20, "Tab", 9},
        {"key with trailing blank", to14 + "Alt \r\n" + after15, 20, "Alt ", 17},
        {"key of 40 characters", to14 + long40 + "\r\n" + after15, 20,
         "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk", 17},
        {"key of 31 characters", to14 + long40.substr(0, 31) + "\r\n" + after15, 20,
         "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk", 17},
        {"the drag options' lines 22 to 24", to14 + "F5\r\n" + after15 + "22\r\n23\r\n24\r\n", 23,
         "F5", 116},
        {"lines 22 to 29", to14 + "F5\r\n" + after15 + after21, 28, "F5", 116},
        {"lines after 29", to14 + "F5\r\n" + after15 + after21 + "99\r\ngarbage\r\n", 28,
         "F5", 116},
        // As some old editors save: every line ends with a lone CR.
        {"CR-only line ends", CrOnly(to14 + "F5\r\n" + after15 + after21), 28, "F5", 116},
        {"CR-only, short", CrOnly(to14), 13, nullptr, 0},
        {"mixed line ends", to14 + "F5\r" + "16\n17\r18\r\n19\n20\r21\r" + "22\n23\r24\r\n" +
         "25\r26\n27\r28\n29", 28, "F5", 116},
    };
    EnterScratchDir("store_lines");
    for (auto &r : rows) {
        CAPTURE(r.what);
        SetSentinels();
        WriteBytes("settings.dat", r.file);
        LoadSettings();
        for (int i = 0; i < SETTINGS_FIELD_COUNT; i++) {
            const SETTINGSLINE &row = aSettingsLines[i];
            CAPTURE(row.szName);
            if (i >= r.nFieldsSet)
                CHECK(FieldIsSentinel(row));
            else if (row.nKind == LINE_TEXT)
                CHECK_BYTES(std::string(Settings.szScrollKey), r.key);
            else if (r.nFieldsSet == 3)
                CHECK(*(int *)row.pField == i + 1);
            else if (row.nChoices)
                CHECK(*(int *)row.pField == 0);   // 28 is no button: read as the first
            else
                CHECK(*(int *)row.pField == row.nLine);
        }
        CHECK(Settings.nScrollVk == (r.key ? r.vk : -1));
    }
    LeaveScratchDir();
}

TEST_CASE("numbers are stored unvalidated, and an over-long line shifts the fields after it")
{
    EnterScratchDir("store_numbers");
    SetSentinels();
    WriteBytes("settings.dat", "settings 1\r\n-5\r\n  +3 apples\r\n7\r\n3000000000\r\n2\r\n");
    LoadSettings();
    CHECK(Settings.nSensitivity == -5);
    CHECK(Settings.nScrollTimes == 3);
    CHECK(Settings.nMessageType == 7);
    CHECK(Settings.bArrowKeys == -1294967296);
    CHECK(Settings.bHoldKey == 2);
    CHECK(Settings.bEdgeScroll == 7007);

    // Line 2 holds 2001 characters and its newline: it arrives as two pieces,
    // so line 3's field gets the second piece and every later field moves up.
    SetSentinels();
    WriteBytes("settings.dat", "settings 1\r\n4" + std::string(1998, ' ') + "66\r\n11\r\n12\r\n");
    LoadSettings();
    CHECK(Settings.nSensitivity == 4);
    CHECK(Settings.nScrollTimes == 66);
    CHECK(Settings.nMessageType == 11);
    CHECK(Settings.bArrowKeys == 12);
    CHECK(Settings.bHoldKey == 7006);

    // The window position saved as CW_USEDEFAULT reads back as that value.
    ResetRecord();
    Settings.nWindowX = 1;
    Settings.nWindowY = 2;
    WriteBytes("settings.dat", DefaultsFile());
    LoadSettings();
    CHECK(Settings.nWindowX == CW_USEDEFAULT);
    CHECK(Settings.nWindowY == CW_USEDEFAULT);
    LeaveScratchDir();
}

TEST_CASE("list files load by the text-mode rules, and whole")
{
    std::string line3000(3000, 'w');
    struct { const char *what; std::string bytes, list; } rows[] = {
        {"CR LF", "Notepad\r\nWord\r\n", "Notepad\nWord\n"},
        {"LF", "Notepad\nWord\n", "Notepad\nWord\n"},
        {"lone CR inside a line", "Note\rpad\r\n", "Note\npad\n"},
        {"CR-only lines", "a\rb\r", "a\nb\n"},
        {"mixed line ends", "a\r\nb\nc\rd\r\r\ne", "a\nb\nc\nd\n\ne"},
        {"Ctrl-Z", "one\r\ntw\x1ao\r\nthree\r\n", "one\ntw"},
        {"empty first line", "\r\nabc\r\n", "\nabc\n"},
        {"empty line further down", "a\r\n\r\nb\r\n", "a\n\nb\n"},
        {"no final newline", "a\r\nlast", "a\nlast"},
        {"percent sign", "100%\r\n%s%d\r\n", "100%\n%s%d\n"},
        {"empty file", "", ""},
        {"first line of 1998 characters", std::string(1997, 'm') + "\r\nx\r\n",
         std::string(1997, 'm') + "\nx\n"},
        {"line of 3000 characters", line3000 + "\r\nnext\r\n", line3000 + "\nnext\n"},
        {"zero byte inside a line", std::string("ab\0cd\r\nef\r\n", 11), "abcd\nef\n"},
    };
    EnterScratchDir("store_lists");
    for (auto &r : rows) {
        CAPTURE(r.what);
        strcpy(Settings.szExcludeList, "old\n");
        strcpy(Settings.szIncludeList, "old\n");
        WriteBytes("list1.txt", r.bytes);
        WriteBytes("list2.txt", r.bytes);
        LoadSettings();
        CHECK_BYTES(std::string(Settings.szExcludeList), r.list);
        CHECK_BYTES(std::string(Settings.szIncludeList), r.list);
    }

    // A missing list file leaves the list as it is; the other still loads.
    DeleteFileA("list1.txt");
    WriteBytes("list2.txt", "b\r\n");
    strcpy(Settings.szExcludeList, "kept\n");
    LoadSettings();
    CHECK_BYTES(std::string(Settings.szExcludeList), "kept\n");
    CHECK_BYTES(std::string(Settings.szIncludeList), "b\n");

    // A list without a final newline saves back without one.
    SaveSettings();
    CHECK_BYTES(ReadBytes("list1.txt"), "kept\r\n");
    CHECK_BYTES(ReadBytes("list2.txt"), "b\r\n");
    strcpy(Settings.szExcludeList, "a\nlast");
    SaveSettings();
    CHECK_BYTES(ReadBytes("list1.txt"), "a\r\nlast");
    LeaveScratchDir();
}

TEST_CASE("a list of 3,000 entries round-trips save, load, save byte for byte")
{
    EnterScratchDir("store_big_list");
    ResetRecord();
    std::string list;
    for (int i = 0; i < 3000; i++)
        list += "Window " + std::to_string(i) + " - 100% done\n";
    CHECK(list.size() > 60000);
    CHECK(list.size() < LIST_TEXT_SIZE);
    strcpy(Settings.szExcludeList, list.c_str());
    strcpy(Settings.szIncludeList, list.c_str() + 50000);
    SaveSettings();
    std::string first1 = ReadBytes("list1.txt"), first2 = ReadBytes("list2.txt");
    CHECK(first1.size() == list.size() + 3000);

    Settings.szExcludeList[0] = Settings.szIncludeList[0] = '\0';
    LoadSettings();
    CHECK_BYTES(std::string(Settings.szExcludeList), list);
    CHECK_BYTES(std::string(Settings.szIncludeList), list.substr(50000));
    SaveSettings();
    CHECK_BYTES(ReadBytes("list1.txt"), first1);
    CHECK_BYTES(ReadBytes("list2.txt"), first2);
    LeaveScratchDir();
}

TEST_CASE("10 MB of random bytes load without harm and leave a consistent record")
{
    EnterScratchDir("store_random");
    std::mt19937 rng(4242);
    std::string noise(10 * 1024 * 1024, '\0');
    for (char &c : noise)
        c = (char)(rng() & 0xff);
    // Ctrl-Z ends a text file; without this the noise would end within
    // a few hundred bytes and test little.
    for (char &c : noise)
        if (c == '\x1a')
            c = 'Z';
    WriteBytes("settings.dat", "settings 1\r\n" + noise);
    WriteBytes("list1.txt", noise);
    WriteBytes("list2.txt", noise.substr(12345));
    for (int pass = 0; pass < 2; pass++) {
        CAPTURE(pass);
        LoadSettings();
        for (const char *list : {Settings.szExcludeList, Settings.szIncludeList}) {
            size_t n = strnlen(list, LIST_TEXT_SIZE);
            CHECK(n < LIST_TEXT_SIZE);
            CHECK(n > 90000);                   // filled, not cut at 2,000
            CHECK(memchr(list, '\r', n) == nullptr);
        }
        CHECK(strnlen(Settings.szScrollKey, SCROLL_KEY_SIZE) < SCROLL_KEY_SIZE);
        CHECK(Settings.nScrollVk == KeyNameToVk(Settings.szScrollKey));
        CHECK((Settings.nDragButton >= 0 && Settings.nDragButton <= DRAG_BUTTON_X2));
        // What was loaded saves and loads back unchanged.
        SaveSettings();
        std::string dat = ReadBytes("settings.dat");
        bool bOptional = false;
        for (const SETTINGSLINE &row : aSettingsLines)
            bOptional = bOptional || (row.bOptional && *(int *)row.pField != 0);
        CHECK(std::count(dat.begin(), dat.end(), '\n') ==
              (bOptional ? SETTINGS_LINE_MAX : SETTINGS_LINE_COUNT));
    }
    std::string saved1 = ReadBytes("list1.txt");
    LoadSettings();
    SaveSettings();
    CHECK_BYTES(ReadBytes("list1.txt"), saved1);
    LeaveScratchDir();
}

TEST_CASE("randomized records the dialogs can produce save and load back equal")
{
    EnterScratchDir("store_roundtrip");
    std::mt19937 rng(20240601);
    auto anyInt = [&] { return (int)rng(); };
    auto flag = [&] { return (int)(rng() % 2); };
    // An entry as typed into a combo box: 1..2000 characters, no line ends,
    // no zero byte, no Ctrl-Z.
    auto entry = [&] {
        std::string e(1 + rng() % (rng() % 4 ? 40 : 2000), ' ');
        for (char &c : e) {
            do
                c = (char)(1 + rng() % 255);
            while (c == '\n' || c == '\r' || c == '\x1a');
        }
        return e;
    };
    auto list = [&](char *dst) {
        std::string text;
        int n = (int)(rng() % 4 == 0 ? 0 : rng() % 300);
        for (int i = 0; i < n; i++) {
            std::string e = entry();
            if (text.size() + e.size() + 2 <= LIST_TEXT_SIZE)
                text += e + "\n";
        }
        strcpy(dst, text.c_str());
    };
    for (int iter = 0; iter < 40; iter++) {
        CAPTURE(iter);
        ResetRecord();
        Settings.nSensitivity = anyInt();
        Settings.nScrollTimes = anyInt();
        Settings.nMessageType = flag() ? MESSAGE_POST : MESSAGE_SEND;
        Settings.bArrowKeys = flag();
        Settings.bHoldKey = flag();
        Settings.bEdgeScroll = flag();
        Settings.bEdgeRepeat = flag();
        Settings.nRepeatMs = anyInt();
        for (int &b : Settings.abClassOptions)
            b = flag();
        Settings.bSaveOnExit = flag();
        strcpy(Settings.szScrollKey, aszKeyNames[rng() % KEY_NAME_COUNT].szName);
        Settings.nScrollVk = KeyNameToVk(Settings.szScrollKey);
        Settings.bExcludeList = flag();
        Settings.bIncludeList = flag();
        Settings.nEdgeMargin = (int)(rng() % 100);
        Settings.nWindowX = iter == 0 ? CW_USEDEFAULT : anyInt();
        Settings.nWindowY = iter == 0 ? CW_USEDEFAULT : anyInt();
        // All seven off in about every other record: the 21-line file.
        bool bDrag = iter > 0 && flag();
        Settings.bDragLock = bDrag && flag();
        Settings.bOneAxis = bDrag && flag();
        Settings.bReverse = bDrag && flag();
        Settings.bPauseFullScreen = bDrag && flag();
        Settings.bKeepPointerStill = bDrag && flag();
        Settings.bGlide = bDrag && flag();
        Settings.nDragButton = bDrag ? (int)(rng() % 3) : 0;
        list(Settings.szExcludeList);
        list(Settings.szIncludeList);
        static SETTINGS saved;
        memcpy(&saved, &Settings, sizeof saved);
        SaveSettings();
        std::string bytes = ReadBytes("settings.dat");

        SetSentinels();
        // As at a start: lines 22 to 29 are missing when all eight are 0,
        // and the fields keep their start-up 0.
        for (const SETTINGSLINE &row : aSettingsLines)
            if (row.bOptional)
                *(int *)row.pField = 0;
        strcpy(Settings.szExcludeList, "stale\n");
        strcpy(Settings.szIncludeList, "stale\n");
        LoadSettings();
        for (const SETTINGSLINE &row : aSettingsLines) {
            CAPTURE(row.szName);
            if (row.nKind == LINE_TEXT)
                CHECK(strcmp((char *)row.pField, saved.szScrollKey) == 0);
            else {
                size_t offset = (char *)row.pField - (char *)&Settings;
                CHECK(*(int *)row.pField == *(int *)((char *)&saved + offset));
            }
        }
        CHECK(Settings.nScrollVk == saved.nScrollVk);
        CHECK(strcmp(Settings.szExcludeList, saved.szExcludeList) == 0);
        CHECK(strcmp(Settings.szIncludeList, saved.szIncludeList) == 0);
        SaveSettings();
        CHECK_BYTES(ReadBytes("settings.dat"), bytes);
    }
    LeaveScratchDir();
}

// UTF-16 bytes of a text, little or big endian, with the mark in front.
static std::string Utf16File(const std::wstring &text, bool bBigEndian)
{
    std::string out = bBigEndian ? "\xfe\xff" : "\xff\xfe";
    for (wchar_t u : text) {
        char lo = (char)(u & 0xff), hi = (char)(u >> 8);
        out += bBigEndian ? std::string{hi, lo} : std::string{lo, hi};
    }
    return out;
}

// What the ANSI code page makes of a text: the program keeps ANSI strings.
static std::string Ansi(const wchar_t *text)
{
    char buf[256];
    int n = WideCharToMultiByte(CP_ACP, 0, text, -1, buf, sizeof buf, NULL, NULL);
    return std::string(buf, n > 0 ? n - 1 : 0);
}

TEST_CASE("files with a byte-order mark load as text and save in the plain format")
{
    std::string head = "settings 1\r\n9\r\n8\r\n1545\r\n";
    struct { const char *what; std::string dat; } datRows[] = {
        {"UTF-8 mark", "\xef\xbb\xbf" + head},
        {"UTF-16 LE", Utf16File(L"settings 1\r\n9\r\n8\r\n1545\r\n", false)},
        {"UTF-16 BE", Utf16File(L"settings 1\n9\n8\n1545\n", true)},
    };
    EnterScratchDir("store_marks");
    for (auto &r : datRows) {
        std::string what = r.what;
        CAPTURE(what);
        SetSentinels();
        WriteBytes("settings.dat", r.dat);
        LoadSettings();
        CHECK(Settings.nSensitivity == 9);
        CHECK(Settings.nScrollTimes == 8);
        CHECK(Settings.nMessageType == 1545);
        CHECK(FieldIsSentinel(aSettingsLines[3]));
    }

    std::wstring cafe = L"Caf\u00e9 Notepad";
    struct { const char *what; std::string bytes, list; } listRows[] = {
        {"UTF-8 mark", "\xef\xbb\xbfNotepad\r\nWord\r\n", "Notepad\nWord\n"},
        {"UTF-16 LE", Utf16File(L"Notepad\r\nWord\r\n", false), "Notepad\nWord\n"},
        {"UTF-16 BE, LF only", Utf16File(L"Notepad\nWord", true), "Notepad\nWord"},
        {"UTF-16 beyond ASCII, through the code page", Utf16File(cafe + L"\r\n", false),
         Ansi(cafe.c_str()) + "\n"},
    };
    for (auto &r : listRows) {
        std::string what = r.what;
        CAPTURE(what);
        ResetRecord();
        WriteBytes("list1.txt", r.bytes);
        WriteBytes("list2.txt", r.bytes);
        LoadSettings();
        CHECK_BYTES(std::string(Settings.szExcludeList), r.list);
        CHECK_BYTES(std::string(Settings.szIncludeList), r.list);
        // Written back as the program writes every list: ANSI, CR LF, no mark,
        // and nothing to keep (the whole file was read).
        SaveSettings();
        CHECK_BYTES(ReadBytes("list1.txt"), ListFileBytes(r.list.c_str()));
        CHECK(CountFiles("*.bak") == 0);
    }
    LeaveScratchDir();
}

TEST_CASE("a file the last load rejected is kept as .bak before a save replaces it")
{
    std::string full;
    for (int i = 0; i < 10005; i++)
        full += "abcdefghi\n";                      // 100,050 characters: one line too many
    struct { const char *what; const char *name; std::string bytes; bool bKept; } rows[] = {
        {"settings.dat of another version", "settings.dat", "settings 2\r\n5\r\n", true},
        {"settings.dat in UTF-16 without its mark", "settings.dat",
         std::string("s\0e\0t\0t\0i\0n\0g\0s\0 \0" "1\0\r\0\n\0", 24), true},
        {"settings.dat of one blank line", "settings.dat", "\r\n", true},
        {"settings.dat with a UTF-8 mark", "settings.dat", "\xef\xbb\xbfsettings 1\r\n5\r\n", false},
        {"settings.dat empty", "settings.dat", "", false},
        {"list1.txt with a zero byte", "list1.txt", std::string("a\0b\r\n", 5), true},
        {"list1.txt with text after Ctrl-Z", "list1.txt", "a\r\n\x1a" "b\r\n", true},
        {"list1.txt ending with Ctrl-Z", "list1.txt", "a\r\n\x1a", false},
        {"list2.txt too long for the list", "list2.txt", full, true},
        {"list2.txt in UTF-16 with letters the code page lacks", "list2.txt",
         Utf16File(L"\u03b1\u03b2\u03b3 \u4e2d\u6587\r\n", false), true},
        {"list2.txt in UTF-16, ASCII", "list2.txt", Utf16File(L"Word\r\n", true), false},
        {"list2.txt with CR-only line ends", "list2.txt", "a\rb\r", false},
    };
    EnterScratchDir("store_backup");
    for (auto &r : rows) {
        std::string what = r.what;
        CAPTURE(what);
        std::string bak = std::string(r.name) + ".bak";
        ResetRecord();
        SaveSettings();                             // three files the program reads whole
        for (const char *name : {"settings.dat.bak", "list1.txt.bak", "list2.txt.bak"})
            DeleteFileA(name);
        WriteBytes(r.name, r.bytes);
        LoadSettings();
        SaveSettings();
        CHECK(CountFiles("*.bak") == (r.bKept ? 1 : 0));
        if (r.bKept)
            CHECK_BYTES(ReadBytes(bak.c_str()), r.bytes);
        CHECK(CountFiles("*.tmp") == 0);
        // The file is the program's own now: the next save keeps no copy.
        WriteBytes(bak.c_str(), "older copy");
        SaveSettings();
        CHECK_BYTES(ReadBytes(bak.c_str()), "older copy");
        CHECK(CountFiles("*.bak") == 1);
        DeleteFileA(bak.c_str());
    }

    // A load that reads the file whole again (the user mended it and chose
    // Load Settings) takes back the copy the earlier load asked for.
    ResetRecord();
    WriteBytes("settings.dat", "settings 2\r\n");
    LoadSettings();
    WriteBytes("settings.dat", DefaultsFile());
    LoadSettings();
    SaveSettings();
    CHECK(!FileExists("settings.dat.bak"));

    // A write-protected backup of the program's own is replaced all the same;
    // a file that is gone by the save leaves nothing to keep.
    WriteBytes("settings.dat.bak", "old backup");
    SetFileAttributesA("settings.dat.bak", FILE_ATTRIBUTE_READONLY);
    WriteBytes("settings.dat", "garbage\r\n");
    LoadSettings();
    SaveSettings();
    CHECK_BYTES(ReadBytes("settings.dat.bak"), "garbage\r\n");
    CHECK_BYTES(ReadBytes("settings.dat"), DefaultsFile());
    WriteBytes("list1.txt", std::string("\0", 1));
    LoadSettings();
    DeleteFileA("list1.txt");
    SaveSettings();
    CHECK(!FileExists("list1.txt.bak"));
    CHECK(ReadBytes("list1.txt").empty());
    SetFileAttributesA("settings.dat.bak", FILE_ATTRIBUTE_NORMAL);
    LeaveScratchDir();
}
