// When the "Start With Windows" box shows checked, from what was read of the
// Startup folder's shortcut: paths compared as Windows compares them, and the
// Startup apps page's "off".
#include <doctest.h>
#include "store/startup_link.h"
#include <vector>

static const wchar_t *const EXE = L"C:\\Tools\\Veltrac\\Veltrac.exe";
static const wchar_t *const DIR = L"C:\\Tools\\Veltrac";

TEST_CASE("the box is checked only for this executable, in this folder, not turned off")
{
    struct {
        const char *what;
        int bExists;
        const wchar_t *target, *workDir;
        int bOff;
        int bChecked;
    } rows[] = {
        {"ours", 1, EXE, DIR, 0, 1},
        {"no shortcut", 0, EXE, DIR, 0, 0},
        {"unreadable shortcut", 0, L"", L"", 0, 0},
        {"turned off in Startup apps", 1, EXE, DIR, 1, 0},
        {"other letter case", 1, L"c:\\TOOLS\\veltrac\\VELTRAC.EXE", L"c:\\tools\\VELTRAC", 0, 1},
        {"forward slashes, trailing separator", 1, L"C:/Tools/Veltrac/Veltrac.exe",
         L"C:\\Tools\\Veltrac\\", 0, 1},
        {"another copy's executable", 1, L"D:\\Veltrac\\Veltrac.exe", DIR, 0, 0},
        {"another executable in this folder", 1, L"C:\\Tools\\Veltrac\\Other.exe", DIR, 0, 0},
        {"another working folder", 1, EXE, L"C:\\Tools", 0, 0},
        {"a working folder below this one", 1, EXE, L"C:\\Tools\\Veltrac\\Sub", 0, 0},
        {"no working folder", 1, EXE, L"", 0, 0},
        {"no target", 1, L"", DIR, 0, 0},
        {"target with arguments glued on", 1, L"C:\\Tools\\Veltrac\\Veltrac.exe -start", DIR, 0,
         0},
        {"missing target, null strings", 1, nullptr, nullptr, 0, 0},
    };
    for (auto &r : rows) {
        CAPTURE(r.what);
        STARTUPLINK link = {r.bExists, r.target, r.workDir, r.bOff};
        CHECK(StartupBoxChecked(&link, EXE, DIR) == r.bChecked);
    }
}

TEST_CASE("paths match without regard to case in the letters paths are made of")
{
    struct { const wchar_t *a, *b; int same; } rows[] = {
        {L"C:\\A\\b.exe", L"c:\\a\\B.EXE", 1},
        {L"C:\\", L"C:", 1},                          // one trailing separator ignored
        {L"C:\\A\\\\", L"C:\\A", 0},                  // only one
        {L"C:\\A", L"C:\\AB", 0},
        {L"", L"", 0},                                // nothing is no path
        {L"C:\\\u00e9t\u00e9", L"C:\\\u00c9T\u00c9", 1},        // été, ÉTÉ
        {L"C:\\\u00f7", L"C:\\\u00d7", 0},                      // ÷ and × are no pair
        {L"C:\\\u00ff", L"C:\\\u0178", 1},                      // ÿ, Ÿ
        {L"C:\\\u0142ukasz", L"C:\\\u0141UKASZ", 1},            // ł, Ł: odd-even pair
        {L"C:\\\u015bwit", L"C:\\\u015aWIT", 1},                // ś, Ś: even-odd pair
        {L"C:\\\u017c", L"C:\\\u017b", 1},                      // ż, Ż
        {L"C:\\\u0131", L"C:\\I", 0},                           // dotless ı is not I
        {L"C:\\\u043f\u0430\u043f\u043a\u0430", L"C:\\\u041f\u0410\u041f\u041a\u0410", 1},
        {L"C:\\\u0451", L"C:\\\u0401", 1},                      // ё, Ё
        {L"C:\\\u03b1\u03c9", L"C:\\\u0391\u03a9", 1},          // αω, ΑΩ
        {L"C:\\\u3042", L"C:\\\u3042", 1},                      // unfolded, still itself
        {L"C:\\a", L"C:\\\u0101", 0},                           // a is not ā
    };
    for (size_t i = 0; i < sizeof rows / sizeof rows[0]; i++) {
        auto &r = rows[i];
        CAPTURE(i);
        CHECK(SamePath(r.a, r.b) == r.same);
        CHECK(SamePath(r.b, r.a) == r.same);
    }
}

TEST_CASE("a StartupApproved value with an odd first byte is off")
{
    struct { std::vector<unsigned char> bytes; int off; } rows[] = {
        {{0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0},
        {{0x03, 0, 0, 0, 0x5c, 0x1d, 0xe4, 0x8a, 0x10, 0xc9, 0xd8, 0x01}, 1},
        {{0x06}, 0},
        {{0x07}, 1},
        {{0x01}, 1},
        {{0x00}, 0},
        {{}, 0},
    };
    for (auto &r : rows) {
        CAPTURE(r.bytes.size());
        CAPTURE(r.bytes.empty() ? -1 : r.bytes[0]);
        CHECK(StartupApprovedOff(r.bytes.data(), r.bytes.size()) == r.off);
    }
}
