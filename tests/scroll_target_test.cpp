// Target selection and delivery with real windows: title lists, the class
// filter's 9-character view, delivery modes, and a hung child in send mode.
#include <doctest.h>
#include "scroll/settings.h"
#include "scroll/delivery.h"
#include "scroll/target.h"
#include "test_support.h"
#include <string.h>
#include <string>

static void Reset(void)
{
    ResetRecord();
    ResetCounts();
}

TEST_CASE("title lists decide the target")
{
    Reset();
    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("Untitled - Notepad", classes, 1);
    REQUIRE(GetForegroundWindow() == top);

    struct { int exclude, include; const char *excl, *incl; bool target; } rows[] = {
        {0, 0, "notepad\n", "x\n", true},          // no list active
        {1, 0, "", "", true},                      // exclude active but empty
        {0, 1, "", "", false},                     // include active but empty
        {1, 0, "notepad\n", "", false},            // case-insensitive substring
        {1, 0, "wordpad\nNOTEPAD\n", "", false},
        {1, 0, "wordpad\n", "", true},
        {1, 0, "notepad", "", true},               // last entry without newline ignored
        {1, 0, "wordpad\n\n", "", false},          // empty entry matches a titled window
        {0, 1, "notepad\n", "", false},            // both flags: exclude governs...
        {0, 1, "", "untitled\n", true},
        {0, 1, "", "wordpad\n", false},
        {1, 1, "", "wordpad\n", true},             // ...even when include says no
        {1, 1, "notepad\n", "notepad\n", false},
    };
    for (auto &r : rows) {
        CAPTURE(r.excl);
        CAPTURE(r.incl);
        Settings.bExcludeList = r.exclude;
        Settings.bIncludeList = r.include;
        strcpy(Settings.szExcludeList, r.excl);
        strcpy(Settings.szIncludeList, r.incl);
        CHECK((FindTargetWindow() == top) == r.target);
    }
    DestroyTestTarget(top);
}

TEST_CASE("a list starting with a newline counts as empty and is cleared")
{
    Reset();
    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("Untitled - Notepad", classes, 1);
    strcpy(Settings.szExcludeList, "\nnotepad\n");
    CHECK(FindTargetWindow() == top);
    CHECK(Settings.szExcludeList[0] == '\0');

    Settings.bExcludeList = 0;
    Settings.bIncludeList = 1;
    strcpy(Settings.szIncludeList, "\nnotepad\n");
    CHECK(FindTargetWindow() == NULL);
    CHECK(Settings.szIncludeList[0] == '\0');
    DestroyTestTarget(top);
}

TEST_CASE("entries anywhere in a long list are matched, and an untitled window never is")
{
    Reset();
    const char *classes[] = {"TestEdit"};
    HWND top = CreateTestTarget("Untitled - Notepad", classes, 1);

    // 3000 characters of other entries first, then the match.
    std::string list;
    while (list.size() < 3000)
        list += "some other program\n";
    list += "notepad\n";
    strcpy(Settings.szExcludeList, list.c_str());
    CHECK(FindTargetWindow() == NULL);

    // One entry longer than 2001 characters still matches as a whole.
    std::string title(2500, 'q');
    SetWindowTextA(top, title.c_str());
    strcpy(Settings.szExcludeList, (title + "\n").c_str());
    CHECK(FindTargetWindow() == NULL);
    strcpy(Settings.szExcludeList, (title + "z\n").c_str());
    CHECK(FindTargetWindow() == top);

    SetWindowTextA(top, "");
    strcpy(Settings.szExcludeList, "\n\n");   // only empty entries (after the first)
    Settings.szExcludeList[0] = 'x';
    CHECK(FindTargetWindow() == top);     // empty title: never excluded
    Settings.bExcludeList = 0;
    Settings.bIncludeList = 1;
    strcpy(Settings.szIncludeList, "x\n\n");
    CHECK(FindTargetWindow() == NULL);    // ...and never included
    DestroyTestTarget(top);
}

TEST_CASE("class filter sees 9 characters and the first matching test decides")
{
    Reset();
    const char *classes[] = {"RichEdit20A", "Afx:400000:8", "mIRC_chAnnel", "Longname_Edit",
                             "Static9", "EditAfx:"};
    HWND top = CreateTestTarget("filter", classes, 6);
    HWND rich = TestChild(top, 0), afx = TestChild(top, 1), chan = TestChild(top, 2),
         late = TestChild(top, 3), other = TestChild(top, 4), both = TestChild(top, 5);

    CHECK(IsScrollableChild(rich));        // seen as RichEdit2
    CHECK(IsScrollableChild(afx));         // seen as Afx:40000
    CHECK_FALSE(IsScrollableChild(chan));  // "mIRC_chAn": no "channel", so the other flag
    CHECK_FALSE(IsScrollableChild(late));  // "Edit" beyond the ninth character
    CHECK_FALSE(IsScrollableChild(other));
    Settings.bClassOther = 1;
    CHECK(IsScrollableChild(late));
    CHECK(IsScrollableChild(other));
    CHECK(IsScrollableChild(chan));

    // "EditAfx:" matches Edit first: the Afx flag is never consulted.
    Settings.bClassEdit = 0;
    Settings.bClassAfx = 1;
    CHECK_FALSE(IsScrollableChild(both));
    CHECK_FALSE(IsScrollableChild(rich));
    CHECK(IsScrollableChild(afx));
    Settings.bClassAfx = 0;
    CHECK_FALSE(IsScrollableChild(afx));
    CHECK_FALSE(IsScrollableChild((HWND)(INT_PTR)0x7fff0));   // no such window
    DestroyTestTarget(top);
}

