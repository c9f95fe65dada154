// The window finder's decisions, as plain functions of what the drag found
// under the pointer: the text that says what Veltrac would do in that window
// now, which kind of control Automatic never scrolls, and whether a rule
// for the window's program needs its class to single it out. No window
// calls; dialogs/window_finder_win.cpp gathers the facts.
#pragma once
#include <string>

// How the title lists judge a window.
enum { TITLES_PASS, TITLES_EXCLUDED, TITLES_NOT_INCLUDED };

// What is known of the window under the finder, in the order target
// selection asks (scroll/target.cpp).
struct FINDERFACTS {
    int bWindow;                // there is a window under the pointer at all
    int bOwn;                   // one of Veltrac's own windows
    int bShell;                 // the shell's own: taskbar, desktop, menus...
    int nTitles;                // TITLES_*
    int bRuleOff;               // hands off by a rule of programs.txt
    int bFullScreenPaused;      // a full-screen program while that pauses scrolling
    int bAboveUs;               // runs as administrator (above our integrity level)
    int nMessageType;           // in force there: MESSAGE_*
    int nForcedWay;             // a rule's delivery in Automatic; WAY_NONE: the table's
    int nTableWay;              // what Automatic's table says for the receiver (vertical)
    const char *szReceiverClass;
    int nSpeed;                 // percent in force there (100: as set)
    int bReverse;               // drags reversed there
    int bScrolling;             // Veltrac is ON
};

// "scrolled: Automatic, smooth wheel messages", "left alone: excluded by
// the title list", "never scrolled: combo box"...; "" without a window.
std::string FinderVerdict(const FINDERFACTS &f);

// What a class that Automatic never scrolls is to the user ("combo box",
// "spin box", "slider", "ribbon"); "control that changes its value" for
// the others.
const char *NeverScrolledKind(const char *szClass);

// Whether the program alone does not single out the windows the user
// means: every Java program is javaw.exe, every UWP app's frame is
// ApplicationFrameHost.exe, and script and plug-in hosts run many.
int ProgramNeedsClass(const char *szProgram);
