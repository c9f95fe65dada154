// The engine against hostile targets: a window destroyed or hung in the
// middle of a tick, the foreground changing between steps, and titles and
// lists of 100,000 characters. Nothing may crash or stall past the bound.
#include <doctest.h>
#include "scroll/engine.h"
#include "scroll/settings.h"
#include "scroll/delivery.h"
#include "test_support.h"
#include <string.h>
#include <string>

// A child that does something nasty when its first scroll message arrives.
static void (*pfnOnScroll)(HWND child);
static WNDPROC pfnCounting;

static LRESULT CALLBACK NastyProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if ((msg == WM_VSCROLL || msg == WM_HSCROLL) && pfnOnScroll) {
        void (*act)(HWND) = pfnOnScroll;
        pfnOnScroll = NULL;
        LRESULT r = CallWindowProcA(pfnCounting, hwnd, msg, wParam, lParam);
        act(hwnd);
        return r;
    }
    return CallWindowProcA(pfnCounting, hwnd, msg, wParam, lParam);
}

static HWND MakeNasty(HWND child, void (*act)(HWND))
{
    pfnCounting = (WNDPROC)SetWindowLongPtrA(child, GWLP_WNDPROC, (LONG_PTR)NastyProc);
    pfnOnScroll = act;
    return child;
}

TEST_CASE("the target destroyed in the middle of a tick")
{
    StartEngine(false);
    const char *classes[] = {"TestEdit", "TestEdit"};
    HWND top = CreateTestTarget("doomed", classes, 2);
    MakeNasty(TestChild(top, 0), [](HWND child) { DestroyWindow(GetParent(child)); });
    Settings.nScrollTimes = 3;
    DWORD start = GetTickCount();
    OnMouseReport(0, 0);                  // a corner: six steps
    CHECK(GetTickCount() - start < 200);
    CHECK_FALSE(IsWindow(top));
    OnMouseReport(0, 0);                  // and the next tick finds another foreground
    CHECK(PumpPosted());
}

static HWND hOther;

TEST_CASE("the foreground changing between steps: the tick keeps its target")
{
    StartEngine(false);
    const char *classes[] = {"TestEdit"};
    hOther = CreateTestTarget("other", classes, 1);
    HWND top = CreateTestTarget("first", classes, 1);
    REQUIRE(GetForegroundWindow() == top);
    MakeNasty(TestChild(top, 0), [](HWND) { SetForegroundWindow(hOther); });
    Settings.nScrollTimes = 3;
    OnMouseReport(0, 400);
    CHECK(ChildCount(TestChild(top, 0)).nLeft == 3);
    CHECK(TotalScrolls(TestChild(hOther, 0)) == 0);
    CHECK(GetForegroundWindow() == hOther);
    OnMouseReport(0, 400);                // the next tick goes to the new foreground
    CHECK(ChildCount(TestChild(hOther, 0)).nLeft == 3);
    DestroyTestTarget(top);
    DestroyTestTarget(hOther);
}

TEST_CASE("titles and lists of 100,000 characters cost little per report")
{
    StartEngine(false);
    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("long", classes, 1);
    HWND edit = TestChild(top, 0);

    // The worst case for a plain search: long runs of one letter.
    std::string title(100000, 'a');
    SetWindowTextA(top, title.c_str());
    std::string list;
    while (list.size() < 100000 - 40)
        list += "aaaaaaaaaaaaaaaaaaab\n";       // almost matches everywhere
    strcpy(Settings.szExcludeList, list.c_str());

    DWORD start = GetTickCount();
    OnMouseReport(0, 400);
    DWORD first = GetTickCount() - start;
    CHECK(ChildCount(edit).nLeft == 1);    // no entry matches: scrolled
    start = GetTickCount();
    for (int i = 0; i < 50; i++)
        OnMouseReport(0, 400);
    DWORD fifty = GetTickCount() - start;
    MESSAGE("first report ", first, " ms, 50 more ", fifty, " ms");
    CHECK(first < 2000);
    CHECK(fifty < 500);                    // the answer is reused while nothing changes
    CHECK(ChildCount(edit).nLeft == 51);

    // A change of the list or the title is noticed at once.
    strcpy(Settings.szExcludeList, (list.substr(0, 99015) + "aaa\n").c_str());
    OnMouseReport(0, 400);
    CHECK(ChildCount(edit).nLeft == 51);   // now excluded
    SetWindowTextA(top, std::string(100000, 'b').c_str());
    OnMouseReport(0, 400);
    CHECK(ChildCount(edit).nLeft == 52);
    DestroyTestTarget(top);
}
