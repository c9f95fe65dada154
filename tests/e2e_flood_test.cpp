// Floods of injected input, OFF and ON, against the real program: it keeps
// answering, scrolls exactly once per qualifying move, and its object counts
// and private memory stay flat from one flood to the next.
#include <doctest.h>
#include "e2e_support.h"
#include "testkit/kit_input.h"
#include "res/resource.h"
#include "scroll/settings.h"
#include "test_support.h"
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>
#include <string>

#define FLOOD_MOVES 5000
#define FLOOD_KEYS 5000

// Defaults, but posted messages (this test's thread is busy in SendInput while
// the program delivers, so sent ones would have to wait for it) and no repeat
// timer, so that every scroll comes from one injected move.
static void WriteFloodSettings(void)
{
    REQUIRE(WriteSettingsDat([] {
        Settings.nMessageType = MESSAGE_POST;
        Settings.bEdgeRepeat = 0;
        Settings.bSaveOnExit = 0;
    }));
}

struct USAGE {
    DWORD gdi, user;
    SIZE_T privateBytes;
};

// Wine reports no private bytes for another process, but its Unix process is
// there to read through drive Z: the one running Veltrac.exe in this prefix.
static std::string ReadWholeFile(const std::string &path)
{
    std::string text;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return text;
    char buf[4096];
    DWORD got;
    while (ReadFile(h, buf, sizeof buf, &got, NULL) && got)
        text.append(buf, got);
    CloseHandle(h);
    for (char &c : text)
        if (c == 0)
            c = '\n';
    return text;
}

static SIZE_T UnixPrivateBytes(void)
{
    char prefix[MAX_PATH] = "";
    GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA("Z:\\proc\\*", &fd);
    SIZE_T bytes = 0;
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        std::string dir = std::string("Z:\\proc\\") + fd.cFileName;
        if (fd.cFileName[0] < '0' || fd.cFileName[0] > '9')
            continue;
        if (ReadWholeFile(dir + "\\cmdline").find("Veltrac.exe") == std::string::npos)
            continue;
        if (ReadWholeFile(dir + "\\environ").find(std::string("WINEPREFIX=") + prefix + "\n") ==
            std::string::npos)
            continue;
        std::string status = ReadWholeFile(dir + "\\status");
        size_t at = status.find("RssAnon:");
        if (at != std::string::npos)
            bytes = (SIZE_T)strtoull(status.c_str() + at + 8, NULL, 10) * 1024;
    } while (!bytes && FindNextFileA(find, &fd));
    FindClose(find);
    return bytes;
}

static USAGE Usage(HANDLE process)
{
    USAGE u = {};
    // Wine keeps no per-process object counts (these read 0 there); on
    // Windows they are the program's GDI and USER objects.
    u.gdi = GetGuiResources(process, GR_GDIOBJECTS);
    u.user = GetGuiResources(process, GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof pmc;
    if (K32GetProcessMemoryInfo(process, (PROCESS_MEMORY_COUNTERS *)&pmc, sizeof pmc))
        u.privateBytes = pmc.PrivateUsage;
    if (!u.privateBytes)
        u.privateBytes = UnixPrivateBytes();
    return u;
}

// Moves along the top edge, away from every window (so no pointer events come
// back from the X server), alternating by 20 pixels; key events of a key that
// is neither the scroll key nor an arrow.
static void Flood(void)
{
    for (int i = 0; i < FLOOD_MOVES; i++) {
        SendOne(AbsoluteMove((i & 1) ? 720 : 700, 0));
        if (i % 200 == 199)
            PumpPosted();   // the posted scroll messages, before the queue fills
    }
    for (int i = 0; i < FLOOD_KEYS; i += 2) {
        INPUT in[2] = {KeyInput(VK_F8, false), KeyInput(VK_F8, true)};
        SendInput(2, in, sizeof(INPUT));
        if (i % 400 == 398)
            PumpPosted();
    }
}

TEST_CASE("floods of moves and keys, OFF and ON, twice")
{
    EnterScratchDir("flood");
    WriteFloodSettings();
    CHILDPROC veltrac = StartVeltrac("");
    REQUIRE(veltrac.hwnd);
    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("Flood Target", classes, 1);
    HWND edit = TestChild(top, 0);
    REQUIRE(MakeForeground(top));

    USAGE after[2];
    for (int round = 0; round < 2; round++) {
        CAPTURE(round);
        ResetCounts();
        DWORD start = GetTickCount();
        Flood();                                    // OFF
        // Each SendInput returned after the program's hook had run, and a
        // scroll posted from there would be ahead of the marker.
        CHECK(PumpPosted());
        CHECK(Answers(veltrac.hwnd));
        CHECK(TotalScrolls(edit) == 0);

        PostMessageA(veltrac.hwnd, WM_COMMAND, IDM_START, 0);
        REQUIRE(WaitTitle(veltrac.hwnd, TITLE_ON));
        MoveMouseTo(500, 300);                      // leave the edge, away from windows
        CHECK(PumpPosted());
        ResetCounts();
        Flood();                                    // ON
        CHECK(PumpPosted(30000));                   // every scroll message is in now
        CHECK(Answers(veltrac.hwnd));
        CHECK(ChildCount(edit).nUp == FLOOD_MOVES);  // one Up per report at the edge
        CHECK(ChildCount(edit).nDown + ChildCount(edit).nLeft + ChildCount(edit).nRight == 0);
        CHECK(ChildCount(edit).nBadLParam == 0);
        MESSAGE("round ", round, ": ", 2 * (FLOOD_MOVES + FLOOD_KEYS), " events in ",
                GetTickCount() - start, " ms");

        PostMessageA(veltrac.hwnd, WM_COMMAND, IDM_STOP, 0);
        REQUIRE(WaitTitle(veltrac.hwnd, TITLE_OFF));
        CHECK(Answers(veltrac.hwnd));
        after[round] = Usage(veltrac.pi.hProcess);
        MESSAGE("GDI objects ", after[round].gdi, ", USER objects ", after[round].user,
                ", private bytes ", (unsigned long long)after[round].privateBytes);
    }
    // A second flood leaves nothing more behind than the first did.
    CHECK(after[1].gdi <= after[0].gdi);
    CHECK(after[1].user <= after[0].user);
    CHECK(after[0].privateBytes > 0);
    CHECK(after[1].privateBytes <= after[0].privateBytes + 512 * 1024);

    CHECK(EndVeltrac(&veltrac) == 0);
    CloseChild(&veltrac);
    DestroyTestTarget(top);
    LeaveScratchDir();
}
