// Stand-ins for today's programs, on a thread of their own in the test
// process: a window with no child windows that scrolls only on wheel
// messages (a WPF or browser window; it zooms instead when Control is down,
// as those do), a frame whose content child scrolls only on wheel messages,
// a window of a title a list may exclude, and, in the first and the last, a
// record of the key and button messages they get.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include "e2e_support.h"

struct WHEELRECORD {
    HWND hwnd;
    UINT msg;           // WM_MOUSEWHEEL or WM_MOUSEHWHEEL
    int turn;           // the signed delta
    int keys;           // the key flags of the low word
    int x, y;           // the point
    bool bControl;      // GetKeyState(VK_CONTROL) said down in the window's thread
    bool bControlAsync; // GetAsyncKeyState(VK_CONTROL) said down
    ULONG_PTR extra;    // GetMessageExtraInfo: an input's tag when it was real input, else 0
    DWORD dwTime;       // GetMessageTime: when it was posted, or the input happened
    bool bShift, bAlt;  // GetKeyState said down in the window's thread (Shift+wheel
                        // scrolls sideways in a browser, Alt+wheel does its own thing)
};

struct INPUTRECORD {
    UINT msg;           // WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_MBUTTONDOWN, ...
    WPARAM wParam;
    bool bControl;      // GetKeyState(VK_CONTROL) at that message
    int x, y;           // a button's point, in screen pixels
    DWORD dwTime;       // GetMessageTime
    ULONG_PTR extra;    // GetMessageExtraInfo: OWN_INPUT_TAG when the program gave it back
    HWND hwnd;          // the plain window, or the excluded one
};

// A scroll message (WM_VSCROLL or WM_HSCROLL) a window got: its line code.
struct SCROLLRECORD {
    HWND hwnd;
    UINT msg;
    int code;           // LOWORD(wParam): SB_LINEUP, SB_LINEDOWN, ...
};

struct RECORDER {
    HWND hPlain;        // no child windows; records input too (as does hExcluded)
    HWND hFramed;       // the frame's top-level window
    HWND hContent;      // the content child inside the frame
    HWND hXaml;         // a window of a class that reads only real input
    HWND hExcluded;     // titled EXCLUDED_TITLE, at the plain window's place, behind it
};

// The title of a program a title list can leave alone (a task manager that
// comes to the front on Control+Shift+Esc).
#define EXCLUDED_TITLE "Excluded Stand-in"

// Creates the windows (plain at 50,100, framed at 560,420 and the XAML
// stand-in, "Windows.UI.Core.CoreWindow", at 560,60; all 400 x 300,
// away from the middle of the screen where Wine's X pointer rests). The
// excluded window covers the plain one whenever it is in front, so input
// then reaches it and not the plain window, as the keys do.
bool StartRecorder(RECORDER *r);
void StopRecorder(void);

// A further stand-in on the windows' thread, for a program of its class:
// its wheel and scroll messages are recorded as the others', and its key
// and button messages too (InputNames marks them "@" and the class). A class of
// the system's ("ComboBox", "tooltips_class32") is registered anew for this
// program, so the window is the recorder's and only its name is borrowed.
// Shown without being activated, above the windows there.
struct STANDIN {
    const char *szClass, *szTitle;
    HWND hParent;           // a child of this window; NULL a top-level one
    HWND hOwner;            // a top-level one owned by this window
    int x, y, cx, cy;       // screen pixels, or the parent's client pixels
    DWORD dwStyle, dwExStyle;   // 0: WS_OVERLAPPEDWINDOW, or WS_CHILD | WS_BORDER
};
HWND RecorderStandIn(const STANDIN &w);

// Everything recorded since the last call, once everything posted to the
// thread before this call has been handled.
std::vector<WHEELRECORD> TakeWheels(void);
std::vector<SCROLLRECORD> TakeScrolls(void);
std::vector<INPUTRECORD> TakeInputs(void);
// Scroll and zoom totals of the plain window (turns of non-Control wheels,
// and count of wheels that came with Control down).
int PlainScrolled(void);
int PlainZooms(void);

// The windows made by StartRecorder.
const RECORDER &RecorderWindows(void);

// GetKeyState(vk) as the windows' thread sees it now: down or not.
bool RecorderKeyDown(int vk);

// Makes the window (or a child's top-level window) the foreground window,
// with the keyboard focus on the window itself.
bool RecorderForeground(HWND hwnd);
// The windows' thread does not take a message for ms milliseconds (a
// program busy with work of its own): what reaches it meanwhile waits in
// its queues. Returns once the thread has begun.
void RecorderBusy(int ms);
// The plain window as a full-screen program (no caption, the whole screen),
// or back as it was.
void RecorderFullScreen(bool bOn);

// The recorded inputs as short names: "kdCtl" a key down, "ku" up, "ch17"
// a character, "sd" / "su" / "sc" the same with Alt, "ld" / "lu" / "md" /
// "mu" / "xd" / "xu" buttons, "^" with Control down, "@excluded" what the
// excluded window got, "@<class>" what a further stand-in got.
std::string InputNames(const std::vector<INPUTRECORD> &in);
// Everything the plain (and the excluded) window got up to a mark made now
// (Control+Q, which no test sends otherwise), by name; or as records (false:
// no mark came).
std::string InputsUpToMark(void);
bool InputRecordsUpToMark(std::vector<INPUTRECORD> *pOut);
