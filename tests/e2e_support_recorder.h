// Stand-ins for today's programs, on a thread of their own in the test
// process: a window with no child windows that scrolls only on wheel
// messages (a WPF or browser window; it zooms instead when Control is down,
// as those do), a frame whose content child scrolls only on wheel messages,
// and, in the first window, a record of the key and button messages it gets.
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
};

struct INPUTRECORD {
    UINT msg;           // WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_MBUTTONDOWN, ...
    WPARAM wParam;
    bool bControl;      // GetKeyState(VK_CONTROL) at that message
    int x, y;           // a button's point, in screen pixels
    DWORD dwTime;       // GetMessageTime
};

struct RECORDER {
    HWND hPlain;        // no child windows; records input too
    HWND hFramed;       // the frame's top-level window
    HWND hContent;      // the content child inside the frame
    HWND hXaml;         // a window of a class that reads only real input
};

// Creates the windows (plain at 50,100, framed at 560,420 and the XAML
// stand-in, "Windows.UI.Core.CoreWindow", at 560,60; all 400 x 300,
// away from the middle of the screen where Wine's X pointer rests).
bool StartRecorder(RECORDER *r);
void StopRecorder(void);

// Everything recorded since the last call, once everything posted to the
// thread before this call has been handled.
std::vector<WHEELRECORD> TakeWheels(void);
std::vector<INPUTRECORD> TakeInputs(void);
// Scroll and zoom totals of the plain window (turns of non-Control wheels,
// and count of wheels that came with Control down).
int PlainScrolled(void);
int PlainZooms(void);

// GetKeyState(vk) as the windows' thread sees it now: down or not.
bool RecorderKeyDown(int vk);

// Makes the window the foreground window with the keyboard focus.
bool RecorderForeground(HWND hwnd);
// The plain window as a full-screen program (no caption, the whole screen),
// or back as it was.
void RecorderFullScreen(bool bOn);

// The recorded inputs as short names: "kdCtl" a key down, "ku" up, "ch17"
// a character, "ld" / "lu" / "md" / "mu" / "xd" / "xu" buttons, "^" with
// Control down.
std::string InputNames(const std::vector<INPUTRECORD> &in);
// Everything the plain window got up to a mark made now (Control+Q, which
// no test sends otherwise), by name.
std::string InputsUpToMark(void);

// Input as a user gives it.
void MiddleButton(bool bDown);
void BackButton(bool bDown);                     // X1
void WheelTurn(int turn);
// Moves the cursor to (x, y) so that the last two reports are close: a key
// press compares them.
void Rest(int x, int y);
// Whether Control, Shift, C or a button is down for the system.
bool AnyDown(void);

// The real program ON with the defaults, the test's changes to them
// (edit(), as WriteSettingsDat takes it), and the stand-ins up.
struct WHEELSESSION {
    CHILDPROC app;
    RECORDER rec;
    explicit WHEELSESSION(const std::function<void()> &edit);
    ~WHEELSESSION();
};