TEST_CASE("a class containing channel within its first 9 characters passes under the channel flag")
{
    Reset();
    const char *classes[] = {"xCHANNELx"};
    HWND top = CreateTestTarget("chan", classes, 1);
    Settings.bClassChannel = 1;
    CHECK(IsScrollableChild(TestChild(top, 0)));
    Settings.bClassChannel = 0;
    CHECK_FALSE(IsScrollableChild(TestChild(top, 0)));
    DestroyTestTarget(top);
}

TEST_CASE("delivery modes: send, post, and silent for any other value")
{
    Reset();
    const char *classes[] = {"TestEdit", "TestEdit", "Static9"};
    HWND top = CreateTestTarget("modes", classes, 3);
    HWND a = TestChild(top, 0), b = TestChild(top, 1), s = TestChild(top, 2);

    Settings.nMessageType = MESSAGE_SEND;
    ScrollChildren(top, SCROLL_DOWN);
    CHECK(ChildCount(a).nDown == 1);     // sent: there at once
    CHECK(ChildCount(b).nDown == 1);
    CHECK(TotalScrolls(s) == 0);
    CHECK(TotalScrolls(top) == 0);       // never the target itself
    CHECK(ChildCount(a).nBadLParam == 0);

    ResetCounts();
    Settings.nMessageType = MESSAGE_POST;
    ScrollChildren(top, SCROLL_LEFT);
    ScrollChildren(top, SCROLL_RIGHT);
    ScrollChildren(top, SCROLL_UP);
    CHECK(TotalScrolls(a) == 0);         // posted: only after pumping
    CHECK(PumpPosted());
    CHECK(ChildCount(a).nLeft == 1);
    CHECK(ChildCount(a).nRight == 1);
    CHECK(ChildCount(b).nUp == 1);
    CHECK(ChildCount(b).nBadLParam == 0);

    for (int type : {0, 7, 1544, 1547, -1546}) {
        ResetCounts();
        Settings.nMessageType = type;
        ScrollChildren(top, SCROLL_DOWN);
        CHECK(PumpPosted());             // a posted step would be in by now
        CHECK(TotalScrolls(a) == 0);
        CHECK(TotalScrolls(b) == 0);
    }
    DestroyTestTarget(top);
}

TEST_CASE("grandchildren are scrolled too")
{
    Reset();
    const char *classes[] = {"Static9"};
    HWND top = CreateTestTarget("nested", classes, 1);
    HWND inner = CreateCountedChild(TestChild(top, 0), "TestEdit", 7);
    REQUIRE(inner);
    ScrollChildren(top, SCROLL_UP);
    CHECK(ChildCount(inner).nUp == 1);
    DestroyTestTarget(top);
}

// A child whose thread stops answering: it is created by a worker thread that
// then sleeps without pumping messages.
struct HUNGCHILD {
    HWND parent;
    HWND child;
    HANDLE ready;
    DWORD sleepMs;
};

static DWORD WINAPI HungThread(void *p)
{
    HUNGCHILD *h = (HUNGCHILD *)p;
    // No WM_PARENTNOTIFY: it would be sent to the parent's thread, which is
    // waiting for this one.
    h->child = CreateCountedChild(h->parent, "TestEdit", 50);
    SetEvent(h->ready);
    Sleep(h->sleepMs);
    DestroyWindow(h->child);
    return 0;
}

TEST_CASE("a hung child in send mode does not stall the tick beyond the bound")
{
    Reset();
    const char *classes[] = {"TestEdit", "TestEdit"};
    HWND top = CreateTestTarget("hung", classes, 2);
    HUNGCHILD h = {top, NULL, CreateEventA(NULL, TRUE, FALSE, NULL), 3000};
    HANDLE thread = CreateThread(NULL, 0, HungThread, &h, 0, NULL);
    WaitForSingleObject(h.ready, 5000);
    REQUIRE(h.child);

    // Six steps, as a corner tick with three lines each makes.
    STEPSEGMENT steps[2] = {{{SCROLL_LEFT, 0}, 1, 3}, {{SCROLL_UP, 0}, 1, 3}};
    DWORD start = GetTickCount();
    DeliverSteps(top, steps, 2);
    DWORD elapsed = GetTickCount() - start;
    MESSAGE("six send steps with a hung child took ", elapsed, " ms");
    CHECK(elapsed < 200);
    // The answering children got every message, in full.
    CHECK(ChildCount(TestChild(top, 0)).nLeft == 3);
    CHECK(ChildCount(TestChild(top, 0)).nUp == 3);
    CHECK(ChildCount(TestChild(top, 1)).nUp == 3);

    // Each further tick is bounded on its own as well.
    start = GetTickCount();
    ScrollChildren(top, SCROLL_DOWN);
    CHECK(GetTickCount() - start < 200);
    CHECK(ChildCount(TestChild(top, 1)).nDown == 1);

    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    CloseHandle(h.ready);
    DestroyTestTarget(top);
}
