// What the manifest and version resources promise, seen from a running
// process that carries them (the test programs link the same resources).
#include <doctest.h>
#include <windows.h>
#include <commctrl.h>
#include <ctype.h>
#include <string.h>
#include <string>

TEST_CASE("the manifest makes the process DPI aware and asks for common controls 6")
{
    CHECK(IsProcessDPIAware());

    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    if (!comctl) {
        InitCommonControls();
        comctl = GetModuleHandleA("comctl32.dll");
    }
    REQUIRE(comctl);
    // The version 6 library is the side-by-side one (Wine's reports 5.81 from
    // DllGetVersion in both places, so its path tells them apart).
    char path[MAX_PATH];
    GetModuleFileNameA(comctl, path, sizeof path);
    CAPTURE(path);
    std::string lower(path);
    for (char &c : lower)
        c = (char)tolower((unsigned char)c);
    CHECK(lower.find("common-controls") != std::string::npos);
    CHECK(lower.find("_6.0.") != std::string::npos);

    HRSRC res = FindResourceA(NULL, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    REQUIRE(res);
    const char *xml = (const char *)LockResource(LoadResource(NULL, res));
    std::string text(xml, SizeofResource(NULL, res));
    CHECK(text.find("level=\"asInvoker\"") != std::string::npos);
    CHECK(text.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a") != std::string::npos);
}

TEST_CASE("the version resource says 2.5")
{
    HRSRC res = FindResourceA(NULL, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));
    REQUIRE(res);
    const BYTE *p = (const BYTE *)LockResource(LoadResource(NULL, res));
    DWORD size = SizeofResource(NULL, res);
    const VS_FIXEDFILEINFO *fixed = NULL;
    for (DWORD i = 0; i + sizeof(VS_FIXEDFILEINFO) <= size; i += 4) {
        DWORD sig;
        memcpy(&sig, p + i, 4);
        if (sig == 0xFEEF04BD) {
            fixed = (const VS_FIXEDFILEINFO *)(p + i);
            break;
        }
    }
    REQUIRE(fixed);
    CHECK(fixed->dwFileVersionMS == MAKELONG(5, 2));
    CHECK(fixed->dwProductVersionMS == MAKELONG(5, 2));
    CHECK(fixed->dwFileType == VFT_APP);
    const wchar_t want[] = L"ProductVersion";
    bool found = false;
    for (DWORD i = 0; i + sizeof want < size && !found; i += 2)
        found = memcmp(p + i, want, sizeof want - 2) == 0;
    CHECK(found);
}
